#include "log/log_pane.h"

#include "log/log_colors.h"
#include "platform/colors.h"

#include <QAbstractListModel>
#include <QPainter>
#include <QStyledItemDelegate>

// A plain list of strings; QStringListModel would do, but appending one row
// at a time to it copies more than a log that adds thousands of lines needs.
class LogLinesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(rows.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rows.size())
            return {};
        if (role == Qt::DisplayRole)
            return rows.at(index.row());
        return {};
    }
    void append(const QString& text) {
        beginInsertRows({}, int(rows.size()), int(rows.size()));
        rows.append(text);
        endInsertRows();
    }
    void clear() {
        beginResetModel();
        rows.clear();
        endResetModel();
    }

    QStringList rows;
};

namespace {

constexpr int kItemHeight = 13;

// Paints each line in the colour its kind calls for, one pixel in from the
// item's corner, on white or on the selection highlight.
class LogLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QString text = index.data(Qt::DisplayRole).toString();
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->fillRect(option.rect, selected ? option.palette.highlight() : QBrush(Qt::white));
        painter->setFont(option.font);
        painter->setPen(platform::colorFromValue(sessionlog::lineColor(text)));
        const QRect textRect = option.rect.adjusted(1, 1, 0, 0);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(kItemHeight);
        return size;
    }
};

} // namespace

TLogPane::TLogPane(QWidget* parent) : QListView(parent), lines_(new LogLinesModel(this)) {
    setObjectName("memo1");
    setModel(lines_);
    setItemDelegate(new LogLineDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, platform::colorFromValue(sessionlog::kNavy));
    setPalette(pal);
}

void TLogPane::appendShown(const QString& text) {
    if (lines_->rows.size() >= sessionlog::kCapacity)
        lines_->clear();
    lines_->append(text);
}

void TLogPane::addLine(const QString& line) {
    appendShown(line);
}

void TLogPane::logItem(const QString& line, bool hidePassword) {
    appendShown(sessionlog::paneText(line, hidePassword ? 1 : 0));
    const QModelIndex added = lines_->index(int(lines_->rows.size()) - 1);
    setCurrentIndex(added);
    scrollTo(added);
    lastItem = line;
}

void TLogPane::clear() {
    lines_->clear();
}

int TLogPane::count() const {
    return int(lines_->rows.size());
}

QString TLogPane::line(int row) const {
    return lines_->rows.value(row);
}

QStringList TLogPane::lines() const {
    return lines_->rows;
}

QString TLogPane::plainText() const {
    return lines_->rows.join(QLatin1Char('\n'));
}
