#include "tests/support/ftp/fake_ftp_server.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace ftptest {

namespace {

struct StepFailed {};

int listenOnLoopback(int& port, int backlog = 4) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(fd, backlog) != 0)
        throw std::runtime_error("fake FTP server: cannot listen");
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    return fd;
}

} // namespace

FakeFtpServer::FakeFtpServer() {
    listenFd_ = listenOnLoopback(port_);
    thread_ = std::thread([this] { run(); });
}

FakeFtpServer::~FakeFtpServer() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    cv_.notify_all();
    thread_.join();
    closeFd(dataFd_);
    closeFd(dataListenFd_);
    closeFd(controlFd_);
    closeFd(listenFd_);
    closeFd(foreignFd_);
    closeFd(queueFillerFd_);
}

void FakeFtpServer::closeFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

void FakeFtpServer::add(std::function<void()> step) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        steps_.push_back(std::move(step));
        ++added_;
    }
    cv_.notify_all();
}

void FakeFtpServer::fail(const std::string& message) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        errors_ += message + "\n";
        broken_ = true;
    }
    throw StepFailed{};
}

// Waits for fd to be ready, in short slices so a stopping server never hangs.
static bool waitFd(int fd, short events, int timeoutMs, const bool& stopping, std::mutex& m) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        {
            std::lock_guard<std::mutex> lock(m);
            if (stopping)
                return false;
        }
        pollfd p{fd, events, 0};
        if (::poll(&p, 1, 100) > 0)
            return true;
    }
    return false;
}

void FakeFtpServer::run() {
    bool accepted = false;
    for (;;) {
        std::function<void()> step;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            cv_.wait(lock, [this] { return stopping_ || !steps_.empty(); });
            if (stopping_)
                return;
            step = std::move(steps_.front());
            steps_.pop_front();
        }
        bool broken;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            broken = broken_;
        }
        if (!broken) {
            try {
                if (!accepted) {
                    if (!waitFd(listenFd_, POLLIN, timeoutMs, stopping_, mutex_))
                        fail("no client connected");
                    controlFd_ = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
                    accepted = true;
                }
                step();
            } catch (const StepFailed&) {
            } catch (const std::exception& e) {
                std::lock_guard<std::mutex> lock(mutex_);
                errors_ += std::string("step threw: ") + e.what() + "\n";
                broken_ = true;
            }
            std::lock_guard<std::mutex> lock(mutex_);
            if (broken_) {
                // A broken script hangs up, so the client under test fails instead of
                // waiting for replies that will never come.
                closeFd(dataFd_);
                closeFd(dataListenFd_);
                closeFd(controlFd_);
            }
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            ++done_;
        }
        cv_.notify_all();
    }
}

bool FakeFtpServer::finished() {
    std::unique_lock<std::mutex> lock(mutex_);
    return cv_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                        [this] { return done_ == added_; });
}

std::string FakeFtpServer::errors() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return errors_;
}

std::vector<std::string> FakeFtpServer::received() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
}

std::string FakeFtpServer::receivedData() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return receivedData_;
}

void FakeFtpServer::sendAll(int fd, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        if (!waitFd(fd, POLLOUT, timeoutMs, stopping_, mutex_))
            fail("send timed out");
        long n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0)
            fail("send failed: " + std::to_string(errno));
        sent += static_cast<size_t>(n);
    }
}

