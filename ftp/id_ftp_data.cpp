// Data connections of TIdFTP: PASV and PORT, receiving (listings, downloads) and sending
// (uploads), and the end replies.
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "ftp/id_reply.h"
#include "ftp/id_socket_error.h"

#include <algorithm>

template <class T> std::unique_ptr<T> TIdFTP::NewDataChannel() {
    // Class defaults (32 KiB chunks), no log hook, no status handlers; progress goes
    // to the owner's work handlers with the data connection as sender.
    auto channel = std::make_unique<T>();
    channel->ReadTimeOut = ReadTimeOut;
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
    // A port that drops the connection request must not hold the transfer for the
    // system's minutes-long connect time-out.
    client->ConnectTimeOut = ReadTimeOut;
    TIdTCPClient* data = client.get();
    FDataChannel = std::move(client);
    return data;
}

TIdSimpleServer* TIdFTP::OpenActiveListener() {
    auto listener = NewDataChannel<TIdSimpleServer>();
    listener->BoundIP = Socket.IP;
    listener->BoundPort = 0;
    listener->AllowedPeerIP = Socket.PeerIP;
    listener->BeginListen(1);
    TIdSimpleServer* data = listener.get();
    FDataChannel = std::move(listener);
    return data;
}

// One listing or transfer on the stack: what it did, and whether an abort meets it.
struct TIdFTP::TransferScope {
    explicit TransferScope(TIdFTP& ftp) : Ftp(ftp) {
        Ftp.BeforeCommand();
        Ftp.FTransfer = {};
        Ftp.FTransferRunning = true;
    }
    ~TransferScope() { Ftp.FTransferRunning = false; }
    TIdFTP& Ftp;
};

void TIdFTP::SendTransferCommand(const std::string& command) {
    SendLine(command);
    ++FRepliesOwed;
}

int16_t TIdFTP::ReadOwedReply(const std::vector<int16_t>& accepted) {
    const int16_t code = ReadOwedReply();
    if (std::find(accepted.begin(), accepted.end(), code) == accepted.end())
        throw EIdProtocolReplyError(code, LastReplyLine());
    return code;
}

void TIdFTP::ReadPreliminaryReply(const std::vector<int16_t>& accepted) {
    ReadOwedReply(accepted);
    FTransfer.Started = true;
    FTransfer.AnnouncedSize = idParseTransferSize(LastReplyLine());
}

void TIdFTP::FailTransfer() {
    FDataChannel.reset();
    if (!Socket.HandleAllocated) {
        LoseStep(); // nothing owed can come any more
        return;
    }
    // A user's abort takes effect at once; its replies are read before the next command.
    if (FTransfer.Aborted)
        return;
    if (FRepliesOwed > 0 && !FAbortSent) {
        // The server still works on the transfer, or waits for a data connection that
        // will never come: ABOR makes it give its final answer now.
        try {
            SendAbor();
        } catch (const EIdException&) {
        }
    }
    SettleOwedReplies();
}

bool TIdFTP::RequestRestart(int64_t restartAt, TIdStream& destination) {
    if (SendCommand("REST " + std::to_string(restartAt), -1) == 350) {
        FTransfer.RestartedAt = restartAt;
        return true;
    }
    // The whole file comes: what was kept goes.
    destination.Seek(0);
    destination.Truncate();
    return false;
}

