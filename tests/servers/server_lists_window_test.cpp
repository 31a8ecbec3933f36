// The server lists of the main window, offscreen, with a temporary program
// folder and recording platform services.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_panel.h"
#include "platform/text_file.h"
#include "servers/server_directory_state.h"
#include "servers/server_list_look.h"
#include "servers/setup_wizard.h"
#include "tests/servers/qstring_print.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "tests/support/ui/main_window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

const char* const kFiles[] = {"p.dat",  "m.dat", "s.dat",    "pr.dat",
                              "mu.dat", "u.dat", "priw.dat", "S_list.dat"};

QString u(const char* text) {
    return QString::fromUtf8(text);
}

struct ServerLists : MainWindowFixture {

    void create(int startCategory = 7, int language = 1) {
        home.writeDefaultKonf(language, startCategory);
        createWindow([](TForm1& window) { window.wireServerLists(); });
        if (form->quitting())
            return;
        showWindow();
    }
    // One server per name, in category `code`; "-" as password means not saved.
    void writeCategory(int code, const QStringList& names) {
        QStringList lines;
        for (const QString& n : names)
            lines.append(n + "*0*user_" + n + "*host." + n + "*pass_" + n + "*21*" +
                         QString::number(code) + "*");
        home.writeLines(QString::fromLatin1(kFiles[code]), lines);
    }
    QStringList captions() const {
        QStringList out;
        for (int i = 0; i < form->serverPanel->ftp_lista->topLevelItemCount(); ++i)
            out.append(form->serverPanel->ftp_lista->topLevelItem(i)->text(0));
        return out;
    }
    void select(const QString& caption) {
        const auto found = form->serverPanel->ftp_lista->findItems(caption, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << caption.toStdString();
        const QRect rect = form->serverPanel->ftp_lista->visualItemRect(found.first());
        QTest::mouseClick(form->serverPanel->ftp_lista->viewport(), Qt::LeftButton, {},
                          rect.center());
        ASSERT_EQ(form->serverPanel->ftp_lista->selectedItems().value(0), found.first());
    }
    QToolButton* button(int code) const {
        QToolButton* buttons[] = {
            form->localPanel->f2,  form->localPanel->M2,  form->localPanel->s2,
            form->localPanel->p2,  form->localPanel->mu2, form->localPanel->U2,
            form->localPanel->Pr2, form->localPanel->In2, form->localPanel->W2};
        return buttons[code];
    }
    QAction* item(int code) const {
        QAction* items[] = {form->Panstwa,  form->Miasta,      form->szkoly,
                            form->Programy, form->Muzyka,      form->Ulubione,
                            form->Prywatne, form->wszystkie_s, form->pokaz_wszystkie};
        return items[code];
    }
    // Exactly `code` marked on the toolbar and checked in kat1 (-1: none).
    void expectOpen(int code) {
        for (int c = 0; c <= 8; ++c) {
            EXPECT_EQ(button(c)->isChecked(), c == code) << "button " << c;
            EXPECT_EQ(item(c)->isChecked(), c == code) << "item " << c;
        }
    }
    QColor labelColour() const {
        form->topPanel->lbl_haslo->ensurePolished();
        return form->topPanel->lbl_haslo->palette().color(
            form->topPanel->lbl_haslo->foregroundRole());
    }
};

TEST_F(ServerLists, EachCategoryOpensByToolbarAndMenu) {
    const char* names[] = {"FIRMY",  "MIASTA",   "SZKOŁY - UCZELNIE", "PROGRAMY",
                           "MUZYKA", "ULUBIONE", "PRYWATNE",          "INNE"};
    for (int code = 0; code < 8; ++code)
        writeCategory(code, {QString("Srv%1a").arg(code), QString("Srv%1b").arg(code)});
    create(7);
    EXPECT_EQ(captions(), (QStringList{"Srv7a", "Srv7b"}));
    EXPECT_EQ(form->StatusBar1->panelText(2), "Kategoria: INNE");

    for (int viaMenu = 0; viaMenu < 2; ++viaMenu) {
        for (int code = 0; code < 8; ++code) {
            form->topPanel->UserID->setText("x");
            if (viaMenu)
                item(code)->trigger();
            else
                QTest::mouseClick(button(code), Qt::LeftButton);
            const QStringList want{QString("Srv%1a").arg(code), QString("Srv%1b").arg(code)};
            EXPECT_EQ(captions(), want) << code;
            EXPECT_EQ(form->serverDirectory->ListBox2, home.readLines(kFiles[code]));
            EXPECT_EQ(form->serverDirectory->openCategory, code);
            EXPECT_FALSE(form->serverDirectory->allServersShown);
            EXPECT_EQ(form->StatusBar1->panelText(2), u("Otwarta kategoria: ") + u(names[code]));
            EXPECT_EQ(form->topPanel->UserID->text(), "");
            EXPECT_TRUE(form->Usun1->isEnabled());
            EXPECT_EQ(form->serverPanel->status_ftp->panelText(0), u("Zapisanych serwerów: 2"));
            expectOpen(code);
        }
    }

    // A category without a file opens empty, its button marked.
    QFile::remove(home.file("pr.dat"));
    QTest::mouseClick(button(3), Qt::LeftButton);
    EXPECT_TRUE(captions().isEmpty());
    expectOpen(3);
    EXPECT_FALSE(home.exists("pr.dat")); // loading never creates a file

    // A file that cannot be read: what was read stays, and the user is told.
    QFile::remove(home.file("mu.dat"));
    ASSERT_TRUE(QDir(home.path()).mkdir("mu.dat"));
    QTest::mouseClick(button(4), Qt::LeftButton);
    EXPECT_EQ(services.messages().value(0),
              u("Brak katalogu źródłowego na dysku lokalnym.\n"
                "Zmień domyślną ścieżkę lokalną uruchamiania programu (Menu: Ustawienia)"));
    services.clear();
    QTest::mouseClick(button(8), Qt::LeftButton);
    EXPECT_EQ(services.messages().value(0),
              u("Brak na dysku domyślnego katalogu skąd mam ładować program\n"
                "Ustaw inną domyślną ścieżkę uruchamiania programu"));
    EXPECT_EQ(captions().mid(0, 6),
              (QStringList{"Srv0a", "Srv0b", "Srv1a", "Srv1b", "Srv2a", "Srv2b"}));
}

TEST_F(ServerLists, AllServersViewKeepsFileOrderAndOffersNoPerCategoryDeletes) {
    writeCategory(0, {"Zeta", "Alfa"});
    writeCategory(3, {"Prog"});
    writeCategory(7, {"Inna"});
    home.writeLines("u.dat", {"tekst bez gwiazdki", "Ulub*1*anonymous*h.u*^*21*5*"});
    create(3);
    QTest::mouseClick(form->localPanel->W2, Qt::LeftButton);
    EXPECT_EQ(captions(), (QStringList{"Zeta", "Alfa", "Prog", "Ulub", "Inna"}));
    EXPECT_EQ(form->serverDirectory->ListBox2.size(),
              6); // the line without "*" keeps its place, unlisted
    EXPECT_EQ(form->serverDirectory->ListBox2[3], "tekst bez gwiazdki");
    EXPECT_EQ(form->serverDirectory->openCategory, 8);
    EXPECT_EQ(form->StatusBar1->panelText(2), "Otwarta kategoria: WSZYSTKIE SERWERY");
    EXPECT_EQ(form->StatusBar1->panelText(3), "Wybrany z Kat: BRAK");
    expectOpen(8);
    EXPECT_FALSE(form->Usun1->isEnabled());
    EXPECT_FALSE(form->usun_all->isEnabled());
    EXPECT_TRUE(form->usun_all2->isEnabled());

    // Selecting names the server's own category and keeps the view's.
    select("Ulub");
    EXPECT_EQ(form->topPanel->FTpServer->text(), "h.u");
    EXPECT_EQ(form->serverDirectory->selectedServerCategory, 5);
    EXPECT_EQ(form->serverDirectory->openCategory, 8);
    EXPECT_EQ(form->selectedServerLine(), "Ulub*1*anonymous*h.u*^*21*5*");
    EXPECT_EQ(form->StatusBar1->panelText(3), "Wybrany serwer z Kategorii: ULUBIONE");
    EXPECT_FALSE(form->Usun1->isEnabled());
    EXPECT_FALSE(form->usun_all->isEnabled());
    QTest::mousePress(form->serverPanel->ftp_lista->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(form->Usun1->isEnabled());
    EXPECT_FALSE(form->usun_all->isEnabled());
    EXPECT_TRUE(form->Edycjadanychserwera1->isEnabled());
    EXPECT_TRUE(form->usun_all2->isEnabled());

    // The sort toggle sorts the whole view and a second click restores file order.
    form->serverPanel->ftp_lista->header()->sectionClicked(0);
    EXPECT_EQ(captions(), (QStringList{"Alfa", "Inna", "Prog", "Ulub", "Zeta"}));
    form->serverPanel->ftp_lista->header()->sectionClicked(1);
    EXPECT_EQ(captions(), (QStringList{"Zeta", "Alfa", "Prog", "Ulub", "Inna"}));
    EXPECT_TRUE(form->serverDirectory->allServersShown);

    // Nothing can be dropped on the list.
    QMimeData mime;
    mime.setText("x");
    QDragEnterEvent drag(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(form->serverPanel->ftp_lista->viewport(), &drag);
    EXPECT_FALSE(drag.isAccepted());
    EXPECT_FALSE(form->serverPanel->ftp_lista->viewport()->acceptDrops());
}

TEST_F(ServerLists, SelectingFillsTheConnectionFieldsAndColoursThePasswordLabel) {
    home.writeLines(
        "p.dat", {"Zapisany*0*jan*ftp.a.pl*tajne*2121*0*", "Niezapisany*0*ola*ftp.b.pl*^*21*0*"});
    create(0);
    form->topPanel->CurrentDirEdit->setText("/pub");
    select("Niezapisany");
    EXPECT_EQ(form->topPanel->FTpServer->text(), "ftp.b.pl");
    EXPECT_EQ(form->topPanel->UserID->text(), "ola");
    EXPECT_EQ(form->topPanel->Password2->text(), "");
    EXPECT_FALSE(form->topPanel->Password2->isReadOnly());
    EXPECT_EQ(form->edit_port, "21");
    EXPECT_EQ(labelColour(), QColor(Qt::red));
    EXPECT_EQ(form->kopia_ftp, "ftp.b.pl");
    EXPECT_EQ(form->kopia_ures, "ola");
    EXPECT_EQ(form->kopia_dir, "/pub");
    EXPECT_TRUE(form->powiekszenie1->isEnabled());
    EXPECT_EQ(form->StatusBar1->panelText(3), "Wybrany serwer z Kategorii: FIRMY");
    QTest::keyClicks(form->topPanel->Password2, "abc");
    EXPECT_EQ(labelColour(), QColor(Qt::blue));

    select("Zapisany");
    EXPECT_EQ(form->topPanel->Password2->text(), "tajne");
    EXPECT_TRUE(form->topPanel->Password2->isReadOnly());
    EXPECT_EQ(form->kopia_haslo, "tajne");
    EXPECT_EQ(form->edit_port, "2121");
}

TEST_F(ServerLists, DeletingInASortedListRemovesThatServersOwnLine) {
    // Names that differ only in case or are prefixes of each other, and a
    // line that is no server at all.
    const QByteArray file = "beta*0*u1*h1*^*21*3*\r\n"
                            "Alfa*0*u2*h2*^*21*3*\r\n"
                            "komentarz\r\n"
                            "alfa*0*u3*h3*^*21*3*\r\n"
                            "Alfa2*0*u4*h4*^*21*3*\r\n";
    home.writeBytes("pr.dat", file);
    create(3);
    form->serverPanel->ftp_lista->header()->sectionClicked(0);
    EXPECT_EQ(captions(), (QStringList{"Alfa", "alfa", "Alfa2", "beta"}));

    // Nothing selected: the message, nothing written.
    form->serverPanel->ftp_lista->clearSelection();
    form->Usun1->trigger();
    EXPECT_EQ(services.messages().value(0),
              u("Wybierz na liście serwerów FTP komputer który masz zamiar usunąć"));
    EXPECT_EQ(home.readBytes("pr.dat"), file);

    select("alfa");
    EXPECT_EQ(form->topPanel->UserID->text(), "u3");
    services.dialogAnswers.push_back(platform::DlgResult::No);
    form->Usun1->trigger();
    EXPECT_EQ(
        services.callsOf("messageBox").last().args.mid(0, 2),
        (QStringList{u("Czy napewno chcesz usunąć serwer: alfa?"), u("KORVANTE - Usunięcie")}));
    EXPECT_EQ(home.readBytes("pr.dat"), file);

    services.dialogAnswers.push_back(platform::DlgResult::Yes);
    form->Usun1->trigger();
    EXPECT_EQ(captions(), (QStringList{"Alfa", "Alfa2", "beta"}));
    // Rewritten in the sorted order, without the deleted server's line only.
    EXPECT_EQ(home.readBytes("pr.dat"), "komentarz\r\n"
                                        "Alfa*0*u2*h2*^*21*3*\r\n"
                                        "Alfa2*0*u4*h4*^*21*3*\r\n"
                                        "beta*0*u1*h1*^*21*3*\r\n");
    EXPECT_EQ(form->serverPanel->status_ftp->panelText(0), u("Zapisanych serwerów: 3"));

    // Rows after the deleted one still find their own lines.
    select("beta");
    EXPECT_EQ(form->topPanel->UserID->text(), "u1");
    services.dialogAnswers.push_back(platform::DlgResult::Yes);
    form->Usun1->trigger();
    EXPECT_EQ(home.readBytes("pr.dat"), "komentarz\r\n"
                                        "Alfa*0*u2*h2*^*21*3*\r\n"
                                        "Alfa2*0*u4*h4*^*21*3*\r\n");
}

TEST_F(ServerLists, EmptyingACategoryAndEverything) {
    writeCategory(1, {"Jeden"});
    writeCategory(4, {"Dwa", "Trzy"});
    writeCategory(7, {"Cztery"});
    writeCategory(6, {"Jedyny"});
    create(6);
    // Deleting the only server leaves an empty file and an empty list.
    select("Jedyny");
    services.dialogAnswers.push_back(platform::DlgResult::Yes);
    form->Usun1->trigger();
    EXPECT_EQ(home.readBytes("priw.dat"), "");
    EXPECT_TRUE(captions().isEmpty());
    EXPECT_EQ(form->serverPanel->status_ftp->panelText(0), u("Zapisanych serwerów: 0"));

    QTest::mouseClick(button(4), Qt::LeftButton);
    services.dialogAnswers.push_back(platform::DlgResult::Yes);
    form->usun_all->trigger();
    EXPECT_EQ(services.callsOf("messageBox").last().args.mid(0, 2),
              (QStringList{u("Czy napewno chcesz usunąć wszystkie serwery z tej kategorii?"),
                           u("KORVANTE - Usunięcie")}));
    EXPECT_EQ(home.readBytes("mu.dat"), "");
    EXPECT_TRUE(captions().isEmpty());
    EXPECT_EQ(form->serverPanel->status_ftp->panelText(0), u("Zapisanych serwerów: 0"));
    EXPECT_FALSE(home.readBytes("m.dat").isEmpty());

    form->settings.language = 0;
    QTest::mouseClick(form->localPanel->W2, Qt::LeftButton);
    services.dialogAnswers.push_back(platform::DlgResult::Yes);
    form->usun_all2->trigger();
    EXPECT_EQ(services.callsOf("messageBox").last().args.mid(0, 2),
              (QStringList{"Do You want delete All servers?", "KORVANTE - Removing"}));
    for (const char* f : {"m.dat", "mu.dat", "S_list.dat"})
        EXPECT_EQ(home.readBytes(f), "") << f;
    EXPECT_FALSE(home.exists("p.dat"));
    EXPECT_TRUE(captions().isEmpty());
    EXPECT_EQ(form->serverPanel->status_ftp->panelText(0), "Saved servers: 0");
}

TEST_F(ServerLists, PrintingTheLoadedList) {
    home.writeLines("pr.dat",
                    {"Pierwszy*0*jan*ftp.a.pl*tajne*21*3*", "Drugi*1*anonymous*ftp.b.pl*^*2121*3*",
                     "Trzeci*0*ola*ftp.c.pl*x*21*3*"});
    create(3);
    services.printAnswers.push_back(true);
    form->ftp_drukuj->trigger();
    const QList<RecordedCall> prints = services.callsOf("printText");
    ASSERT_EQ(prints.size(), 1);
    const QStringList report = prints[0].args.value(1).split('\n');
    EXPECT_EQ(report.size(), 1 + 3 * 7);
    EXPECT_EQ(report[0], u(" Lista serwerów z kategorii: PROGRAMY"));
    EXPECT_EQ(report[9], "   Sesja: Drugi");
    EXPECT_FALSE(prints[0].args.value(1).contains("tajne"));
    EXPECT_EQ(form->serverDirectory->edit_drukuj, prints[0].args.value(1));
}

TEST_F(ServerLists, StartCategories) {
    writeCategory(0, {"Firma"});
    create(7); // INNE without a file: no mark, "Kategoria: INNE"
    EXPECT_TRUE(captions().isEmpty());
    EXPECT_EQ(form->StatusBar1->panelText(2), "Kategoria: INNE");
    EXPECT_TRUE(form->wszystkie_s->isChecked());
    EXPECT_FALSE(form->localPanel->In2->isChecked());

    writeCategory(7, {"Inna"});
    create(8);
    EXPECT_EQ(captions(), (QStringList{"Firma", "Inna"}));
    EXPECT_TRUE(form->serverDirectory->allServersShown);
    expectOpen(8);
    EXPECT_EQ(form->StatusBar1->panelText(2), "Otwarta kategoria: WSZYSTKIE SERWERY");

    create(0);
    EXPECT_EQ(captions(), QStringList{"Firma"});
    expectOpen(0);
}

TEST_F(ServerLists, WizardOpensTheChosenCategory) {
    writeCategory(5, {"Ulubiony"});
    writeCategory(7, {"Inna"});
    writeCategory(2, {"Szkola"});
    struct Case {
        int row;
        bool doubleClick;
        QString panel;
        int marked;
    };
    const Case cases[] = {
        {5, true, u("Otwarta kategoria: ULUBIONE"), 5},
        {7, false, u("Kategoria: INNE"), 7},
        {8, false, u("Otwarta kategoria: WSZYSTKIE SERWERY"), 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("wizard row " + std::to_string(c.row));
        QStringList memo;
        QString status;
        services.modalSteps["F_kreator"] = [&](QDialog& d) {
            auto& w = static_cast<TF_kreator&>(d);
            // Shown and active, the list focused: still nothing is chosen.
            EXPECT_TRUE(QTest::qWaitForWindowActive(&w, 3000));
            w.lista->setFocus(Qt::TabFocusReason);
            QCoreApplication::processEvents();
            EXPECT_EQ(w.lista->count(), 9);
            EXPECT_EQ(w.lista->currentRow(), -1);
            EXPECT_TRUE(w.lista->selectedItems().isEmpty());
            EXPECT_TRUE(w.Memo1->toPlainText().isEmpty());
            EXPECT_FALSE(w.ok->isEnabled());
            QListWidgetItem* it = w.lista->item(c.row);
            const QRect rect = w.lista->visualItemRect(it);
            QTest::mouseClick(w.lista->viewport(), Qt::LeftButton, {}, rect.center());
            memo = w.Memo1->toPlainText().split('\n');
            status = w.status->text();
            EXPECT_TRUE(w.ok->isEnabled());
            if (c.doubleClick)
                QTest::mouseDClick(w.lista->viewport(), Qt::LeftButton, {}, rect.center());
            else
                QTest::mouseClick(w.ok, Qt::LeftButton);
            return d.result();
        };
        create(9);
        EXPECT_EQ(services.callsOf("showModal").size(), 1);
        services.clear();
        EXPECT_EQ(form->StatusBar1->panelText(2), c.panel);
        EXPECT_EQ(form->serverDirectory->openCategory, c.row);
        EXPECT_EQ(button(c.marked)->isChecked(), true);
        EXPECT_FALSE(form->quitting());
        if (c.row == 8) {
            EXPECT_EQ(captions(), (QStringList{"Szkola", "Ulubiony", "Inna"}));
            EXPECT_FALSE(form->Usun1->isEnabled());
            EXPECT_EQ(memo, (QStringList{u("W tej kategorii znajdują się wszystkie serwery"),
                                         "zapisane w programie KORVANTE"}));
        } else {
            EXPECT_EQ(memo.value(0), u("W tej kategorii powinny znajdować się serwery"));
            EXPECT_EQ(status, u("Wybrano kategorię: ") + (c.row == 5 ? "ULUBIONE" : "INNE"));
        }
    }

    // "Zamknij program": start-up ends and no category is opened; English captions.
    services.modalSteps["F_kreator"] = [](QDialog& d) {
        auto& w = static_cast<TF_kreator&>(d);
        EXPECT_EQ(w.windowTitle(), "FTP Client");
        EXPECT_EQ(w.ok->text(), "LOAD");
        EXPECT_EQ(w.Anuluj->text(), "Close program");
        w.Anuluj->click();
        return d.result();
    };
    create(9, 0);
    EXPECT_TRUE(form->quitting());
    EXPECT_EQ(form->serverDirectory->openCategory, 9);
}

TEST_F(ServerLists, SearchByWholeNameAndIncrementally) {
    writeCategory(3, {"Alfa", "Beta", "Bravo", "Brzeg", "Cezar"});
    create(3);
    EXPECT_TRUE(form->serverPanel->szukaj->isHidden());
    QTest::mouseClick(form->serverPanel->SpeedButton1, Qt::LeftButton);
    EXPECT_FALSE(form->serverPanel->szukaj->isHidden());
    EXPECT_EQ(form->szukajTag, 105);
    EXPECT_FALSE(form->FormKeyDown(Qt::Key_Delete, {})); // the field is in use

    // Whole-name mode: Enter finds the first name starting with the text.
    ASSERT_TRUE(form->serverPanel->szukaj_cale->isChecked());
    QTest::keyClicks(form->serverPanel->szukaj, "bR");
    EXPECT_TRUE(form->serverPanel->ftp_lista->selectedItems().isEmpty()); // nothing before Enter
    QTest::keyClick(form->serverPanel->szukaj, Qt::Key_Return);
    EXPECT_EQ(form->serverPanel->ftp_lista->currentItem()->text(0), "Bravo");
    EXPECT_EQ(form->serverPanel->szukaj->text(), "bR"); // the Enter was consumed

    // Incremental mode.
    QTest::mouseClick(form->serverPanel->szukaj_cale, Qt::LeftButton);
    EXPECT_EQ(form->serverPanel->szukaj->text(), "");
    form->serverPanel->szukaj->setFocus();
    QTest::keyClick(form->serverPanel->szukaj, 'b');
    EXPECT_EQ(form->serverPanel->ftp_lista->currentItem()->text(0), "Beta");
    EXPECT_EQ(form->topPanel->FTpServer->text(), "host.Beta"); // the click handler ran
    QTest::keyClick(form->serverPanel->szukaj, 'r');
    EXPECT_EQ(form->serverPanel->ftp_lista->currentItem()->text(0), "Bravo");
    QTest::keyClick(form->serverPanel->szukaj, 'z');
    EXPECT_EQ(form->serverPanel->ftp_lista->currentItem()->text(0), "Brzeg");
    QTest::keyClick(form->serverPanel->szukaj, Qt::Key_Backspace);
    EXPECT_EQ(form->serverDirectory->szukajTekst, "br");
    EXPECT_EQ(form->serverPanel->ftp_lista->currentItem()->text(0), "Brzeg");
    // A prefix no later server has empties the field and starts over.
    QTest::keyClick(form->serverPanel->szukaj, 'q');
    EXPECT_EQ(form->serverPanel->szukaj->text(), "");
    EXPECT_EQ(form->serverDirectory->szukajPozycja, 0);
    QTest::keyClick(form->serverPanel->szukaj, 'c');
    EXPECT_EQ(form->serverPanel->ftp_lista->currentItem()->text(0), "Cezar");
    QTest::keyClick(form->serverPanel->szukaj, Qt::Key_Return); // consumed, changes nothing
    EXPECT_EQ(form->serverPanel->szukaj->text(), "c");

    QTest::mouseClick(form->serverPanel->SpeedButton1, Qt::LeftButton);
    EXPECT_TRUE(form->serverPanel->szukaj->isHidden());
    EXPECT_EQ(form->serverPanel->szukaj->text(), "");
    EXPECT_EQ(form->szukajTag, 200);
}

TEST_F(ServerLists, SelectedServerConnectsAndCategoriesWaitWhileConnected) {
    ftptest::TempDir root;
    ftptest::writeFile(root.file("plik.txt"), "dane");
    ftptest::PyFtpServer server(root.path());
    home.writeLines(
        "p.dat", {"Lokalny*0*korvante*127.0.0.1*secret*" + QString::number(server.port()) + "*0*"});
    writeCategory(1, {"Miasto"});
    create(0);
    form->wireSession();
    select("Lokalny");
    EXPECT_EQ(form->edit_port, QString::number(server.port()));
    form->pol2Click();
    ASSERT_TRUE(form->connected()) << services.messages().join(" | ").toStdString();

    // Category commands are refused silently while connected.
    QTest::mouseClick(button(1), Qt::LeftButton);
    form->Miasta->trigger();
    form->pokaz_wszystkie->trigger();
    EXPECT_EQ(captions(), QStringList{"Lokalny"});
    EXPECT_EQ(form->serverDirectory->openCategory, 0);
    expectOpen(0);
    form->roz2Click();
    EXPECT_FALSE(form->connected());
}

TEST_F(ServerLists, WholeNameSearchMarksTheFoundServerWithoutSelectingIt) {
    writeCategory(3, {"Alfa", "Beta", "Bravo"});
    create(3);
    select("Alfa");
    ASSERT_EQ(form->topPanel->FTpServer->text(), "host.Alfa");
    QTest::mouseClick(form->serverPanel->SpeedButton1, Qt::LeftButton);
    QTest::keyClicks(form->serverPanel->szukaj, "br");
    QTest::keyClick(form->serverPanel->szukaj, Qt::Key_Return);

    QTreeWidgetItem* bravo =
        form->serverPanel->ftp_lista->findItems("Bravo", Qt::MatchExactly).value(0);
    EXPECT_EQ(form->serverPanel->ftp_lista->currentItem(), bravo);
    EXPECT_TRUE(form->serverPanel->ftp_lista->hasFocus());
    EXPECT_TRUE(servers_ui::isMarkedFound(bravo));
    // The selection and the connection fields are what the user chose.
    EXPECT_EQ(form->serverPanel->ftp_lista->selectedItems(),
              QList<QTreeWidgetItem*>{form->serverPanel->ftp_lista->topLevelItem(0)});
    EXPECT_EQ(form->topPanel->FTpServer->text(), "host.Alfa");
    EXPECT_EQ(form->topPanel->UserID->text(), "user_Alfa");
    // The mark looks like a selected row, unlike a plain one.
    const QImage shown = form->serverPanel->ftp_lista->viewport()->grab().toImage();
    auto cellColour = [&](int row) {
        const QRect r = form->serverPanel->ftp_lista->visualItemRect(
            form->serverPanel->ftp_lista->topLevelItem(row));
        return shown.pixelColor(265 + 95 - 4, r.center().y());
    };
    // (the style shades a selection a little from row to row)
    auto near = [](const QColor& a, const QColor& b) {
        return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <
               12;
    };
    EXPECT_TRUE(near(cellColour(2), cellColour(0)));
    EXPECT_FALSE(near(cellColour(2), cellColour(1)));

    // Choosing a server replaces the mark.
    select("Beta");
    EXPECT_FALSE(servers_ui::isMarkedFound(bravo));
    EXPECT_EQ(form->topPanel->FTpServer->text(), "host.Beta");
}

TEST_F(ServerLists, CategoryToolbarShowsItsPicturesAndTheListItsGrid) {
    writeCategory(0, {"Alfa", "Beta"});
    create(0);
    QList<QImage> pictures;
    for (int code = 0; code <= 8; ++code) {
        QToolButton* b = button(code);
        EXPECT_FALSE(b->icon().isNull()) << code;
        EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonTextBesideIcon) << code;
        const QImage picture = b->icon().pixmap(16, 16).toImage();
        EXPECT_FALSE(pictures.contains(picture)) << "picture " << code << " repeats";
        pictures.append(picture);
    }
    // At the design size, with the log shown, the whole column fits.
    form->showNormal();
    form->resize(780, 548);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->height() == 548; }, 2000));
    for (int code = 0; code <= 8; ++code)
        ASSERT_TRUE(QTest::qWaitFor([&] { return button(code)->isVisible(); }, 2000));
    EXPECT_TRUE(form->localPanel->kont->isVisible());
    // Grid lines along the bottom and the right edge of every cell.
    const QImage shown = form->serverPanel->ftp_lista->viewport()->grab().toImage();
    const QRgb grid =
        servers_ui::TServerListDelegate::gridColor(form->serverPanel->ftp_lista->palette()).rgb();
    const QRect first =
        form->serverPanel->ftp_lista->visualItemRect(form->serverPanel->ftp_lista->topLevelItem(1));
    EXPECT_EQ(shown.pixel(first.left() + 150, first.bottom()), grid);
    EXPECT_EQ(shown.pixel(form->serverPanel->ftp_lista->columnWidth(0) - 1, first.center().y()),
              grid);
    EXPECT_NE(shown.pixel(first.left() + 150, first.center().y() - 3), grid);
}

TEST_F(ServerLists, PrintoutNumbersTheServersOnlyNotStrayLines) {
    home.writeLines("pr.dat", {"Pierwszy*0*jan*ftp.a.pl*tajne*21*3*", "", "bez gwiazdek",
                               "Drugi*1*anonymous*ftp.b.pl*^*2121*3*"});
    create(3);
    services.printAnswers.push_back(true);
    form->ftp_drukuj->trigger();
    const QStringList report = services.callsOf("printText").value(0).args.value(1).split('\n');
    EXPECT_EQ(report.size(), 1 + 2 * 7);
    EXPECT_EQ(report.value(1), u(" Serwer Nr: 1"));
    EXPECT_EQ(report.value(8), u(" Serwer Nr: 2"));
    EXPECT_EQ(report.value(9), u("   Sesja: Drugi"));
}

} // namespace
