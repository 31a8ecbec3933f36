// The extensions TIdFTP uses when the server's FEAT offers them: OPTS after the login,
// EPSV and EPRT for data connections, MLSD listings and file hashes.
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "ftp/id_reply.h"

#include <algorithm>
#include <ctime>
#include <utility>

void TIdFTP::ReadFeatures() {
    FFeatures = idParseFeatures(SendCommand("FEAT", -1), ReplyLines);
    if (FFeatures.Utf8)
        FUtf8 = SendCommand("OPTS UTF8 ON", -1) / 100 == 2;
    // Facts a server offers but does not send unasked (UNIX.mode for the attribute
    // column) are asked for once.
    const std::string facts = idMlstOptions(FFeatures);
    if (!facts.empty())
        SendCommand("OPTS MLST " + facts, -1);
}

IdPasvAddress TIdFTP::PassiveRequest() {
    // PASV cannot name an IPv6 address, and the data connection goes to the control
    // peer anyway, so only the port of either reply is used.
    const bool v6 = idIsIPv6Address(Socket.PeerIP);
    if ((v6 || FFeatures.Epsv) && !FEpsvRefused) {
        const int16_t code = SendCommand("EPSV", -1);
        if (code == 229)
            return {Socket.PeerIP, idParseEpsvReply(LastReplyLine())};
        if (code / 100 != 5)
            throw EIdProtocolReplyError(code, LastReplyLine());
        FEpsvRefused = true;
    }
    SendCommand("PASV", {227});
    return idParsePasvReply(LastReplyLine());
}

void TIdFTP::SendPort(const TIdSimpleServer& listener) {
    if (idIsIPv6Address(listener.Socket.IP))
        SendCommand("EPRT " + idEprtArgument(listener.Socket.IP, listener.Socket.Port), {200});
    else
        SendCommand("PORT " + idPortArgument(listener.Socket.IP, listener.Socket.Port), {200});
}

bool TIdFTP::UsesMlsd(const std::string& pathMask, bool details) const {
    // MLSD takes a folder, never a mask.
    return UseExtensions && details && pathMask.empty() && FFeatures.Mlst && !FMlsdRefused;
}

void TIdFTP::ConvertMlsdLines(std::vector<std::string>& lines) const {
    const std::time_t now = std::time(nullptr);
    // MLSD comes in the folder's own order, LIST sorted by name as `ls` sorts it: the
    // list keeps the order its users know.
    std::vector<std::pair<std::string, std::string>> byName;
    byName.reserve(lines.size());
    for (const std::string& line : lines) {
        std::string shown = idMlsdToListLine(line, now);
        if (shown.empty())
            continue;
        const size_t blank = line.find(' ');
        byName.emplace_back(blank == std::string::npos ? line : line.substr(blank + 1),
                            std::move(shown));
    }
    std::stable_sort(byName.begin(), byName.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    lines.clear();
    for (auto& entry : byName)
        lines.push_back(std::move(entry.second));
}

std::string TIdFTP::RemoteHash(const std::string& path, TIdHashChoice& used) {
    used = idChooseHash(FFeatures);
    std::string command;
    switch (used.Kind) {
    case TIdHashKind::None:
        return {};
    case TIdHashKind::Hash:
        command = "HASH ";
        break;
    case TIdHashKind::Xsha256:
        command = "XSHA256 ";
        break;
    case TIdHashKind::Xsha1:
        command = "XSHA1 ";
        break;
    case TIdHashKind::Xmd5:
        command = "XMD5 ";
        break;
    }
    if (SendCommand(command + path, -1) / 100 != 2)
        return {};
    return idParseHashReply(LastReplyLine());
}
