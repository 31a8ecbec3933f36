// What the user sees of the main window: menus where the mouse was, pictures
// on the buttons, names a screen reader can read.

#include "log/log_pane.h"
#include "tests/app/shown_main_window.h"

#include <QMenu>
#include <QWindow>

namespace {

struct WindowLooks : ShownMainWindow {};

TEST_F(WindowLooks, ContextMenusOpenWhereTheListWasClicked) {
    open(1);
    const struct {
        QAbstractScrollArea* list;
        QMenu* menu;
    } lists[] = {{form->ftp_lista, form->menu_servery},
                 {form->l3, form->menu_ftp},
                 {form->pliki, form->menu_pliki},
                 {form->katalog, form->menu_katalog},
                 {form->memo1, form->menu_logi}};
    for (const auto& l : lists) {
        ASSERT_TRUE(l.list->isVisible()) << l.list->objectName().toStdString();
        // A right click a little inside the list's rows, sent to the window
        // as the desktop sends it.
        const QPoint inRows(25, 12);
        const QPoint clicked = l.list->viewport()->mapToGlobal(inRows);
        QTest::mouseClick(form->windowHandle(), Qt::RightButton, {},
                          form->windowHandle()->mapFromGlobal(clicked));
        QTRY_VERIFY_WITH_TIMEOUT(l.menu->isVisible(), 2000);
        // The menu's corner is at the click; a menu that does not fit below
        // the click opens above it instead.
        EXPECT_EQ(l.menu->pos().x(), clicked.x()) << l.list->objectName().toStdString();
        EXPECT_TRUE(l.menu->pos().y() == clicked.y() ||
                    l.menu->pos().y() + l.menu->height() == clicked.y())
            << l.list->objectName().toStdString() << ": menu at " << l.menu->pos().y()
            << ", click at " << clicked.y();
        l.menu->close();
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
