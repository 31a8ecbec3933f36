#include "session/remote_list_view.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>

RemoteListView::RemoteListView(QWidget* parent)
    : QTreeView(parent), rows_(new remotelist::RemoteListModel(this)) {
    setModel(rows_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(true);
}

int RemoteListView::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void RemoteListView::setCurrentRow(int row) {
    setCurrentIndex(rows_->index(row, 0));
}

bool RemoteListView::isRowSelected(int row) const {
    return selectionModel()->isRowSelected(row, QModelIndex());
}

void RemoteListView::setRowSelected(int row, bool selected) {
    const QModelIndex index = rows_->index(row, 0);
    if (!index.isValid())
        return;
    selectionModel()->select(
        index, (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                   QItemSelectionModel::Rows);
}

void RemoteListView::selectRows(const std::vector<int>& rows) {
    QItemSelection selection;
    // Neighbouring rows go in as one range: select-all on a large folder stays cheap.
    for (size_t i = 0; i < rows.size();) {
        size_t last = i;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
            ++last;
        selection.append(QItemSelectionRange(rows_->index(rows[i], 0),
                                             rows_->index(rows[last], rows_->columnCount() - 1)));
        i = last + 1;
    }
    selectionModel()->select(selection, QItemSelectionModel::Select);
}

std::vector<int> RemoteListView::selectedRows() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

bool RemoteListView::hasSelectedRows() const {
    return selectionModel()->hasSelection();
}

QRect RemoteListView::rowRect(int row) const {
    return visualRect(rows_->index(row, 0));
}

void RemoteListView::setHeaderText(int column, const QString& text) {
    rows_->setHeaderData(column, Qt::Horizontal, text, Qt::DisplayRole);
}
