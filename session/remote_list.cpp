#include "session/remote_list.h"

#include "platform/text_file.h"
#include "session/caption_order.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

#include <algorithm>

namespace remotelist {
namespace {

const QIcon& pictureIcon(int picture) {
    // ImageList2: a folder and a plain file.
    static const QIcon folder = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    static const QIcon file = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    return picture == kFolderPicture ? folder : file;
}

QByteArray rawBytes(QByteArrayView v) {
    // No copy: every use is over before the listing can go away.
    return QByteArray::fromRawData(v.data(), v.size());
}

} // namespace

RemoteListModel::RemoteListModel(QObject* parent) : QAbstractTableModel(parent) {}

void RemoteListModel::fill(const RawListing& lines, bool sorted) {
    beginResetModel();
    lines_ = lines;
    rows_.clear();
    order_.clear();
    filtered_ = false;
    rows_.reserve(size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView line = lines.line(i);
        const listing::ParsedLine parsed = listing::parseLine(rawBytes(line));
        if (parsed.kind != listing::LineKind::Entry)
            continue;
        // The name (and a link's " -> target") runs to the end of the line.
        const bool target = parsed.isLink && !parsed.linkTarget.isEmpty();
        const qsizetype tail = parsed.name.size() + (target ? 4 + parsed.linkTarget.size() : 0);
        rows_.push_back({uint32_t(i), uint32_t(line.size() - tail), uint32_t(parsed.name.size()),
                         uint8_t(parsed.isFolder), uint8_t(target)});
    }
    rows_.shrink_to_fit();
    order_.resize(rows_.size());
    for (size_t i = 0; i < order_.size(); ++i)
        order_[i] = uint32_t(i);
    if (sorted) {
        // Nothing is selected in a fresh list; the plain sort needs no bookkeeping.
        endResetModel();
        sortByCaption();
        return;
    }
    endResetModel();
}

void RemoteListModel::clear() {
    beginResetModel();
    lines_.clear();
    rows_.clear();
    rows_.shrink_to_fit();
    order_.clear();
    order_.shrink_to_fit();
    filtered_ = false;
    endResetModel();
}

void RemoteListModel::sortByCaption() {
    std::vector<uint32_t> sorted;
    {
        CaptionOrder captions;
        captions.reserve(order_.size());
        for (uint32_t entry : order_)
            captions.add(captionOf(rows_[entry]));
        sorted = captions.order();
    }
    for (uint32_t& place : sorted)
        place = order_[place];

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Where each entry is shown after the sort, for the selection and current row.
    std::vector<uint32_t> newPlace(rows_.size());
    for (size_t i = 0; i < sorted.size(); ++i)
        newPlace[sorted[i]] = uint32_t(i);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(index.isValid()
                         ? createIndex(int(newPlace[order_[size_t(index.row())]]), index.column())
                         : QModelIndex());
    order_ = std::move(sorted);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RemoteListModel::keepCaptionsEndingWith(const QString& mask) {
    // The rows are read in listing order, the way their lines lie in memory;
    // a sorted list visited in its own order would jump all over the listing.
    std::vector<uint8_t> matches(rows_.size());
    for (size_t i = 0; i < rows_.size(); ++i)
        matches[i] = captionEnd(rows_[i]) == mask;
    std::vector<uint32_t> kept;
    for (uint32_t entry : order_)
        if (matches[entry])
            kept.push_back(entry);
    beginResetModel();
    order_ = std::move(kept);
    filtered_ = true;
    endResetModel();
}

QByteArrayView RemoteListModel::nameBytes(const Row& row) const {
    return lines_.line(row.line).sliced(row.nameStart, row.nameLength);
}

QString RemoteListModel::captionOf(const Row& row) const {
    QString caption = listing::decodeServerText(rawBytes(nameBytes(row)));
    if (row.linkTarget) {
        const QByteArrayView line = lines_.line(row.line);
        caption +=
            QStringLiteral(" -> ") +
            listing::decodeServerText(rawBytes(line.sliced(row.nameStart + row.nameLength + 4)));
    }
    return caption;
}

QString RemoteListModel::captionEnd(const Row& row) const {
    if (row.linkTarget)
        return captionOf(row).right(3);
    const QByteArrayView name = nameBytes(row);
    if (!name.isValidUtf8())
        return textfile::decode1250(name.last(qMin<qsizetype>(3, name.size())).toByteArray());
    // Back from the end over whole characters until three UTF-16 units are covered.
    qsizetype start = name.size();
    int units = 0;
    while (start > 0 && units < 3) {
        const auto byte = uint8_t(name[--start]);
        if ((byte & 0xC0) != 0x80)
            units += byte >= 0xF0 ? 2 : 1;
    }
    return QString::fromUtf8(name.sliced(start)).right(3);
}

QString RemoteListModel::caption(int row) const {
    return captionOf(shown(row));
}

QString RemoteListModel::attributes(int row) const {
    if (filtered_)
        return QString();
    return listing::attributesOf(rawBytes(lines_.line(shown(row).line)));
}

int RemoteListModel::picture(int row) const {
    return !filtered_ && shown(row).folder ? kFolderPicture : kFilePicture;
}

QByteArray RemoteListModel::rawLine(int row) const {
    return lines_.line(shown(row).line).toByteArray();
}

listing::ParsedLine RemoteListModel::parsed(int row) const {
    return listing::parseLine(rawLine(row));
}

std::string RemoteListModel::remoteName(int row) const {
    const QByteArrayView name = nameBytes(shown(row));
    return std::string(name.data(), size_t(name.size()));
}

int RemoteListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(order_.size());
}

int RemoteListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant RemoteListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= order_.size())
        return {};
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? caption(index.row()) : attributes(index.row());
    if (role == Qt::DecorationRole && index.column() == 0)
        return pictureIcon(picture(index.row()));
    return {};
}

QVariant RemoteListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 2)
        return headers_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool RemoteListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                    int role) {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 2)
        return false;
    headers_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags RemoteListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace remotelist
