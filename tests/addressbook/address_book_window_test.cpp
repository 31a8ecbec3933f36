// Adresy.dat through the new-address and address-list dialogs.

#include "app/main_window.h"
#include "platform/services.h"
#include "tests/addressbook/addressbook_fixture.h"

#include <QDir>
#include <QFile>

namespace {

const QString kPolish = QString::fromUtf8("józef.żółć@przykład.pl");
// The same address as Windows-1250 stores it.
const QByteArray kPolishBytes = "j\xF3zef.\xBF\xF3\xB3\xE6@przyk\xB3"
                                "ad.pl";

TEST_F(AddressBookWindow, AddEditAndDeleteKeepTheFileInOrderByteForByte) {
    create(1);

    // OK on an empty field asks for an address and keeps the dialog open.
    QString emptyMessage;
    services.modalSteps["Adresy_nowy"] = [&](QDialog& d) {
        auto& dialog = static_cast<TAdresy_nowy&>(d);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Nowy adres e-mail"));
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);
        emptyMessage = services.messages().value(0);
        EXPECT_TRUE(dialog.isVisible());
        typeText(dialog.adres, kPolish);
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);
        return dialog.result();
    };
    form->Adresy_nowy1->trigger();
    EXPECT_EQ(emptyMessage, "Wpisz w polu nowy adres e-mail");
    EXPECT_EQ(home.readBytes("Adresy.dat"), kPolishBytes + "\r\n");

    // The same address twice is kept twice, in the order added.
    answerNewAddress("anna@example.com");
    form->Adresy_nowy1->trigger();
    form->Adresy_nowy1->trigger();
    EXPECT_EQ(home.readBytes("Adresy.dat"),
              kPolishBytes + "\r\nanna@example.com\r\nanna@example.com\r\n");

    // Removing and closing leaves the file alone.
    services.dialogAnswers = {platform::DlgResult::Yes};
    services.modalSteps["Adresy_edycja"] = [&](QDialog& d) {
        auto& dialog = static_cast<TAdresy_edycja&>(d);
        EXPECT_EQ(rows(dialog.ListBox1),
                  QStringList({kPolish, "anna@example.com", "anna@example.com"}));
        EXPECT_EQ(dialog.Zastosuj->text(), "Zapisz");
        clickRow(dialog.ListBox1, 1);
        EXPECT_EQ(dialog.wyslij->text(), QString::fromUtf8("Wyślij e-mail do: anna@example.com"));
        QTest::mouseClick(dialog.usun_1, Qt::LeftButton);
        EXPECT_EQ(dialog.ListBox1->count(), 2);
        QTest::mouseClick(dialog.Anuluj, Qt::LeftButton);
        return dialog.result();
    };
    form->Adresy_edytuj1->trigger();
    ASSERT_EQ(services.callsOf("messageBox").size(), 2);
    EXPECT_EQ(services.callsOf("messageBox").last().args.mid(0, 2),
              QStringList({QString::fromUtf8("Czy napewno chcesz usunąć adres: anna@example.com?"),
                           "KORVANTE - Usuwanie"}));
    EXPECT_EQ(home.readBytes("Adresy.dat"),
              kPolishBytes + "\r\nanna@example.com\r\nanna@example.com\r\n");

    // Removing and saving rewrites it without that line; "Nowy" in between
    // drops the unsaved removal, as the list is read again.
    services.dialogAnswers = {platform::DlgResult::No, platform::DlgResult::Yes};
    answerNewAddress("piotr@example.org");
    services.modalSteps["Adresy_edycja"] = [&](QDialog& d) {
        auto& dialog = static_cast<TAdresy_edycja&>(d);
        clickRow(dialog.ListBox1, 0);
        QTest::mouseClick(dialog.usun_1, Qt::LeftButton); // answered No
        EXPECT_EQ(dialog.ListBox1->count(), 3);
        QTest::mouseClick(dialog.Zastosuj, Qt::LeftButton); // nothing changed: stays open
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(dialog.Zmien, Qt::LeftButton);
        EXPECT_EQ(dialog.ListBox1->count(), 4);
        clickRow(dialog.ListBox1, 2);
        QTest::mouseClick(dialog.usun_1, Qt::LeftButton); // answered Yes
        QTest::mouseClick(dialog.Zastosuj, Qt::LeftButton);
        return dialog.result();
    };
    form->Adresy_edytuj1->trigger();
    EXPECT_EQ(home.readBytes("Adresy.dat"),
              kPolishBytes + "\r\nanna@example.com\r\npiotr@example.org\r\n");

    // "Usuń wszystkie" deletes the file and closes the list.
    services.dialogAnswers = {platform::DlgResult::Yes};
    int result = -1;
    services.modalSteps["Adresy_edycja"] = [&](QDialog& d) {
        auto& dialog = static_cast<TAdresy_edycja&>(d);
        QTest::mouseClick(dialog.usun_w, Qt::LeftButton);
        result = dialog.result();
        EXPECT_FALSE(dialog.isVisible());
        return result;
    };
    form->Adresy_edytuj1->trigger();
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(home.exists("Adresy.dat"));
    EXPECT_EQ(services.callsOf("messageBox").last().args.value(0),
              QString::fromUtf8("Czy napewno chcesz usunąć wszystkie adresy?"));
}

