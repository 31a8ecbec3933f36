#include "ftp/id_tls.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <mutex>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <stdexcept>

namespace {

// OpenSSL writes to the socket itself, without MSG_NOSIGNAL: a peer that has gone away
// must cost an error code, not the process.
void ignoreBrokenPipes() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_handler = SIG_IGN;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGPIPE, &action, nullptr);
    });
}

int onNewSession(SSL* ssl, SSL_SESSION* session) {
    auto* context = static_cast<TIdTLSContext*>(SSL_CTX_get_app_data(SSL_get_SSL_CTX(ssl)));
    auto* layer = static_cast<TIdTLSLayer*>(SSL_get_app_data(ssl));
    if (!context || !layer)
        return 0;
    // Tickets from data connections count too: they continue the control connection's
    // session, and servers that take a ticket once need a fresh one each time.
    context->KeepSession(session);
    return 1;
}

std::string nameText(const X509_NAME* name) {
    if (!name)
        return {};
    BIO* bio = BIO_new(BIO_s_mem());
    if (!bio)
        return {};
    // RFC 2253 order and escaping, but UTF-8 characters kept as they are.
    X509_NAME_print_ex(bio, name, 0, XN_FLAG_RFC2253 & ~ASN1_STRFLGS_ESC_MSB);
    char* data = nullptr;
    long length = BIO_get_mem_data(bio, &data);
    std::string text(data, static_cast<size_t>(length > 0 ? length : 0));
    BIO_free(bio);
    return text;
}

std::string timeText(const ASN1_TIME* time) {
    std::tm tm{};
    if (!time || ASN1_TIME_to_tm(time, &tm) != 1)
        return {};
    char buffer[40];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S UTC", &tm);
    return buffer;
}

std::string sha256Text(X509* certificate) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (X509_digest(certificate, EVP_sha256(), digest, &length) != 1)
        return {};
    static const char hex[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned int i = 0; i < length; ++i) {
        if (i > 0)
            text += ':';
        text += hex[digest[i] >> 4];
        text += hex[digest[i] & 15];
    }
    return text;
}

std::string errorQueueText() {
    unsigned long code = ERR_get_error();
    if (code == 0)
        return "unknown TLS error";
    char buffer[256];
    ERR_error_string_n(code, buffer, sizeof buffer);
    ERR_clear_error();
    return buffer;
}

} // namespace

