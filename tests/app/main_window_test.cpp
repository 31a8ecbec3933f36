// The main window, offscreen, with a temporary program folder and recording
// platform services.

#include "app/captions.h"
#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "tests/support/ui/recording_services.h"
#include "tests/support/ui/temp_home.h"
#include "transfers/transfer_state.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct MainWindow : ::testing::Test {
    TempHome home;
    RecordingServices services;
    std::unique_ptr<TForm1> form;

    void create() {
        form = std::make_unique<TForm1>();
        form->FormCreate();
    }

    // Presses a key through the key handler. Returns "not taken", or what
    // its handler asked of the platform first and the text it gave
    // ("messageDlg: ..."), or "nothing asked".
    QString press(int key) {
        services.clear();
        if (!form->FormKeyDown(key, Qt::NoModifier))
            return QStringLiteral("not taken");
        if (services.calls.isEmpty())
            return QStringLiteral("nothing asked");
        const RecordedCall& first = services.calls.first();
        return first.what + QStringLiteral(": ") + first.args.value(0);
    }

    QString textOf(const char* name) {
        QObject* o = form->findChild<QObject*>(QString::fromLatin1(name));
        if (auto* a = qobject_cast<QAction*>(o))
            return a->text();
        if (auto* m = qobject_cast<QMenu*>(o))
            return m->title();
        if (auto* b = qobject_cast<QAbstractButton*>(o))
            return b->text();
        if (auto* l = qobject_cast<QLabel*>(o))
            return l->text();
        return QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
    }

    void expectCaptions(bool polish) {
        for (const CaptionRow& row : mainWindowCaptions()) {
            SCOPED_TRACE(row.name);
            const QString name = QString::fromLatin1(row.name);
            const QString want = QString::fromUtf8(polish ? row.pl : row.en);
            if (name == QLatin1String("TForm1"))
                EXPECT_EQ(form->windowTitle(), want);
            else if (name.endsWith(QLatin1Char('?')))
                EXPECT_EQ(form->findChild<QWidget*>(name.chopped(1))->toolTip(), want);
            else if (name.contains(QLatin1Char('#'))) {
                auto* list = form->findChild<QTreeView*>(name.section(QLatin1Char('#'), 0, 0));
                ASSERT_NE(list, nullptr) << row.name;
                EXPECT_EQ(
                    list->model()
                        ->headerData(name.section(QLatin1Char('#'), 1).toInt(), Qt::Horizontal)
                        .toString(),
                    want);
            } else
                EXPECT_EQ(textOf(row.name), want) << row.name;
        }
    }
};

