#pragma once
// The remote list `l3`: a report-style view over the rows of the current
// remote folder. Rows are addressed by their number as shown.

#include "session/remote_list.h"

#include <QTreeView>

#include <vector>

class RemoteListView : public QTreeView {
public:
    explicit RemoteListView(QWidget* parent = nullptr);

    remotelist::RemoteListModel* rows() const { return rows_; }
    int rowCount() const { return rows_->rowCount(); }
    void clear() { rows_->clear(); }

    // -1 when no row is current.
    int currentRow() const;
    // Makes the row current and selects it as a click would (the others are deselected).
    void setCurrentRow(int row);
    bool isRowSelected(int row) const;
    void setRowSelected(int row, bool selected);
    // Adds the rows to the selection in one step.
    void selectRows(const std::vector<int>& rows);
    // The selected rows, top to bottom.
    std::vector<int> selectedRows() const;
    bool hasSelectedRows() const;
    QRect rowRect(int row) const;
    void setHeaderText(int column, const QString& text);

private:
    remotelist::RemoteListModel* rows_;
};
