#include "session/listing_line.h"

#include "platform/text_file.h"

#include <array>
#include <vector>

namespace listing {
namespace {

struct Token {
    qsizetype start;
    qsizetype end; // one past the last byte
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::vector<Token> tokenize(const QByteArray& line, qsizetype from, int maxTokens) {
    std::vector<Token> tokens;
    qsizetype i = from;
    const qsizetype n = line.size();
    while (i < n && int(tokens.size()) < maxTokens) {
        while (i < n && isBlank(line[i]))
            ++i;
        if (i >= n)
            break;
        const qsizetype start = i;
        while (i < n && !isBlank(line[i]))
            ++i;
        tokens.push_back({start, i});
    }
    return tokens;
}

QByteArrayView text(const QByteArray& line, const Token& t) {
    return QByteArrayView(line.constData() + t.start, t.end - t.start);
}

bool allDigits(QByteArrayView v, qsizetype minLen = 1, qsizetype maxLen = 64) {
    if (v.size() < minLen || v.size() > maxLen)
        return false;
    for (char c : v)
        if (!isDigit(c))
            return false;
    return true;
}

// "12:34", "1:05", and the "12:34:56" of some servers.
bool isClockTime(QByteArrayView v) {
    const qsizetype colon = v.indexOf(':');
    if (colon < 1 || colon > 2)
        return false;
    const QByteArrayView rest = v.sliced(colon + 1);
    if (rest.size() == 2)
        return allDigits(v.first(colon)) && allDigits(rest);
    if (rest.size() == 5 && rest[2] == ':')
        return allDigits(v.first(colon)) && allDigits(rest.first(2)) && allDigits(rest.sliced(3));
    return false;
}

// The Unix permission string: a type letter and nine permission characters,
// sometimes followed by an ACL or attribute mark.
bool isPermissions(QByteArrayView v) {
    if (v.size() < 10 || v.size() > 11)
        return false;
    if (!QByteArrayView("-dlbcpsDn").contains(v[0]))
        return false;
    for (qsizetype i = 1; i < 10; ++i)
        if (!QByteArrayView("-rwxsStTlL?").contains(v[i]))
            return false;
    return v.size() == 10 || QByteArrayView("+.@").contains(v[10]);
}

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

enum class MonthMatch { Exact, AnyCase, Loose };

bool isMonth(QByteArrayView v, MonthMatch how) {
    if (how == MonthMatch::Loose) {
        // Localised month names ("sty", "Mär", "paź"): short, no digits.
        if (v.size() < 3 || v.size() > 6)
            return false;
        for (char c : v)
            if (isDigit(c) || c == '-' || c == ':' || c == '/')
                return false;
        return isAsciiLetter(v[0]) || static_cast<unsigned char>(v[0]) >= 0x80;
    }
    if (v.size() != 3)
        return false;
    for (const char* m : kMonths) {
        const QByteArrayView month(m);
        if (how == MonthMatch::Exact ? v == month : v.compare(month, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isDay(QByteArrayView v) {
    if (v.endsWith('.'))
        v.chop(1);
    if (!allDigits(v, 1, 2))
        return false;
    const int day = v.toByteArray().toInt();
    return day >= 1 && day <= 31;
}

bool isYearOrTime(QByteArrayView v) {
    return allDigits(v, 4, 4) || isClockTime(v);
}

// "2003-01-10" followed by "12:34" (ls --time-style=long-iso and similar).
bool isIsoDate(QByteArrayView v) {
    return v.size() == 10 && v[4] == '-' && v[7] == '-' && allDigits(v.first(4)) &&
           allDigits(v.sliced(5, 2)) && allDigits(v.sliced(8, 2));
}

void splitLink(ParsedLine& parsed) {
    if (!parsed.isLink)
        return;
    const qsizetype arrow = parsed.name.indexOf(" -> ");
    if (arrow > 0) {
        parsed.linkTarget = parsed.name.mid(arrow + 4);
        parsed.name.truncate(arrow);
    }
}

// Finds where the name begins: one blank after the date, whose form is
// "Mon DD HH:MM", "Mon DD YYYY", "DD Mon ...", or "YYYY-MM-DD HH:MM". The
// date must follow a size (digits), which the owner and group fields before
// it, numeric or missing, cannot imitate in that order.
qsizetype unixNameStart(const QByteArray& line, const std::vector<Token>& t) {
    for (MonthMatch how : {MonthMatch::Exact, MonthMatch::AnyCase, MonthMatch::Loose}) {
        for (size_t i = 2; i + 2 < t.size(); ++i) {
            if (!allDigits(text(line, t[i - 1])))
                continue;
            const QByteArrayView a = text(line, t[i]);
            const QByteArrayView b = text(line, t[i + 1]);
            const QByteArrayView c = text(line, t[i + 2]);
            const bool monthFirst = isMonth(a, how) && isDay(b);
            const bool dayFirst = isDay(a) && isMonth(b, how);
            if ((monthFirst || dayFirst) && isYearOrTime(c))
                return t[i + 2].end + 1;
        }
    }
    for (size_t i = 2; i + 1 < t.size(); ++i) {
        if (allDigits(text(line, t[i - 1])) && isIsoDate(text(line, t[i])) &&
            isClockTime(text(line, t[i + 1])))
            return t[i + 1].end + 1;
    }
    return -1;
}

bool parseUnix(const QByteArray& line, qsizetype from, ParsedLine& parsed) {
    // The date sits within the first few fields; a name may hold any number of blanks.
    const std::vector<Token> t = tokenize(line, from, 12);
    if (t.size() < 4 || !isPermissions(text(line, t[0])))
        return false;
    const qsizetype start = unixNameStart(line, t);
    if (start < 0 || start >= line.size())
        return false;
    const char type = line[t[0].start];
    parsed.format = LineFormat::Unix;
    parsed.isFolder = type == 'd';
    parsed.isLink = type == 'l';
    parsed.name = line.mid(start);
    splitLink(parsed);
    return !parsed.name.isEmpty();
}

// "01-02-03", "01-02-2003", "01/02/03", "2003-01-02".
bool isDosDate(QByteArrayView v) {
    if (v.size() != 8 && v.size() != 10)
        return false;
    char sep = 0;
    int fields = 0;
    qsizetype fieldStart = 0;
    for (qsizetype i = 0; i <= v.size(); ++i) {
        if (i == v.size() || v[i] == '-' || v[i] == '/' || v[i] == '.') {
            if (i < v.size()) {
                if (sep && v[i] != sep)
                    return false;
                sep = v[i];
            }
            const qsizetype len = i - fieldStart;
            if (len < 1 || len > 4 || !allDigits(v.sliced(fieldStart, len)))
                return false;
            ++fields;
            fieldStart = i + 1;
        }
    }
    return fields == 3 && sep;
}

// "10:20AM", "10:20PM", "22:05", and "10:20" followed by a separate "AM".
bool isDosTime(QByteArrayView v, bool* separateMeridiem, QByteArrayView next) {
    *separateMeridiem = false;
    if (v.size() > 2) {
        const QByteArrayView tail = v.last(2);
        if (tail.compare("AM", Qt::CaseInsensitive) == 0 ||
            tail.compare("PM", Qt::CaseInsensitive) == 0)
            return isClockTime(v.chopped(2));
    }
    if (!isClockTime(v))
        return false;
    *separateMeridiem = next.compare("AM", Qt::CaseInsensitive) == 0 ||
                        next.compare("PM", Qt::CaseInsensitive) == 0;
    return true;
}

bool isDosSize(QByteArrayView v) {
    if (v.isEmpty())
        return false;
    for (char c : v)
        if (!isDigit(c) && c != ',' && c != '.')
            return false;
    return isDigit(v[0]);
}

bool parseDos(const QByteArray& line, qsizetype from, ParsedLine& parsed) {
    const std::vector<Token> t = tokenize(line, from, 5);
    if (t.size() < 4 || !isDosDate(text(line, t[0])))
        return false;
    bool separateMeridiem = false;
    if (!isDosTime(text(line, t[1]), &separateMeridiem, text(line, t[2])))
        return false;
    const size_t kindIndex = separateMeridiem ? 3 : 2;
    if (kindIndex >= t.size())
        return false;
    const QByteArrayView kind = text(line, t[kindIndex]);
    const bool folder = kind.compare("<DIR>", Qt::CaseInsensitive) == 0;
    if (!folder && !isDosSize(kind))
        return false;
    qsizetype start = t[kindIndex].end;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    if (start >= line.size())
        return false;
    parsed.format = LineFormat::Dos;
    parsed.isFolder = folder;
    parsed.name = line.mid(start);
    return true;
}

bool isSummary(const QByteArray& line, qsizetype from) {
    if (from >= line.size())
        return true; // blank line
    const std::vector<Token> t = tokenize(line, from, 3);
    return t.size() == 2 && text(line, t[0]) == "total" && allDigits(text(line, t[1]));
}

} // namespace

ParsedLine parseLine(const QByteArray& raw) {
    ParsedLine parsed;
    QByteArray line = raw;
    while (line.endsWith('\r') || line.endsWith('\n'))
        line.chop(1);
    qsizetype from = 0;
    while (from < line.size() && isBlank(line[from]))
        ++from;
    if (isSummary(line, from)) {
        parsed.kind = LineKind::Summary;
        return parsed;
    }
    if (parseUnix(line, from, parsed) || parseDos(line, from, parsed))
        return parsed;
    parsed = ParsedLine{};
    parsed.name = raw;
    return parsed;
}

QString decodeServerText(const QByteArray& bytes) {
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    return textfile::decode1250(bytes);
}

QString captionOf(const ParsedLine& parsed) {
    QString caption = decodeServerText(parsed.name);
    if (parsed.isLink && !parsed.linkTarget.isEmpty())
        caption += QStringLiteral(" -> ") + decodeServerText(parsed.linkTarget);
    return caption;
}

QString attributesOf(const QByteArray& raw) {
    return decodeServerText(raw).left(10);
}

} // namespace listing