TEST_F(MainWindow, ControlsExistWithTheirCaptionsInBothLanguages) {
    home.writeDefaultKonf(1);
    create();
    expectCaptions(true);
    for (const char* name : {"Panel1",       "Panel2",       "Panel3",       "Panel4",
                             "Panel6",       "Panel7",       "panel_ftp",    "CurrentDirEdit",
                             "UserID",       "FTpServer",    "Password2",    "statystyka",
                             "dynamik",      "Tray",         "ToolBar1",     "stop",
                             "SpeedButton4", "siec",         "dysk",         "katalog",
                             "Status_kat",   "Splitter1",    "Splitter2",    "Splitter3",
                             "wyslij_pliki", "SpeedButton2", "filtr",        "SpeedButton3",
                             "ran2",         "litery_lokal", "pliki",        "ToolBar2",
                             "f2",           "M2",           "s2",           "p2",
                             "mu2",          "U2",           "Pr2",          "In2",
                             "W2",           "kont",         "status_lokal", "Cofnij",
                             "n_serwer",     "sciagnij_ftp", "usun_ftp",     "n_dir",
                             "filtr2",       "komenda",      "zamien",       "run_ftp",
                             "szukaj",       "ftp_lista",    "l3",           "status_ftp",
                             "memo1",        "StatusBar1",   "Timer1",       "Timer2",
                             "menu_servery", "menu_ftp",     "menu_ftp_2",   "menu_pliki",
                             "menu_katalog", "menu_logi",    "menu_help",    "Menu_tray"})
        EXPECT_NE(form->findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), QStringLiteral("/"));
    EXPECT_FALSE(form->topPanel->stop->isEnabled());
    EXPECT_FALSE(form->topPanel->Tray->isVisibleTo(form.get()));
    EXPECT_EQ(form->edit_port, QStringLiteral("21"));
    EXPECT_EQ(form->transfers->spr2, QStringLiteral("0"));
    EXPECT_EQ(form->StatusBar1->panelCount(), 5);
    EXPECT_EQ(form->StatusBar1->panelText(0), QStringLiteral("Status..."));
    EXPECT_TRUE(form->StatusBar1->panelText(1).startsWith(QStringLiteral("Data: [")));
    EXPECT_EQ(form->StatusBar1->panelText(4), QStringLiteral("N-BUF"));
    EXPECT_EQ(form->serverPanel->ftp_lista->columnWidth(0), 265);
    EXPECT_EQ(form->serverPanel->l3->columnWidth(0), 350);
    EXPECT_FALSE(form->powiekszenie1->isEnabled());
    // Settings applied: layout slot 3 = 1 hides the remote list, the log is on.
    EXPECT_FALSE(form->serverPanel->l3->isVisibleTo(form.get()));
    EXPECT_TRUE(form->trasa);
    EXPECT_EQ(form->localPanel->katalog->directory(), QDir(home.path()).canonicalPath());

    form->jezyk_ang();
    expectCaptions(false);
    EXPECT_TRUE(form->StatusBar1->panelText(1).startsWith(QStringLiteral("Date: [")));
    // Hints other than statystyka's stay Polish.
    EXPECT_EQ(form->serverPanel->Cofnij->toolTip(), QStringLiteral("Poziom w górę"));
    EXPECT_TRUE(services.calls.isEmpty());
}

TEST_F(MainWindow, LanguageFlagTwoMeansEnglishAndMissingKonfExplainsItself) {
    home.writeDefaultKonf(2);
    create();
    EXPECT_EQ(textOf("pol2"), QStringLiteral("Connect"));
    form.reset();

    QFile::remove(home.file(QStringLiteral("konf.dat")));
    create();
    ASSERT_EQ(form->logPanel->memo1->count(), 7);
    EXPECT_EQ(form->logPanel->memo1->line(0),
              QStringLiteral("   BRAK PLIKU KONFIGURACYJNEGO NA TWOIM DYSKU"));
    EXPECT_EQ(form->logPanel->memo1->line(6), QStringLiteral("   And run program again"));
    // Nothing applied: design captions stay, messages come in English.
    EXPECT_EQ(textOf("pol2"), QStringLiteral("Połącz"));
    form->pomoc1Click();
    EXPECT_EQ(services.messages().value(0),
              QStringLiteral("ERROR: Cannot find help program on Your disk"));
}

TEST_F(MainWindow, BadKonfAndMissingFolderAreReportedAndStartUpGoesOn) {
    home.writeLines(QStringLiteral("konf.dat"),
                    {"1", "0", "0", "1", "1", "0", "0", "1", "7", "0", "/no/such/folder"});
    create();
    ASSERT_EQ(services.messages().size(), 1);
    EXPECT_EQ(services.messages().first(), QStringLiteral("Brak na dysku katalogu domyślnego"));
    EXPECT_EQ(form->localPanel->katalog->directory(), QDir::homePath());
    EXPECT_TRUE(form->serverPanel->l3->isVisibleTo(form.get())); // slot 3 = 0
    form.reset();
    services.clear();

    home.writeLines(QStringLiteral("konf.dat"), {"1", "0", "1", "1", "1", "garbage"});
    create();
    ASSERT_FALSE(services.messages().isEmpty());
    EXPECT_TRUE(services.messages().first().contains(QStringLiteral("wiersz 6")));
    EXPECT_EQ(form->settings.language, 1); // read before the bad line: Polish
}

