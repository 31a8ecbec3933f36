#pragma once
// The main window with a recording notification area (the offscreen platform
// has none).

#include "desktop/tray_icon.h"
#include "tests/support/ui/main_window_fixture.h"
#include "tests/support/ui/recording_tray.h"

#include <QMenu>
#include <QTest>

struct DesktopWindow : MainWindowFixture {
    RecordingTray tray;

    // The window and its tray icon go while the recording area is installed.
    ~DesktopWindow() override { form.reset(); }

    // Clicks a menu item of an open pop-up menu.
    static void clickItem(QMenu* menu, QAction* item) {
        ASSERT_TRUE(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
    static QStringList items(const QMenu* menu) {
        QStringList out;
        for (const QAction* a : menu->actions())
            out.append(a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }
};
