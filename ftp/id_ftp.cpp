#include "ftp/id_ftp.h"

#include "ftp/id_exception.h"
#include "ftp/id_reply.h"

TIdFTP::TIdFTP() {
    Port = 21;
}

TIdFTP::~TIdFTP() = default;

std::string TIdFTP::TypeCommand() const {
    return std::string("type ") + (TransferType == ftBinary ? "I" : "A");
}

void TIdFTP::OpenSession(bool login) {
    OpenConnection();
    FAbortSent = false;
    FRepliesOwed = 0;
    FFeatures = {};
    FUtf8 = false;
    FEpsvRefused = false;
    FMlsdRefused = false;
    FDataProtected = false;
    try {
        if (Security == smImplicit)
            SecureControl();
        ReadReply({220});
        if (Security == smExplicitIfOffered || Security == smExplicitRequired)
            RequestAuthTls();
        if (!login)
            ProtectData();
        if (login) {
            if (SendCommand("user " + User, {230, 331}) == 331) {
                HideNextLineArgument = Encrypted();
                SendCommand("pass " + Password, {230});
            }
            ProtectData();
            SendCommand(TypeCommand(), {200});
            if (SendCommand("syst", {200, 215, 500}) == 500)
                SystemDescription = "Unknown";
            else
                SystemDescription = LastReplyLine().size() > 3 ? LastReplyLine().substr(3) : "";
            if (UseExtensions)
                ReadFeatures();
        }
    } catch (...) {
        CloseConnection();
        throw;
    }
}

void TIdFTP::CloseSession() {
    if (IsOpen()) {
        // The session ends either way; a peer that is already gone is not an error here.
        try {
            SendLine("Quit");
        } catch (const EIdException&) {
        }
    }
    CloseConnection();
}

void TIdFTP::AbortTransfer() {
    if (FTransferRunning)
        FTransfer.Aborted = true;
    if (!FAbortSent && IsOpen())
        SendAbor();
    // A wait for a reply (a silent server) ends now; the replies still owed are read
    // before the next command.
    CancelWait();
    if (FDataChannel) {
        if (auto* listener = dynamic_cast<TIdSimpleServer*>(FDataChannel.get()))
            listener->Abort();
        else
            FDataChannel->CloseConnection();
    }
}

void TIdFTP::SelectTransferType(TIdFTPTransferType type) {
    if (type == TransferType || FDataChannel)
        return;
    TransferType = type;
    if (IsOpen())
        SendCommand(TypeCommand(), {200});
}

void TIdFTP::ChangeDirectory(const std::string& path) {
    SendCommand("CWD " + path, {250});
}

std::string TIdFTP::CurrentDirectory() {
    SendCommand("PWD", {257});
    return idParsePwdReply(LastReplyLine());
}

void TIdFTP::MakeDirectory(const std::string& path) {
    SendCommand("MKD " + path, {257});
}

void TIdFTP::RemoveDirectory(const std::string& path) {
    SendCommand("RMD " + path, {250});
}

void TIdFTP::DeleteRemoteFile(const std::string& path) {
    SendCommand("DELE " + path, {250});
}

void TIdFTP::RenameRemote(const std::string& oldPath, const std::string& newPath) {
    SendCommand("RNFR " + oldPath, {350});
    SendCommand("RNTO " + newPath, {250});
}

int64_t TIdFTP::FileSize(const std::string& path) {
    if (SendCommand("SIZE " + path, -1) != 213)
        return -1;
    return idParseSizeReply(ReplyLines);
}

std::string TIdFTP::ModifiedTime(const std::string& path) {
    if (SendCommand("MDTM " + path, -1) != 213)
        return {};
    const std::string& line = LastReplyLine();
    return line.size() > 4 ? line.substr(4) : std::string();
}

void TIdFTP::SiteCommand(const std::string& text) {
    SendCommand("SITE " + text, {200});
}

void TIdFTP::BeforeCommand() {
    SettleOwedReplies();
    DiscardStrayReplies();
}

bool TIdFTP::ReadReplyWithin(int timeoutMs) {
    if (!WaitForData(timeoutMs))
        return false;
    ReadReply();
    return true;
}

void TIdFTP::SendAbor() {
    SendLine("ABOR");
    FAbortSent = true;
    ++FRepliesOwed;
}

int16_t TIdFTP::ReadOwedReply() {
    const int16_t code = ReadReply();
    if (!idIsPreliminaryCode(code) && FRepliesOwed > 0)
        --FRepliesOwed;
    return code;
}

bool TIdFTP::SettleOwedReplies() {
    try {
        while (FRepliesOwed > 0) {
            if (!WaitForData(AbortReplyTimeOut)) {
                LoseStep();
                return false;
            }
            // 225 ("no transfer in progress") answers the ABOR. Replies come in order,
            // so a transfer reply still owed behind it will never come: servers answer
            // an abort before the first data byte with this one reply.
            if (ReadOwedReply() == 225 && FAbortSent)
                FRepliesOwed = 0;
        }
    } catch (const EIdException&) {
        LoseStep();
        return false;
    }
    FAbortSent = false;
    return true;
}

// Replies nobody waits for (one that came after its wait timed out, a second end reply
// from a server that sends more than it owes) are read here, before they can pass for
// the answer to the next command.
void TIdFTP::DiscardStrayReplies() {
    while (Socket.HandleAllocated && !ClosedGracefully && InputReady()) {
        if (!ReadReplyWithin(AbortReplyTimeOut))
            return;
    }
}

void TIdFTP::LoseStep() {
    // Which reply answers which command is no longer known: ending the session cleanly
    // is better than taking one answer for another.
    FRepliesOwed = 0;
    FAbortSent = false;
    if (Socket.HandleAllocated)
        CloseConnection();
}