TEST_F(MainWindow, KeysDispatchByConnectionStateAndTags) {
    home.writeDefaultKonf(1);
    create();
    // Not connected, nothing selected: each handler says what it misses.
    EXPECT_TRUE(press(Qt::Key_F5)
                    .startsWith(QStringLiteral(
                        "messageBox: BŁĄD: Aby wejść na serwer FTP:\r\nMusisz wybrać serwer")));
    EXPECT_EQ(press(Qt::Key_F2), QStringLiteral("showModal: Form6"));
    EXPECT_EQ(press(Qt::Key_F3),
              QStringLiteral("messageBox: Wybierz na liście serwerów FTP komputer który chcesz "
                             "edytować"));
    EXPECT_EQ(press(Qt::Key_F4),
              QStringLiteral("messageDlg: Nie zaznaczono żadnego pliku do otwarcia lub "
                             "uruchomienia"));
    EXPECT_EQ(press(Qt::Key_F8), QStringLiteral("inputBox: Nowy katalog lokalny"));
    EXPECT_EQ(press(Qt::Key_F9),
              QStringLiteral("messageDlg: Nie jesteś połączony z żadnym serwerem FTP"));
    // These belong to a live session.
    for (int key : {Qt::Key_F6, Qt::Key_F7, Qt::Key_Escape, Qt::Key_Return})
        EXPECT_EQ(press(key), QStringLiteral("not taken")) << key;
    // Del follows the last list clicked and is ignored while searching.
    form->l3Tag = 100;
    form->plikiTag = 101;
    form->szukajTag = 200;
    EXPECT_EQ(press(Qt::Key_Delete), // not connected: the local files
              QStringLiteral("messageBox: Czy napewno chcesz usunąć plik(i) z Twojego "
                             "komputera? "));
    form->szukajTag = 105;
    EXPECT_EQ(press(Qt::Key_Delete), QStringLiteral("not taken"));
    // F1 opens the help file when it is there.
    home.writeBytes(QStringLiteral("Pocz.chm"), "help");
    EXPECT_EQ(press(Qt::Key_F1),
              QStringLiteral("shellOpen: ") + home.file(QStringLiteral("Pocz.chm")));
}

TEST_F(MainWindow, ActivationEmptiesConnectionFieldsAndRestoresTheStoredWidth) {
    home.writeDefaultKonf(1);
    home.writeLines(QStringLiteral("roz.dat"), {QStringLiteral("300")});
    create();
    form->resize(900, 600);
    form->show();
    form->topPanel->UserID->setText(QStringLiteral("user"));
    form->topPanel->Password2->setText(QStringLiteral("secret"));
    form->topPanel->FTpServer->setText(QStringLiteral("host"));
    form->Splitter1Moved(410);
    form->FormActivate();
    EXPECT_TRUE(form->topPanel->UserID->text().isEmpty());
    EXPECT_TRUE(form->topPanel->Password2->text().isEmpty());
    EXPECT_TRUE(form->topPanel->FTpServer->text().isEmpty());
    EXPECT_EQ(form->leftPanelWidth, 300);
    EXPECT_EQ(form->Splitter1->sizes().first(), 300);
    EXPECT_EQ(form->localPanel->Splitter2->sizes().first(), 300 / 2 - 15);
}

TEST_F(MainWindow, ExitWritesTheWidthAndRecreatesAMissingRozDat) {
    home.writeDefaultKonf(1);
    create();
    form->Splitter1Moved(420);
    form->zamknijClick();
    EXPECT_EQ(home.readBytes(QStringLiteral("roz.dat")), QByteArray("337\r\n"));
    EXPECT_TRUE(form->quitting());
    form->Splitter1Moved(420);
    form->zamknijClick();
    EXPECT_EQ(home.readBytes(QStringLiteral("roz.dat")), QByteArray("420\r\n"));
    EXPECT_TRUE(services.messages().isEmpty()); // not connected: no question
}

