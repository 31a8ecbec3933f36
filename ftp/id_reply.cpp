#include "ftp/id_reply.h"

#include "ftp/id_exception.h"

#include <cctype>
#include <limits>

std::string idTrim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return s.substr(b, e - b);
}

bool idSameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool idParseInt64(const std::string& text, int64_t& value) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return false;
    uint64_t v = 0;
    const uint64_t limit = negative ? uint64_t(std::numeric_limits<int64_t>::max()) + 1
                                    : uint64_t(std::numeric_limits<int64_t>::max());
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        v = v * 10 + uint64_t(text[i] - '0');
        if (v > limit)
            return false;
    }
    value = negative ? static_cast<int64_t>(0 - v) : static_cast<int64_t>(v);
    return true;
}

int16_t idReplyCodeOf(const std::string& line) {
    if (idSameText(line.substr(0, 3), "+OK"))
        return 1;
    if (idSameText(line.substr(0, 4), "-ERR"))
        return 0;
    int64_t v = 0;
    if (!idParseInt64(line.substr(0, 3), v))
        return 0;
    return static_cast<int16_t>(v);
}

IdPasvAddress idParsePasvReply(const std::string& line) {
    std::string s = idTrim(line);
    size_t open = s.find('('), close = s.find(')');
    if (open != std::string::npos && close != std::string::npos) {
        s = close > open ? s.substr(open + 1, close - open - 1) : std::string();
    } else {
        size_t blank = s.rfind(' ');
        if (blank != std::string::npos)
            s = s.substr(blank + 1);
    }
    int64_t field[6];
    for (int i = 0; i < 6; ++i) {
        size_t comma = s.find(',');
        std::string text = s.substr(0, comma);
        s = comma == std::string::npos ? std::string() : s.substr(comma + 1);
        std::string t = idTrim(text);
        // Each field is one byte of the address or port; anything else would let a
        // reply name a port outside the valid range.
        if (!idParseInt64(t, field[i]) || field[i] < 0 || field[i] > 255)
            throw EConvertError(text);
    }
    IdPasvAddress a;
    a.Host = std::to_string(field[0]) + "." + std::to_string(field[1]) + "." +
             std::to_string(field[2]) + "." + std::to_string(field[3]);
    a.Port = static_cast<int32_t>(field[4] * 256 + field[5]);
    return a;
}

std::string idParsePwdReply(const std::string& line) {
    size_t first = line.find('"');
    if (first == std::string::npos)
        return {};
    size_t second = line.find('"', first + 1);
    if (second == std::string::npos)
        return {};
    return line.substr(first + 1, second - first - 1);
}

int64_t idParseSizeReply(const std::vector<std::string>& replyLines) {
    std::string text;
    for (size_t i = 0; i < replyLines.size(); ++i) {
        if (i)
            text += "\r\n";
        text += replyLines[i];
    }
    text = idTrim(text);
    size_t blank = text.find(' ');
    text = blank == std::string::npos ? std::string() : text.substr(blank + 1);
    int64_t v = 0;
    if (!idParseInt64(text, v) || v < 0)
        return -1;
    return v;
}

std::vector<std::string> idSplitListing(const std::string& data) {
    std::vector<std::string> lines;
    size_t end = data.find('\0');
    if (end == std::string::npos)
        end = data.size();
    size_t start = 0, i = 0;
    while (i < end) {
        char c = data[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(data.substr(start, i - start));
            if (c == '\r' && i + 1 < end && data[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < end)
        lines.push_back(data.substr(start, end - start));
    return lines;
}

std::string idPortArgument(const std::string& ip, int32_t port) {
    std::string s = ip;
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s + "," + std::to_string(port / 256) + "," + std::to_string(port % 256);
}

int64_t idParseTransferSize(const std::string& line) {
    size_t open = line.rfind('(');
    while (open != std::string::npos) {
        size_t close = line.find(')', open);
        if (close != std::string::npos) {
            std::string inside = idTrim(line.substr(open + 1, close - open - 1));
            size_t blank = inside.find(' ');
            int64_t v = 0;
            if (blank != std::string::npos &&
                idSameText(idTrim(inside.substr(blank + 1)), "bytes") &&
                idParseInt64(inside.substr(0, blank), v) && v >= 0)
                return v;
        }
        if (open == 0)
            break;
        open = line.rfind('(', open - 1);
    }
    return -1;
}
