// One connected stream socket: read buffer, line and reply reading, command sending,
// stream transfers, the protocol-log hook and the message pump while waiting.
#pragma once

#include "ftp/id_component.h"
#include "ftp/id_log_debug.h"
#include "ftp/id_socket_handle.h"
#include "ftp/id_stream.h"
#include "ftp/id_tls.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

constexpr int IdTimeoutInfinite = -2;

class TIdTCPConnection : public TIdComponent {
public:
    TIdTCPConnection();
    ~TIdTCPConnection() override;

    TIdSocketHandle Socket;
    bool ClosedGracefully = false;
    std::vector<std::string> ReplyLines;
    int16_t ReplyCode = 0; // code of the last reply read on this connection
    int32_t RecvBufferSize = 32768;
    int32_t SendBufferSize = 32768;
    TIdConnectionIntercept* Intercept = nullptr; // not owned
    bool InterceptEnabled = false;
    TNotifyEvent OnDisconnected;
    // Set when the last ReceiveLine with a time limit returned for lack of data.
    bool ReadLnTimedOut = false;

    // Bounds against a server that never ends a line or a reply; exceeding either closes
    // the connection and raises EIdReplyTooLong.
    size_t MaxLineLength = 16384;
    size_t MaxReplyLines = 2000;

    // Every wait that has no limit of its own (a reply, data, a send the peer does not
    // take, the accept of an active transfer) ends with EIdReadTimeout after this many
    // ms without a byte moving; a reply must also arrive whole within it. Data that keep
    // moving are never cut, however long the transfer takes. 0 or below: no limit.
    int ReadTimeOut = 30000;

    // Ends a wait in progress on this connection at once with EIdAborted; nothing when
    // no wait runs. Safe from a handler the pump runs.
    void CancelWait();

    void CloseConnection();
    bool IsOpen();

    void SendLine(const std::string& text);
    void WriteBuffer(const char* data, int64_t length);

    std::string ReceiveLine(const std::string& terminator = {}, int timeoutMs = IdTimeoutInfinite);
    std::string ReceiveNonEmptyLine();
    // Reads one reply; an empty list accepts any code. Raises EIdProtocolReplyError.
    int16_t ReadReply(const std::vector<int16_t>& accepted = {});
    // A command text of a single NUL sends nothing and only reads a reply.
    int16_t SendCommand(const std::string& command, const std::vector<int16_t>& accepted);
    // -1 accepts any code.
    int16_t SendCommand(const std::string& command, int16_t accepted = -1);
    std::string LastReplyLine() const;

    // True when a reply line starts to arrive within timeoutMs; pumps while waiting.
    bool WaitForData(int timeoutMs);

    void ReceiveStreamUntilClose(TIdStream& destination);
    void SendStream(TIdStream& source, bool fromStart = true);

    // Bytes received but not yet consumed.
    size_t BufferedBytes() const { return InputBuffer.size() - InputHead; }
    // True when a read would find something now (bytes, or the peer's close) without
    // waiting. Records that carry no data, such as TLS session tickets, do not count.
    bool InputReady();

    // TLS over this connection once StartTLS has run; null while bytes go in clear.
    std::unique_ptr<TIdTLSLayer> Tls;
    // Runs the TLS handshake over the open socket. It waits as every wait does (the
    // pump, an abort, ReadTimeOut for a handshake that stalls); a failure closes the
    // connection and raises EIdTLSError or EIdReadTimeout.
    void StartTLS(TIdTLSContext& context, const std::string& peerName, bool isControl,
                  SSL_SESSION* resume = nullptr);
    // After the last byte of an upload: the close-notify, then everything the peer still
    // sends is read (a TLS 1.3 ticket unread would cost the upload's end through a reset)
    // until it closes; then the connection is closed.
    void EndTLS();
    // The next line sent is logged with its argument hidden (a password over TLS).
    bool HideNextLineArgument = false;

protected:
    // Before and after every receive, in IsOpen and before every send.
    void CheckForDisconnect(bool raiseIfDisconnected, bool ignoreBuffer);
    void ResetConnection();
    // Runs before a command is sent (TIdFTP settles an unanswered ABOR there).
    virtual void BeforeCommand() {}
    bool HookOn() const { return Intercept && InterceptEnabled; }
    // The limit for a wait without one of its own: ReadTimeOut, cut to what is left of a
    // reply's deadline; -1 for none.
    int WaitLimit() const;
    // One wait step of `ms` (-1 without limit) with the pump; raises when the socket is
    // closed underneath or the wait was cancelled.
    bool PollOnce(bool forWrite, int ms);
    // Waits in the pump's rhythm until the socket is ready; false when limitMs (-1: no
    // limit) passed first. CancelWait ends it with EIdAborted.
    bool WaitReady(bool forWrite, int limitMs);
    // EIdReadTimeout "Timed out: <what> for <ms, or ReadTimeOut>."
    [[noreturn]] void RaiseTimeOut(const std::string& what, int ms) const;
    [[noreturn]] void RaiseTimeOut(const std::string& what) const;
    int WaitDepth = 0;
    bool WaitCancelled = false;

private:
    // One receive step. Returns the count received, 0 when closed, -1 when the wait
    // ended without data. With a destination the bytes go there, else to the buffer.
    long ReadFromStack(bool raiseOnClose, int timeoutMs, TIdStream* destination);
    // Waits with the pump's rhythm; raises EIdConnClosedGracefully when the socket is
    // closed underneath (an abort run by the pump).
    bool WaitReadable(int timeoutMs);
    void WaitWritable();
    void ConsumeBuffer(size_t count);
    // The socket or the TLS layer: the count, 0 when the peer closed, -1 with errno
    // EAGAIN (and wantOther set when the other direction must be waited for) or an error.
    long ReceiveRaw(char* buffer, long length, bool& wantOther);
    long SendRaw(const char* buffer, long length, bool& wantOther);
    long TlsOutcome(long n, TIdTLSLayer::TResult result, TIdTLSLayer::TResult otherWay,
                    bool& wantOther);
    // Waits for the direction a TLS call asked for, at most ReadTimeOut.
    void WaitTLSReady(bool forWrite, const std::string& what);
    void ReadReplyLines();

    bool HasReplyDeadline = false;
    std::chrono::steady_clock::time_point ReplyDeadline;
    std::string InputBuffer;
    size_t InputHead = 0;
    std::vector<char> Scratch;
};
