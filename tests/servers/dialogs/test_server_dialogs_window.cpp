// The new-server and edit-server dialogs driven as a user drives them: the
// popup items and keys of the main window, typing, ticking, clicking Zapisz.

#include "app/top_panel.h"
#include "servers/edit_server_dialog.h"
#include "servers/new_server_dialog.h"
#include "servers/server_directory_state.h"
#include "servers/server_files.h"
#include "tests/servers/dialogs/dialog_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using NewServer = DialogFixture;
using EditServer = DialogFixture;

void fillServer(TForm6& d, const QString& name, const QString& host, const QString& user,
                const QString& password) {
    DialogFixture::type(d.nazwa, name);
    DialogFixture::type(d.adres, host);
    DialogFixture::type(d.uzytkownik, user);
    DialogFixture::type(d.haslo, password);
}

} // namespace

TEST_F(NewServer, DefaultsLandInInneAfterTheSampleEntryAndTheListIsReloaded) {
    start();
    form->settings.fieldBackground = 0x0000FF; // red fields
    form->settings.fieldText = 0xFF0000;       // blue text
    whenShown("Form6", [](QDialog& dialog) {
        auto& d = static_cast<TForm6&>(dialog);
        for (QWidget* field : {static_cast<QWidget*>(d.nazwa), static_cast<QWidget*>(d.port),
                               static_cast<QWidget*>(d.cmb_kat)}) {
            EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::red));
            EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::blue));
        }
        EXPECT_EQ(d.cmb_kat->currentText(), "INNE");
        EXPECT_TRUE(d.check_ftp->isChecked());
        EXPECT_TRUE(d.port->isHidden());
        EXPECT_EQ(d.windowTitle(), "Nowy serwer FTP");
        fillServer(d, "Moja sesja", "ftp.example.org", "jan", "tajne");
        click(d.Zapisz);
    });
    form->nowy2->trigger();

    const QByteArray sample = textfile::encode1250(servers::defaultSampleEntry());
    EXPECT_EQ(categoryBytes(servers::kInne),
              sample + "\r\n\rMoja sesja*0*jan*ftp.example.org*tajne*21*7*\r\n");
    EXPECT_EQ(shownServers(),
              (QStringList{servers::parseEntry(servers::defaultSampleEntry()).displayName(),
                           "Moja sesja"}));
    // Closing clears the server's fields for the next use.
    EXPECT_TRUE(form->Form6->nazwa->text().isEmpty());
    EXPECT_TRUE(form->Form6->haslo->text().isEmpty());
    EXPECT_TRUE(form->Form6->adres->text().isEmpty());

    // F2, another category, a port of its own, Polish letters.
    whenShown("Form6", [](QDialog& dialog) {
        auto& d = static_cast<TForm6&>(dialog);
        EXPECT_EQ(d.cmb_kat->currentText(), "INNE"); // each showing starts at INNE
        fillServer(d, "Łódź", "ftp.lodz.pl", "ola", "hasło");
        d.cmb_kat->setCurrentIndex(0);
        click(d.check_ftp);
        EXPECT_FALSE(d.port->isHidden());
        d.port->setValue(2121);
        click(d.Zapisz);
    });
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(home.readBytes("p.dat"), "\r\xa3\xf3"
                                       "d\x9f*0*ola*ftp.lodz.pl*has\xb3o*2121*0*\r\n");
    EXPECT_EQ(form->serverDirectory->openCategory, 0);
    EXPECT_EQ(shownServers(), QStringList{"Łódź"});
    // The port and the standard-port box keep their states.
    EXPECT_EQ(form->Form6->port->value(), 2121);
    EXPECT_FALSE(form->Form6->check_ftp->isChecked());

    // Both ends of the port range, typed.
    for (const char* port : {"65535", "1"}) {
        SCOPED_TRACE(std::string("port ") + port);
        whenShown("Form6", [port](QDialog& dialog) {
            auto& d = static_cast<TForm6&>(dialog);
            fillServer(d, port, "h.pl", "u", "p");
            d.cmb_kat->setCurrentIndex(0);
            d.port->clear();
            QTest::keyClicks(d.port, port);
            click(d.Zapisz);
        });
        QTest::keyClick(form.get(), Qt::Key_F2);
    }
    EXPECT_EQ(home.readLines("p.dat").mid(1),
              (QStringList{"65535*0*u*h.pl*p*65535*0*", "1*0*u*h.pl*p*1*0*"}));
}