std::string FakeFtpServer::readLine(int limitMs) {
    for (;;) {
        size_t lf = inbox_.find('\n');
        if (lf != std::string::npos) {
            std::string line = inbox_.substr(0, lf);
            inbox_.erase(0, lf + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            std::lock_guard<std::mutex> lock(mutex_);
            received_.push_back(line);
            return line;
        }
        if (!waitFd(controlFd_, POLLIN, limitMs >= 0 ? limitMs : timeoutMs, stopping_, mutex_))
            fail("no command line arrived");
        char buf[4096];
        long n = ::recv(controlFd_, buf, sizeof buf, 0);
        if (n <= 0)
            fail("client closed the control connection while a command was expected");
        inbox_.append(buf, static_cast<size_t>(n));
    }
}

void FakeFtpServer::reply(const std::string& line) {
    send(line + "\r\n");
}

void FakeFtpServer::send(const std::string& bytes) {
    add([this, bytes] { sendAll(controlFd_, bytes); });
}

void FakeFtpServer::sendEndless(const std::string& chunk, long long maxBytes) {
    add([this, chunk, maxBytes] {
        for (long long total = 0; total < maxBytes; total += static_cast<long long>(chunk.size())) {
            if (!waitFd(controlFd_, POLLOUT, timeoutMs, stopping_, mutex_))
                fail("client stopped reading but kept the connection");
            if (::send(controlFd_, chunk.data(), chunk.size(), MSG_NOSIGNAL) < 0)
                return; // the client gave up and closed: what the test wants
        }
        fail("client accepted the endless data");
    });
}

void FakeFtpServer::expect(const std::string& line) {
    add([this, line] {
        std::string got = readLine();
        if (got != line)
            fail("expected \"" + line + "\", got \"" + got + "\"");
    });
}

void FakeFtpServer::expectWithin(const std::string& line, int ms) {
    add([this, line, ms] {
        std::string got = readLine(ms);
        if (got != line)
            fail("expected \"" + line + "\", got \"" + got + "\"");
    });
}

void FakeFtpServer::drip(const std::string& bytes, int intervalMs) {
    add([this, bytes, intervalMs] {
        for (char c : bytes) {
            if (::send(controlFd_, &c, 1, MSG_NOSIGNAL) < 0)
                return;
            // The wait doubles as the hang-up check: a closed client makes it readable.
            pollfd p{controlFd_, POLLIN, 0};
            if (::poll(&p, 1, intervalMs) > 0) {
                char probe;
                if (::recv(controlFd_, &probe, 1, MSG_PEEK | MSG_DONTWAIT) == 0)
                    return;
                std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
            }
        }
    });
}

void FakeFtpServer::expectAnything() {
    add([this] { readLine(); });
}

void FakeFtpServer::expectPort() {
    add([this] {
        std::string got = readLine();
        int f[6];
        if (got.rfind("PORT ", 0) != 0 || std::sscanf(got.c_str() + 5, "%d,%d,%d,%d,%d,%d", &f[0],
                                                      &f[1], &f[2], &f[3], &f[4], &f[5]) != 6)
            fail("expected a PORT line, got \"" + got + "\"");
        portHost_ = std::to_string(f[0]) + "." + std::to_string(f[1]) + "." + std::to_string(f[2]) +
                    "." + std::to_string(f[3]);
        portPort_ = f[4] * 256 + f[5];
    });
}

void FakeFtpServer::closeControl() {
    add([this] {
        ::shutdown(controlFd_, SHUT_RDWR);
        closeFd(controlFd_);
    });
}

void FakeFtpServer::waitClientClose() {
    add([this] {
        char buf[4096];
        for (;;) {
            if (!waitFd(controlFd_, POLLIN, timeoutMs, stopping_, mutex_))
                fail("client did not close the control connection");
            long n = ::recv(controlFd_, buf, sizeof buf, 0);
            if (n <= 0)
                return;
            inbox_.append(buf, static_cast<size_t>(n));
        }
    });
}

void FakeFtpServer::acceptControl() {
    add([this] {
        closeFd(controlFd_);
        inbox_.clear();
        if (!waitFd(listenFd_, POLLIN, timeoutMs, stopping_, mutex_))
            fail("the client did not connect again");
        controlFd_ = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    });
}

void FakeFtpServer::pasv(const std::string& format) {
    add([this, format] {
        std::string got = readLine();
        if (got != "PASV")
            fail("expected \"PASV\", got \"" + got + "\"");
        closeFd(dataListenFd_);
        int port = 0;
        dataListenFd_ = listenOnLoopback(port);
        std::string p = std::to_string(port / 256) + "," + std::to_string(port % 256);
        std::string text;
        for (size_t i = 0; i < format.size(); ++i) {
            if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 'a') {
                text += "127,0,0,1," + p;
                ++i;
            } else if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 'p') {
                text += p;
                ++i;
            } else {
                text += format[i];
            }
        }
        sendAll(controlFd_, text + "\r\n");
    });
}

void FakeFtpServer::epsv() {
    add([this] {
        std::string got = readLine();
        if (got != "EPSV")
            fail("expected \"EPSV\", got \"" + got + "\"");
        closeFd(dataListenFd_);
        int port = 0;
        dataListenFd_ = listenOnLoopback(port);
        sendAll(controlFd_,
                "229 Entering Extended Passive Mode (|||" + std::to_string(port) + "|)\r\n");
    });
}

void FakeFtpServer::pasvToFullQueue() {
    add([this] {
        std::string got = readLine();
        if (got != "PASV")
            fail("expected \"PASV\", got \"" + got + "\"");
        closeFd(dataListenFd_);
        int port = 0;
        // A backlog of 0 holds one connection; once it is taken, the system drops every
        // further connection request on the floor.
        dataListenFd_ = listenOnLoopback(port, 0);
        closeFd(queueFillerFd_);
        queueFillerFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<uint16_t>(port));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(queueFillerFd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
            fail("cannot fill the data listener's queue");
        sendAll(controlFd_, "227 Entering Passive Mode (127,0,0,1," + std::to_string(port / 256) +
                                "," + std::to_string(port % 256) + ").\r\n");
    });
}

