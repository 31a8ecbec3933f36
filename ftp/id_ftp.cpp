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
    try {
        ReadReply({220});
        if (login) {
            if (SendCommand("user " + User, {230, 331}) == 331)
                SendCommand("pass " + Password, {230});
            SendCommand(TypeCommand(), {200});
            if (SendCommand("syst", {200, 215, 500}) == 500)
                SystemDescription = "Unknown";
            else
                SystemDescription = LastReplyLine().size() > 3 ? LastReplyLine().substr(3) : "";
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
    if (IsOpen()) {
        SendLine("ABOR");
        FAbortSent = true;
    }
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

void TIdFTP::SiteCommand(const std::string& text) {
    SendCommand("SITE " + text, {200});
}

void TIdFTP::BeforeCommand() {
    if (FAbortSent)
        SettleAbortQuietly(0);
}

bool TIdFTP::ReadReplyWithin(int timeoutMs) {
    if (!WaitForData(timeoutMs))
        return false;
    ReadReply();
    return true;
}

// An ABOR is answered by the server once, after the transfer's own end reply when the
// transfer had already finished (226, then 225/226) or after 426 when it was cut. Reading
// that answer here keeps the next command from taking it for its own reply.
void TIdFTP::SettleAbort(int16_t firstEndCode) {
    FAbortSent = false;
    if (firstEndCode == 0) {
        if (!ReadReplyWithin(AbortReplyTimeOut))
            return;
        firstEndCode = ReplyCode;
        if (firstEndCode == 426) {
            ReadReplyWithin(AbortReplyTimeOut);
            return;
        }
    }
    if (firstEndCode == 426 || firstEndCode == 225)
        return;
    ReadReplyWithin(AbortReplyTimeOut);
}

void TIdFTP::SettleAbortQuietly(int16_t firstEndCode) {
    // The abort's leftovers must not turn the caller's own result into a failure.
    try {
        SettleAbort(firstEndCode);
    } catch (const EIdException&) {
    }
}
