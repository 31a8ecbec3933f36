#pragma once
// The main window with a temporary program folder, recording services and a
// recording notification area (the offscreen platform has none).

#include "app/main_window.h"
#include "desktop/tray_icon.h"
#include "tests/support/ui/recording_services.h"
#include "tests/support/ui/recording_tray.h"
#include "tests/support/ui/temp_home.h"

#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

struct DesktopWindow : ::testing::Test {
    TempHome home;
    RecordingServices services;
    RecordingTray tray;
    std::unique_ptr<TForm1> form;

    ~DesktopWindow() override {
        if (!form)
            return;
        const QObjectList helpers = form->children();
        for (QObject* child : helpers)
            if (!child->isWidgetType() && child != form->layout())
                delete child;
    }

    void create(int language = 1) {
        home.writeDefaultKonf(language);
        form = std::make_unique<TForm1>();
        form->FormCreate();
        form->show();
        form->activateWindow();
    }

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
