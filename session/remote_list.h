#pragma once
// The rows of the remote list `l3`: a model over the listing as received.
// A row keeps only where its line and name lie in the shared listing bytes and
// what kind of entry it is; captions are decoded when the view asks for them.
// Sorting and the mask filter reorder or drop row numbers, never the rows, so
// a row can never be separated from its raw line.

#include "session/listing_line.h"
#include "session/raw_listing.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace remotelist {

inline constexpr int kFolderPicture = 0;
inline constexpr int kFilePicture = 1;

class RemoteListModel : public QAbstractTableModel {
public:
    explicit RemoteListModel(QObject* parent = nullptr);

    // Empties the list and shows one row per entry of `lines` ("total N" and
    // blank lines are no entries). With `sorted`, the rows come in caption order.
    void fill(const RawListing& lines, bool sorted);
    void clear();

    // Orders the rows by caption: the system locale's comparison, letter case
    // significant, equal captions in listing order. Selection and the current
    // row stay with their rows.
    void sortByCaption();
    // The mask filter: keeps, in their order, the rows whose caption's last
    // three characters (the whole caption when shorter) equal `mask`; they
    // show the file picture and no attributes from then on.
    void keepCaptionsEndingWith(const QString& mask);

    // Row i as shown (after sorting and filtering).
    QString caption(int row) const;
    QString attributes(int row) const;
    int picture(int row) const;
    QByteArray rawLine(int row) const;
    // The row's line read again: name to send, kind, link target.
    listing::ParsedLine parsed(int row) const;
    // The name to send to the server for this row, exactly as the server wrote it.
    std::string remoteName(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Row {
        uint32_t line = 0;       // in the raw listing
        uint32_t nameStart = 0;  // within the line
        uint32_t nameLength = 0; // a link's name stops before " -> "
        uint8_t folder = 0;      // the folder picture
        uint8_t linkTarget = 0;  // " -> target" follows the name
    };
    const Row& shown(int row) const { return rows_[order_[size_t(row)]]; }
    QByteArrayView nameBytes(const Row& row) const;
    QString captionOf(const Row& row) const;
    // The caption's last three characters, without decoding the rest.
    QString captionEnd(const Row& row) const;

    RawListing lines_;
    std::vector<Row> rows_;       // entries in listing order
    std::vector<uint32_t> order_; // shown row -> entry
    bool filtered_ = false;
    QString headers_[2];
};

} // namespace remotelist
