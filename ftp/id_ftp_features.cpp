#include "ftp/id_ftp_features.h"

#include "ftp/id_exception.h"
#include "ftp/id_reply.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::vector<std::string> splitOn(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

void readMlstFacts(const std::string& list, TIdFTPFeatures& f) {
    for (std::string fact : splitOn(list, ';')) {
        const bool selected = !fact.empty() && fact.back() == '*';
        if (selected)
            fact.pop_back();
        fact = lower(idTrim(fact));
        if (fact.empty())
            continue;
        f.MlstFacts.push_back(fact);
        if (selected)
            f.MlstSelected.push_back(fact);
    }
}

void readHashAlgorithms(const std::string& list, TIdFTPFeatures& f) {
    for (std::string name : splitOn(list, ';')) {
        name = idTrim(name);
        const bool selected = !name.empty() && name.back() == '*';
        if (selected)
            name.pop_back();
        if (name.empty())
            continue;
        f.HashAlgorithms.push_back(name);
        if (selected)
            f.HashSelected = name;
    }
}

bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

TIdFTPFeatures idParseFeatures(int16_t code, const std::vector<std::string>& replyLines) {
    TIdFTPFeatures f;
    if (code != 211)
        return f;
    f.Answered = true;
    // The first and the last line carry the code; each line between names one feature.
    for (size_t i = 1; i + 1 < replyLines.size(); ++i) {
        const std::string line = idTrim(replyLines[i]);
        const size_t blank = line.find(' ');
        const std::string name = upper(line.substr(0, blank));
        const std::string rest = blank == std::string::npos ? "" : idTrim(line.substr(blank + 1));
        if (name == "MLST")
            f.Mlst = true, readMlstFacts(rest, f);
        else if (name == "UTF8")
            f.Utf8 = true;
        else if (name == "EPSV")
            f.Epsv = true;
        else if (name == "EPRT")
            f.Eprt = true;
        else if (name == "SIZE")
            f.Size = true;
        else if (name == "MDTM")
            f.Mdtm = true;
        else if (name == "REST" && upper(rest) == "STREAM")
            f.RestStream = true;
        else if (name == "HASH")
            readHashAlgorithms(rest, f);
        else if (name == "XSHA256")
            f.Xsha256 = true;
        else if (name == "XSHA1")
            f.Xsha1 = true;
        else if (name == "XMD5")
            f.Xmd5 = true;
    }
    if (f.HashSelected.empty() && !f.HashAlgorithms.empty())
        f.HashSelected = f.HashAlgorithms.front();
    return f;
}

int32_t idParseEpsvReply(const std::string& line) {
    const size_t open = line.find('(');
    const size_t close = line.find(')', open == std::string::npos ? 0 : open);
    if (open == std::string::npos || close == std::string::npos || close - open < 6)
        throw EConvertError(line);
    // "(<d><d><d>port<d>)": the same delimiter four times around an empty network
    // protocol and address.
    const std::string inside = line.substr(open + 1, close - open - 1);
    const char d = inside[0];
    if (inside.size() < 5 || inside[1] != d || inside[2] != d || inside.back() != d)
        throw EConvertError(line);
    const std::string digits = inside.substr(3, inside.size() - 4);
    int64_t port = 0;
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), ::isdigit) ||
        !idParseInt64(digits, port) || port < 1 || port > 65535)
        throw EConvertError(line);
    return static_cast<int32_t>(port);
}

std::string idEprtArgument(const std::string& ip, int32_t port) {
    const bool v6 = ip.find(':') != std::string::npos;
    return std::string("|") + (v6 ? "2" : "1") + "|" + ip + "|" + std::to_string(port) + "|";
}

