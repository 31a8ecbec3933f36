// Connecting, the status panel, the layouts, refused logins, the listing and
// navigation, against pyftpdlib on loopback in passive and active mode.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_panel.h"
#include "log/log_panel.h"
#include "session/session_state.h"
#include "tests/session/session_fixture.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHeaderView>
#include <QTest>

namespace {

using ftptest::PyFtpServer;
using ftptest::TempDir;
using ftptest::writeFile;

// A server folder: two subfolders, files with blanks and digits in their names.
void fillServerFolder(const TempDir& root) {
    QDir dir(QString::fromStdString(root.path()));
    dir.mkpath("docs/sub");
    dir.mkpath("zeta");
    writeFile(root.file("notes.txt"), "notes");
    writeFile(root.file("part 2 final.htm"), "x");
    writeFile(root.file("Alpha.htm"), "x");
    writeFile(root.file("index.html"), "x");
    writeFile(root.file("docs/inside.txt"), "inside");
}

struct ConnectedSession : SessionWindow, ::testing::WithParamInterface<int> {};

TEST_P(ConnectedSession, ConnectBrowseAndDisconnect) {
    TempDir root;
    fillServerFolder(root);
    PyFtpServer server(root.path());
    create(/*passive=*/GetParam(), /*layout=*/0);

    // The status panel as each status arrives: "Łączenie..." stands before the first.
    QStringList panel;
    const auto engineStatus = form->FTP->OnStatus;
    form->FTP->OnStatus = [&](TIdComponent* sender, TIdStatus status, const std::string& text) {
        if (panel.isEmpty())
            panel.append(form->StatusBar1->panelText(0));
        engineStatus(sender, status, text);
        panel.append(form->StatusBar1->panelText(0));
    };

    fillFields(server.port());
    form->topPanel->pol2->click();
    ASSERT_TRUE(form->connected()) << services.messages().join('\n').toStdString();
    EXPECT_EQ(panel, QStringList({QString::fromUtf8("Łączenie..."), "Connecting to 127.0.0.1.",
                                  "Connected."}));
    EXPECT_TRUE(services.calls.isEmpty());
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/");
    EXPECT_EQ(form->kopia_dir, "/");
    EXPECT_EQ(form->kopia_haslo, "secret");
    QStringList shown = captions();
    shown.sort();
    EXPECT_EQ(shown, QStringList({"Alpha.htm", "docs", "index.html", "notes.txt",
                                  "part 2 final.htm", "zeta"}));
    EXPECT_EQ(form->session->ListBox1.size(), 6);
    EXPECT_EQ(rows().picture(row("docs")), remotelist::kFolderPicture);
    EXPECT_EQ(rows().attributes(row("docs")),
              QString::fromUtf8(rows().rawLine(row("docs")).left(10)));
    EXPECT_TRUE(rows().attributes(row("docs")).startsWith('d'));
    EXPECT_EQ(rows().picture(row("notes.txt")), remotelist::kFilePicture);
    EXPECT_EQ(form->serverPanel->status_ftp->panelText(1),
              QString::fromUtf8("Plików/katalogów na FTP: 6"));
    // The connected state; slot 3 = 0 leaves the server list above the listing.
    EXPECT_FALSE(form->topPanel->pol2->isEnabled());
    EXPECT_FALSE(form->Polacz1->isEnabled());
    EXPECT_TRUE(form->topPanel->roz2->isEnabled());
    EXPECT_TRUE(form->topPanel->stop->isEnabled());
    EXPECT_FALSE(form->topPanel->dynamik->isEnabled());
    EXPECT_FALSE(form->nowy2->isEnabled());
    EXPECT_FALSE(form->serverPanel->ftp_lista->isHidden());
    EXPECT_FALSE(form->serverPanel->l3->isHidden());
    EXPECT_EQ(form->serverPanel->Panel5Caption->text(), QString::fromUtf8(" Lista serwerów FTP"));
    // The log pane shows the dialogue with the password hidden (slot 8 = 1).
    const QStringList log = form->logPanel->memo1->lines();
    EXPECT_TRUE(log.contains("Sent pass HIDDEN<EOF>"));
    EXPECT_FALSE(log.join('\n').contains("secret"));

    // Open a folder whose name comes from the raw line, go up with Esc, refresh.
    open("docs");
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/docs");
    shown = captions();
    shown.sort();
    EXPECT_EQ(shown, QStringList({"inside.txt", "sub"}));
    EXPECT_EQ(form->serverPanel->l3->currentRow(), 0);
    EXPECT_TRUE(form->FormKeyDown(Qt::Key_Escape, Qt::NoModifier));
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/");
    writeFile(root.file("fresh.bin"), "new");
    form->Odwie1->trigger();
    EXPECT_GE(row("fresh.bin"), 0);
    EXPECT_EQ(form->serverPanel->l3->rowCount(), 7);

    // A folder refused with 550 (gone since the listing) lands in the parent, silently.
    open("docs");
    ASSERT_TRUE(QDir(QString::fromStdString(root.file("docs/sub"))).removeRecursively());
    open("sub");
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_TRUE(form->connected());
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/");
    EXPECT_GE(row("docs"), 0);

    // Disconnect: statuses, the lists emptied, "/" and the disconnected state.
    panel.clear();
    form->topPanel->roz2->click();
    EXPECT_FALSE(form->connected());
    EXPECT_EQ(panel.mid(1), QStringList({"Disconnecting from 127.0.0.1.", "Disconnected."}));
    EXPECT_EQ(form->StatusBar1->panelText(0), QString::fromUtf8("Rozłączono..."));
    EXPECT_EQ(form->serverPanel->l3->rowCount(), 0);
    EXPECT_TRUE(form->session->ListBox1.isEmpty());
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/");
    EXPECT_TRUE(form->topPanel->pol2->isEnabled());
    EXPECT_FALSE(form->topPanel->roz2->isEnabled());
    EXPECT_FALSE(form->topPanel->stop->isEnabled());
    EXPECT_TRUE(form->topPanel->dynamik->isEnabled());
    EXPECT_EQ(form->StatusBar1->panelText(4), "N-BUF");
    EXPECT_TRUE(services.messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(PassiveAndActive, ConnectedSession, ::testing::Values(1, 0),
                         [](const auto& info) { return info.param ? "Passive" : "Active"; });

TEST_F(SessionWindow, SlotThreeOneGivesTheListingThePanelWhileConnected) {
    TempDir root;
    fillServerFolder(root);
    PyFtpServer server(root.path());
    create(1, /*layout=*/1);
    EXPECT_TRUE(form->serverPanel->l3->isHidden());
    fillFields(server.port());
    form->pol2Click();
    ASSERT_TRUE(form->connected());
    EXPECT_TRUE(form->serverPanel->ftp_lista->isHidden());
    EXPECT_FALSE(form->serverPanel->l3->isHidden());
    EXPECT_EQ(form->serverPanel->Panel5Caption->text(), " FTP: [127.0.0.1]");
    form->roz2Click();
    EXPECT_FALSE(form->serverPanel->ftp_lista->isHidden());
    EXPECT_TRUE(form->serverPanel->l3->isHidden());
    EXPECT_EQ(form->serverPanel->Panel5Caption->text(), QString::fromUtf8(" Lista serwerów FTP"));
}

TEST_F(SessionWindow, RefusedLoginsAndEmptyFields) {
    TempDir root;
    PyFtpServer server(root.path());
    create(1, 0, /*language=*/0);

    // Empty password: a warning, nothing sent, the focus in the password field.
    fillFields(server.port(), "korvante", "");
    form->logPanel->memo1->addLine("old line");
    form->pol2Click();
    ASSERT_EQ(services.callsOf("messageBox").size(), 1);
    EXPECT_TRUE(services.messages()[0].startsWith("ERROR: If you want enter to FTP server"));
    EXPECT_EQ(services.callsOf("messageBox")[0].args.value(1), "KORVANTE - FTP");
    EXPECT_EQ(services.callsOf("messageBox")[0].args.value(3),
              QString::number(int(platform::BoxKind::Warning)));
    EXPECT_EQ(form->logPanel->memo1->count(), 0);
    EXPECT_FALSE(form->connected());
    EXPECT_TRUE(form->topPanel->pol2->isEnabled());

    // Wrong password: the long message naming the host, then the disconnected state.
    services.clear();
    fillFields(server.port(), "korvante", "wrong");
    form->pol2Click();
    EXPECT_FALSE(form->connected());
    ASSERT_EQ(services.callsOf("messageDlg").size(), 1);
    const QString message = services.messages()[0];
    EXPECT_TRUE(message.startsWith("Error connect to server: 127.0.0.1 Errors list:\r\n"));
    EXPECT_TRUE(message.endsWith("If you want more info, browse logs list!"));
    EXPECT_TRUE(form->logPanel->memo1->lines().join('\n').contains("Recv: 530"));
    EXPECT_TRUE(form->topPanel->pol2->isEnabled());
    EXPECT_FALSE(form->topPanel->roz2->isEnabled());
    EXPECT_TRUE(form->topPanel->dynamik->isEnabled());
    EXPECT_EQ(form->StatusBar1->panelText(0), "Disconneced...");

    // A port that is not a number fails before any network activity.
    services.clear();
    fillFields(server.port());
    form->edit_port = "abc";
    form->pol2Click();
    EXPECT_FALSE(form->connected());
    EXPECT_TRUE(services.messages().value(0).startsWith("Error connect to server: "));

    // Both ends of the port range reach the engine; one past them does not.
    for (int port : {1, 65535, 65536, 0}) {
        services.clear();
        fillFields(server.port());
        form->edit_port = QString::number(port);
        form->pol2Click();
        EXPECT_FALSE(form->connected());
        EXPECT_EQ(form->FTP->Port, port == 1 ? 1 : 65535) << port;
    }

    // No user: the information, nothing sent.
    services.clear();
    fillFields(server.port(), "", "secret");
    form->pol2Click();
    EXPECT_EQ(services.messages(), QStringList({"Select a FTP server on The list"}));
    EXPECT_FALSE(form->connected());
}

TEST_F(SessionWindow, EnterInThePasswordFieldConnects) {
    TempDir root;
    fillServerFolder(root);
    PyFtpServer server(root.path());
    create();
    fillFields(server.port());
    QTest::keyClick(form->topPanel->Password2, Qt::Key_Return);
    EXPECT_TRUE(form->connected());
    EXPECT_EQ(form->serverPanel->l3->rowCount(), 6);
    form->roz2Click();
}

TEST_F(SessionWindow, SortingKeepsEachRowWithItsLineAndTheFilterKeepsMatches) {
    TempDir root;
    fillServerFolder(root);
    PyFtpServer server(root.path());
    create();
    fillFields(server.port());
    form->pol2Click();
    ASSERT_TRUE(form->connected());

    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QHeaderView* header = form->serverPanel->l3->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, 5));
    EXPECT_TRUE(form->session->l3Sorted);
    const QStringList sorted = captions();
    QStringList expected = sorted;
    std::stable_sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
        return a.localeAwareCompare(b) < 0;
    });
    EXPECT_EQ(sorted, expected);
    // Every row still carries the line it was made from.
    for (int r = 0; r < form->serverPanel->l3->rowCount(); ++r) {
        EXPECT_EQ(QString::fromStdString(rows().remoteName(r)), rows().caption(r));
        EXPECT_TRUE(form->session->ListBox1.contains(QString::fromUtf8(rows().rawLine(r))));
    }
    open("docs");
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/docs");
    // Later listings come sorted too.
    form->CofnijClick();
    EXPECT_EQ(captions(), sorted);

    // Select all leaves folders alone; select none clears.
    form->ftp_wszystkieClick();
    for (int r = 0; r < form->serverPanel->l3->rowCount(); ++r)
        EXPECT_EQ(form->serverPanel->l3->isRowSelected(r),
                  rows().picture(r) == remotelist::kFilePicture);
    form->ftp_nicClick();
    EXPECT_TRUE(form->serverPanel->l3->selectedRows().empty());

    // The mask filter keeps three-letter matches, each with its own line.
    services.textAnswers.push_back(QString("htm"));
    form->serverPanel->filtr2->click();
    EXPECT_EQ(services.callsOf("inputBox").value(0).args,
              QStringList({"Filtruj pliki...", "Wpisz maskę filtracji np.(htm)", ""}));
    EXPECT_EQ(captions(), QStringList({"Alpha.htm", "part 2 final.htm"}));
    EXPECT_EQ(form->serverPanel->status_ftp->panelText(1),
              QString::fromUtf8("Plików/katalogów na FTP: 2"));
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(rows().attributes(r), "");
        EXPECT_EQ(QString::fromStdString(rows().remoteName(r)), rows().caption(r));
    }
    // A second run keeps exactly its own matches; a cancelled box changes nothing.
    services.textAnswers.push_back(QString("htm"));
    form->filtr2Click();
    EXPECT_EQ(captions(), QStringList({"Alpha.htm", "part 2 final.htm"}));
    services.textAnswers.push_back(std::nullopt);
    form->filtr2Click();
    EXPECT_EQ(form->serverPanel->l3->rowCount(), 2);
    form->Odwie1Click();
    EXPECT_EQ(form->serverPanel->l3->rowCount(), 6);

    form->roz2Click();
    services.clear();
    form->filtr2Click();
    form->ftp_wszystkieClick();
    EXPECT_EQ(services.messages(),
              QStringList({QString::fromUtf8("Nie jesteś połączony z żadnym serwerem FTP"),
                           QString::fromUtf8("Nie jesteś połączony z żadnym serwerem FTP")}));
}

