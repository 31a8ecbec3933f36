// The FTP client: the control conversation of RFC 959 and one data connection per
// listing or transfer, passive or active.
//
// Every call blocks, but waits pump the application's events (TIdAntiFreeze), so a
// handler run by the pump may call AbortTransfer or CloseSession in the middle of a
// transfer. The last reply code read on the control connection is ReplyCode; a refused
// reply raises EIdProtocolReplyError, which carries its code too.
#pragma once

#include "ftp/id_ftp_features.h"
#include "ftp/id_listing.h"
#include "ftp/id_reply.h"
#include "ftp/id_simple_server.h"
#include "ftp/id_tcp_client.h"
#include "ftp/id_tls.h"

#include <memory>
#include <string>
#include <vector>

enum TIdFTPTransferType { ftBinary, ftASCII };

// What the last listing or transfer did, for callers that must tell a whole file from a
// cut one.
struct TIdTransferInfo {
    bool Started = false;       // the server took the command (1xx): a STOR has begun
    bool Aborted = false;       // AbortTransfer ran while it was under way
    int64_t AnnouncedSize = -1; // the "(n bytes)" of the server's 150 reply, -1 untold
    int64_t Bytes = 0;          // bytes moved over the data connection
    int64_t RestartedAt = 0; // where a download continued after REST (350) or an upload with APPE
    bool Encrypted = false;  // the data went over TLS
    bool SessionReused = false; // and that TLS resumed the control connection's session
};

class TIdFTP : public TIdTCPClient {
public:
    TIdFTP();
    ~TIdFTP() override;

    std::string User;
    std::string Password;
    bool Passive = false;
    TIdFTPTransferType TransferType = ftBinary;
    std::string SystemDescription;
    // How long to wait for each reply still owed after an abort or a failed transfer
    // (the transfer's end and the ABOR's answer). A server that stays silent that long has
    // lost the thread: the control connection is closed rather than let a late reply pass
    // for the answer to the next command.
    int AbortReplyTimeOut = 3000;
    // A listing is held in memory; one larger than this (its bytes, and a string's
    // worth for each line) is aborted or refused with EIdReplyTooLong, so an endless
    // listing, or one of bare line ends, cannot exhaust memory.
    int64_t MaxListingSize = 256LL << 20;
    // How the session is secured. smPlain talks exactly as a client that knows no TLS;
    // the others add AUTH TLS (or TLS from the first byte), PBSZ 0 and PROT P, and TLS
    // on every data connection. Nothing but AUTH TLS goes in clear in the modes that
    // require TLS, and PROT C is never sent.
    TIdSecurityMode Security = smPlain;
    // Asked about a certificate the system's store does not vouch for (unknown issuer,
    // self-signed, another host's name, expired); unset, such a certificate is refused.
    TIdCertificateEvent OnCertificate;

    // After the login the server's FEAT is read and what it offers is used: EPSV for
    // passive transfers, MLSD for listings (handed on as `ls -l` lines), UTF-8 names.
    // A server that answers FEAT with anything but 211 sees the commands of RFC 959
    // alone, exactly as before. Off: no FEAT is sent at all.
    bool UseExtensions = true;

    void OpenSession(bool login = true);
    void CloseSession();
    void AbortTransfer();
    void SelectTransferType(TIdFTPTransferType type);

    void ChangeDirectory(const std::string& path);
    std::string CurrentDirectory();
    void MakeDirectory(const std::string& path);
    void RemoveDirectory(const std::string& path);
    void DeleteRemoteFile(const std::string& path);
    void RenameRemote(const std::string& oldPath, const std::string& newPath);
    // -1 when the server does not tell.
    int64_t FileSize(const std::string& path);
    // The MDTM answer (YYYYMMDDHHMMSS[.sss]); empty when the server does not tell.
    std::string ModifiedTime(const std::string& path);
    void SiteCommand(const std::string& text);

    // LIST (details) or NLST over a data connection; replaces destination's contents.
    void ListDirectory(std::vector<std::string>& destination, const std::string& pathMask = {},
                       bool details = true);
    // The same as one block of bytes with the place of each line: no string per line.
    void ListDirectory(TIdListing& destination, const std::string& pathMask = {},
                       bool details = true);
    // The raw listing bytes into a stream of the caller's (which may keep or drop them).
    void ListDirectoryToStream(TIdStream& destination, const std::string& pathMask = {},
                               bool details = true);
    // In binary mode a download whose byte count differs from the size the server
    // announced in its 150 reply raises EIdTransferIncomplete. A 426 end reply the client
    // did not cause raises EIdProtocolReplyError, also when a 226 follows it.
    //
    // With restartAt > 0 the destination is cut there and REST asks the server to start
    // at that offset; a server that does not answer 350 sends the whole file, which
    // then replaces the destination from its start (LastTransfer().RestartedAt says
    // which happened). A plain download sends no REST.
    void DownloadToStream(const std::string& remotePath, TIdStream& destination,
                          int64_t restartAt = 0);
    // A failed download leaves the partial local file. With restartAt > 0 the file is
    // kept up to that offset and continued (see DownloadToStream).
    void DownloadToFile(const std::string& remotePath, const std::string& localPath,
                        bool overwrite = true, int64_t restartAt = 0);
    // STOR, APPE when appending, STOU when the remote path is empty.
    void UploadFromStream(TIdStream& source, const std::string& remotePath, bool append = false);
    void UploadFile(const std::string& localPath, const std::string& remotePath,
                    bool append = false);
    // Continues an upload the server holds the first `offset` bytes of: the rest of the
    // local file goes with APPE.
    void ResumeUpload(const std::string& localPath, const std::string& remotePath, int64_t offset);

