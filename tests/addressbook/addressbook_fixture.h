#pragma once
// The main window for driving the address dialogs and the launcher as a user does.

#include "addressbook/address_list_dialog.h"
#include "addressbook/launcher.h"
#include "addressbook/new_address_dialog.h"
#include "platform/text_file.h"
#include "tests/support/ui/main_window_fixture.h"

#include <QTest>

struct AddressBookWindow : MainWindowFixture {
    // The Windows-1250 bytes of the book, as the file must hold them.
    static QByteArray bookBytes(const QStringList& lines) {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += textfile::encode1250(line) + "\r\n";
        return bytes;
    }

    static void clickRow(QListWidget* list, int row) {
        QListWidgetItem* item = list->item(row);
        ASSERT_NE(item, nullptr) << row;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }
    static void doubleClickRow(QListWidget* list, int row) {
        QListWidgetItem* item = list->item(row);
        ASSERT_NE(item, nullptr) << row;
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    static QStringList rows(const QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }

    // Types text key by key, letters outside ASCII as the keyboard sends them.
    static void typeText(QWidget* widget, const QString& text) {
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(widget, char(c.unicode()));
            } else {
                QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), {});
                QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), {});
            }
        }
    }

    // The new-address dialog answers with `address` typed in and OK pressed.
    void answerNewAddress(const QString& address) {
        services.modalSteps["Adresy_nowy"] = [address](QDialog& d) {
            auto& dialog = static_cast<TAdresy_nowy&>(d);
            typeText(dialog.adres, address);
            QTest::mouseClick(dialog.Button2, Qt::LeftButton);
            return dialog.result();
        };
    }
};