TEST_F(SessionWindow, SymbolicLinksOpenWhenTheyLeadToAFolder) {
    TempDir root;
    fillServerFolder(root);
    ASSERT_TRUE(QFile::link("docs", QString::fromStdString(root.file("to docs"))));
    ASSERT_TRUE(QFile::link("notes.txt", QString::fromStdString(root.file("to notes"))));
    PyFtpServer server(root.path());
    create();
    fillFields(server.port());
    form->pol2Click();
    int folderLink = -1;
    int fileLink = -1;
    for (int r = 0; r < form->serverPanel->l3->rowCount(); ++r) {
        if (rows().caption(r).startsWith("to docs"))
            folderLink = r;
        if (rows().caption(r).startsWith("to notes"))
            fileLink = r;
    }
    ASSERT_TRUE(folderLink >= 0 && fileLink >= 0) << captions().join('|').toStdString();
    EXPECT_EQ(rows().remoteName(folderLink), "to docs");

    // A link to a file leaves everything as it is, without a message.
    form->serverPanel->l3->setCurrentRow(fileLink);
    form->l3DblClick();
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/");
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_TRUE(form->connected());

    form->serverPanel->l3->setCurrentRow(folderLink);
    form->l3DblClick();
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/to docs");
    EXPECT_GE(row("inside.txt"), 0);
    form->roz2Click();
}

