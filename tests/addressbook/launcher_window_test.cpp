// The launcher TForm8: web pages and mail messages through the desktop.

#include "app/top_panel.h"
#include "tests/addressbook/addressbook_fixture.h"

namespace {

struct Launcher : AddressBookWindow {
    // Runs `step` in the launcher opened by the statystyka button.
    void openLauncher(std::function<void(TForm8&)> step) {
        services.modalSteps["Form8"] = [step](QDialog& d) {
            step(static_cast<TForm8&>(d));
            return d.result();
        };
        QTest::mouseClick(form->topPanel->statystyka, Qt::LeftButton);
    }
    static void typeInto(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    QStringList opened() const {
        QStringList out;
        for (const RecordedCall& call : services.callsOf("shellOpen"))
            out.append(call.args.value(0));
        return out;
    }
};

TEST_F(Launcher, WebPageIsOpenedAsTypedAndNonsenseRefused) {
    create(1);
    openLauncher([&](TForm8& w) {
        EXPECT_EQ(w.windowTitle(), "URL / E-MAIL");
        EXPECT_EQ(w.height(), TForm8::kWebHeight);
        EXPECT_EQ(w.Label1->text(), QString::fromUtf8("Otwórz stronę internetową..."));
        EXPECT_FALSE(w.cmb_adres->isVisible());
        EXPECT_EQ(w.edit_www->text(), "http://");
        // "http://" alone, in any case, and text no browser opens are refused.
        QTest::mouseClick(w.ok, Qt::LeftButton);
        typeInto(w.edit_www, "HTTP://");
        QTest::keyClick(w.edit_www, Qt::Key_Return);
        typeInto(w.edit_www, "xterm -e rm -rf ~");
        QTest::mouseClick(w.ok, Qt::LeftButton);
        typeInto(w.edit_www, "/usr/bin/xterm");
        QTest::mouseClick(w.ok, Qt::LeftButton);
        EXPECT_TRUE(w.isVisible());
        // A page without its scheme goes out exactly as typed.
        typeInto(w.edit_www, "www.example.com/strona");
        QTest::keyClick(w.edit_www, Qt::Key_Return);
        EXPECT_FALSE(w.isVisible());
    });
    ASSERT_EQ(services.callsOf("messageBox").size(), 4);
    for (const RecordedCall& call : services.callsOf("messageBox"))
        EXPECT_EQ(
            call.args.mid(0, 2),
            QStringList({QString::fromUtf8("Wpisz adres strony WWW na którą masz zamiar wejść"),
                         "KORVANTE - FTP"}));
    EXPECT_EQ(opened(), QStringList({"www.example.com/strona"}));
}

TEST_F(Launcher, MailGoesOutEncodedAndEscReturnsToWebMode) {
    home.writeBytes("Adresy.dat", "anna@example.com\r\npiotr@example.org\r\n");
    create(0);
    openLauncher([&](TForm8& w) {
        EXPECT_EQ(w.r_mail->text(), "Sent e-mail message (Write Address)");
        QTest::mouseClick(w.r_mail, Qt::LeftButton);
        EXPECT_EQ(w.height(), TForm8::kMailHeight);
        EXPECT_EQ(w.Label1->text(), "Sent e-mail message (Write address)");
        EXPECT_TRUE(w.cmb_adres->isVisible());
        EXPECT_FALSE(w.edit_www->isVisible());
        EXPECT_EQ(w.cmb_adres->currentText(), "anna@example.com");
        w.cmb_adres->setCurrentIndex(1);
        QTest::keyClicks(w.subject, "Tom & Jerry #1");
        QTest::keyClicks(w.Memo1, "x & y");
        QTest::keyClick(w.Memo1, Qt::Key_Return);
        QTest::keyClicks(w.Memo1, "#2 100%");
        QTest::mouseClick(w.ok, Qt::LeftButton);
    });
    EXPECT_EQ(opened(), QStringList({"mailto:piotr@example.org?Subject=Tom%20%26%20Jerry%20%231"
                                     "&Body=%0D%0Ax%20%26%20y%0D%0A%232%20100%25"}));

    // The launcher kept mail mode; Esc closes it back into web mode.
    openLauncher([&](TForm8& w) {
        EXPECT_TRUE(w.r_mail->isChecked());
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_TRUE(form->Form8->r_www->isChecked());
    EXPECT_EQ(form->Form8->height(), TForm8::kWebHeight);
    EXPECT_EQ(form->Form8->edit_www->text(), "http://");
}

TEST_F(Launcher, DoubleClickInTheListPicksThatAddressForAMessage) {
    home.writeBytes("Adresy.dat", "a@example.com\r\nb@example.com\r\nc@example.com\r\n");
    create(1);
    services.modalSteps["Adresy_edycja"] = [&](QDialog& d) {
        auto& dialog = static_cast<TAdresy_edycja&>(d);
        doubleClickRow(dialog.ListBox1, 2);
        return dialog.result();
    };
    form->Adresy_edytuj1->trigger();
    TForm8& w = *form->Form8;
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.r_mail->isChecked());
    EXPECT_EQ(w.height(), TForm8::kMailHeight);
    EXPECT_EQ(w.cmb_adres->currentText(), "c@example.com");

    // An address added after start is still the one chosen, not whatever
    // the launcher's older list holds at that position.
    home.writeBytes("Adresy.dat", "new@example.com\r\na@example.com\r\n");
    services.modalSteps["Adresy_edycja"] = [&](QDialog& d) {
        auto& dialog = static_cast<TAdresy_edycja&>(d);
        clickRow(dialog.ListBox1, 0);
        dialog.wyslij->trigger();
        return dialog.result();
    };
    QTest::mouseClick(w.Lista, Qt::LeftButton);
    EXPECT_EQ(w.cmb_adres->currentText(), "new@example.com");
    QTest::mouseClick(w.ok, Qt::LeftButton);
    EXPECT_EQ(opened(), QStringList({"mailto:new@example.com?Subject=&Body="}));
    EXPECT_FALSE(w.isVisible());
}

} // namespace