void TIdFTP::ReceiveOverData(const std::string& command, TIdStream& destination, bool download,
                             int64_t restartAt) {
    TransferScope scope(*this);
    FDataCutShort = false;
    int64_t start = destination.Position();
    try {
        if (Passive) {
            IdPasvAddress announced = PassiveRequest();
            // REST goes right before the command it modifies.
            if (restartAt > 0 && !RequestRestart(restartAt, destination))
                start = 0;
            SendTransferCommand(command);
            TIdTCPClient* data = OpenPassiveChannel(announced);
            data->OpenConnection();
            SecureData(*data);
            ReadPreliminaryReply({125, 150});
            data->ReceiveStreamUntilClose(destination);
            CheckDataEnd(*data);
            data->CloseConnection();
        } else {
            TIdSimpleServer* data = OpenActiveListener();
            SendPort(*data);
            if (restartAt > 0 && !RequestRestart(restartAt, destination))
                start = 0;
            SendTransferCommand(command);
            ReadPreliminaryReply({125, 150});
            data->Listen();
            SecureData(*data);
            data->ReceiveStreamUntilClose(destination);
            CheckDataEnd(*data);
        }
    } catch (...) {
        FTransfer.Bytes = destination.Position() - start;
        FailTransfer();
        throw;
    }
    FTransfer.Bytes = destination.Position() - start;
    FDataChannel.reset();
    ReadEndReply();
    // In ASCII mode line ends may change the count; in binary it must match. After REST
    // servers announce either what remains or the whole size.
    if (download && !FTransfer.Aborted && TransferType == ftBinary &&
        FTransfer.AnnouncedSize >= 0 && FTransfer.Bytes != FTransfer.AnnouncedSize &&
        FTransfer.RestartedAt + FTransfer.Bytes != FTransfer.AnnouncedSize)
        throw EIdTransferIncomplete(FTransfer.Bytes, FTransfer.AnnouncedSize);
    // Over TLS only a close-notify proves the end came from the server; without one,
    // fewer bytes than announced are a cut file in any transfer type.
    if (download && FDataCutShort && !FTransfer.Aborted && FTransfer.AnnouncedSize >= 0 &&
        FTransfer.Bytes < FTransfer.AnnouncedSize &&
        FTransfer.RestartedAt + FTransfer.Bytes < FTransfer.AnnouncedSize)
        throw EIdTransferIncomplete(FTransfer.Bytes, FTransfer.AnnouncedSize);
}

void TIdFTP::SendOverData(const std::string& command, TIdStream& source, bool fromPosition) {
    TransferScope scope(*this);
    const int64_t start = Passive || fromPosition ? source.Position() : 0;
    try {
        if (Passive) {
            IdPasvAddress announced = PassiveRequest();
            SendTransferCommand(command);
            TIdTCPClient* data = OpenPassiveChannel(announced);
            data->OpenConnection();
            SecureData(*data);
            ReadPreliminaryReply({110, 125, 150});
            try {
                data->SendStream(source, false);
                data->EndTLS();
            } catch (const EIdSocketError& e) {
                if (e.LastError != idsock::WSAENOTSOCK)
                    throw;
            }
            data->CloseConnection();
        } else {
            TIdSimpleServer* data = OpenActiveListener();
            SendPort(*data);
            SendTransferCommand(command);
            ReadPreliminaryReply({125, 150});
            data->Listen();
            SecureData(*data);
            data->SendStream(source, !fromPosition);
            data->EndTLS();
        }
    } catch (...) {
        FTransfer.Bytes = source.Position() - start;
        FailTransfer();
        throw;
    }
    FTransfer.Bytes = source.Position() - start;
    FDataChannel.reset();
    ReadEndReply();
}