    // What the server's FEAT reply offered in this session.
    const TIdFTPFeatures& Features() const { return FFeatures; }
    // The server took OPTS UTF8 ON: names travel as UTF-8 both ways.
    bool Utf8Names() const { return FUtf8; }
    // The digest of a remote file by the best hash command the server offers (lower-case
    // hexadecimal; `used` says which algorithm); empty when it offers none or refuses.
    std::string RemoteHash(const std::string& path, TIdHashChoice& used);
    // The control connection is encrypted; DataProtected: so is every data connection.
    bool Encrypted() const { return Tls != nullptr && Socket.HandleAllocated; }
    bool DataProtected() const { return Encrypted() && FDataProtected; }
    // "TLSv1.3, TLS_AES_256_GCM_SHA384" while encrypted, else empty.
    std::string SecurityDescription() const;

    // The data connection while a listing or transfer runs, else null.
    TIdTCPConnection* DataChannel() const { return FDataChannel.get(); }
    const TIdTransferInfo& LastTransfer() const { return FTransfer; }

protected:
    void BeforeCommand() override;

private:
    std::string TypeCommand() const;
    void ReadFeatures();
    bool UsesMlsd(const std::string& pathMask, bool details) const;
    void ConvertMlsdLines(std::vector<std::string>& lines) const;
    IdPasvAddress PassiveRequest();
    void SendPort(const TIdSimpleServer& listener);
    template <class T> std::unique_ptr<T> NewDataChannel();
    TIdTCPClient* OpenPassiveChannel(const IdPasvAddress& announced);
    TIdSimpleServer* OpenActiveListener();
    void ReceiveOverData(const std::string& command, TIdStream& destination, bool download,
                         int64_t restartAt = 0);
    // REST before a download's RETR; false (and the destination emptied) when refused.
    bool RequestRestart(int64_t restartAt, TIdStream& destination);
    // fromPosition: the source goes from where it stands, in active mode too.
    void SendOverData(const std::string& command, TIdStream& source, bool fromPosition = false);
    // The transfer command is sent without reading its answer, which it then owes.
    void SendTransferCommand(const std::string& command);
    // ABOR, whose answer is owed on top of the transfer's own.
    void SendAbor();
    void ReadPreliminaryReply(const std::vector<int16_t>& accepted);
    // Reads a reply the server owes; a final one pays its debt. With a list, a code not
    // in it raises EIdProtocolReplyError (after the reply was counted).
    int16_t ReadOwedReply();
    int16_t ReadOwedReply(const std::vector<int16_t>& accepted);
    // A failed transfer drops its data connection and reads what the server still owes.
    void FailTransfer();
    void ReadEndReply();
    // Reads every final reply still owed; false (and the control connection closed) when
    // the server does not give them within AbortReplyTimeOut.
    bool SettleOwedReplies();
    void DiscardStrayReplies();
    void LoseStep();
    bool ReadReplyWithin(int timeoutMs);

    // TLS: on the control connection (implicit: before the greeting; explicit: after
    // AUTH TLS), PBSZ 0 and PROT P, and on each data connection.
    void SecureControl();
    void RequestAuthTls();
    void ProtectData();
    void SecureData(TIdTCPConnection& data);
    // A download's data connection that ended without a close-notify short of the
    // announced size was cut, whatever the end reply says.
    void CheckDataEnd(const TIdTCPConnection& data);

    struct TransferScope;
    std::unique_ptr<TIdTLSContext> FTlsContext;
    std::string FServerFingerprint;
    bool FDataProtected = false;
    bool FDataCutShort = false;
    std::unique_ptr<TIdTCPConnection> FDataChannel;
    // Every command owes one final reply (1xx replies come on top). Commands sent
    // without reading their answer (a transfer's, ABOR) are counted here.
    int FRepliesOwed = 0;
    bool FAbortSent = false; // an ABOR whose answer has not been read yet
    bool FTransferRunning = false;
    TIdTransferInfo FTransfer;
    TIdFTPFeatures FFeatures;
    bool FUtf8 = false;
    bool FEpsvRefused = false; // this session's server refused EPSV: PASV from then on
    bool FMlsdRefused = false;
};