TEST_F(AddressBookWindow, EnglishTextsAndAMissingBook) {
    create(0);
    QStringList captions;
    services.modalSteps["Adresy_edycja"] = [&](QDialog& d) {
        auto& dialog = static_cast<TAdresy_edycja&>(d);
        captions = {dialog.windowTitle(),  dialog.Zmien->text(),    dialog.usun_1->text(),
                    dialog.usun_w->text(), dialog.Zastosuj->text(), dialog.Anuluj->text()};
        EXPECT_EQ(dialog.ListBox1->count(), 0);
        // Without a book the question is asked, and nothing more happens.
        QTest::mouseClick(dialog.usun_w, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        return dialog.result();
    };
    form->Adresy_edytuj1->trigger();
    EXPECT_EQ(captions, QStringList({"Edit/Remove e-mail addresses", "New address", "Remove",
                                     "Remove All", "Save", "Close"}));
    EXPECT_EQ(services.callsOf("messageBox").size(), 1);
    EXPECT_EQ(services.messages().value(0), "Do You want delete All addresses?");

    home.writeBytes("Adresy.dat", "anna@example.com\r\n");
    services.clear();
    services.dialogAnswers = {platform::DlgResult::Yes};
    services.modalSteps["Adresy_edycja"] = [&](QDialog& d) {
        auto& dialog = static_cast<TAdresy_edycja&>(d);
        clickRow(dialog.ListBox1, 0);
        EXPECT_EQ(dialog.wyslij->text(), "Send e-mail to: anna@example.com");
        QTest::mouseClick(dialog.usun_1, Qt::LeftButton);
        return dialog.result();
    };
    form->Adresy_edytuj1->trigger();
    EXPECT_EQ(
        services.callsOf("messageBox").value(0).args.mid(0, 2),
        QStringList({"Do You want delete address: anna@example.com?", "KORVANTE - Removing"}));
}

TEST_F(AddressBookWindow, AFailedWriteIsReportedAndTheBookKept) {
    create(1);
    home.writeBytes("Adresy.dat", "anna@example.com\r\npiotr@example.org\r\n");
    services.dialogAnswers = {platform::DlgResult::Yes};
    bool stillOpen = false;
    QStringList kept;
    services.modalSteps["Adresy_edycja"] = [&](QDialog& d) {
        auto& dialog = static_cast<TAdresy_edycja&>(d);
        clickRow(dialog.ListBox1, 0);
        QTest::mouseClick(dialog.usun_1, Qt::LeftButton);
        // Something else takes the file's place before it is saved.
        QFile::remove(home.file("Adresy.dat"));
        QDir(home.path()).mkpath("Adresy.dat/inside");
        QTest::mouseClick(dialog.Zastosuj, Qt::LeftButton);
        stillOpen = dialog.isVisible();
        kept = rows(dialog.ListBox1);
        QTest::mouseClick(dialog.Anuluj, Qt::LeftButton);
        return dialog.result();
    };
    form->Adresy_edytuj1->trigger();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(kept, QStringList({"piotr@example.org"}));
    ASSERT_EQ(services.callsOf("messageDlg").size(), 1);
    EXPECT_EQ(
        services.callsOf("messageDlg").value(0).args.value(0),
        QString::fromUtf8(
            "BŁĄD: Nie można zapisać pliku Adresy.dat. Lista adresów nie została zmieniona."));
    EXPECT_TRUE(QFileInfo(home.file("Adresy.dat/inside")).isDir());

    // Adding cannot reach the file either: reported, the dialog stays.
    services.clear();
    bool newStillOpen = false;
    services.modalSteps["Adresy_nowy"] = [&](QDialog& d) {
        auto& dialog = static_cast<TAdresy_nowy&>(d);
        QTest::keyClicks(dialog.adres, "ewa@example.com");
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);
        newStillOpen = dialog.isVisible();
        return dialog.result();
    };
    form->Adresy_nowy1->trigger();
    EXPECT_TRUE(newStillOpen);
    EXPECT_EQ(services.callsOf("messageDlg").size(), 1);
}

TEST_F(AddressBookWindow, TheListHandsItsPickBackWithoutAnyMainWindow) {
    // No main window at all: the dialog gets its colours from its caller and hands
    // the pick back instead of reaching for the launcher.
    home.writeBytes("Adresy.dat", "a@example.com\r\nb@example.com\r\n");
    ASSERT_EQ(Form1, nullptr);
    TAdresy_edycja dialog;
    dialog.fieldBackground = 0x0000FF; // red, as konf.dat stores colours
    dialog.fieldText = 0xFFFFFF;
    QColor background;
    services.modalSteps["Adresy_edycja"] = [&](QDialog& d) {
        auto& list = static_cast<TAdresy_edycja&>(d);
        background = list.ListBox1->palette().color(QPalette::Base);
        doubleClickRow(list.ListBox1, 1);
        return list.result();
    };
    EXPECT_EQ(platform::services().showModal(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.pickedAddress(), "b@example.com");
    EXPECT_EQ(background, QColor(Qt::red));

    // Closed without a pick: nothing to hand back.
    TAdresy_edycja closed;
    services.modalSteps["Adresy_edycja"] = [](QDialog& d) {
        auto& list = static_cast<TAdresy_edycja&>(d);
        QTest::mouseClick(list.Anuluj, Qt::LeftButton);
        return list.result();
    };
    EXPECT_EQ(platform::services().showModal(closed), QDialog::Rejected);
    EXPECT_TRUE(closed.pickedAddress().isEmpty());
}

} // namespace
