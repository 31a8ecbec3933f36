#pragma once
// Driving a window as a user does: shown and activated, rows clicked and
// double-clicked with the mouse, keys typed into the focused widget.

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

namespace userinput {

// Shows the window and waits until the desktop has made it the active one.
inline ::testing::AssertionResult showActive(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window, 3000))
        return ::testing::AssertionFailure()
               << window.objectName().toStdString() << " never became active";
    return ::testing::AssertionSuccess();
}

// Another window takes the focus and gives it back: the main window's
// activation handler runs again, as after any dialog.
inline ::testing::AssertionResult reactivate(QWidget& window) {
    QWidget other;
    other.setObjectName(QStringLiteral("OtherWindow"));
    other.resize(120, 80);
    if (auto result = showActive(other); !result)
        return result;
    other.hide();
    return showActive(window);
}

inline void clickRow(QTreeWidget* list, QTreeWidgetItem* row) {
    list->scrollToItem(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(row).center());
}

inline void doubleClickRow(QTreeWidget* list, QTreeWidgetItem* row) {
    clickRow(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                       list->visualItemRect(row).center());
}

inline void clickRow(QListWidget* list, QListWidgetItem* row) {
    list->scrollToItem(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(row).center());
}

// The first row whose first column reads `caption`, or nullptr.
inline QTreeWidgetItem* rowOf(QTreeWidget* list, const QString& caption) {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == caption)
            return list->topLevelItem(i);
    return nullptr;
}

// The same for a list over a model: the first row whose first column reads
// `caption`, or an invalid index.
inline QModelIndex indexOf(const QAbstractItemView* list, const QString& caption) {
    const QAbstractItemModel* rows = list->model();
    for (int i = 0; i < rows->rowCount(); ++i)
        if (rows->index(i, 0).data().toString() == caption)
            return rows->index(i, 0);
    return {};
}

inline void clickRow(QAbstractItemView* list, const QModelIndex& row) {
    list->scrollTo(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualRect(row).center());
}

inline void doubleClickRow(QAbstractItemView* list, const QModelIndex& row) {
    clickRow(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                       list->visualRect(row).center());
}

} // namespace userinput
