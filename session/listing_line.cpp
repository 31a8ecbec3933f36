#include "session/listing_line.h"

#include "platform/text_file.h"
#include "session/listing_date.h"
#include "session/listing_tokens.h"

#include <vector>

namespace listing {
namespace {

struct PermissionColumn {
    bool valid = false;
    // "drwxr-x---+1464": some servers glue a wide link count to the mode.
    bool linkCountGlued = false;
};

// The Unix permission string: a type letter and nine permission characters
// (eight on some embedded servers), then perhaps an ACL, SELinux or
// extended-attribute mark ("+", ".", "@") and a glued link count.
PermissionColumn permissionColumn(QByteArrayView v) {
    PermissionColumn column;
    if (v.size() < 9 || !QByteArrayView("-dlbcpsDn").contains(v[0]))
        return column;
    qsizetype i = 1;
    while (i < v.size() && i < 10 && QByteArrayView("-rwxsStTlL?").contains(v[i]))
        ++i;
    if (i < 9)
        return column;
    const bool fullMode = i == 10;
    const qsizetype marks = i;
    while (i < v.size() && i < marks + 2 && QByteArrayView("+.@").contains(v[i]))
        ++i;
    if (i == v.size()) {
        column.valid = true;
        return column;
    }
    column.valid = fullMode && allDigits(v.sliced(i));
    column.linkCountGlued = column.valid;
    return column;
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

// A line without any date ("drwxr-xr-x 3 user group 512 name"): only the
// plain layout of links, owner, group and size can place the name.
qsizetype datelessNameStart(const QByteArray& line, const std::vector<Token>& t, size_t ownerAt) {
    const size_t sizeAt = ownerAt + 2;
    if (sizeAt + 1 >= t.size() || !isSizeColumn(text(line, t[sizeAt])))
        return -1;
    if (ownerAt == 2 && !allDigits(text(line, t[1])))
        return -1;
    return t[sizeAt].end + 1;
}

// The digits of a size column as a number; -1 when anything else is in it. DOS lines
// may group thousands with ',' or '.', which `grouped` lets through.
int64_t exactSize(QByteArrayView v, bool grouped) {
    QByteArray digits;
    for (char c : v) {
        if (isDigit(c))
            digits += c;
        else if (!grouped || (c != ',' && c != '.'))
            return -1;
    }
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    return ok ? value : -1;
}

bool parseUnix(const QByteArray& line, const std::vector<Token>& t, ParsedLine& parsed) {
    if (t.size() < 3)
        return false;
    const PermissionColumn mode = permissionColumn(text(line, t[0]));
    if (!mode.valid)
        return false;
    const size_t ownerAt = mode.linkCountGlued ? 1 : 2;
    qsizetype start = -1;
    size_t sizeAt = ownerAt + 2;
    if (const auto date = findUnixDate(line, t, ownerAt)) {
        start = nameStartAfterDate(line, t, *date);
        sizeAt = date->first - 1;
    } else {
        start = datelessNameStart(line, t, ownerAt);
    }
    if (start < 0 || start >= line.size())
        return false;
    parsed.size = exactSize(text(line, t[sizeAt]), false);
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

bool parseDos(const QByteArray& line, const std::vector<Token>& t, ParsedLine& parsed) {
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
    if (!folder)
        parsed.size = exactSize(kind, true);
    parsed.name = line.mid(start);
    return true;
}

bool isSummary(const QByteArray& line, const std::vector<Token>& t) {
    if (t.empty())
        return true; // blank line
    return t.size() == 2 && text(line, t[0]) == "total" && isSizeColumn(text(line, t[1]));
}

} // namespace

ParsedLine parseLine(const QByteArray& raw) {
    ParsedLine parsed;
    QByteArray line = raw;
    while (line.endsWith('\r') || line.endsWith('\n'))
        line.chop(1);
    // One split serves every reading of the line. The date of a Unix line
    // sits after a handful of columns (more when an owner or group is several
    // words); a name may hold any number of blanks, which need no splitting.
    const std::vector<Token> t = tokenize(line, 24);
    if (isSummary(line, t)) {
        parsed.kind = LineKind::Summary;
        return parsed;
    }
    if (parseUnix(line, t, parsed) || parseDos(line, t, parsed))
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

QString decodeServerText(const std::string& bytes) {
    return decodeServerText(QByteArray::fromStdString(bytes));
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
