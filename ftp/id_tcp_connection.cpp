#include "ftp/id_tcp_connection.h"

#include "ftp/id_anti_freeze.h"
#include "ftp/id_exception.h"
#include "ftp/id_reply.h"
#include "ftp/id_socket_error.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/socket.h>

TIdTCPConnection::TIdTCPConnection() = default;

TIdTCPConnection::~TIdTCPConnection() {
    // A component going away closes its socket quietly: no events into handlers that
    // may already be gone.
    Socket.Reset(true);
}

void TIdTCPConnection::ResetConnection() {
    Tls.reset();
    HideNextLineArgument = false;
    Socket.Reset(true);
    InputBuffer.clear();
    InputHead = 0;
    ClosedGracefully = false;
}

void TIdTCPConnection::CloseConnection() {
    if (Socket.HandleAllocated) {
        std::string peer = Socket.PeerIP;
        DoStatus(stDisconnecting, peer);
        if (Tls) {
            // A courtesy, not a wait: whatever the peer makes of it, the socket goes.
            Tls->SendCloseNotify();
            Tls->Finish();
        }
        Socket.CloseSocket();
        Socket.Reset(false);
        ClosedGracefully = true;
        DoStatus(stDisconnected, peer);
        if (OnDisconnected)
            OnDisconnected(this);
    }
    if (HookOn())
        Intercept->Disconnect();
}

void TIdTCPConnection::CheckForDisconnect(bool raiseIfDisconnected, bool ignoreBuffer) {
    if (!ClosedGracefully && Socket.HandleAllocated)
        return;
    if (Socket.HandleAllocated)
        CloseConnection();
    if (raiseIfDisconnected && (ignoreBuffer || BufferedBytes() == 0))
        throw EIdConnClosedGracefully();
}

bool TIdTCPConnection::IsOpen() {
    if (Socket.HandleAllocated && !ClosedGracefully && Socket.Handle >= 0 &&
        idPollSocket(Socket.Handle, false, 0)) {
        // Readable: either data or the peer's close. Look without consuming.
        char probe;
        long n = ::recv(Socket.Handle, &probe, 1, MSG_PEEK | MSG_DONTWAIT);
        // ENOTCONN: a listening socket, which has nothing to peek at.
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR && errno != ENOTCONN))
            ClosedGracefully = true;
    }
    CheckForDisconnect(false, false);
    return Socket.HandleAllocated;
}

namespace {

using Clock = std::chrono::steady_clock;

int msSince(Clock::time_point start) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

std::string durationText(int ms) {
    if (ms % 1000 == 0)
        return std::to_string(ms / 1000) + " s";
    return std::to_string(ms) + " ms";
}

// Marks a wait on the stack so CancelWait can end it.
struct WaitScope {
    WaitScope(int& depth, bool& cancelled) : Depth(depth) {
        if (Depth++ == 0)
            cancelled = false;
    }
    ~WaitScope() { --Depth; }
    int& Depth;
};

} // namespace

void TIdTCPConnection::CancelWait() {
    if (WaitDepth > 0)
        WaitCancelled = true;
}

int TIdTCPConnection::WaitLimit() const {
    int limit = ReadTimeOut > 0 ? ReadTimeOut : -1;
    if (HasReplyDeadline) {
        auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(ReplyDeadline - Clock::now())
                .count();
        int leftMs = static_cast<int>(std::max<long long>(left, 0));
        limit = limit < 0 ? leftMs : std::min(limit, leftMs);
    }
    return limit;
}

void TIdTCPConnection::RaiseTimeOut(const std::string& what, int ms) const {
    throw EIdReadTimeout("Timed out: " + what + " for " + durationText(ms) + ".");
}

void TIdTCPConnection::RaiseTimeOut(const std::string& what) const {
    RaiseTimeOut(what, ReadTimeOut);
}

