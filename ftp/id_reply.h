// Text rules of replies and FTP answers, free of any socket so they can be checked alone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Removes leading and trailing blanks and control characters (bytes up to 0x20).
std::string idTrim(const std::string& s);

// Equal ignoring ASCII letter case.
bool idSameText(const std::string& a, const std::string& b);

// Decimal integer with an optional sign and nothing else; false when not one.
bool idParseInt64(const std::string& text, int64_t& value);

// The code of a reply's last line: 1 for "+OK", 0 for "-ERR", else its first three
// characters as a decimal number, 0 when they are not one.
int16_t idReplyCodeOf(const std::string& line);

struct IdPasvAddress {
    std::string Host;
    int32_t Port = 0;
};

// The address of a 227 reply line: between the first "(" and the first ")" when both
// are present, else the last blank-separated word. Raises EConvertError for a field
// that is not a number from 0 to 255.
IdPasvAddress idParsePasvReply(const std::string& line);

// The folder between the first two double quotes of a 257 line; empty without them.
std::string idParsePwdReply(const std::string& line);

// The size from the lines of a 213 reply, or -1.
int64_t idParseSizeReply(const std::vector<std::string>& replyLines);

// Listing data split into lines: CR LF, CR and LF each end a line, inner empty lines
// stay, a NUL byte ends the text.
std::vector<std::string> idSplitListing(const std::string& data);

// 1xx: a reply that announces another one; every other reply ends its command.
inline bool idIsPreliminaryCode(int code) {
    return code >= 100 && code < 200;
}

// The size a 150 reply announces as "(n bytes)" (the last such group); -1 when none.
int64_t idParseTransferSize(const std::string& line);

// "h1,h2,h3,h4,p1,p2" for a PORT command.
std::string idPortArgument(const std::string& ip, int32_t port);
