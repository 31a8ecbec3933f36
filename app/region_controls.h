#pragma once
// The few kinds of control the main window's regions are built from, each
// given its object name so that tests and captions find it.

#include <QHeaderView>
#include <QLineEdit>
#include <QStringList>
#include <QToolButton>
#include <QTreeWidget>

namespace region {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

inline QToolButton* toolButton(QWidget* parent, const char* name, const QString& text,
                               const QString& hint = {}) {
    auto* button = named(new QToolButton(parent), name);
    button->setText(text);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    return button;
}

inline QLineEdit* readOnlyField(QWidget* parent, const char* name, const QString& text = {}) {
    auto* edit = named(new QLineEdit(text, parent), name);
    edit->setReadOnly(true);
    return edit;
}

inline QTreeWidget* reportList(QWidget* parent, const char* name, const QStringList& columns,
                               const QList<int>& widths) {
    auto* list = named(new QTreeWidget(parent), name);
    list->setColumnCount(int(columns.size()));
    list->setHeaderLabels(columns);
    for (int i = 0; i < widths.size(); ++i)
        list->setColumnWidth(i, widths[i]);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->header()->setSectionsClickable(true);
    return list;
}

} // namespace region
