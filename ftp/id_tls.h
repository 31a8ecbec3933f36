// TLS for FTP connections (OpenSSL): one context per FTP client, holding the sessions the
// server gave so every data connection can resume the control connection's session, and
// one layer per connection that reads and writes records over the connection's
// non-blocking socket.
//
// The layer never waits: every call returns at once and says whether the socket must
// become readable or writable first; the connection owns the waits, so the pump, the
// time-outs and an abort apply to TLS exactly as to plain bytes.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

typedef struct ssl_st SSL;
typedef struct ssl_ctx_st SSL_CTX;
typedef struct ssl_session_st SSL_SESSION;

enum TIdSecurityMode {
    smPlain,             // no TLS at all
    smExplicitIfOffered, // AUTH TLS; plain when the server does not offer it
    smExplicitRequired,  // AUTH TLS, or the connection fails
    smImplicit           // TLS from the first byte (port 990)
};

// What the user is shown when the server's certificate is not trusted by the system.
struct TIdCertificateInfo {
    std::string Host;
    int32_t Port = 0;
    std::string Subject;
    std::string Issuer;
    std::string NotBefore;   // "YYYY-MM-DD HH:MM:SS UTC"
    std::string NotAfter;    // likewise
    std::string Sha256;      // upper-case hex pairs separated by ':'
    std::string VerifyError; // why the system's store did not vouch for it; empty when it did
};

// Answers whether a certificate the system's store does not vouch for is accepted.
using TIdCertificateEvent = std::function<bool(const TIdCertificateInfo& certificate)>;

class TIdTLSContext {
public:
    TIdTLSContext();
    ~TIdTLSContext();
    TIdTLSContext(const TIdTLSContext&) = delete;
    TIdTLSContext& operator=(const TIdTLSContext&) = delete;

    SSL_CTX* Handle() const { return Ctx; }
    // Sessions the server gave on this client's connections, newest last (the
    // context holds their references).
    void KeepSession(SSL_SESSION* session); // takes the reference
    // The session a new data connection offers: the newest not offered yet (a TLS 1.3
    // ticket may be good for one resumption only), else the last one offered; null
    // before the server gave any.
    SSL_SESSION* SessionForData();

private:
    SSL_CTX* Ctx = nullptr;
    std::deque<SSL_SESSION*> Unused;
    SSL_SESSION* LastOffered = nullptr;
};

class TIdTLSLayer {
public:
    enum TResult {
        trDone,      // the call did its work
        trWantRead,  // wait until the socket is readable, then call again
        trWantWrite, // wait until the socket is writable, then call again
        trClosed,    // the peer ended TLS with a close-notify
        trEof,       // the connection ended without a close-notify
        trFailed     // a TLS error (ErrorText says which) or a socket error (SocketErrno)
    };

    TIdTLSLayer(TIdTLSContext& context, int fd, bool isControl);
    ~TIdTLSLayer();
    TIdTLSLayer(const TIdTLSLayer&) = delete;
    TIdTLSLayer& operator=(const TIdTLSLayer&) = delete;

    // The name checked against the certificate and sent as the server name (none for an
    // address); call before the first Handshake.
    void SetPeerName(const std::string& host);
    // Offers the session for resumption; call before the first Handshake.
    void Resume(SSL_SESSION* session);

    TResult Handshake();
    // count > 0 read; 0 with trClosed/trEof; -1 otherwise.
    long Read(char* buffer, long length, TResult& result);
    long Write(const char* buffer, long length, TResult& result);
    // Sends the close-notify (trDone once it is out).
    TResult SendCloseNotify();
    // No further TLS call may touch the socket (it is being closed, or failed).
    void Finish();
    // Decrypted bytes waiting inside the layer.
    int Pending() const;
    bool ForControl() const { return IsControl; }

    bool Resumed() const;
    std::string Version() const;
    std::string Cipher() const;
    // The server's certificate; VerifyError filled from the system's verdict.
    TIdCertificateInfo Certificate() const;
    // The SHA-256 fingerprint alone, as in TIdCertificateInfo.
    std::string Fingerprint() const;
    std::string ErrorText() const { return Error; }
    int SocketErrno() const { return SysErrno; }
    bool CloseNotifyReceived() const { return PeerClosed; }
    bool EndedWithoutCloseNotify() const { return UncleanEnd; }

private:
    TResult Classify(int ret);
    SSL* Ssl = nullptr;
    bool IsControl;
    bool Broken = false; // after a fatal error no close-notify may be sent
    bool PeerClosed = false;
    bool UncleanEnd = false;
    bool NotifySent = false;
    int SysErrno = 0;
    std::string Error;
};