TEST_F(NewServer, AnonymousBoxFillsAndLocksThenFreesTheLogin) {
    start();
    whenShown("Form6", [](QDialog& dialog) {
        auto& d = static_cast<TForm6&>(dialog);
        d.zapisz_h->setChecked(false);
        click(d.anonimowy);
        EXPECT_EQ(d.uzytkownik->text(), "anonymous");
        EXPECT_EQ(d.haslo->text(), "guest@example.com");
        EXPECT_FALSE(d.uzytkownik->isEnabled());
        EXPECT_FALSE(d.haslo->isEnabled());
        EXPECT_TRUE(d.zapisz_h->isChecked());
        EXPECT_FALSE(d.zapisz_h->isEnabled());
        EXPECT_EQ(d.lbl_haslo->text(), "Jako hasło będzie adres e-mail");
        type(d.nazwa, "Anonimowy");
        type(d.adres, "ftp.gnu.org");
        click(d.Zapisz);
    });
    form->nowy2->trigger();
    EXPECT_EQ(categoryLines(servers::kInne).value(1),
              "Anonimowy*1*anonymous*ftp.gnu.org*guest@example.com*21*7*");
    EXPECT_FALSE(form->Form6->anonimowy->isChecked()); // closing unticks it

    whenShown("Form6", [](QDialog& dialog) {
        auto& d = static_cast<TForm6&>(dialog);
        click(d.anonimowy);
        click(d.anonimowy);
        EXPECT_TRUE(d.uzytkownik->text().isEmpty());
        EXPECT_TRUE(d.haslo->text().isEmpty());
        EXPECT_TRUE(d.uzytkownik->isEnabled());
        EXPECT_TRUE(d.zapisz_h->isEnabled());
        EXPECT_TRUE(d.zapisz_h->isChecked()); // unticking leaves its state
        EXPECT_EQ(d.lbl_haslo->text(), "Twoje hasło użytkownika");
        // No password and not saved: the "^" marker.
        click(d.zapisz_h);
        fillServer(d, "Bez hasła", "10.0.0.5", "ela", "");
        click(d.Zapisz);
    });
    form->nowy2->trigger();
    EXPECT_EQ(categoryLines(servers::kInne).value(2), "Bez hasła*0*ela*10.0.0.5*^*21*7*");
    EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join('|').toStdString();
}