TEST_F(SessionWindow, RowClicksSetTagsAndCommandStates) {
    TempDir root;
    fillServerFolder(root);
    PyFtpServer server(root.path());
    create();
    fillFields(server.port());
    form->pol2Click();
    form->serverPanel->l3->setCurrentRow(row("notes.txt"));
    form->l3Click();
    EXPECT_EQ(form->l3Tag, 100);
    EXPECT_EQ(form->szukajTag, 200);
    EXPECT_EQ(form->session->clickedRemoteName, "notes.txt");
    EXPECT_TRUE(form->dragAllowed);
    EXPECT_TRUE(form->wlasciwosci->isEnabled());
    EXPECT_FALSE(form->otworz_katalog->isEnabled());
    EXPECT_TRUE(form->serverPanel->run_ftp->isEnabled());
    form->serverPanel->l3->setCurrentRow(row("docs"));
    form->l3Click();
    EXPECT_FALSE(form->wlasciwosci->isEnabled());
    EXPECT_TRUE(form->otworz_katalog->isEnabled());
    EXPECT_FALSE(form->otworz_plik_ftp->isEnabled());
    // Enter opens the current row, as the menu item does.
    EXPECT_TRUE(form->FormKeyDown(Qt::Key_Return, Qt::NoModifier));
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/docs");
    form->roz2Click();

    // The panel toggle widens the lists and gives them back.
    form->kontClick();
    EXPECT_EQ(form->localPanel->kont->text(), ">>>");
    EXPECT_EQ(form->localPanel->Panel6->width(), 15);
    EXPECT_EQ(form->serverPanel->l3->columnWidth(0), 620);
    EXPECT_EQ(form->serverPanel->ftp_lista->columnWidth(0), 495);
    EXPECT_EQ(form->serverPanel->ftp_lista->columnWidth(2), 120);
    form->kontClick();
    EXPECT_EQ(form->localPanel->kont->text(), "<<<");
    EXPECT_EQ(form->serverPanel->l3->columnWidth(0), 350);
    EXPECT_EQ(form->serverPanel->l3->columnWidth(1), 90);
    EXPECT_EQ(form->serverPanel->ftp_lista->columnWidth(0), 265);
    // The pointer entering the toggle gives it its hint.
    form->localPanel->kont->setToolTip(QString());
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(form->localPanel->kont, &enter);
    EXPECT_EQ(form->localPanel->kont->toolTip(),
              QString::fromUtf8("Schowaj - pokaż pliki/katalogi"));

    // The FTP toolbar button opens the copy of the remote list's menu.
    form->topPanel->SpeedButton4->click();
    EXPECT_TRUE(form->menu_ftp_2->isVisible());
    form->menu_ftp_2->hide();
}

} // namespace
