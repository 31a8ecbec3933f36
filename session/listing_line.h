#pragma once
// Reading one line of a LIST reply: Unix `ls -l` lines and DOS/IIS lines.
// The name is taken from the bytes exactly as the server sent them, so that
// commands naming the entry send back the same bytes; only what the user sees
// is decoded.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>

namespace listing {

enum class LineKind {
    Entry,   // one file, folder, link or device
    Summary, // "total N" and blank lines: part of the reply, not an entry
};

enum class LineFormat { Unix, Dos, Unreadable };

struct ParsedLine {
    LineKind kind = LineKind::Entry;
    LineFormat format = LineFormat::Unreadable;
    // The name to send back to the server; an unreadable line keeps itself whole.
    QByteArray name;
    // For a symbolic link ("name -> target"): what it points at.
    QByteArray linkTarget;
    bool isFolder = false;
    bool isLink = false;
    // Bytes, when the size column gives them exactly; -1 for "ls -h" sizes, devices and
    // lines without one.
    int64_t size = -1;
};

ParsedLine parseLine(const QByteArray& raw);

// Server text as the user sees it: UTF-8 when the bytes are valid UTF-8,
// otherwise Windows-1250 (the code page of the servers this client grew up with).
QString decodeServerText(const QByteArray& bytes);
// The same for text the engine hands over (replies, folder names).
QString decodeServerText(const std::string& bytes);

// The text shown as an entry's caption: the name, and for a link " -> target".
QString captionOf(const ParsedLine& parsed);

// The attribute column: the first ten characters of the raw line.
QString attributesOf(const QByteArray& raw);

} // namespace listing