bool TIdTCPConnection::PollOnce(bool forWrite, int ms) {
    if (!Socket.HandleAllocated)
        throw EIdConnClosedGracefully();
    bool ready = idPollSocket(Socket.Handle, forWrite, ms);
    TIdAntiFreeze::DoProcess(!ready);
    if (!Socket.HandleAllocated)
        throw EIdConnClosedGracefully();
    if (WaitCancelled)
        throw EIdAborted();
    return ready;
}

bool TIdTCPConnection::WaitReady(bool forWrite, int limitMs) {
    WaitScope scope(WaitDepth, WaitCancelled);
    const int slice = TIdAntiFreeze::WaitSlice();
    const Clock::time_point start = Clock::now();
    for (;;) {
        const int left = limitMs < 0 ? -1 : std::max(limitMs - msSince(start), 0);
        const int ms = slice < 0 ? left : (left < 0 ? slice : std::min(slice, left));
        if (PollOnce(forWrite, ms))
            return true;
        if (limitMs >= 0 && msSince(start) >= limitMs)
            return false;
    }
}

// A caller's own limit (timeoutMs >= 0) ends the wait with false, as ReceiveLine asks;
// the wait without one ends at the connection's limit with EIdReadTimeout.
bool TIdTCPConnection::WaitReadable(int timeoutMs) {
    if (timeoutMs >= 0)
        return WaitReady(false, timeoutMs);
    if (!WaitReady(false, WaitLimit()))
        RaiseTimeOut(HasReplyDeadline ? "no complete reply from the server" : "nothing received");
    return true;
}

void TIdTCPConnection::WaitWritable() {
    if (!WaitReady(true, ReadTimeOut > 0 ? ReadTimeOut : -1))
        RaiseTimeOut("the peer took no data");
}

long TIdTCPConnection::ReadFromStack(bool raiseOnClose, int timeoutMs, TIdStream* destination) {
    CheckForDisconnect(raiseOnClose, false);
    if (!Socket.HandleAllocated)
        return 0;
    if (Scratch.size() != static_cast<size_t>(std::max(RecvBufferSize, 1)))
        Scratch.assign(static_cast<size_t>(std::max(RecvBufferSize, 1)), 0);
    // The socket does not block: while data are flowing a receive finds them at once,
    // and the wait (its clock, its limit, its pump) is paid only when nothing has come.
    long n;
    bool wantWrite = false;
    while ((n = ReceiveRaw(Scratch.data(), static_cast<long>(Scratch.size()), wantWrite)) < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (wantWrite) {
                WaitTLSReady(true, "the peer took no data");
                continue;
            }
            if (!WaitReadable(timeoutMs))
                return -1;
            continue;
        }
        int err = idsock::fromErrno(errno);
        if (err == idsock::WSAESHUTDOWN) {
            CloseConnection();
            if (BufferedBytes() == 0)
                throw EIdSocketError(err);
            return 0;
        }
        throw EIdSocketError(err);
    }
    if (n == 0)
        ClosedGracefully = true;
    if (HookOn())
        Intercept->Receive(Scratch.data(), n);
    if (n > 0) {
        if (destination) {
            destination->Write(Scratch.data(), n);
            DoWork(wkRead, n);
        } else {
            if (InputHead > 0 && InputHead == InputBuffer.size()) {
                InputBuffer.clear();
                InputHead = 0;
            }
            InputBuffer.append(Scratch.data(), static_cast<size_t>(n));
        }
    }
    // Data that keep coming never reach a wait: the pump gets its turn here.
    TIdAntiFreeze::DoProcess(false);
    CheckForDisconnect(raiseOnClose, false);
    return n;
}

void TIdTCPConnection::ConsumeBuffer(size_t count) {
    InputHead += count;
    if (InputHead >= InputBuffer.size()) {
        InputBuffer.clear();
        InputHead = 0;
    } else if (InputHead > 65536) {
        InputBuffer.erase(0, InputHead);
        InputHead = 0;
    }
}