TIdTLSContext::TIdTLSContext() {
    ignoreBrokenPipes();
    Ctx = SSL_CTX_new(TLS_client_method());
    if (!Ctx)
        throw std::runtime_error("TLS could not be set up: " + errorQueueText());
    SSL_CTX_set_app_data(Ctx, this);
    // The system's store decides; what it does not vouch for is put to the user after
    // the handshake, so the handshake itself never stops on the verdict.
    SSL_CTX_set_default_verify_paths(Ctx);
    SSL_CTX_set_verify(Ctx, SSL_VERIFY_NONE, nullptr);
    // Sessions are kept by hand, only the control connection's: servers that demand
    // reuse want the data connections to resume exactly that one.
    SSL_CTX_set_session_cache_mode(Ctx, SSL_SESS_CACHE_CLIENT | SSL_SESS_CACHE_NO_INTERNAL_STORE);
    SSL_CTX_sess_set_new_cb(Ctx, onNewSession);
    SSL_CTX_set_mode(Ctx, SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
}

TIdTLSContext::~TIdTLSContext() {
    for (SSL_SESSION* session : Unused)
        SSL_SESSION_free(session);
    if (LastOffered)
        SSL_SESSION_free(LastOffered);
    SSL_CTX_free(Ctx);
}

void TIdTLSContext::KeepSession(SSL_SESSION* session) {
    Unused.push_back(session);
    // A few are plenty: a data connection takes one and brings new ones.
    while (Unused.size() > 4) {
        SSL_SESSION_free(Unused.front());
        Unused.pop_front();
    }
}

SSL_SESSION* TIdTLSContext::SessionForData() {
    if (!Unused.empty()) {
        if (LastOffered)
            SSL_SESSION_free(LastOffered);
        LastOffered = Unused.back();
        Unused.pop_back();
    }
    return LastOffered;
}

TIdTLSLayer::TIdTLSLayer(TIdTLSContext& context, int fd, bool isControl) : IsControl(isControl) {
    Ssl = SSL_new(context.Handle());
    if (!Ssl || SSL_set_fd(Ssl, fd) != 1) {
        if (Ssl)
            SSL_free(Ssl);
        throw std::runtime_error("TLS could not be set up: " + errorQueueText());
    }
    SSL_set_app_data(Ssl, this);
    SSL_set_connect_state(Ssl);
}

TIdTLSLayer::~TIdTLSLayer() {
    SSL_free(Ssl);
}

void TIdTLSLayer::SetPeerName(const std::string& host) {
    X509_VERIFY_PARAM* param = SSL_get0_param(Ssl);
    if (X509_VERIFY_PARAM_set1_ip_asc(param, host.c_str()) == 1)
        return;
    SSL_set_tlsext_host_name(Ssl, host.c_str());
    SSL_set1_host(Ssl, host.c_str());
}

void TIdTLSLayer::Resume(SSL_SESSION* session) {
    if (session)
        SSL_set_session(Ssl, session);
}

TIdTLSLayer::TResult TIdTLSLayer::Classify(int ret) {
    const int savedErrno = errno;
    switch (SSL_get_error(Ssl, ret)) {
    case SSL_ERROR_WANT_READ:
        return trWantRead;
    case SSL_ERROR_WANT_WRITE:
        return trWantWrite;
    case SSL_ERROR_ZERO_RETURN:
        PeerClosed = true;
        return trClosed;
    case SSL_ERROR_SYSCALL:
        Broken = true;
        if (ERR_peek_error() == 0 && savedErrno == 0) {
            UncleanEnd = true;
            return trEof;
        }
        SysErrno = savedErrno;
        Error = savedErrno ? std::string() : errorQueueText();
        ERR_clear_error();
        return trFailed;
    case SSL_ERROR_SSL:
    default:
        Broken = true;
        if (ERR_GET_REASON(ERR_peek_error()) == SSL_R_UNEXPECTED_EOF_WHILE_READING) {
            ERR_clear_error();
            UncleanEnd = true;
            return trEof;
        }
        Error = errorQueueText();
        return trFailed;
    }
}

TIdTLSLayer::TResult TIdTLSLayer::Handshake() {
    ERR_clear_error();
    errno = 0;
    const int ret = SSL_connect(Ssl);
    return ret == 1 ? trDone : Classify(ret);
}

long TIdTLSLayer::Read(char* buffer, long length, TResult& result) {
    if (PeerClosed || UncleanEnd) {
        result = PeerClosed ? trClosed : trEof;
        return 0;
    }
    ERR_clear_error();
    errno = 0;
    const int ret = SSL_read(Ssl, buffer, static_cast<int>(length));
    if (ret > 0) {
        result = trDone;
        return ret;
    }
    result = Classify(ret);
    return (result == trClosed || result == trEof) ? 0 : -1;
}

long TIdTLSLayer::Write(const char* buffer, long length, TResult& result) {
    ERR_clear_error();
    errno = 0;
    const int ret = SSL_write(Ssl, buffer, static_cast<int>(length));
    if (ret > 0) {
        result = trDone;
        return ret;
    }
    result = Classify(ret);
    return (result == trClosed || result == trEof) ? 0 : -1;
}

TIdTLSLayer::TResult TIdTLSLayer::SendCloseNotify() {
    if (Broken || NotifySent)
        return trDone;
    ERR_clear_error();
    errno = 0;
    const int ret = SSL_shutdown(Ssl);
    if (ret >= 0) {
        NotifySent = true;
        return trDone;
    }
    return Classify(ret);
}

void TIdTLSLayer::Finish() {
    Broken = true;
}

int TIdTLSLayer::Pending() const {
    return SSL_pending(Ssl);
}

bool TIdTLSLayer::Resumed() const {
    return SSL_session_reused(Ssl) == 1;
}

std::string TIdTLSLayer::Version() const {
    return SSL_get_version(Ssl);
}

std::string TIdTLSLayer::Cipher() const {
    const SSL_CIPHER* cipher = SSL_get_current_cipher(Ssl);
    return cipher ? SSL_CIPHER_get_name(cipher) : "";
}

std::string TIdTLSLayer::Fingerprint() const {
    X509* certificate = SSL_get1_peer_certificate(Ssl);
    if (!certificate)
        return {};
    std::string text = sha256Text(certificate);
    X509_free(certificate);
    return text;
}

TIdCertificateInfo TIdTLSLayer::Certificate() const {
    TIdCertificateInfo info;
    X509* certificate = SSL_get1_peer_certificate(Ssl);
    if (!certificate) {
        info.VerifyError = "the server sent no certificate";
        return info;
    }
    info.Subject = nameText(X509_get_subject_name(certificate));
    info.Issuer = nameText(X509_get_issuer_name(certificate));
    info.NotBefore = timeText(X509_get0_notBefore(certificate));
    info.NotAfter = timeText(X509_get0_notAfter(certificate));
    info.Sha256 = sha256Text(certificate);
    X509_free(certificate);
    const long verdict = SSL_get_verify_result(Ssl);
    if (verdict != X509_V_OK)
        info.VerifyError = X509_verify_cert_error_string(verdict);
    return info;
}
