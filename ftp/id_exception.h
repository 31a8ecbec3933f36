// Exceptions of the engine. Every failure of an engine call is one of these; the
// message is the text the user may be shown.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

class EIdException : public std::runtime_error {
public:
    explicit EIdException(const std::string& message) : std::runtime_error(message) {}
};

// A reply code outside the accepted list; the message is the reply's last line.
class EIdProtocolReplyError : public EIdException {
public:
    EIdProtocolReplyError(int16_t code, const std::string& lastLine)
        : EIdException(lastLine), ReplyErrorCode(code) {}
    int16_t ReplyErrorCode;
};

// "Socket Error # %d\r\n%s" with the Windows Sockets number and its description.
class EIdSocketError : public EIdException {
public:
    explicit EIdSocketError(int lastError);
    int LastError;
};

class EIdConnClosedGracefully : public EIdException {
public:
    EIdConnClosedGracefully() : EIdException("Connection Closed Gracefully.") {}
};

class EIdAlreadyConnected : public EIdException {
public:
    EIdAlreadyConnected() : EIdException("Already connected.") {}
};

class EIdCouldNotBindSocket : public EIdException {
public:
    EIdCouldNotBindSocket()
        : EIdException("Could not bind socket. Address and port are already in use.") {}
};

class EIdNoDataToRead : public EIdException {
public:
    EIdNoDataToRead() : EIdException("No data to read.") {}
};

class EIdMoreThanOneTIdAntiFreeze : public EIdException {
public:
    EIdMoreThanOneTIdAntiFreeze()
        : EIdException("Only one TIdAntiFreeze can exist per application.") {}
};

// Kept for completeness of the class tree: POSIX sockets need no library load or
// start-up, so these are never raised here.
class EIdStackCanNotLoadWinsock : public EIdException {
public:
    explicit EIdStackCanNotLoadWinsock(const std::string& library)
        : EIdException(library + " could not be loaded.") {}
};

class EIdStackInitializationFailed : public EIdException {
public:
    EIdStackInitializationFailed() : EIdException("Winsock Initialization Error.") {}
};

class EIdFTPFileAlreadyExists : public EIdException {
public:
    EIdFTPFileAlreadyExists() : EIdException("Destination file already exists.") {}
};

// A field of a PASV reply that is not a valid number.
class EConvertError : public EIdException {
public:
    explicit EConvertError(const std::string& text)
        : EIdException("'" + text + "' is not a valid integer value") {}
};

// Local files that cannot be created or opened for a transfer.
class EFCreateError : public EIdException {
public:
    EFCreateError(const std::string& path, const std::string& reason)
        : EIdException("Cannot create file \"" + path + "\". " + reason) {}
};

class EFOpenError : public EIdException {
public:
    EFOpenError(const std::string& path, const std::string& reason)
        : EIdException("Cannot open file \"" + path + "\". " + reason) {}
};

// A local file read or write that fails in the middle of a transfer.
class EInOutError : public EIdException {
public:
    explicit EInOutError(const std::string& reason) : EIdException("I/O error: " + reason) {}
};

// A server that never ends a line or a reply would otherwise fill memory without bound;
// the connection is closed before this is raised, since the reply stream is out of step.
class EIdReplyTooLong : public EIdException {
public:
    explicit EIdReplyTooLong(const std::string& message) : EIdException(message) {}
};

// A wait that saw nothing for the connection's ReadTimeOut (or a reply that did not
// arrive whole within it). A control connection is closed before this is raised: a
// reply that may still come would be taken for the answer to the next command.
class EIdReadTimeout : public EIdException {
public:
    explicit EIdReadTimeout(const std::string& message) : EIdException(message) {}
};

// A wait ended by AbortTransfer (STOP, an abort button) before anything arrived.
class EIdAborted : public EIdException {
public:
    EIdAborted() : EIdException("Transfer aborted.") {}
};

// A download that ended with fewer (or more) bytes than the server announced.
class EIdTransferIncomplete : public EIdException {
public:
    EIdTransferIncomplete(int64_t received, int64_t announced)
        : EIdException("Transfer incomplete: " + std::to_string(received) + " of " +
                       std::to_string(announced) + " bytes arrived.") {}
};

// A secure connection that could not be had as asked. Kind lets the window say why in
// the user's language; the message carries the server's words or OpenSSL's reason.
class EIdTLSError : public EIdException {
public:
    enum TKind {
        tkNotOffered,      // AUTH TLS refused in a mode that requires it
        tkDataRefused,     // PBSZ 0 / PROT P refused: the data would go in clear
        tkUntrusted,       // the certificate was not accepted
        tkHandshake,       // the handshake failed or the server hung up during it
        tkCertificateSwap, // a data connection showed another certificate
        tkBroken           // a TLS error after the handshake
    };
    EIdTLSError(TKind kind, const std::string& message) : EIdException(message), Kind(kind) {}
    TKind Kind;
};
