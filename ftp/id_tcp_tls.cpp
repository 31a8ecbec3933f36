// The TLS side of TIdTCPConnection: the handshake, the raw reads and writes through the
// layer, and the orderly end of an upload's data connection.
#include "ftp/id_exception.h"
#include "ftp/id_tcp_connection.h"

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

int msSince(Clock::time_point start) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

} // namespace

long TIdTCPConnection::ReceiveRaw(char* buffer, long length, bool& wantOther) {
    wantOther = false;
    if (!Tls)
        return Socket.Recv(buffer, length);
    TIdTLSLayer::TResult result;
    const long n = Tls->Read(buffer, length, result);
    return TlsOutcome(n, result, TIdTLSLayer::trWantWrite, wantOther);
}

long TIdTCPConnection::SendRaw(const char* buffer, long length, bool& wantOther) {
    wantOther = false;
    if (!Tls)
        return Socket.Send(buffer, length);
    TIdTLSLayer::TResult result;
    const long n = Tls->Write(buffer, length, result);
    return TlsOutcome(n, result, TIdTLSLayer::trWantRead, wantOther);
}

// A read may need the socket writable and a write readable (renegotiation,
// tickets): `otherWay` names the want that makes the caller wait the other way.
long TIdTCPConnection::TlsOutcome(long n, TIdTLSLayer::TResult result,
                                  TIdTLSLayer::TResult otherWay, bool& wantOther) {
    switch (result) {
    case TIdTLSLayer::trDone:
    case TIdTLSLayer::trClosed:
    case TIdTLSLayer::trEof:
        return n;
    case TIdTLSLayer::trWantRead:
    case TIdTLSLayer::trWantWrite:
        wantOther = result == otherWay;
        errno = EAGAIN;
        return -1;
    case TIdTLSLayer::trFailed:
        break;
    }
    if (Tls->SocketErrno() != 0) {
        errno = Tls->SocketErrno();
        return -1;
    }
    const std::string reason = Tls->ErrorText();
    CloseConnection();
    throw EIdTLSError(EIdTLSError::tkBroken, "TLS error: " + reason);
}

void TIdTCPConnection::WaitTLSReady(bool forWrite, const std::string& what) {
    if (!WaitReady(forWrite, ReadTimeOut > 0 ? ReadTimeOut : -1))
        RaiseTimeOut(what);
}

bool TIdTCPConnection::InputReady() {
    if (BufferedBytes() > 0)
        return true;
    if (!Socket.HandleAllocated || ClosedGracefully)
        return false;
    if (!Tls)
        return idPollSocket(Socket.Handle, false, 0);
    if (Tls->Pending() == 0 && !idPollSocket(Socket.Handle, false, 0))
        return false;
    // Decrypt what came, without waiting: a ticket alone leaves nothing to read.
    try {
        if (ReadFromStack(false, 0, nullptr) == 0)
            return true;
    } catch (const EIdException&) {
        return true; // the read that follows reports it
    }
    return BufferedBytes() > 0;
}

void TIdTCPConnection::StartTLS(TIdTLSContext& context, const std::string& peerName, bool isControl,
                                SSL_SESSION* resume) {
    // A reply that arrived in clear behind the one that let TLS begin was put there
    // by someone who is not the server speaking through TLS.
    if (BufferedBytes() > 0) {
        CloseConnection();
        throw EIdTLSError(EIdTLSError::tkHandshake,
                          "The server sent clear text where the TLS handshake should begin.");
    }
    Tls = std::make_unique<TIdTLSLayer>(context, Socket.Handle, isControl);
    Tls->SetPeerName(peerName);
    Tls->Resume(resume);
    const Clock::time_point start = Clock::now();
    for (;;) {
        const TIdTLSLayer::TResult result = Tls->Handshake();
        if (result == TIdTLSLayer::trDone)
            return;
        if (result == TIdTLSLayer::trWantRead || result == TIdTLSLayer::trWantWrite) {
            const int left = ReadTimeOut > 0 ? std::max(ReadTimeOut - msSince(start), 0) : -1;
            bool ready = false;
            try {
                ready = WaitReady(result == TIdTLSLayer::trWantWrite, left);
            } catch (...) {
                CloseConnection();
                throw;
            }
            if (!ready) {
                CloseConnection();
                RaiseTimeOut("the TLS handshake did not finish");
            }
            continue;
        }
        std::string reason;
        if (result == TIdTLSLayer::trFailed && Tls->SocketErrno() == 0)
            reason = Tls->ErrorText();
        else
            reason = "the server closed the connection";
        CloseConnection();
        throw EIdTLSError(EIdTLSError::tkHandshake, "The TLS handshake failed: " + reason + ".");
    }
}

void TIdTCPConnection::EndTLS() {
    if (!Tls || !Socket.HandleAllocated)
        return;
    for (;;) {
        const TIdTLSLayer::TResult result = Tls->SendCloseNotify();
        if (result == TIdTLSLayer::trWantWrite || result == TIdTLSLayer::trWantRead) {
            WaitTLSReady(result == TIdTLSLayer::trWantWrite, "the peer took no data");
            continue;
        }
        if (result == TIdTLSLayer::trFailed && Tls->SocketErrno() != 0) {
            const int err = Tls->SocketErrno();
            CloseConnection();
            throw EIdTLSError(EIdTLSError::tkBroken,
                              "The data connection failed at its end (error " +
                                  std::to_string(err) + ").");
        }
        break;
    }
    // What the peer still sends (tickets, its own close-notify) is read and dropped.
    while (Socket.HandleAllocated && !ClosedGracefully) {
        ReadFromStack(false, IdTimeoutInfinite, nullptr);
        InputBuffer.clear();
        InputHead = 0;
    }
    CloseConnection();
}
