#pragma once
// The order of the remote list's captions: the system locale's collation,
// letter case significant, the same order QCollator gives, but fast enough for
// a million captions. Each caption's collation key is made once into one
// block of bytes; rows are compared eight key bytes at a time, held next to
// the row, so sorting never chases pointers.

#include <QString>

#include <cstdint>
#include <vector>

struct UCollator;

namespace remotelist {

class CaptionOrder {
public:
    CaptionOrder();
    ~CaptionOrder();
    CaptionOrder(const CaptionOrder&) = delete;
    CaptionOrder& operator=(const CaptionOrder&) = delete;

    void reserve(size_t texts);
    void add(const QString& text);
    // The positions of the added texts in collation order; equal texts keep
    // the order they were added in.
    std::vector<uint32_t> order() const;

    struct Key {
        uint64_t prefix = 0; // eight bytes of the key, big-endian
        uint32_t rest = 0;   // where the key starts in the block
        uint32_t position = 0;
    };
    // Eight bytes of a key from `key` on, zeros after its end.
    static uint64_t prefixAt(const char* key);

private:
    UCollator* collator_ = nullptr; // none: the C locale, UTF-8 byte order
    std::vector<char> keys_;        // every key, each ending in a zero byte
    std::vector<Key> items_;
};

} // namespace remotelist
