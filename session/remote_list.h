#pragma once
// The rows of the remote list `l3`. Each row carries the raw listing line it
// came from, so sorting and filtering can never separate a row from its line;
// every operation on a row reads the line from the row itself.

#include "session/listing_line.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace remotelist {

inline constexpr int kFolderPicture = 0;
inline constexpr int kFilePicture = 1;

// The raw listing line paired with a row.
QByteArray rawLine(const QTreeWidgetItem* row);
// 0 for a folder row, 1 for anything else.
int picture(const QTreeWidgetItem* row);
// The row's line read again: name to send, kind, link target.
listing::ParsedLine parsed(const QTreeWidgetItem* row);
// The name to send to the server for this row, exactly as the server wrote it.
std::string remoteName(const QTreeWidgetItem* row);

// A row for one raw line; nullptr for lines that are not entries ("total N").
QTreeWidgetItem* makeRow(const QByteArray& raw);
// A row that keeps the pairing of `source` but shows only a caption and the
// file picture (what the mask filter shows).
QTreeWidgetItem* makeFilteredRow(const QTreeWidgetItem* source);

struct Filled {
    QStringList rawLines; // the listing as text, in listing order
    bool utf8 = true;     // every line was valid UTF-8
};

// Empties `list` and fills it with one row per entry of `lines`, all at once.
// With `sorted`, the rows are put in caption order once, at the end.
Filled fill(QTreeWidget* list, const std::vector<std::string>& lines, bool sorted);

// Orders the rows by caption: the system locale's comparison, letter case
// significant. Selection and the current row stay where they were.
void sortByCaption(QTreeWidget* list);

} // namespace remotelist