TEST_F(NewServer, ValidationRowsStopTheSaveWithTheirMessageAndFocus) {
    start(0); // English
    struct Row {
        QString name, host, user, password;
        QString message;
        const char* focus;
    };
    const Row rows[] = {
        {"", "h", "u", "p", "The Sesion FTP cannot be empty", "nazwa"},
        {"n", "", "u", "p", "The Control: Host name cannot be empty", "adres"},
        {"n", "h", "", "p", "The Control: User cannot be empty", "uzytkownik"},
        {"n", "h", "u", "", "The Control: Password cannot be empty. Write Your User password",
         "haslo"},
        {"n", "a*b", "u", "p", "The Control: Host name cannot contain the character \"*\"",
         "adres"},
        {"a*b", "h", "u", "p", "The Control: Session FTP cannot contain the character \"*\"",
         "nazwa"},
        {"n", "h", "a*b", "p", "The Control: User cannot contain the character \"*\"",
         "uzytkownik"},
        {"n", "h", "u", "a*b", "The Control: Password cannot contain the character \"*\"", "haslo"},
        {"n", "h", "u", "^",
         "The Control: Password cannot be the single character \"^\" (it marks an unsaved "
         "password)",
         "haslo"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message.toStdString());
        services.clear();
        whenShown("Form6", [&row](QDialog& dialog) {
            auto& d = static_cast<TForm6&>(dialog);
            fillServer(d, row.name, row.host, row.user, row.password);
            click(d.Zapisz);
            EXPECT_TRUE(d.isVisible()); // the dialog stays open
            ASSERT_NE(d.focusWidget(), nullptr);
            EXPECT_EQ(d.focusWidget()->objectName(), row.focus) << row.message.toStdString();
            click(d.Anuluj);
        });
        form->nowy2->trigger();
        QStringList captions;
        EXPECT_EQ(boxTexts(&captions), QStringList{row.message});
        EXPECT_EQ(captions, QStringList{"KORVANTE - FTP"});
    }
    EXPECT_FALSE(servers::categoryFileExists(servers::kInne));
    // Esc closes like Anuluj and clears what was typed.
    whenShown("Form6", [](QDialog& dialog) {
        auto& d = static_cast<TForm6&>(dialog);
        type(d.nazwa, "porzucony");
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    form->nowy2->trigger();
    EXPECT_TRUE(form->Form6->nazwa->text().isEmpty());
    EXPECT_FALSE(servers::categoryFileExists(servers::kInne));
    EXPECT_EQ(form->Form6->windowTitle(), "New FTP server");
}

TEST_F(EditServer, KeepsTheCategoryReplacingTheSelectedLineEvenWhenSorted) {
    home.writeLines("p.dat", {"Zeta*0*z*zeta.pl*zz*21*0*", "Alfa*0*a*alfa.pl*^*21*0*",
                              "Mi*1*anonymous*mi.pl*guest@example.com*21*0*"});
    start(1, 0);
    ASSERT_EQ(shownServers(), (QStringList{"Zeta", "Alfa", "Mi"}));
    form->ftp_listaColumnClick(); // sorted: Alfa, Mi, Zeta
    ASSERT_EQ(shownServers(), (QStringList{"Alfa", "Mi", "Zeta"}));
    clickServer("Zeta");
    whenShown("Form4", [](QDialog& dialog) {
        auto& d = static_cast<TForm4&>(dialog);
        EXPECT_EQ(d.nazwa->text(), "Zeta");
        EXPECT_EQ(d.adres->text(), "zeta.pl");
        EXPECT_EQ(d.haslo->text(), "zz");
        EXPECT_EQ(d.cmb_kat->currentText(), "FIRMY");
        EXPECT_FALSE(d.anonimowy->isChecked());
        d.adres->clear();
        type(d.adres, "nowa.zeta.pl");
        EXPECT_TRUE(d.Zapisz->isEnabled());
        click(d.Zapisz);
    });
    QTest::keyClick(form.get(), Qt::Key_F3);
    EXPECT_EQ(home.readLines("p.dat"), (QStringList{"Alfa*0*a*alfa.pl*^*21*0*",
                                                    "Mi*1*anonymous*mi.pl*guest@example.com*21*0*",
                                                    "Zeta*0*z*nowa.zeta.pl*zz*21*0*"}));
    EXPECT_EQ(form->serverDirectory->openCategory, 0);

    // An anonymous server opens with its box ticked and its own values.
    clickServer("Mi");
    whenShown("Form4", [](QDialog& dialog) {
        auto& d = static_cast<TForm4&>(dialog);
        EXPECT_TRUE(d.anonimowy->isChecked());
        EXPECT_EQ(d.uzytkownik->text(), "anonymous");
        EXPECT_EQ(d.haslo->text(), "guest@example.com");
        click(d.Anuluj);
    });
    form->Edycjadanychserwera1->trigger();
    EXPECT_EQ(home.readLines("p.dat").size(), 3);
}

TEST_F(EditServer, MovesFirmyToMuzykaAndEditsInTheAllServersView) {
    home.writeLines("p.dat", {"Alfa*0*a*alfa.pl*x*21*0*", "Beta*0*b*beta.pl*y*2121*0*"});
    home.writeLines("pr.dat", {"Prog*0*p*prog.pl*^*21*3*"});
    start(1, 0);
    clickServer("Alfa");
    whenShown("Form4", [](QDialog& dialog) {
        auto& d = static_cast<TForm4&>(dialog);
        d.cmb_kat->setCurrentIndex(4);
        click(d.Zapisz);
    });
    form->Edycjadanychserwera1->trigger();
    EXPECT_EQ(home.readBytes("mu.dat"), "Alfa*0*a*alfa.pl*x*21*4*\r\n"); // no leading CR
    EXPECT_EQ(home.readLines("p.dat"), QStringList{"Beta*0*b*beta.pl*y*2121*0*"});
    EXPECT_EQ(form->serverDirectory->openCategory, 4);
    EXPECT_EQ(shownServers(), QStringList{"Alfa"});

    // All servers: the server's own file is the one rewritten.
    form->pokaz_wszystkieClick();
    clickServer("Prog");
    whenShown("Form4", [](QDialog& dialog) {
        auto& d = static_cast<TForm4&>(dialog);
        EXPECT_EQ(d.cmb_kat->currentText(), "PROGRAMY");
        EXPECT_EQ(d.port->value(), 21);
        type(d.haslo, "sekret");
        click(d.Zapisz);
    });
    form->Edycjadanychserwera1->trigger();
    EXPECT_EQ(home.readLines("pr.dat"), QStringList{"Prog*0*p*prog.pl*sekret*21*3*"});
    EXPECT_EQ(home.readLines("p.dat"), QStringList{"Beta*0*b*beta.pl*y*2121*0*"});
    EXPECT_EQ(home.readLines("mu.dat"), QStringList{"Alfa*0*a*alfa.pl*x*21*4*"});
}

TEST_F(EditServer, RefusesAnEmptyAnonymousPasswordAndNeedsASelection) {
    home.writeLines("S_list.dat", {"Anon*1*anonymous*h.pl**21*7*"});
    start(0, 7);
    form->Edycjadanychserwera1->trigger();
    EXPECT_EQ(boxTexts(), QStringList{"Select a FTP server from The list"});
    EXPECT_TRUE(services.callsOf("showModal").isEmpty());

    services.clear();
    clickServer("Anon");
    whenShown("Form4", [](QDialog& dialog) {
        auto& d = static_cast<TForm4&>(dialog);
        EXPECT_EQ(d.windowTitle(), "Edit FTP server");
        EXPECT_EQ(d.lbl_haslo->text(), "Password");
        click(d.Zapisz);
        d.nazwa->clear();
        click(d.Zapisz);
        click(d.Anuluj);
    });
    form->Edycjadanychserwera1->trigger();
    EXPECT_EQ(boxTexts(), (QStringList{"The Control: Password cannot be empty. In anonymous mode "
                                       "You must write Your e-mail",
                                       "The Control: Sesion FTP cannot be empty"}));
    EXPECT_EQ(home.readLines("S_list.dat"), QStringList{"Anon*1*anonymous*h.pl**21*7*"});
}

TEST_F(EditServer, APortThatIsNotANumberIsReportedAndReplacedByTheStandardOne) {
    home.writeLines("u.dat", {"Zepsuty*0*z*z.pl*x*abc*5*", "Dolny*0*d*d.pl*x*1*5*",
                              "Gorny*0*g*g.pl*x*65535*5*"});
    start(1, 5);
    clickServer("Zepsuty");
    whenShown("Form4", [](QDialog& dialog) {
        auto& d = static_cast<TForm4&>(dialog);
        EXPECT_EQ(d.adres->text(), "z.pl");
        EXPECT_EQ(d.haslo->text(), "x");
        EXPECT_EQ(d.port->value(), 21);
        click(d.Zapisz);
    });
    form->Edycjadanychserwera1->trigger();
    const auto errors = services.callsOf("messageDlg");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.first().args.first(), "'abc' is not a valid integer value");
    const QStringList bounds{"Dolny*0*d*d.pl*x*1*5*", "Gorny*0*g*g.pl*x*65535*5*"};
    // A saved server goes to the end of its file.
    EXPECT_EQ(home.readLines("u.dat"), bounds + QStringList{"Zepsuty*0*z*z.pl*x*21*5*"});

    // Both ends of the port range open and save as they are.
    services.clear();
    for (const auto& [server, port] : {std::pair{"Dolny", 1}, std::pair{"Gorny", 65535}}) {
        SCOPED_TRACE(server);
        clickServer(server);
        whenShown("Form4", [port](QDialog& dialog) {
            auto& d = static_cast<TForm4&>(dialog);
            EXPECT_EQ(d.port->value(), port);
            click(d.Zapisz);
        });
        form->Edycjadanychserwera1->trigger();
    }
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('|').toStdString();
    EXPECT_EQ(home.readLines("u.dat"), QStringList{"Zepsuty*0*z*z.pl*x*21*5*"} + bounds);
}

TEST_F(EditServer, RefusesAStarInEveryValueItWrites) {
    const QStringList saved{"Alfa*0*a*alfa.pl*x*21*0*"};
    home.writeLines("p.dat", saved);
    start(0, 0);
    for (auto field : {&TForm4::nazwa, &TForm4::uzytkownik, &TForm4::haslo}) {
        clickServer("Alfa");
        whenShown("Form4", [field](QDialog& dialog) {
            auto& d = static_cast<TForm4&>(dialog);
            type(d.*field, "*");
            click(d.Zapisz);
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.focusWidget(), d.*field);
            click(d.Anuluj);
        });
        form->Edycjadanychserwera1->trigger();
    }
    EXPECT_EQ(boxTexts(), (QStringList{
                              "The Control: Session FTP cannot contain the character \"*\"",
                              "The Control: User cannot contain the character \"*\"",
                              "The Control: Password cannot contain the character \"*\"",
                          }));
    EXPECT_EQ(home.readLines("p.dat"), saved);
}

