#include "servers/server_list_look.h"

#include "app/main_window.h"
#include "local/local_panel.h"
#include "servers/server_files.h"
#include "servers/server_list_view.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>
#include <QTreeWidget>

namespace servers_ui {
namespace {

constexpr int kFoundRole = Qt::UserRole + 7;

struct CategoryPicture {
    const char* themeName;
    QRgb colour; // of the drawn picture when the theme has none
};

// Firmy, Miasta, Szkoły - Uczelnie, Programy, Muzyka, Ulubione, Prywatne,
// Inne, Wszystkie serwery.
constexpr CategoryPicture kPictures[] = {
    {"applications-office", 0x2a6099},    {"preferences-desktop-locale", 0x3c8d2f},
    {"accessories-dictionary", 0x8d5a2f}, {"applications-system", 0x5c5c8a},
    {"folder-music", 0xb0306a},           {"emblem-favorite", 0xd4a017},
    {"changes-prevent", 0x7a2f2f},        {"folder", 0x6f6f6f},
    {"network-server", 0x1f4f7f},
};

QIcon drawnPicture(QRgb colour) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    painter.fillPath(card, QColor(colour));
    painter.setPen(QPen(QColor(colour).darker(140), 1));
    painter.drawPath(card);
    // A small server: two drive bays with their lights.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(3, 3.5, 10, 3.5));
    painter.drawRect(QRectF(3, 9, 10, 3.5));
    painter.setBrush(QColor(colour));
    painter.drawRect(QRectF(10, 4.5, 2, 1.5));
    painter.drawRect(QRectF(10, 10, 2, 1.5));
    return QIcon(picture);
}

} // namespace

QColor TServerListDelegate::gridColor(const QPalette& palette) {
    return palette.color(QPalette::Mid);
}

void TServerListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem look(option);
    if (index.siblingAtColumn(0).data(kFoundRole).toBool())
        look.state |= QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, look, index);
    painter->save();
    painter->setPen(QPen(gridColor(option.palette), 1));
    const QRect cell = option.rect;
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->restore();
}

void showGridLines(QTreeWidget* list) {
    list->setItemDelegate(new TServerListDelegate(list));
}

void markFound(QTreeWidget* list, QTreeWidgetItem* row) {
    clearFoundMark(list);
    if (row)
        row->setData(0, kFoundRole, true);
}

void clearFoundMark(QTreeWidget* list) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list->topLevelItem(i);
        if (isMarkedFound(row))
            row->setData(0, kFoundRole, QVariant());
    }
}

bool isMarkedFound(const QTreeWidgetItem* row) {
    return row && row->data(0, kFoundRole).toBool();
}

QIcon categoryPicture(int index) {
    if (index < 0 || index > servers::kAllServers)
        return {};
    const CategoryPicture& picture = kPictures[index];
    const QIcon themed = QIcon::fromTheme(QString::fromLatin1(picture.themeName));
    return themed.isNull() ? drawnPicture(picture.colour) : themed;
}

void showCategoryPictures(TForm1& form) {
    // Picture and caption side by side: one short row per button, so the
    // whole column fits beside the file list even with the log shown.
    form.localPanel->ToolBar2->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    form.localPanel->ToolBar2->setIconSize(QSize(16, 16));
    for (int code = 0; code <= servers::kAllServers; ++code) {
        if (QToolButton* button = categoryButton(form, code)) {
            button->setIcon(categoryPicture(code));
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
    }
}

} // namespace servers_ui