void FakeFtpServer::acceptData() {
    add([this] {
        if (!waitFd(dataListenFd_, POLLIN, timeoutMs, stopping_, mutex_))
            fail("client did not open the data connection");
        closeFd(dataFd_);
        dataFd_ = ::accept4(dataListenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        closeFd(dataListenFd_);
    });
}

void FakeFtpServer::connectData() {
    add([this] {
        closeFd(dataFd_);
        dataFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<uint16_t>(portPort_));
        inet_pton(AF_INET, portHost_.c_str(), &a.sin_addr);
        if (::connect(dataFd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
            fail("cannot connect to the PORT address " + portHost_ + ":" +
                 std::to_string(portPort_));
    });
}

void FakeFtpServer::connectDataFrom(const std::string& localIp) {
    add([this, localIp] {
        closeFd(foreignFd_);
        foreignFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        inet_pton(AF_INET, localIp.c_str(), &local.sin_addr);
        if (::bind(foreignFd_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)
            fail("cannot bind the foreign peer to " + localIp);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<uint16_t>(portPort_));
        inet_pton(AF_INET, portHost_.c_str(), &a.sin_addr);
        if (::connect(foreignFd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
            fail("foreign peer cannot connect to the PORT address");
        // A client that refuses the peer closes the connection at once.
        if (!waitFd(foreignFd_, POLLIN, timeoutMs, stopping_, mutex_))
            fail("the client kept the foreign peer's connection");
        char probe;
        long n = ::recv(foreignFd_, &probe, 1, 0);
        std::lock_guard<std::mutex> lock(mutex_);
        foreignRefused_ = n <= 0;
    });
}

bool FakeFtpServer::foreignPeerRefused() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return foreignRefused_;
}

void FakeFtpServer::dripData(const std::string& bytes, size_t chunkSize, int intervalMs) {
    add([this, bytes, chunkSize, intervalMs] {
        for (size_t at = 0; at < bytes.size(); at += chunkSize) {
            sendAll(dataFd_, bytes.substr(at, chunkSize));
            std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
        }
    });
}

void FakeFtpServer::holdData() {
    add([this] {
        char buf[4096];
        for (;;) {
            if (!waitFd(dataFd_, POLLIN, timeoutMs, stopping_, mutex_))
                fail("the client waited on a stalled data connection");
            if (::recv(dataFd_, buf, sizeof buf, 0) <= 0)
                return;
        }
    });
}

void FakeFtpServer::sendData(const std::string& bytes) {
    add([this, bytes] { sendAll(dataFd_, bytes); });
}

void FakeFtpServer::sendDataUntilClientCloses(size_t chunkSize) {
    add([this, chunkSize] {
        std::string chunk(chunkSize, 'x');
        for (;;) {
            if (!waitFd(dataFd_, POLLOUT, timeoutMs, stopping_, mutex_))
                fail("client neither read nor closed the data connection");
            if (::send(dataFd_, chunk.data(), chunk.size(), MSG_NOSIGNAL) < 0)
                return;
        }
    });
}

void FakeFtpServer::receiveData() {
    add([this] {
        char buf[65536];
        for (;;) {
            if (!waitFd(dataFd_, POLLIN, timeoutMs, stopping_, mutex_))
                fail("data connection stayed open");
            long n = ::recv(dataFd_, buf, sizeof buf, 0);
            if (n <= 0)
                return;
            std::lock_guard<std::mutex> lock(mutex_);
            receivedData_.append(buf, static_cast<size_t>(n));
        }
    });
}

void FakeFtpServer::closeData() {
    add([this] {
        if (dataFd_ >= 0)
            ::shutdown(dataFd_, SHUT_RDWR);
        closeFd(dataFd_);
    });
}

void FakeFtpServer::resetData() {
    add([this] {
        if (dataFd_ >= 0) {
            linger l{1, 0};
            ::setsockopt(dataFd_, SOL_SOCKET, SO_LINGER, &l, sizeof l);
        }
        closeFd(dataFd_);
    });
}

void FakeFtpServer::call(std::function<void()> fn) {
    add(std::move(fn));
}

void FakeFtpServer::scriptLogin(const std::string& user, const std::string& password,
                                const std::vector<std::string>& featReply) {
    reply("220 fake ready");
    expect("user " + user);
    reply("331 password please");
    expect("pass " + password);
    reply("230 logged in");
    expect("type I");
    reply("200 binary");
    expect("syst");
    reply("215 UNIX Type: L8");
    expect("FEAT");
    for (const std::string& line : featReply)
        reply(line);
}

std::string unixListLine(const std::string& name, size_t size) {
    return "-rw-r--r--   1 owner group " + std::to_string(size) + " Jan 01 12:00 " + name + "\r\n";
}

} // namespace ftptest
