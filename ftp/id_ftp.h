// The FTP client: the control conversation of RFC 959 and one data connection per
// listing or transfer, passive or active.
//
// Every call blocks, but waits pump the application's events (TIdAntiFreeze), so a
// handler run by the pump may call AbortTransfer or CloseSession in the middle of a
// transfer. The last reply code read on the control connection is ReplyCode; a refused
// reply raises EIdProtocolReplyError, which carries its code too.
#pragma once

#include "ftp/id_reply.h"
#include "ftp/id_simple_server.h"
#include "ftp/id_tcp_client.h"

#include <memory>
#include <string>
#include <vector>

enum TIdFTPTransferType { ftBinary, ftASCII };

class TIdFTP : public TIdTCPClient {
public:
    TIdFTP();
    ~TIdFTP() override;

    std::string User;
    std::string Password;
    bool Passive = false;
    TIdFTPTransferType TransferType = ftBinary;
    std::string SystemDescription;
    // How long to wait for the answer an ABOR still owes once the transfer itself has
    // ended; only servers that never answer ABOR make this wait run out.
    int AbortReplyTimeOut = 3000;
    // A listing is held in memory; one larger than this is aborted and raises
    // EIdReplyTooLong, so an endless listing cannot exhaust memory.
    int64_t MaxListingSize = 256LL << 20;

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
    void SiteCommand(const std::string& text);

    // LIST (details) or NLST over a data connection; replaces destination's contents.
    void ListDirectory(std::vector<std::string>& destination, const std::string& pathMask = {},
                       bool details = true);
    void DownloadToStream(const std::string& remotePath, TIdStream& destination);
    // A failed download leaves the partial local file.
    void DownloadToFile(const std::string& remotePath, const std::string& localPath,
                        bool overwrite = true);
    // STOR, APPE when appending, STOU when the remote path is empty.
    void UploadFromStream(TIdStream& source, const std::string& remotePath, bool append = false);
    void UploadFile(const std::string& localPath, const std::string& remotePath,
                    bool append = false);

    // The data connection while a listing or transfer runs, else null.
    TIdTCPConnection* DataChannel() const { return FDataChannel.get(); }

protected:
    void BeforeCommand() override;

private:
    std::string TypeCommand() const;
    IdPasvAddress PassiveRequest();
    void SendPort(const TIdSimpleServer& listener);
    template <class T> std::unique_ptr<T> NewDataChannel();
    TIdTCPClient* OpenPassiveChannel(const IdPasvAddress& announced);
    TIdSimpleServer* OpenActiveListener();
    // A failed transfer drops its data connection and settles an ABOR still owed.
    void DropFailedDataChannel();
    void ReceiveOverData(const std::string& command, TIdStream& destination);
    void SendOverData(const std::string& command, TIdStream& source);
    void ReadEndReply();
    void SettleAbort(int16_t firstEndCode);
    void SettleAbortQuietly(int16_t firstEndCode);
    bool ReadReplyWithin(int timeoutMs);

    std::unique_ptr<TIdTCPConnection> FDataChannel;
    bool FAbortSent = false; // an ABOR whose answer has not been read yet
};