std::string idMlstOptions(const TIdFTPFeatures& features) {
    if (!features.Mlst)
        return {};
    static const char* const wanted[] = {"type",      "size",       "modify",    "perm",
                                         "unix.mode", "unix.owner", "unix.group"};
    std::string options;
    bool missing = false;
    for (const char* fact : wanted) {
        if (!contains(features.MlstFacts, fact))
            continue;
        missing = missing || !contains(features.MlstSelected, fact);
        // RFC 3659 facts are case-blind; UNIX.mode is written as its registry does.
        std::string spelled = fact;
        if (spelled.rfind("unix.", 0) == 0)
            spelled = "UNIX." + spelled.substr(5);
        options += spelled + ";";
    }
    return missing ? options : std::string();
}

namespace {

struct MlsdFacts {
    std::string type, size, modify, perm, mode, owner, group, linkTarget;
};

MlsdFacts readFacts(const std::string& facts) {
    MlsdFacts f;
    for (const std::string& fact : splitOn(facts, ';')) {
        const size_t eq = fact.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string name = lower(fact.substr(0, eq));
        const std::string value = fact.substr(eq + 1);
        if (name == "type")
            f.type = value;
        else if (name == "size" || (name == "sizd" && f.size.empty()))
            f.size = value;
        else if (name == "modify")
            f.modify = value;
        else if (name == "perm")
            f.perm = lower(value);
        else if (name == "unix.mode")
            f.mode = value;
        else if (name == "unix.owner" || name == "unix.ownername" ||
                 (name == "unix.uid" && f.owner.empty()))
            f.owner = value;
        else if (name == "unix.group" || name == "unix.groupname" ||
                 (name == "unix.gid" && f.group.empty()))
            f.group = value;
    }
    return f;
}

char typeLetter(const MlsdFacts& f, std::string& linkTarget) {
    const std::string type = lower(f.type);
    if (type == "dir")
        return 'd';
    if (type.rfind("os.unix=slink", 0) == 0 || type.rfind("os.unix=symlink", 0) == 0) {
        const size_t colon = f.type.find(':');
        if (colon != std::string::npos)
            linkTarget = f.type.substr(colon + 1);
        return 'l';
    }
    if (type == "os.unix=blk")
        return 'b';
    if (type == "os.unix=chr")
        return 'c';
    if (type == "os.unix=fifo")
        return 'p';
    if (type == "os.unix=socket")
        return 's';
    return '-';
}

std::string modeFromOctal(const std::string& fact) {
    // "0644", "644", "100644", and Python's "0o644": the last four octal digits count.
    size_t start = fact.size();
    while (start > 0 && fact[start - 1] >= '0' && fact[start - 1] <= '7')
        --start;
    if (start == fact.size() ||
        (start > 0 && fact.substr(0, start) != "0o" && fact.substr(0, start) != "0O"))
        return {};
    std::string octal = fact.substr(start);
    if (octal.size() > 4)
        octal = octal.substr(octal.size() - 4);
    unsigned bits = 0;
    for (char c : octal) {
        if (c < '0' || c > '7')
            return {};
        bits = bits * 8 + unsigned(c - '0');
    }
    std::string m = "rwxrwxrwx";
    for (int i = 0; i < 9; ++i)
        if (!(bits & (1u << (8 - i))))
            m[size_t(i)] = '-';
    if (bits & 04000)
        m[2] = m[2] == 'x' ? 's' : 'S';
    if (bits & 02000)
        m[5] = m[5] == 'x' ? 's' : 'S';
    if (bits & 01000)
        m[8] = m[8] == 'x' ? 't' : 'T';
    return m;
}

// The perm fact speaks for the logged-in user only: it fills the owner's triple.
std::string modeFromPerm(const std::string& perm, bool folder) {
    auto has = [&](const char* letters) {
        return perm.find_first_of(letters) != std::string::npos;
    };
    std::string m = "---------";
    if (folder) {
        m[0] = has("l") ? 'r' : '-';
        m[1] = has("cmpf") ? 'w' : '-';
        m[2] = has("e") ? 'x' : '-';
    } else {
        m[0] = has("r") ? 'r' : '-';
        m[1] = has("wa") ? 'w' : '-';
    }
    return m;
}

std::string dateColumns(const std::string& modify, std::time_t now) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    if (modify.size() < 14 ||
        std::sscanf(modify.c_str(), "%4d%2d%2d%2d%2d%2d", &y, &mo, &d, &h, &mi, &s) != 6 ||
        mo < 1 || mo > 12 || d < 1 || d > 31)
        return {};
    std::tm utc{};
    utc.tm_year = y - 1900;
    utc.tm_mon = mo - 1;
    utc.tm_mday = d;
    utc.tm_hour = h;
    utc.tm_min = mi;
    utc.tm_sec = s;
    // MLSD times are UTC; the list shows them as `ls` would here.
    const std::time_t when = timegm(&utc);
    std::tm local{};
    localtime_r(&when, &local);
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[32];
    const double away = std::difftime(now, when);
    const double halfYear = 182.0 * 24 * 3600;
    if (away > halfYear || away < -halfYear)
        std::snprintf(text, sizeof text, "%s %2d  %4d", months[local.tm_mon], local.tm_mday,
                      local.tm_year + 1900);
    else
        std::snprintf(text, sizeof text, "%s %2d %02d:%02d", months[local.tm_mon], local.tm_mday,
                      local.tm_hour, local.tm_min);
    return text;
}

} // namespace