TEST_F(MainWindow, WhileConnectedExitAsksAndCloseIsRefused) {
    ftptest::TempDir root;
    ftptest::PyFtpServer server(root.path());
    home.writeDefaultKonf(1);
    create();
    form->FTP->Host = "127.0.0.1";
    form->FTP->Port = server.port();
    form->FTP->User = server.user();
    form->FTP->Password = server.password();
    form->FTP->OpenSession();
    ASSERT_TRUE(form->connected());

    // Alt+F4 asks; No keeps the program running and connected.
    services.dialogAnswers.push_back(platform::DlgResult::No);
    EXPECT_TRUE(form->FormKeyDown(Qt::Key_F4, Qt::AltModifier));
    EXPECT_EQ(services.messages().value(0),
              QStringLiteral("Jesteś aktualnie połączony z serwerem FTP. Czy napewno chcesz się "
                             "rozłączyć i zamknąć program?"));
    EXPECT_FALSE(form->quitting());
    EXPECT_TRUE(form->connected());
    EXPECT_FALSE(home.exists(QStringLiteral("roz.dat")));

    // Connected keys now reach the session commands; F5 and F2 do not.
    EXPECT_EQ(press(Qt::Key_F7),
              QStringLiteral("messageDlg: Nie zaznaczono żadnego pliku do ściągnięcia lub nie "
                             "jesteś połączony z serwerem..."));
    EXPECT_EQ(press(Qt::Key_F6),
              QStringLiteral("messageDlg: Nie zaznaczono żadnego pliku do wysłania na serwer FTP"));
    const int logged = form->logPanel->memo1->count();
    EXPECT_EQ(press(Qt::Key_Escape), QStringLiteral("nothing asked"));
    EXPECT_GT(form->logPanel->memo1->count(), logged); // the way up was asked of the server
    EXPECT_EQ(press(Qt::Key_F5), QStringLiteral("not taken"));
    EXPECT_EQ(press(Qt::Key_F2), QStringLiteral("not taken"));
    form->l3Tag = 100;
    form->szukajTag = 200;
    EXPECT_EQ(press(Qt::Key_Delete),
              QStringLiteral("messageBox: Czy napewno chcesz usunąć plik(i) z serwera FTP?"));

    // The close box asks the exit command's question; No keeps the session.
    services.clear();
    services.dialogAnswers.push_back(platform::DlgResult::No);
    EXPECT_FALSE(form->FormCloseQuery());
    EXPECT_TRUE(services.messages().value(0).startsWith(
        QStringLiteral("Jesteś aktualnie połączony z serwerem FTP.")));
    EXPECT_FALSE(form->quitting());

    // Yes disconnects, saves the width and quits.
    services.dialogAnswers.push_back(platform::DlgResult::Yes);
    form->zamknijClick();
    EXPECT_TRUE(form->quitting());
    EXPECT_FALSE(form->connected());
    EXPECT_TRUE(home.exists(QStringLiteral("roz.dat")));
}

TEST_F(MainWindow, WithoutTheLogTheServerPanelCoversTheWholeBottomPanel) {
    home.writeLines(QStringLiteral("konf.dat"),
                    {"0", "0", "0", "0", "1", "0", "0", "1", "7", "0", home.path()});
    create();
    form->show();
    EXPECT_FALSE(form->trasa);
    EXPECT_FALSE(form->logPanel->memo1->isVisible());
    EXPECT_FALSE(form->StatusBar1->isVisible());
    // The server panel reaches the window's bottom edge.
    const QRect servers(form->serverPanel->mapTo(form.get(), QPoint(0, 0)),
                        form->serverPanel->size());
    EXPECT_GE(servers.bottom(), form->centralWidget()->geometry().bottom() - 1);
    form.reset();

    home.writeDefaultKonf(1);
    create();
    form->show();
    EXPECT_TRUE(form->logPanel->memo1->isVisible());
    EXPECT_TRUE(form->StatusBar1->isVisible());
}

} // namespace
