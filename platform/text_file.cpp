#include "platform/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>

namespace textfile {
namespace {

// Unicode of the Windows-1250 bytes 0x80..0xFF. The five bytes the code page
// leaves undefined map to the C1 control of the same number, so every byte
// survives a round trip.
constexpr std::array<char16_t, 128> kHigh1250 = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

const QByteArray kBom("\xEF\xBB\xBF");

char encodeChar1250(char16_t c, bool& ok) {
    if (c < 0x80)
        return char(c);
    for (size_t i = 0; i < kHigh1250.size(); ++i)
        if (kHigh1250[i] == c)
            return char(0x80 + i);
    ok = false;
    return '?';
}

// Unbuffered, so that a short write (the disk runs full) shows in the
// count write() returns; a buffered write would report every byte taken and
// lose the tail when the buffer is flushed.
bool openForAppend(QFile& file, Access access) {
    const bool existed = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    if (!existed && access == Access::OwnerOnly)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

} // namespace

bool hasUtf8Bom(const QByteArray& bytes) {
    return bytes.startsWith(kBom);
}

QList<QByteArray> splitLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    QByteArray line;
    bool pending = false; // a line has begun (or the previous one ended without LF yet)
    for (char ch : bytes) {
        if (ch == '\x1A')
            break;
        if (ch == '\n') {
            lines.append(line);
            line.clear();
            pending = false;
        } else if (ch != '\r') {
            line.append(ch);
            pending = true;
        }
    }
    if (pending)
        lines.append(line);
    return lines;
}

QString decode1250(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out.append(QChar(b < 0x80 ? char16_t(b) : kHigh1250[b - 0x80]));
    }
    return out;
}

QByteArray encode1250(const QString& text, bool* ok) {
    QByteArray out;
    out.reserve(text.size());
    bool allOk = true;
    for (QChar c : text)
        out.append(encodeChar1250(c.unicode(), allOk));
    if (ok)
        *ok = allOk;
    return out;
}

QStringList decodeLines(const QByteArray& bytes) {
    const bool utf8 = hasUtf8Bom(bytes);
    QStringList out;
    for (const QByteArray& line : splitLines(utf8 ? bytes.mid(kBom.size()) : bytes))
        out.append(utf8 ? QString::fromUtf8(line) : decode1250(line));
    return out;
}

QByteArray encodeLines(const QStringList& lines) {
    QByteArray out;
    bool ok = true;
    for (const QString& line : lines) {
        out.append(encode1250(line, &ok));
        out.append("\r\n");
        if (!ok)
            break;
    }
    if (ok)
        return out;
    out = kBom;
    for (const QString& line : lines) {
        out.append(line.toUtf8());
        out.append("\r\n");
    }
    return out;
}

QByteArray readBytes(const QString& path, bool* exists) {
    QFile file(path);
    const bool there = file.exists();
    if (exists)
        *exists = there;
    if (!there || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList readLines(const QString& path, bool* exists) {
    return decodeLines(readBytes(path, exists));
}

bool writeBytes(const QString& path, const QByteArray& bytes, Access access) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (access == Access::OwnerOnly)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeLines(const QString& path, const QStringList& lines, Access access) {
    return writeBytes(path, encodeLines(lines), access);
}

bool appendBytes(const QString& path, const QByteArray& bytes, Access access) {
    QFile file(path);
    if (!openForAppend(file, access))
        return false;
    const qint64 oldSize = file.size();
    if (file.write(bytes) == bytes.size())
        return true;
    // Half a record would read as a broken line: take back what got in.
    file.resize(oldSize);
    return false;
}

bool appendLines(const QString& path, const QStringList& lines, Access access) {
    bool exists = false;
    const QByteArray current = readBytes(path, &exists);
    const bool utf8File = hasUtf8Bom(current);
    QByteArray tail;
    bool ok = true;
    for (const QString& line : lines) {
        tail.append(utf8File ? line.toUtf8() : encode1250(line, &ok));
        tail.append("\r\n");
    }
    if (!ok) {
        // The file must change encoding to keep the new text: rewrite it whole.
        QStringList all = exists ? decodeLines(current) : QStringList();
        // Keep an unterminated last line as the line it is, as appending would.
        if (!current.isEmpty() && !current.endsWith('\n') && !all.isEmpty()) {
            QString last = all.takeLast();
            QStringList rest = lines;
            rest.first().prepend(last);
            all += rest;
        } else {
            all += lines;
        }
        return writeLines(path, all, access);
    }
    return appendBytes(path, tail, access);
}

} // namespace textfile
