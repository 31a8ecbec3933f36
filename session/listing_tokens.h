#pragma once
// The small pieces the listing-line reader is built from: blank-separated
// words of a line (kept as positions, so the name can be cut out of the line
// byte for byte) and the shapes of the columns of an `ls -l` line.

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace listing {

struct Token {
    qsizetype start;
    qsizetype end; // one past the last byte
};

inline bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
inline bool isHighByte(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

// The first `maxTokens` words of the line; blanks before the first are skipped.
std::vector<Token> tokenize(const QByteArray& line, int maxTokens);

inline QByteArrayView text(const QByteArray& line, const Token& t) {
    return QByteArrayView(line.constData() + t.start, t.end - t.start);
}

bool allDigits(QByteArrayView v, qsizetype minLen = 1, qsizetype maxLen = 64);

// The value of a short run of digits, or -1.
int smallNumber(QByteArrayView v, qsizetype maxLen = 4);

// "12:34", "1:05", and the "12:34:56" of some servers.
bool isClockTime(QByteArrayView v);

// The size column: "1234", "ls -h" sizes ("9.0M", "172.4k", "12K"), and the
// "major,minor" of a device file when the server glues the two ("109,767").
bool isSizeColumn(QByteArrayView v);

} // namespace listing
