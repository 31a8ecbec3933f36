#pragma once
// The remote listing exactly as received (`ListBox1`): one block of bytes with
// the place of each line, shared by the rows of `l3` instead of copied into
// them. A million lines cost their bytes and eight more each.

#include "ftp/id_listing.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <memory>

namespace remotelist {

class RawListing {
public:
    RawListing() = default;
    explicit RawListing(TIdListing listing);

    qsizetype size() const { return store_ ? qsizetype(store_->listing.Lines.size()) : 0; }
    bool isEmpty() const { return size() == 0; }
    void clear() { store_.reset(); }

    // The bytes of line i; valid while this listing (or a copy of it) lives.
    QByteArrayView line(qsizetype i) const;
    // Line i as the user reads it.
    QString value(qsizetype i) const;
    QStringList toStringList() const;
    bool contains(const QString& text) const;
    // Every line is valid UTF-8 (then names are sent back as UTF-8).
    bool isValidUtf8() const { return !store_ || store_->utf8; }

private:
    struct Store {
        TIdListing listing;
        bool utf8 = true;
    };
    std::shared_ptr<const Store> store_;
};

} // namespace remotelist
