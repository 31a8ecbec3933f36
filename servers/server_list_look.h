#pragma once
// How the server list and the category toolbar look: ftp_lista's grid lines
// and the mark of a server found by the search bar, and the pictures of the
// category toolbar ToolBar2.

#include <QIcon>
#include <QStyledItemDelegate>

class TForm1;
class QTreeWidget;
class QTreeWidgetItem;

namespace servers_ui {

// Paints every cell of ftp_lista with grid lines along its right and bottom
// edges, and a row marked as found in the highlight colour.
class TServerListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    // The colour of the grid lines in a list with palette `palette`.
    static QColor gridColor(const QPalette& palette);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// Gives ftp_lista its grid lines.
void showGridLines(QTreeWidget* list);

// The found-server mark (the drop-target highlight): one row at most; the
// selection, and so the connection fields, stay as they are.
void markFound(QTreeWidget* list, QTreeWidgetItem* row);
void clearFoundMark(QTreeWidget* list);
bool isMarkedFound(const QTreeWidgetItem* row);

// Picture `index` (0..8) of the category toolbar: a theme picture when the
// desktop has one, otherwise one drawn here.
QIcon categoryPicture(int index);
// Puts the pictures 0..8 on the category buttons, captions beside them.
void showCategoryPictures(TForm1& form);

} // namespace servers_ui
