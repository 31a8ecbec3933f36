// FTP over TLS (RFC 4217): securing the control connection, protecting the data
// connections, and checking how a protected data connection ended.
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"

std::string TIdFTP::SecurityDescription() const {
    if (!Encrypted())
        return {};
    return Tls->Version() + ", " + Tls->Cipher();
}

void TIdFTP::SecureControl() {
    FTlsContext = std::make_unique<TIdTLSContext>();
    StartTLS(*FTlsContext, Host, true);
    TIdCertificateInfo certificate = Tls->Certificate();
    certificate.Host = Host;
    certificate.Port = Port;
    if (!certificate.VerifyError.empty() && !(OnCertificate && OnCertificate(certificate))) {
        CloseConnection();
        throw EIdTLSError(EIdTLSError::tkUntrusted, "The server's certificate is not trusted (" +
                                                        certificate.VerifyError + ").");
    }
    FServerFingerprint = certificate.Sha256;
    DoStatus(stText, "TLS connection: " + SecurityDescription() + ".");
}

void TIdFTP::RequestAuthTls() {
    // AUTH SSL is the older name some servers refuse; every server that speaks RFC 4217
    // takes AUTH TLS.
    const int16_t code = SendCommand("AUTH TLS", -1);
    if (code == 234) {
        SecureControl();
        return;
    }
    if (Security == smExplicitIfOffered)
        return; // the server offers no TLS: the session goes on in clear, as asked
    const std::string refusal = LastReplyLine();
    CloseConnection();
    throw EIdTLSError(EIdTLSError::tkNotOffered, "The server does not offer TLS: " + refusal);
}

void TIdFTP::ProtectData() {
    if (!Encrypted())
        return;
    // Some servers insist on PBSZ before PROT; what it answers matters less than PROT's.
    SendCommand("PBSZ 0", -1);
    if (SendCommand("PROT P", -1) != 200) {
        // Data in clear after an encrypted login is what the user did not ask for:
        // never fall back to PROT C.
        const std::string refusal = LastReplyLine();
        CloseSession();
        throw EIdTLSError(EIdTLSError::tkDataRefused,
                          "The server refused to encrypt the data connections: " + refusal);
    }
    FDataProtected = true;
}

void TIdFTP::SecureData(TIdTCPConnection& data) {
    if (!DataProtected())
        return;
    data.StartTLS(*FTlsContext, Host, false, FTlsContext->SessionForData());
    // The data must come from the server whose certificate was accepted, not from
    // whoever reached the data port first.
    if (data.Tls->Fingerprint() != FServerFingerprint) {
        data.CloseConnection();
        throw EIdTLSError(EIdTLSError::tkCertificateSwap,
                          "The data connection showed another certificate than the server.");
    }
    FTransfer.Encrypted = true;
    FTransfer.SessionReused = data.Tls->Resumed();
}

void TIdFTP::CheckDataEnd(const TIdTCPConnection& data) {
    FDataCutShort = data.Tls && data.Tls->EndedWithoutCloseNotify();
}
