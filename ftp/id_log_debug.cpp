#include "ftp/id_log_debug.h"

#include <ctime>

namespace {

void replaceEol(std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
            out += "<EOL>";
            ++i;
        } else {
            out += s[i];
        }
    }
    s.swap(out);
}

std::string nowText() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

} // namespace

void TIdLogBase::Connect() {
    Emit("Connected.");
}

void TIdLogBase::Disconnect() {
    Emit("Disconnected.");
}

void TIdLogBase::Receive(const char* data, long length) {
    Emit("Recv: " + std::string(data, static_cast<size_t>(length)));
}

void TIdLogBase::Send(const char* data, long length) {
    Emit("Sent: " + std::string(data, static_cast<size_t>(length)));
}

void TIdLogBase::Emit(std::string item) {
    if (!Active)
        return;
    if (LogTime)
        item += ": " + nowText();
    replaceEol(item);
    LogItem(item);
}

void TIdLogDebug::LogItem(const std::string& item) {
    if (OnLogItem)
        OnLogItem(item);
    if (Target == ltDebugOutput && DebugOutput)
        DebugOutput(item + "\r\n");
}
