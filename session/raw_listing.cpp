#include "session/raw_listing.h"

#include "session/listing_line.h"

namespace remotelist {

RawListing::RawListing(TIdListing listing) {
    auto store = std::make_shared<Store>();
    store->listing = std::move(listing);
    // Line ends are ASCII, so the whole block is valid exactly when every line is.
    store->utf8 = QByteArrayView(store->listing.Bytes).isValidUtf8();
    store_ = std::move(store);
}

QByteArrayView RawListing::line(qsizetype i) const {
    if (i < 0 || i >= size())
        return {};
    const std::string_view bytes = store_->listing.Line(size_t(i));
    return QByteArrayView(bytes.data(), qsizetype(bytes.size()));
}

QString RawListing::value(qsizetype i) const {
    return listing::decodeServerText(line(i).toByteArray());
}

QStringList RawListing::toStringList() const {
    QStringList lines;
    lines.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        lines.append(value(i));
    return lines;
}

bool RawListing::contains(const QString& text) const {
    for (qsizetype i = 0; i < size(); ++i)
        if (value(i) == text)
            return true;
    return false;
}

} // namespace remotelist