void TIdFTP::ReadEndReply() {
    if (FAbortSent) {
        // Stopped by AbortTransfer: the transfer's end (426, or 226 when it had already
        // finished) and the ABOR's answer are read here, and the transfer returns as far
        // as it got. Without them the session is over, and so is the transfer.
        if (!SettleOwedReplies())
            throw EIdConnClosedGracefully();
        return;
    }
    const int16_t code = ReadOwedReply({225, 226, 250, 426});
    if (code == 426) {
        // The server cut the transfer on its own: the file is not whole, whatever follows.
        // Some servers add a 226, which must not answer the next command.
        const std::string cut = LastReplyLine();
        try {
            ReadReplyWithin(AbortReplyTimeOut);
        } catch (const EIdException&) {
        }
        throw EIdProtocolReplyError(426, cut);
    }
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

void TIdFTP::ListDirectoryToStream(TIdStream& destination, const std::string& pathMask,
                                   bool details) {
    ReceiveOverData(idTrim((details ? "list " : "nlst ") + pathMask), destination, false);
}

void TIdFTP::ListDirectory(std::vector<std::string>& destination, const std::string& pathMask,
                           bool details) {
    const bool mlsd = UsesMlsd(pathMask, details);
    CappedMemoryStream data(MaxListingSize, *this);
    try {
        if (mlsd)
            ReceiveOverData("MLSD", data, false);
        else
            ListDirectoryToStream(data, pathMask, details);
    } catch (const EIdProtocolReplyError& refused) {
        // A server whose FEAT promised MLST but that refuses MLSD is listed with LIST.
        const int code = refused.ReplyErrorCode;
        if (!mlsd || (code != 500 && code != 501 && code != 502 && code != 504))
            throw;
        FMlsdRefused = true;
        ListDirectory(destination, pathMask, details);
        return;
    }
    if (data.Overflowed)
        throw EIdReplyTooLong("Listing longer than " + std::to_string(MaxListingSize) + " bytes.");
    // Each line costs a string of its own: a listing of bare line ends would take
    // thirty times its bytes, so the lines count against the same cap.
    const std::string& bytes = data.Bytes();
    // CR LF, LF or CR alone: the more frequent of the two characters counts the lines.
    const auto lineEnds =
        static_cast<int64_t>(std::max(std::count(bytes.begin(), bytes.end(), '\n'),
                                      std::count(bytes.begin(), bytes.end(), '\r')));
    if (static_cast<int64_t>(bytes.size()) + lineEnds * int64_t(sizeof(std::string)) >
        MaxListingSize)
        throw EIdReplyTooLong("Listing of " + std::to_string(lineEnds) + " lines takes more than " +
                              std::to_string(MaxListingSize) + " bytes.");
    destination = idSplitListing(bytes);
    if (mlsd)
        ConvertMlsdLines(destination);
}

void TIdFTP::ListDirectory(TIdListing& destination, const std::string& pathMask, bool details) {
    // MLSD facts are rewritten line by line into LIST lines anyway.
    if (UsesMlsd(pathMask, details)) {
        std::vector<std::string> lines;
        ListDirectory(lines, pathMask, details);
        destination = idJoinListing(lines);
        return;
    }
    CappedMemoryStream data(MaxListingSize, *this);
    ListDirectoryToStream(data, pathMask, details);
    if (data.Overflowed)
        throw EIdReplyTooLong("Listing longer than " + std::to_string(MaxListingSize) + " bytes.");
    std::string bytes = data.TakeBytes();
    // The stream grew by doubling; a large listing should not keep the spare half.
    if (bytes.capacity() > bytes.size() + bytes.size() / 4 + 4096)
        bytes.shrink_to_fit();
    const auto lineEnds =
        static_cast<int64_t>(std::max(std::count(bytes.begin(), bytes.end(), '\n'),
                                      std::count(bytes.begin(), bytes.end(), '\r')));
    if (static_cast<int64_t>(bytes.size()) + lineEnds * int64_t(sizeof(TIdListingLine)) >
            MaxListingSize ||
        bytes.size() > UINT32_MAX)
        throw EIdReplyTooLong("Listing of " + std::to_string(lineEnds) + " lines takes more than " +
                              std::to_string(MaxListingSize) + " bytes.");
    destination = idSplitListingInPlace(std::move(bytes));
}

void TIdFTP::DownloadToStream(const std::string& remotePath, TIdStream& destination,
                              int64_t restartAt) {
    if (restartAt > 0) {
        destination.Seek(restartAt);
        destination.Truncate();
    }
    ReceiveOverData("retr " + remotePath, destination, true, restartAt);
}

void TIdFTP::DownloadToFile(const std::string& remotePath, const std::string& localPath,
                            bool overwrite, int64_t restartAt) {
    FTransfer = {}; // a local failure before the transfer must not show the last one's
    if (!overwrite && idFileExists(localPath))
        throw EIdFTPFileAlreadyExists();
    TIdFileStream file(localPath,
                       restartAt > 0 ? TIdFileStream::fmOpenReadWrite : TIdFileStream::fmCreate);
    DownloadToStream(remotePath, file, restartAt);
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
    FTransfer = {};
    TIdFileStream file(localPath, TIdFileStream::fmOpenRead);
    UploadFromStream(file, remotePath, append);
}

void TIdFTP::ResumeUpload(const std::string& localPath, const std::string& remotePath,
                          int64_t offset) {
    FTransfer = {};
    TIdFileStream file(localPath, TIdFileStream::fmOpenRead);
    file.Seek(offset);
    SendOverData("APPE " + remotePath, file, true);
    FTransfer.RestartedAt = offset;
}
