// A listing as one block of bytes and the place of each line in it: a folder of a
// million entries is handed to the window without a string per line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TIdListingLine {
    uint32_t Start = 0;
    uint32_t Length = 0; // without the line end
};

struct TIdListing {
    std::string Bytes;
    std::vector<TIdListingLine> Lines;

    std::string_view Line(size_t i) const {
        return std::string_view(Bytes).substr(Lines[i].Start, Lines[i].Length);
    }
};

// The same lines idSplitListing finds (CR LF, CR and LF end a line, inner empty lines
// stay, a NUL byte ends the text), found in place. The bytes must fit 32-bit offsets.
TIdListing idSplitListingInPlace(std::string data);

// A listing built from lines already split (each line without its end).
TIdListing idJoinListing(const std::vector<std::string>& lines);
