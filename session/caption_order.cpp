#include "session/caption_order.h"

#include <QLocale>

#include <unicode/ucol.h>

#include <algorithm>

namespace remotelist {

CaptionOrder::CaptionOrder() {
    const QLocale locale;
    if (locale.language() == QLocale::C)
        return;
    // Configured as QCollator configures it for case-sensitive comparison, so
    // the list sorts exactly as the rest of the program compares.
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray name = locale.bcp47Name().replace(u'-', u'_').toLatin1();
    collator_ = ucol_open(name.constData(), &status);
    if (U_FAILURE(status)) {
        if (collator_)
            ucol_close(collator_);
        collator_ = nullptr;
        return;
    }
    ucol_setAttribute(collator_, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    ucol_setAttribute(collator_, UCOL_STRENGTH, UCOL_DEFAULT_STRENGTH, &status);
    ucol_setAttribute(collator_, UCOL_NUMERIC_COLLATION, UCOL_OFF, &status);
    ucol_setAttribute(collator_, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
}

CaptionOrder::~CaptionOrder() {
    if (collator_)
        ucol_close(collator_);
}

void CaptionOrder::reserve(size_t texts) {
    items_.reserve(texts);
    keys_.reserve(texts * 32);
}

void CaptionOrder::add(const QString& text) {
    const size_t start = keys_.size();
    if (collator_) {
        // Keys run a little longer than their text; one retry covers the rest.
        size_t room = size_t(text.size()) * 3 + 16;
        keys_.resize(start + room);
        auto make = [&] {
            return size_t(ucol_getSortKey(
                collator_, reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()),
                reinterpret_cast<uint8_t*>(keys_.data() + start), int32_t(room)));
        };
        size_t length = make();
        if (length > room) {
            room = length;
            keys_.resize(start + room);
            length = make();
        }
        keys_.resize(start + length); // the key's zero byte included
    } else {
        const QByteArray utf8 = text.toUtf8();
        keys_.insert(keys_.end(), utf8.constData(), utf8.constData() + utf8.size());
        keys_.push_back('\0');
    }
    items_.push_back({prefixAt(keys_.data() + start), uint32_t(start), uint32_t(items_.size())});
}

namespace {

using Keys = std::vector<CaptionOrder::Key>::iterator;

bool hasEnd(uint64_t prefix) {
    // The zero byte ending a key is the last of the eight once it is among them.
    return (prefix & 0xff) == 0;
}

// Sorts by the loaded eight bytes, then each run of keys that share them by
// their next eight bytes, and so on: every comparison stays inside the array,
// and each key's bytes are fetched once per eight bytes of depth.
void sortRuns(Keys begin, Keys end, const char* keys, uint32_t depth) {
    std::stable_sort(begin, end, [](const CaptionOrder::Key& a, const CaptionOrder::Key& b) {
        return a.prefix < b.prefix;
    });
    for (Keys run = begin; run != end;) {
        Keys runEnd = run + 1;
        while (runEnd != end && runEnd->prefix == run->prefix)
            ++runEnd;
        if (runEnd - run > 1 && !hasEnd(run->prefix)) {
            for (Keys k = run; k != runEnd; ++k)
                k->prefix = CaptionOrder::prefixAt(keys + k->rest + 8 * (depth + 1));
            sortRuns(run, runEnd, keys, depth + 1);
        }
        run = runEnd;
    }
}

} // namespace

uint64_t CaptionOrder::prefixAt(const char* key) {
    uint64_t prefix = 0;
    for (int i = 0; i < 8; ++i) {
        const auto byte = uint8_t(key[i]);
        prefix = (prefix << 8) | byte;
        if (byte == 0)
            return prefix << (8 * (7 - i));
    }
    return prefix;
}

std::vector<uint32_t> CaptionOrder::order() const {
    std::vector<Key> sorted = items_;
    sortRuns(sorted.begin(), sorted.end(), keys_.data(), 0);
    std::vector<uint32_t> positions(sorted.size());
    for (size_t i = 0; i < sorted.size(); ++i)
        positions[i] = sorted[i].position;
    return positions;
}

} // namespace remotelist
