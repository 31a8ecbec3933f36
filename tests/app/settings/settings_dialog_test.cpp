// TUstawienia driven as a user drives it: open it from the main window's
// "Ustawienia" button, change its controls, press its buttons.

#include "app/server_panel.h"
#include "app/settings_dialog.h"
#include "app/top_panel.h"
#include "local/folder_chooser.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "platform/colors.h"
#include "servers/server_directory_state.h"
#include "tests/app/settings/window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <QTreeWidget>

namespace {

using platform::DlgResult;

// Types text key by key, letters outside ASCII included.
void typeInto(QWidget* field, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(field, &release);
    }
}

struct SettingsDialog : SettingsWindow {
    // Opens the dialog with the toolbar button; `step` is what the user does.
    int open(std::function<void(TUstawienia&)> step) {
        int result = -1;
        whenShown(QStringLiteral("TUstawienia"), [&](QDialog& d) {
            step(static_cast<TUstawienia&>(d));
            result = d.result();
        });
        form->topPanel->Ustawienia2->click();
        return result;
    }
    QStringList konf() const { return home.readLines(QStringLiteral("konf.dat")); }
};

TEST_F(SettingsDialog, ShowsKonfOnItsPagesWithTheTextsOfTheLanguage) {
    QDir(home.path()).mkdir(QStringLiteral("down"));
    const QString down = home.file(QStringLiteral("down"));
    home.writeLines(QStringLiteral("konf.dat"),
                    {"0", "1", "0", "0", "0", "255", "16711680", "0", "3", "1", down});
    create();
    form->settings.autoReconnect = false;
    open([&](TUstawienia& d) {
        EXPECT_TRUE(d.r_n2->isChecked());
        EXPECT_TRUE(d.pas2->isChecked());
        EXPECT_TRUE(d.r_okno4->isChecked());
        EXPECT_FALSE(d.trasa2->isChecked());
        EXPECT_TRUE(d.r_angielski2->isChecked());
        EXPECT_EQ(d.kolor_edit->text(), QStringLiteral("255"));
        EXPECT_EQ(d.kolor_edit2->text(), QStringLiteral("16711680"));
        EXPECT_EQ(d.lbl_edit->palette().color(QPalette::Window), platform::colorFromValue(255));
        EXPECT_FALSE(d.ukryj_pass->isChecked());
        EXPECT_EQ(d.lbl_kat2->text(), QStringLiteral("PROGRAMY"));
        EXPECT_FALSE(d.kreator->isChecked());
        EXPECT_TRUE(d.lista->isEnabled());
        EXPECT_TRUE(d.blad_pol->isChecked());
        EXPECT_EQ(d.lokalizacja->text(), down);
        EXPECT_FALSE(d.usun_haslo->isEnabled()) << "no pas.dat";
        EXPECT_EQ(d.haslo->palette().color(QPalette::Base), platform::colorFromValue(255));
        // Flag 0: the English texts.
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Options..."));
        EXPECT_EQ(d.Zastosuj->text(), QStringLiteral("Save"));
        EXPECT_EQ(d.PageControl1->tabText(2), QStringLiteral("Leanguage"));
        EXPECT_EQ(d.kreator->text(), QStringLiteral("Before run, ask whos opened category"));
    });
    EXPECT_TRUE(form->settings.autoReconnect) << "line 10 reaches the main window at once";

    // Back in Polish the design texts return.
    form->settings.language = 1;
    open([](TUstawienia& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Ustawienia programu"));
        EXPECT_EQ(d.PageControl1->tabText(2), QStringLiteral("Język"));
    });
}

