#include "ftp/id_listing.h"

#include <stdexcept>

TIdListing idSplitListingInPlace(std::string data) {
    TIdListing listing;
    size_t end = data.find('\0');
    if (end == std::string::npos)
        end = data.size();
    if (end > UINT32_MAX)
        throw std::length_error("listing too large for one block");
    const char* bytes = data.data();
    size_t start = 0, i = 0;
    while (i < end) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            listing.Lines.push_back({uint32_t(start), uint32_t(i - start)});
            if (c == '\r' && i + 1 < end && bytes[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < end)
        listing.Lines.push_back({uint32_t(start), uint32_t(end - start)});
    data.resize(end);
    listing.Bytes = std::move(data);
    return listing;
}

TIdListing idJoinListing(const std::vector<std::string>& lines) {
    TIdListing listing;
    size_t total = 0;
    for (const std::string& line : lines)
        total += line.size();
    if (total > UINT32_MAX)
        throw std::length_error("listing too large for one block");
    listing.Bytes.reserve(total);
    listing.Lines.reserve(lines.size());
    for (const std::string& line : lines) {
        listing.Lines.push_back({uint32_t(listing.Bytes.size()), uint32_t(line.size())});
        listing.Bytes += line;
    }
    return listing;
}