std::string idMlsdToListLine(const std::string& line, std::time_t now) {
    std::string body = line;
    while (!body.empty() && (body.back() == '\r' || body.back() == '\n'))
        body.pop_back();
    // Facts end at the first blank; the name is everything after it, blanks and all.
    const size_t blank = body.find(' ');
    if (blank == std::string::npos || body.find('=') > blank)
        return line;
    const MlsdFacts f = readFacts(body.substr(0, blank));
    const std::string name = body.substr(blank + 1);
    const std::string type = lower(f.type);
    if (type == "cdir" || type == "pdir" || name.empty())
        return {};
    std::string linkTarget;
    const char letter = typeLetter(f, linkTarget);
    std::string mode = modeFromOctal(f.mode);
    if (mode.empty() && !f.perm.empty())
        mode = modeFromPerm(f.perm, letter == 'd');
    if (mode.empty())
        mode = letter == 'd' ? "rwxr-xr-x" : "rw-r--r--";
    int64_t size = 0;
    if (!idParseInt64(f.size, size) || size < 0)
        size = 0;
    std::string out = letter + mode + " 1 " + (f.owner.empty() ? "-" : f.owner) + " " +
                      (f.group.empty() ? "-" : f.group) + " " + std::to_string(size) + " ";
    const std::string date = dateColumns(f.modify, now);
    if (!date.empty())
        out += date + " ";
    out += name;
    if (letter == 'l' && !linkTarget.empty())
        out += " -> " + linkTarget;
    return out;
}

TIdHashChoice idChooseHash(const TIdFTPFeatures& features) {
    static const char* const known[] = {"SHA-256", "SHA-512", "SHA-1", "MD5"};
    if (!features.HashSelected.empty())
        for (const char* name : known)
            if (upper(features.HashSelected) == name)
                return {TIdHashKind::Hash, name};
    if (features.Xsha256)
        return {TIdHashKind::Xsha256, "SHA-256"};
    if (features.Xsha1)
        return {TIdHashKind::Xsha1, "SHA-1"};
    if (features.Xmd5)
        return {TIdHashKind::Xmd5, "MD5"};
    return {};
}

std::string idParseHashReply(const std::string& line) {
    // Past the code, the first word of 32, 40, 64 or 128 hexadecimal digits.
    size_t i = line.size() > 4 ? 4 : line.size();
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        size_t end = line.find(' ', i);
        if (end == std::string::npos)
            end = line.size();
        const std::string word = idTrim(line.substr(i, end - i));
        const size_t n = word.size();
        if ((n == 32 || n == 40 || n == 64 || n == 128) &&
            std::all_of(word.begin(), word.end(), ::isxdigit))
            return lower(word);
        i = end;
    }
    return {};
}