TEST_F(SettingsDialog, ApplyWritesElevenLinesAppliesAtOnceAndOffersTheRestart) {
    home.writeDefaultKonf(1, 7);
    QDir(home.path()).mkdir(QStringLiteral("docs"));
    const QString docs = QDir(home.file(QStringLiteral("docs"))).canonicalPath();
    create();
    ASSERT_FALSE(form->serverPanel->l3->isVisibleTo(form.get()));
    services.clear();
    services.colorAnswers.push_back(255);
    whenShown(QStringLiteral("Formy"), [&](QDialog& d) {
        auto& chooser = static_cast<TFormy&>(d);
        chooser.openFolder(docs);
        chooser.OK->click();
    });
    const int result = open([&](TUstawienia& d) {
        d.r_angielski2->click();
        d.r_okno4->click();
        d.pas2->click();
        d.zmiana_okno->click();
        QListWidgetItem* favourites = d.lista->item(5);
        QTest::mouseClick(d.lista->viewport(), Qt::LeftButton, {},
                          d.lista->visualItemRect(favourites).center());
        EXPECT_EQ(d.lbl_kat2->text(), QStringLiteral("ULUBIONE"));
        d.zmien_katalog->click();
        EXPECT_EQ(d.lokalizacja->text(), docs);
        d.Zastosuj->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(konf(), QStringList({"1", "1", "0", "1", "0", "255", "0", "1", "5", "0", docs}));
    EXPECT_EQ(form->settings.language, 0);
    EXPECT_EQ(form->settings.fieldBackground, 255);
    EXPECT_FALSE(form->settings.serverListOnly);
    EXPECT_EQ(form->serverDirectory->openCategory, 5);
    EXPECT_EQ(form->topPanel->pol2->text(), QStringLiteral("Connect"));
    EXPECT_TRUE(form->serverPanel->l3->isVisibleTo(form.get()));
    EXPECT_EQ(form->topPanel->UserID->palette().color(QPalette::Base),
              platform::colorFromValue(255));
    EXPECT_EQ(form->StatusBar1->panelText(3),
              QStringLiteral("Wybrany serwer z kategorii: ULUBIONE"));
    EXPECT_EQ(form->localPanel->katalog->directory(), docs);
    ASSERT_FALSE(services.messages().isEmpty());
    EXPECT_TRUE(services.messages().last().startsWith(QStringLiteral("ATENTION:")));
    EXPECT_TRUE(services.callsOf(QStringLiteral("startProgram")).isEmpty());
    EXPECT_FALSE(form->quitting());

    // Yes: the program ends the way the exit command ends it and starts again.
    services.dialogAnswers.push_back(DlgResult::Yes);
    open([](TUstawienia& d) { d.Zastosuj->click(); });
    ASSERT_EQ(services.callsOf(QStringLiteral("startProgram")).size(), 1);
    EXPECT_EQ(services.callsOf(QStringLiteral("startProgram")).first().args.value(0),
              QCoreApplication::applicationFilePath());
    EXPECT_TRUE(form->quitting());
    EXPECT_TRUE(home.exists(QStringLiteral("roz.dat")));
}

TEST_F(SettingsDialog, DefaultColoursAndBuiltInSettings) {
    home.writeLines(QStringLiteral("konf.dat"),
                    {"0", "1", "0", "0", "0", "255", "16711680", "0", "3", "1", home.path()});
    create();
    open([](TUstawienia& d) {
        d.Button1->click();
        EXPECT_EQ(d.kolor_edit->text(), QStringLiteral("-2147483624"));
        EXPECT_EQ(d.kolor_edit2->text(), QStringLiteral("0"));
        EXPECT_FALSE(d.zmiana_okno->isEnabled());
        EXPECT_FALSE(d.zmiana_text->isEnabled());
        d.Zastosuj->click();
        EXPECT_TRUE(d.zmiana_okno->isEnabled());
        EXPECT_TRUE(d.zmiana_text->isEnabled());
    });
    EXPECT_EQ(konf().mid(5, 2), QStringList({"-2147483624", "0"}));

    services.clear();
    const int result = open([](TUstawienia& d) { d.domyslne->click(); });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(konf(), QStringList({"1", "0", "1", "1", "1", "-2147483624", "0", "1", "7", "0",
                                   home.path()}));
    EXPECT_EQ(form->settings.language, 0) << "nothing is applied to the running program";
    ASSERT_EQ(services.messages().size(), 1) << "only the restart is offered";
    EXPECT_TRUE(services.messages().first().startsWith(QStringLiteral("ATENTION:")));
    EXPECT_TRUE(services.callsOf(QStringLiteral("startProgram")).isEmpty());
}

TEST_F(SettingsDialog, AskAtStartAndAllServersAsStartCategory) {
    home.writeDefaultKonf(1, 7);
    create();
    open([](TUstawienia& d) {
        d.kreator->click();
        EXPECT_EQ(d.lbl_kat2->text(), QStringLiteral("PYTAJ?"));
        EXPECT_FALSE(d.lista->isEnabled());
        d.kreator->click();
        EXPECT_EQ(d.lbl_kat2->text(), QStringLiteral("WSZYSTKIE SERWERY"));
        EXPECT_TRUE(d.lista->isEnabled());
        d.kreator->click();
        d.Zastosuj->click();
    });
    EXPECT_EQ(konf().value(8), QStringLiteral("9"));
    EXPECT_EQ(form->StatusBar1->panelText(3), QStringLiteral("Wybrany serwer z kategorii: PYTAJ"));
    EXPECT_EQ(form->serverDirectory->openCategory, 7) << "the open list is still INNE";

    // The next start asks through the wizard.
    form.reset();
    whenShown(QStringLiteral("F_kreator"), [](QDialog&) {});
    create();
    EXPECT_TRUE(modalsShown().contains(QStringLiteral("F_kreator")));

    open([](TUstawienia& d) {
        EXPECT_TRUE(d.kreator->isChecked());
        EXPECT_FALSE(d.lista->isEnabled());
        EXPECT_EQ(d.lbl_kat2->text(), QStringLiteral("PYTAJ?"));
        d.kreator->click();
        d.Zastosuj->click();
    });
    EXPECT_EQ(konf().value(8), QStringLiteral("8"));
    EXPECT_TRUE(form->serverDirectory->allServersShown);
    EXPECT_EQ(form->serverDirectory->openCategory, 8);
}

TEST_F(SettingsDialog, TheStartCategoryNeverRenamesTheListOnScreen) {
    // Slot 9 names the list shown: a deletion rewrites that list's file.
    auto deleteFirstServer = [this] {
        QTreeWidgetItem* row = form->serverPanel->ftp_lista->topLevelItem(0);
        ASSERT_NE(row, nullptr);
        QTest::mouseClick(form->serverPanel->ftp_lista->viewport(), Qt::LeftButton, {},
                          form->serverPanel->ftp_lista->visualItemRect(row).center());
        services.dialogAnswers.push_back(DlgResult::Yes);
        form->Usun1->trigger();
    };
    const QStringList inne = {"Jeden*0*a*a.pl*x*21*7*", "Dwa*0*b*b.pl*y*21*7*",
                              "Trzy*0*c*c.pl*z*21*7*"};
    home.writeDefaultKonf(1, 7);
    home.writeLines(QStringLiteral("S_list.dat"), inne);
    home.writeLines(QStringLiteral("p.dat"), {"Firma*0*f*f.pl*q*21*0*"});
    create();
    form->show();
    open([](TUstawienia& d) {
        d.kreator->click();
        d.Zastosuj->click();
    });
    EXPECT_EQ(konf().value(8), QStringLiteral("9"));
    EXPECT_EQ(form->serverDirectory->openCategory, 7);
    deleteFirstServer();
    EXPECT_EQ(home.readLines(QStringLiteral("S_list.dat")), inne.mid(1));

    // Without konf.dat the fixed lines are written and the list stays INNE:
    // a deletion still lands in INNE's file, never in the one chosen.
    QFile::remove(home.file(QStringLiteral("konf.dat")));
    open([](TUstawienia& d) {
        d.kreator->setChecked(false);
        d.lista->setCurrentRow(0);
        QTest::mouseClick(d.lista->viewport(), Qt::LeftButton, {},
                          d.lista->visualItemRect(d.lista->item(0)).center());
        EXPECT_EQ(d.lbl_kat2->text(), QStringLiteral("FIRMY"));
        d.Zastosuj->click();
    });
    EXPECT_EQ(form->serverDirectory->openCategory, 7);
    deleteFirstServer();
    EXPECT_EQ(home.readLines(QStringLiteral("S_list.dat")), inne.mid(2));
    EXPECT_EQ(home.readLines(QStringLiteral("p.dat")).size(), 1);
}

TEST_F(SettingsDialog, PasswordIsSetDiscardedAndRemovedAndTheRecordDeleted) {
    home.writeDefaultKonf(1, 7);
    create();
    const QString typed = QStringLiteral("Tajne hasło ");
    // Esc discards a just-typed password.
    open([&](TUstawienia& d) {
        d.PageControl1->setCurrentIndex(4);
        d.CheckBox1->click();
        EXPECT_TRUE(d.haslo->isEnabled());
        EXPECT_FALSE(d.Zastosuj->isEnabled()) << "no empty password";
        typeInto(d.haslo, typed);
        EXPECT_TRUE(d.Zastosuj->isEnabled());
        d.haslo->clear();
        EXPECT_FALSE(d.Zastosuj->isEnabled());
        typeInto(d.haslo, typed);
        QTest::keyClick(d.haslo, Qt::Key_Escape);
        EXPECT_FALSE(d.CheckBox1->isChecked());
        EXPECT_TRUE(d.haslo->text().isEmpty());
        EXPECT_TRUE(d.Zastosuj->isEnabled());
    });
    EXPECT_FALSE(home.exists(QStringLiteral("pas.dat")));

    open([&](TUstawienia& d) {
        d.CheckBox1->click();
        typeInto(d.haslo, typed);
        d.Zastosuj->click();
    });
    EXPECT_EQ(home.readBytes(QStringLiteral("pas.dat")), QByteArray("Tajne has\xb3o \r\n"));
    EXPECT_EQ(QFile::permissions(home.file(QStringLiteral("pas.dat"))) & 0x0077, 0);

    services.clear();
    open([&](TUstawienia& d) {
        EXPECT_FALSE(d.CheckBox1->isChecked()) << "the dialog keeps no copy";
        ASSERT_TRUE(d.usun_haslo->isEnabled());
        d.usun_haslo->click();
        EXPECT_FALSE(d.usun_haslo->isEnabled());
    });
    EXPECT_FALSE(home.exists(QStringLiteral("pas.dat")));
    EXPECT_EQ(services.messages(), QStringList{QStringLiteral("Hasło zostało usunięte")});

    // Deleted by hand while the dialog was open: still reported as deleted.
    home.writeLines(QStringLiteral("pas.dat"), {"x"});
    services.clear();
    open([&](TUstawienia& d) {
        QFile::remove(home.file(QStringLiteral("pas.dat")));
        d.usun_haslo->click();
        // The reconnection record, present and then gone.
        home.writeLines(QStringLiteral("error.dat"), {"x"});
        d.usun_error->click();
        d.usun_error->click();
    });
    EXPECT_FALSE(home.exists(QStringLiteral("error.dat")));
    EXPECT_EQ(services.messages(),
              QStringList({"Hasło zostało usunięte",
                           "Plik z danymi o błędach ściągania, został usunięty z powodzeniem",
                           "Nie znalazłem na dysku pliku z błędami ściągania plików"}));
}

TEST_F(SettingsDialog, SettingsThatCannotBeWrittenAreReportedNotApplied) {
    home.writeDefaultKonf(1, 7);
    create();
    // A folder in konf.dat's place cannot be replaced by a file.
    QFile::remove(home.file(QStringLiteral("konf.dat")));
    QDir(home.path()).mkdir(QStringLiteral("konf.dat"));
    services.clear();
    const int result = open([](TUstawienia& d) {
        d.r_angielski2->click();
        d.Zastosuj->click();
    });
    EXPECT_NE(result, QDialog::Accepted);
    EXPECT_EQ(form->settings.language, 1);
    ASSERT_EQ(services.messages().size(), 1) << "no restart offer";
    EXPECT_TRUE(services.messages().first().startsWith(QStringLiteral("BŁĄD: Nie mogę zapisać")));
}

TEST_F(SettingsDialog, MissingKonfIsCreatedWithFixedValues) {
    create();
    open([](TUstawienia& d) {
        d.r_max2->click();
        d.Zastosuj->click();
    });
    EXPECT_EQ(konf(), QStringList({"0", "0", "0", "1", "1", "-2147483624", "0", "1", "7", "0",
                                   home.path()}));
    EXPECT_EQ(form->settings.language, 1) << "the language of the file just written";
    EXPECT_EQ(form->topPanel->pol2->text(), QStringLiteral("Połącz"));
}

} // namespace
