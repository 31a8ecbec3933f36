// A scripted FTP peer for tests: listens on 127.0.0.1 (a free port), accepts one
// control connection and plays a script of steps in order on its own thread — sending
// replies (or any raw bytes), checking the command lines the client sends, and opening,
// feeding, reading and closing data connections for passive and active transfers.
//
// Typical use:
//     ftptest::FakeFtpServer server;
//     server.reply("220 ready");
//     server.expect("user bob");
//     server.reply("230 in");
//     ... drive the client against 127.0.0.1:server.port() ...
//     EXPECT_TRUE(server.finished());     // every step ran
//     EXPECT_EQ(server.errors(), "");     // and every expectation held
//
// Steps may be added before or while the client runs. Every blocking step gives up
// after timeoutMs and records an error instead of hanging the test; after a failed
// step the server hangs up and skips the rest of the script.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ftptest {

class FakeFtpServer {
public:
    FakeFtpServer();
    ~FakeFtpServer();
    FakeFtpServer(const FakeFtpServer&) = delete;
    FakeFtpServer& operator=(const FakeFtpServer&) = delete;

    int port() const { return port_; }
    int timeoutMs = 10000;

    // --- control connection ---
    // The greeting and a login as the client sends it: USER, PASS, TYPE I, SYST, and the
    // FEAT after it, answered with `featReply` (by default refused: a server that offers
    // no extension).
    void scriptLogin(const std::string& user = "korvante", const std::string& password = "secret",
                     const std::vector<std::string>& featReply = {"500 FEAT not understood"});
    // Sends the line followed by CR LF.
    void reply(const std::string& line);
    // Sends bytes exactly as given (bare LF, blank lines, partial lines, NUL ...).
    void send(const std::string& bytes);
    // Sends the bytes repeatedly until the client closes the connection or maxBytes
    // have been sent: a server that never ends its line or its reply.
    void sendEndless(const std::string& chunk, long long maxBytes = 1LL << 30);
    // Sends the bytes one at a time, intervalMs apart: a server that drips its reply.
    // Stops quietly when the client hangs up.
    void drip(const std::string& bytes, int intervalMs);
    // Reads one command line and records an error unless it equals line (CR LF removed).
    void expect(const std::string& line);
    // As expect, but the line must come within ms (a client that waits for a reply that
    // is not owed fails this).
    void expectWithin(const std::string& line, int ms);
    // Reads one command line, records it, and checks nothing.
    void expectAnything();
    // Reads a "PORT h1,h2,h3,h4,p1,p2" line and keeps the address for connectData().
    void expectPort();
    // Closes the control connection.
    void closeControl();
    // Waits until the client has closed the control connection (reads to its end).
    void waitClientClose();
    // Drops the control connection (if still open) and takes the client's next one: a
    // client that logs in again.
    void acceptControl();

    // --- data connections ---
    // Reads the "PASV" line, opens a data listener on 127.0.0.1 and replies with format, where "%a"
    // becomes "127,0,0,1,p1,p2" and "%p" becomes "p1,p2" (for announcing another address).
    void pasv(const std::string& format = "227 Entering Passive Mode (%a).");
    // Reads the "EPSV" line, opens a data listener and replies 229 with its port.
    void epsv();
    // As pasv(), but the announced listener's queue is full and nobody accepts: the
    // client's connection request is dropped unanswered, as by a firewall, and its
    // connect waits for the system's minutes-long time-out unless it sets a limit.
    void pasvToFullQueue();
    // Accepts the client's connection on the listener of pasv().
    void acceptData();
    // Connects to the address of the last PORT line.
    void connectData();
    // Connects to the PORT address from another local address (127.0.0.2): a foreign
    // peer. Records whether the client hung up on it; see foreignPeerRefused().
    void connectDataFrom(const std::string& localIp);
    void sendData(const std::string& bytes);
    // Sends bytes on the data connection until the client closes it (an abort).
    void sendDataUntilClientCloses(size_t chunkSize = 65536);
    // Sends the bytes on the data connection one chunk at a time, intervalMs apart:
    // slow, but moving.
    void dripData(const std::string& bytes, size_t chunkSize, int intervalMs);
    // Keeps the data connection open and sends nothing until the client closes it: a
    // transfer that stalls.
    void holdData();
    // Reads the data connection until the client closes it; see receivedData().
    void receiveData();
    void closeData();
    // Closes the data connection with a reset instead of an orderly end.
    void resetData();

    // Runs an arbitrary check on the server thread (for ordering with the client).
    void call(std::function<void()> fn);

    // Waits until every step added so far has run; false on time-out.
    bool finished();
    // Every expectation that failed, one per line; empty when all held.
    std::string errors() const;
    // The command lines read so far, in order.
    std::vector<std::string> received() const;
    // The bytes read by receiveData().
    std::string receivedData() const;
    // After connectDataFrom: the client closed that connection without reading from it.
    bool foreignPeerRefused() const;

private:
    void add(std::function<void()> step);
    void run();
    std::string readLine(int timeoutMs = -1);
    void sendAll(int fd, const std::string& bytes);
    void fail(const std::string& message);
    void closeFd(int& fd);

    int listenFd_ = -1;
    int controlFd_ = -1;
    int dataListenFd_ = -1;
    int dataFd_ = -1;
    int port_ = 0;
    std::string portHost_;
    int portPort_ = 0;
    std::string inbox_;

    mutable std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<std::function<void()>> steps_;
    size_t added_ = 0;
    size_t done_ = 0;
    bool stopping_ = false;
    bool broken_ = false;
    std::string errors_;
    std::vector<std::string> received_;
    std::string receivedData_;
    bool foreignRefused_ = false;
    int foreignFd_ = -1;
    int queueFillerFd_ = -1;
    std::thread thread_;
};

// One line of a Unix listing for a plain file.
std::string unixListLine(const std::string& name, size_t size);

} // namespace ftptest
