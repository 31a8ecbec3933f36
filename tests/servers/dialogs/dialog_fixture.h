#pragma once
// The main window offscreen with a temporary program folder and recording
// platform services, and the few moves a user makes in the dialogs.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "platform/text_file.h"
#include "servers/server_files.h"
#include "tests/servers/qstring_print.h"
#include "tests/support/ui/main_window_fixture.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

struct DialogFixture : MainWindowFixture {

    // The main window as start-up leaves it, showing category `startCategory`.
    void start(int language = 1, int startCategory = 7) {
        home.writeDefaultKonf(language, startCategory);
        // Both are idempotent; start-up wires them too.
        createWindow([](TForm1& window) {
            window.wireServerLists();
            window.wireServerDialogs();
        });
        showWindow();
    }

    // Check boxes and radio buttons take clicks on their box and caption
    // only: aim at the box.
    static void click(QAbstractButton* button) {
        const bool boxed = button->inherits("QCheckBox") || button->inherits("QRadioButton");
        const QPoint at = boxed ? QPoint(6, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }
    // Types text key by key; Polish letters arrive as the keyboard sends them.
    static void type(QWidget* field, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static void clickRow(QListWidget* list, int row) {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    // Clicks the server whose caption is `name` in the main list.
    void clickServer(const QString& name) {
        const auto found = form->serverPanel->ftp_lista->findItems(name, Qt::MatchExactly, 0);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        form->serverPanel->ftp_lista->scrollToItem(found.first());
        QTest::mouseClick(form->serverPanel->ftp_lista->viewport(), Qt::LeftButton, {},
                          form->serverPanel->ftp_lista->visualItemRect(found.first()).center());
        ASSERT_TRUE(found.first()->isSelected());
    }
    QStringList shownServers() const {
        QStringList names;
        for (int i = 0; i < form->serverPanel->ftp_lista->topLevelItemCount(); ++i)
            names.append(form->serverPanel->ftp_lista->topLevelItem(i)->text(0));
        return names;
    }
    // A category file's lines and bytes, whatever the spelling of its name.
    static QStringList categoryLines(int code) { return servers::readCategoryLines(code).lines; }
    static QByteArray categoryBytes(int code) {
        return textfile::readBytes(servers::categoryFilePath(code));
    }

    // Texts of the message boxes shown so far (captions in `captions`).
    QStringList boxTexts(QStringList* captions = nullptr) const {
        QStringList texts;
        for (const RecordedCall& c : services.callsOf(QStringLiteral("messageBox"))) {
            texts.append(c.args.value(0));
            if (captions)
                captions->append(c.args.value(1));
        }
        return texts;
    }
};
