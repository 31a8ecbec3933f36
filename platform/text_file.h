#pragma once
// Every .dat state file goes through these few functions, so that all of
// them read and write the same way: 8-bit Windows-1250 text with CR LF line
// ends, as installations have always kept them. A file that starts with a
// UTF-8 byte-order mark is read as UTF-8, and a text that Windows-1250 cannot
// hold is written as UTF-8 with that mark, so no character is ever lost.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace textfile {

enum class Access {
    Normal,
    OwnerOnly, // files that hold passwords
};

// Splits raw file bytes into lines: LF or CR LF end a line, a lone CR is
// dropped, Ctrl-Z (0x1A) ends the file and the last line may lack its end.
QList<QByteArray> splitLines(const QByteArray& bytes);

// Windows-1250 <-> Unicode. encode1250 sets *ok to false when a character
// has no Windows-1250 form (it is then written as '?').
QString decode1250(const QByteArray& bytes);
QByteArray encode1250(const QString& text, bool* ok = nullptr);

// Decodes a whole file's bytes (BOM -> UTF-8, otherwise Windows-1250) into lines.
QStringList decodeLines(const QByteArray& bytes);
// Encodes lines with CR LF after each; UTF-8 with a BOM when Windows-1250 cannot hold them.
QByteArray encodeLines(const QStringList& lines);

// Reads a file's lines; a missing file is an empty list (and *exists false).
QStringList readLines(const QString& path, bool* exists = nullptr);
// The raw bytes of a file; empty when it cannot be read.
QByteArray readBytes(const QString& path, bool* exists = nullptr);

// Rewrites a file whole through a temporary file and an atomic rename.
bool writeLines(const QString& path, const QStringList& lines, Access access = Access::Normal);
bool writeBytes(const QString& path, const QByteArray& bytes, Access access = Access::Normal);

// Appends lines (each followed by CR LF) to the end of a file, creating it
// when missing. A file kept as UTF-8 stays UTF-8; a Windows-1250 file whose
// new lines need UTF-8 is converted whole so that it stays readable.
bool appendLines(const QString& path, const QStringList& lines, Access access = Access::Normal);
// Appends raw bytes as they are (for the formats that append their own line breaks).
bool appendBytes(const QString& path, const QByteArray& bytes, Access access = Access::Normal);

bool hasUtf8Bom(const QByteArray& bytes);

} // namespace textfile
