// Data connections of TIdFTP: PASV and PORT, receiving (listings, downloads) and sending
// (uploads), and the end replies.
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "ftp/id_reply.h"
#include "ftp/id_socket_error.h"

IdPasvAddress TIdFTP::PassiveRequest() {
    SendCommand("PASV", {227});
    return idParsePasvReply(LastReplyLine());
}

void TIdFTP::SendPort(const TIdSimpleServer& listener) {
    SendCommand("PORT " + idPortArgument(listener.Socket.IP, listener.Socket.Port), {200});
}

template <class T> std::unique_ptr<T> TIdFTP::NewDataChannel() {
    // Class defaults (32 KiB chunks), no log hook, no status handlers; progress goes
    // to the owner's work handlers with the data connection as sender.
    auto channel = std::make_unique<T>();
    channel->OnWorkBegin = OnWorkBegin;
    channel->OnWork = OnWork;
    channel->OnWorkEnd = OnWorkEnd;
    return channel;
}

TIdTCPClient* TIdFTP::OpenPassiveChannel(const IdPasvAddress& announced) {
    auto client = NewDataChannel<TIdTCPClient>();
    client->SocksInfo = SocksInfo;
    // The data connection goes to the host we are talking to, whatever address the
    // reply names: servers behind NAT announce private addresses, and a hostile one
    // must not point us at a third host.
    client->Host = Socket.PeerIP;
    client->Port = announced.Port;
    TIdTCPClient* data = client.get();
    FDataChannel = std::move(client);
    return data;
}

TIdSimpleServer* TIdFTP::OpenActiveListener() {
    auto listener = NewDataChannel<TIdSimpleServer>();
    listener->BoundIP = Socket.IP;
    listener->BoundPort = 0;
    listener->BeginListen(1);
    TIdSimpleServer* data = listener.get();
    FDataChannel = std::move(listener);
    return data;
}

void TIdFTP::DropFailedDataChannel() {
    FDataChannel.reset();
    if (FAbortSent)
        SettleAbortQuietly(0);
}

void TIdFTP::ReceiveOverData(const std::string& command, TIdStream& destination) {
    if (Passive) {
        IdPasvAddress announced = PassiveRequest();
        SendLine(command);
        TIdTCPClient* data = OpenPassiveChannel(announced);
        try {
            data->OpenConnection();
            ReadReply({125, 150});
            data->ReceiveStreamUntilClose(destination);
            data->CloseConnection();
        } catch (...) {
            DropFailedDataChannel();
            throw;
        }
    } else {
        TIdSimpleServer* data = OpenActiveListener();
        try {
            SendPort(*data);
            SendCommand(command, {125, 150});
            data->Listen();
            data->ReceiveStreamUntilClose(destination);
        } catch (...) {
            DropFailedDataChannel();
            throw;
        }
    }
    FDataChannel.reset();
    ReadEndReply();
}

void TIdFTP::SendOverData(const std::string& command, TIdStream& source) {
    if (Passive) {
        IdPasvAddress announced = PassiveRequest();
        SendLine(command);
        TIdTCPClient* data = OpenPassiveChannel(announced);
        try {
            data->OpenConnection();
            ReadReply({110, 125, 150});
            try {
                data->SendStream(source, false);
            } catch (const EIdSocketError& e) {
                if (e.LastError != idsock::WSAENOTSOCK)
                    throw;
            }
            data->CloseConnection();
        } catch (...) {
            DropFailedDataChannel();
            throw;
        }
    } else {
        TIdSimpleServer* data = OpenActiveListener();
        try {
            SendPort(*data);
            SendCommand(command, {125, 150});
            data->Listen();
            data->SendStream(source, true);
        } catch (...) {
            DropFailedDataChannel();
            throw;
        }
    }
    FDataChannel.reset();
    ReadEndReply();
}

void TIdFTP::ReadEndReply() {
    int16_t first = ReadReply({225, 226, 250, 426});
    // After our own ABOR the second reply is the ABOR's answer, which RFC 959 allows to
    // be 225 as well (a server that noticed the closed data connection first says so).
    if (first == 426)
        ReadReply(FAbortSent ? std::vector<int16_t>{225, 226} : std::vector<int16_t>{226});
    if (FAbortSent)
        SettleAbortQuietly(first);
}

namespace {

// Memory for a listing, up to a limit; past it the transfer is aborted and the rest
// discarded, so the conversation stays in step.
class CappedMemoryStream : public TIdMemoryStream {
public:
    CappedMemoryStream(int64_t cap, TIdFTP& ftp) : Cap(cap), Ftp(ftp) {}
    void Write(const char* buffer, int64_t count) override {
        if (Overflowed)
            return;
        if (Size() + count > Cap) {
            Overflowed = true;
            Ftp.AbortTransfer();
            return;
        }
        TIdMemoryStream::Write(buffer, count);
    }
    bool Overflowed = false;

private:
    int64_t Cap;
    TIdFTP& Ftp;
};

} // namespace

void TIdFTP::ListDirectory(std::vector<std::string>& destination, const std::string& pathMask,
                           bool details) {
    CappedMemoryStream data(MaxListingSize, *this);
    ReceiveOverData(idTrim((details ? "list " : "nlst ") + pathMask), data);
    if (data.Overflowed)
        throw EIdReplyTooLong("Listing longer than " + std::to_string(MaxListingSize) + " bytes.");
    destination = idSplitListing(data.Bytes());
}

void TIdFTP::DownloadToStream(const std::string& remotePath, TIdStream& destination) {
    ReceiveOverData("retr " + remotePath, destination);
}

void TIdFTP::DownloadToFile(const std::string& remotePath, const std::string& localPath,
                            bool overwrite) {
    if (!overwrite && idFileExists(localPath))
        throw EIdFTPFileAlreadyExists();
    TIdFileStream file(localPath, TIdFileStream::fmCreate);
    DownloadToStream(remotePath, file);
}

void TIdFTP::UploadFromStream(TIdStream& source, const std::string& remotePath, bool append) {
    if (remotePath.empty())
        SendOverData("STOU ", source);
    else if (append)
        SendOverData("APPE " + remotePath, source);
    else
        SendOverData("STOR " + remotePath, source);
}

void TIdFTP::UploadFile(const std::string& localPath, const std::string& remotePath, bool append) {
    TIdFileStream file(localPath, TIdFileStream::fmOpenRead);
    UploadFromStream(file, remotePath, append);
}