TEST_F(EditServer, WithNoServerPickedInTheAllServersViewItRemovesNothing) {
    home.writeLines("p.dat", {"Alfa*0*a*alfa.pl*x*21*0*"});
    start(1, 8);
    ASSERT_EQ(form->serverDirectory->openCategory, 8);
    form->topPanel->FTpServer->setText("nowy.pl");
    form->topPanel->UserID->setText("ela");
    form->topPanel->Password2->setText("pw");
    whenShown("Form4", [](QDialog& dialog) {
        auto& d = static_cast<TForm4&>(dialog);
        EXPECT_EQ(d.cmb_kat->currentIndex(), -1);
        type(d.nazwa, "Nowy");
        click(d.Zapisz); // no category to write to yet
        EXPECT_TRUE(d.isVisible());
        d.cmb_kat->setCurrentIndex(2);
        click(d.Zapisz);
    });
    form->editServer();
    EXPECT_EQ(boxTexts(), QStringList{"Wybierz kategorię, do której mam zapisać serwer"});
    EXPECT_EQ(home.readLines("p.dat"), QStringList{"Alfa*0*a*alfa.pl*x*21*0*"});
    EXPECT_EQ(categoryLines(2), QStringList{"Nowy*0*ela*nowy.pl*pw*21*2*"});
    EXPECT_EQ(shownServers(), (QStringList{"Alfa", "Nowy"})); // the view is rebuilt
}

