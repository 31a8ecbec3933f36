#include "session/remote_list.h"

#include <QApplication>
#include <QCollator>
#include <QHash>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>

namespace remotelist {
namespace {

constexpr int kRawLineRole = Qt::UserRole;
constexpr int kPictureRole = Qt::UserRole + 1;

const QIcon& pictureIcon(int picture) {
    // ImageList2: a folder and a plain file.
    static const QIcon folder = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    static const QIcon file = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    return picture == kFolderPicture ? folder : file;
}

QTreeWidgetItem* newRow(const QString& caption, const QString& attributes, int picture,
                        const QByteArray& raw) {
    auto* row = new QTreeWidgetItem;
    row->setText(0, caption);
    row->setText(1, attributes);
    row->setIcon(0, pictureIcon(picture));
    row->setData(0, kRawLineRole, raw);
    row->setData(0, kPictureRole, picture);
    return row;
}

// Sort keys are made once per row, so a large listing sorts in n log n
// cheap comparisons instead of as many locale-aware string comparisons.
void orderByCaption(QList<QTreeWidgetItem*>& rows) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::vector<std::pair<QCollatorSortKey, QTreeWidgetItem*>> keyed;
    keyed.reserve(size_t(rows.size()));
    for (QTreeWidgetItem* row : rows)
        keyed.emplace_back(collator.sortKey(row->text(0)), row);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i] = keyed[size_t(i)].second;
}

} // namespace

QByteArray rawLine(const QTreeWidgetItem* row) {
    return row ? row->data(0, kRawLineRole).toByteArray() : QByteArray();
}

int picture(const QTreeWidgetItem* row) {
    return row ? row->data(0, kPictureRole).toInt() : kFilePicture;
}

listing::ParsedLine parsed(const QTreeWidgetItem* row) {
    return listing::parseLine(rawLine(row));
}

std::string remoteName(const QTreeWidgetItem* row) {
    return parsed(row).name.toStdString();
}

QTreeWidgetItem* makeRow(const QByteArray& raw) {
    const listing::ParsedLine line = listing::parseLine(raw);
    if (line.kind != listing::LineKind::Entry)
        return nullptr;
    return newRow(listing::captionOf(line), listing::attributesOf(raw),
                  line.isFolder ? kFolderPicture : kFilePicture, raw);
}

QTreeWidgetItem* makeFilteredRow(const QTreeWidgetItem* source) {
    return newRow(source->text(0), QString(), kFilePicture, rawLine(source));
}

Filled fill(QTreeWidget* list, const std::vector<std::string>& lines, bool sorted) {
    Filled filled;
    filled.rawLines.reserve(qsizetype(lines.size()));
    QList<QTreeWidgetItem*> rows;
    rows.reserve(qsizetype(lines.size()));
    QHash<QString, QString> sharedAttributes;
    for (const std::string& line : lines) {
        const QByteArray raw = QByteArray::fromStdString(line);
        if (!raw.isValidUtf8())
            filled.utf8 = false;
        filled.rawLines.append(listing::decodeServerText(raw));
        if (QTreeWidgetItem* row = makeRow(raw)) {
            // Most rows share a handful of permission strings: keep one copy of each.
            const QString attributes = row->text(1);
            auto known = sharedAttributes.constFind(attributes);
            if (known == sharedAttributes.constEnd())
                known = sharedAttributes.insert(attributes, attributes);
            row->setText(1, known.value());
            rows.append(row);
        }
    }
    list->clear();
    if (sorted)
        orderByCaption(rows);
    list->addTopLevelItems(rows);
    return filled;
}

void sortByCaption(QTreeWidget* list) {
    QTreeWidgetItem* current = list->currentItem();
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    QList<QTreeWidgetItem*> rows = list->invisibleRootItem()->takeChildren();
    orderByCaption(rows);
    list->addTopLevelItems(rows);
    if (current)
        list->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem* row : selected)
        row->setSelected(true);
}

} // namespace remotelist