std::string TIdTCPConnection::ReceiveLine(const std::string& terminator, int timeoutMs) {
    const std::string term = terminator.empty() ? std::string("\n") : terminator;
    ReadLnTimedOut = false;
    size_t searched = 0; // bytes after the head that cannot start the terminator
    size_t pos;
    while ((pos = InputBuffer.find(term, InputHead + searched)) == std::string::npos) {
        if (BufferedBytes() > MaxLineLength) {
            CloseConnection();
            throw EIdReplyTooLong("Reply line longer than " + std::to_string(MaxLineLength) +
                                  " bytes.");
        }
        searched = BufferedBytes() - std::min(BufferedBytes(), term.size() - 1);
        CheckForDisconnect(true, true);
        long n = ReadFromStack(true, timeoutMs, nullptr);
        if (n < 0) {
            ReadLnTimedOut = true;
            return {};
        }
    }
    std::string line = InputBuffer.substr(InputHead, pos - InputHead);
    ConsumeBuffer(pos - InputHead + term.size());
    if (terminator.empty() && !line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

std::string TIdTCPConnection::ReceiveNonEmptyLine() {
    for (size_t blanks = 0;; ++blanks) {
        std::string line = idTrim(ReceiveLine());
        if (!line.empty())
            return line;
        if (blanks >= MaxReplyLines) {
            CloseConnection();
            throw EIdReplyTooLong("Reply longer than " + std::to_string(MaxReplyLines) + " lines.");
        }
    }
}

int16_t TIdTCPConnection::ReadReply(const std::vector<int16_t>& accepted) {
    // A reply is not a transfer: one that has not arrived whole within the limit (a
    // server dripping a byte now and then) ends like a silent one.
    HasReplyDeadline = ReadTimeOut > 0;
    ReplyDeadline = Clock::now() + std::chrono::milliseconds(std::max(ReadTimeOut, 0));
    try {
        ReadReplyLines();
    } catch (const EIdReadTimeout&) {
        HasReplyDeadline = false;
        CloseConnection();
        throw;
    } catch (...) {
        HasReplyDeadline = false;
        throw;
    }
    HasReplyDeadline = false;
    ReplyCode = idReplyCodeOf(ReplyLines.back());
    if (!accepted.empty() &&
        std::find(accepted.begin(), accepted.end(), ReplyCode) == accepted.end())
        throw EIdProtocolReplyError(ReplyCode, ReplyLines.back());
    return ReplyCode;
}

void TIdTCPConnection::ReadReplyLines() {
    ReplyLines.clear();
    ReplyLines.push_back(ReceiveNonEmptyLine());
    const std::string first = ReplyLines.front();
    if (first.size() > 3 && first[3] == '-') {
        const std::string marker = first.substr(0, 3) + " ";
        for (;;) {
            if (ReplyLines.size() >= MaxReplyLines) {
                CloseConnection();
                throw EIdReplyTooLong("Reply longer than " + std::to_string(MaxReplyLines) +
                                      " lines.");
            }
            ReplyLines.push_back(ReceiveNonEmptyLine());
            const std::string& line = ReplyLines.back();
            if (line.size() < 4 || idSameText(line.substr(0, 4), marker))
                break;
        }
    }
}

int16_t TIdTCPConnection::SendCommand(const std::string& command,
                                      const std::vector<int16_t>& accepted) {
    // A lone NUL sends nothing and reads the reply already on its way (a greeting):
    // clearing stray replies first would throw that very reply away.
    if (command != std::string(1, '\0')) {
        BeforeCommand();
        SendLine(command);
    }
    return ReadReply(accepted);
}

int16_t TIdTCPConnection::SendCommand(const std::string& command, int16_t accepted) {
    if (accepted == -1)
        return SendCommand(command, std::vector<int16_t>{});
    return SendCommand(command, std::vector<int16_t>{accepted});
}

std::string TIdTCPConnection::LastReplyLine() const {
    return ReplyLines.empty() ? std::string() : ReplyLines.back();
}

bool TIdTCPConnection::WaitForData(int timeoutMs) {
    if (BufferedBytes() > 0)
        return true;
    CheckForDisconnect(true, true);
    if (!Tls)
        return WaitReadable(timeoutMs);
    // A readable socket may hold only records without data (session tickets): the
    // wait goes on until bytes are decrypted or the time is up.
    const Clock::time_point start = Clock::now();
    for (;;) {
        if (Tls->Pending() == 0) {
            const int left = timeoutMs < 0 ? timeoutMs : std::max(timeoutMs - msSince(start), 0);
            if (!WaitReadable(left))
                return false;
        }
        if (ReadFromStack(true, 0, nullptr) == 0 || BufferedBytes() > 0)
            return true;
        if (timeoutMs >= 0 && msSince(start) >= timeoutMs)
            return false;
    }
}

void TIdTCPConnection::SendLine(const std::string& text) {
    std::string line = text + "\r\n";
    WriteBuffer(line.data(), static_cast<int64_t>(line.size()));
}

void TIdTCPConnection::WriteBuffer(const char* data, int64_t length) {
    CheckForDisconnect(true, true);
    const bool hidden = HideNextLineArgument;
    HideNextLineArgument = false;
    if (hidden && HookOn()) {
        const std::string text(data, static_cast<size_t>(length));
        const std::string shown = text.substr(0, text.find(' ')) + " ***\r\n";
        Intercept->Send(shown.data(), static_cast<long>(shown.size()));
    }
    int64_t sent = 0;
    while (sent < length) {
        if (!Socket.HandleAllocated)
            throw EIdConnClosedGracefully();
        bool wantRead = false;
        long n = SendRaw(data + sent, static_cast<long>(length - sent), wantRead);
        if (n == 0) {
            CloseConnection();
            throw EIdConnClosedGracefully();
        }
        if (n < 0) {
            if (errno == EAGAIN) {
                if (wantRead)
                    WaitTLSReady(false, "nothing received");
                else
                    WaitWritable();
                continue;
            }
            int err = idsock::fromErrno(errno);
            if (err == idsock::WSAESHUTDOWN)
                CloseConnection();
            throw EIdSocketError(err);
        }
        CheckForDisconnect(true, true);
        if (HookOn() && !hidden)
            Intercept->Send(data + sent, n);
        sent += n;
        DoWork(wkWrite, n);
        TIdAntiFreeze::DoProcess(false);
    }
}

void TIdTCPConnection::ReceiveStreamUntilClose(TIdStream& destination) {
    BeginWork(wkRead, 0);
    try {
        if (BufferedBytes() > 0) {
            size_t n = BufferedBytes();
            destination.Write(InputBuffer.data() + InputHead, static_cast<int64_t>(n));
            ConsumeBuffer(n);
            DoWork(wkRead, static_cast<int64_t>(n));
        }
        while (Socket.HandleAllocated) {
            try {
                ReadFromStack(false, IdTimeoutInfinite, &destination);
            } catch (const EIdConnClosedGracefully&) {
                break; // closed underneath by an abort: the data simply end here
            }
        }
    } catch (...) {
        EndWork(wkRead);
        throw;
    }
    EndWork(wkRead);
    destination.Truncate();
}

void TIdTCPConnection::SendStream(TIdStream& source, bool fromStart) {
    if (fromStart)
        source.Seek(0);
    int64_t remaining = std::max<int64_t>(source.Size() - source.Position(), 0);
    BeginWork(wkWrite, remaining);
    try {
        std::vector<char> chunk(static_cast<size_t>(std::max(SendBufferSize, 1)));
        while (remaining > 0) {
            int64_t want = std::min<int64_t>(remaining, static_cast<int64_t>(chunk.size()));
            int64_t got = source.Read(chunk.data(), want);
            if (got <= 0)
                throw EIdNoDataToRead();
            WriteBuffer(chunk.data(), got);
            remaining -= got;
        }
    } catch (...) {
        EndWork(wkWrite);
        throw;
    }
    EndWork(wkWrite);
}