TEST_F(EditServer, ASourceFileThatCannotBeReadIsNotRewritten) {
    home.writeLines("p.dat", {"Alfa*0*a*alfa.pl*x*21*0*"});
    start(0, 0);
    clickServer("Alfa");
    // The file turns into something that cannot be read as lines.
    ASSERT_TRUE(QFile::remove(home.file("p.dat")));
    ASSERT_TRUE(QDir(home.path()).mkdir("p.dat"));
    whenShown("Form4", [](QDialog& dialog) {
        auto& d = static_cast<TForm4&>(dialog);
        type(d.haslo, "2");
        click(d.Zapisz);
        EXPECT_TRUE(d.isVisible());
        click(d.Anuluj);
    });
    form->Edycjadanychserwera1->trigger();
    ASSERT_EQ(boxTexts().size(), 1);
    EXPECT_TRUE(boxTexts().first().startsWith("The server list file could not be read:"));
    EXPECT_TRUE(QFileInfo(home.file("p.dat")).isDir());
}

TEST_F(EditServer, PolishPasswordLabelKeepsWhatTheAnonymousBoxLastSaid) {
    home.writeLines("S_list.dat",
                    {"Anon*1*anonymous*h.pl*a@b.pl*21*7*", "Jan*0*jan*j.pl*tajne*21*7*"});
    start(1, 7);
    // The design text until the box first changes.
    clickServer("Jan");
    QString label;
    whenShown("Form4", [&](QDialog& dialog) {
        label = static_cast<TForm4&>(dialog).lbl_haslo->text();
        click(static_cast<TForm4&>(dialog).Anuluj);
    });
    form->Edycjadanychserwera1->trigger();
    EXPECT_EQ(label, "Hasło");

    clickServer("Anon");
    whenShown("Form4", [&](QDialog& dialog) {
        auto& d = static_cast<TForm4&>(dialog);
        EXPECT_EQ(d.lbl_haslo->text(), "Jako hasło będzie adres e-mail");
        click(d.anonimowy); // ticked to unticked
        label = d.lbl_haslo->text();
        click(d.Anuluj);
    });
    form->Edycjadanychserwera1->trigger();
    EXPECT_EQ(label, "Twoje hasło użytkownika");

    // Shown again for a named user: the caption pass leaves the label alone.
    clickServer("Jan");
    whenShown("Form4", [&](QDialog& dialog) {
        label = static_cast<TForm4&>(dialog).lbl_haslo->text();
        click(static_cast<TForm4&>(dialog).Anuluj);
    });
    form->Edycjadanychserwera1->trigger();
    EXPECT_EQ(label, "Twoje hasło użytkownika");
}
