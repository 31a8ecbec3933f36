#pragma once
// Finding the date of an `ls -l` line. The name is whatever follows the date,
// so the date decides where the name begins; the columns before it (links,
// owner, group, size) vary too much between servers to be counted.

#include "session/listing_tokens.h"

#include <optional>
#include <vector>

namespace listing {

struct DateColumns {
    size_t first; // token index of the date's first word
    size_t last;  // and of its last (the time or the year, when there is one)
};

// `tokens[0]` is the permission column. `ownerAt` is the index of the first
// token after the link count, which is where a layout with owner and group
// needs five columns before its date.
std::optional<DateColumns> findUnixDate(const QByteArray& line, const std::vector<Token>& tokens,
                                        size_t ownerAt);

// Where the name begins after the date: one blank after it, except where the
// year was printed left-aligned in its five-character column.
qsizetype nameStartAfterDate(const QByteArray& line, const std::vector<Token>& tokens,
                             const DateColumns& date);

} // namespace listing
