// The remote file commands against pyftpdlib, driven through the shown main
// window: new folder, delete, rename, letter case, the command line, opening
// and running a remote file.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/case_dialog.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "session/command_window.h"
#include "session/session_state.h"
#include "tests/session/remote_ops_fixture.h"
#include "transfers/progress_window.h"

#include <QApplication>
#include <QFileInfo>

namespace {

using platform::DlgResult;

const QString kRefusedFolder =
    QString::fromUtf8("Nie masz wystarczających praw dostępu aby tworzyć nowy katalog");

TEST_F(RemoteOps, F9MakesAFolderAndACancelledBoxStillRefreshes) {
    makeFile("notes.txt");
    start();
    clickRow("notes.txt");

    services.textAnswers = {QString::fromUtf8("nowy katalog")};
    key(Qt::Key_F9);
    ASSERT_EQ(services.callsOf("inputBox").size(), 1);
    EXPECT_EQ(services.callsOf("inputBox")[0].args,
              QStringList({"Utwórz nowy katalog na FTP", "Nazwa tworzonego katalogu", ""}));
    EXPECT_TRUE(QFileInfo(onServer("nowy katalog")).isDir());
    ASSERT_GE(row("nowy katalog"), 0);
    EXPECT_EQ(form->serverPanel->l3->rows()->picture(row("nowy katalog")),
              remotelist::kFolderPicture);

    // Another client adds a folder; a cancelled box still shows it.
    ASSERT_TRUE(QDir(QString::fromStdString(root.path())).mkdir("from elsewhere"));
    services.textAnswers = {std::nullopt};
    QTest::mouseClick(form->serverPanel->n_dir, Qt::LeftButton);
    EXPECT_GE(row("from elsewhere"), 0);
    EXPECT_TRUE(services.messages().isEmpty());

    // The server refuses a folder that exists.
    services.textAnswers = {QString::fromUtf8("nowy katalog")};
    form->nowy_kat1->trigger();
    EXPECT_EQ(services.messages(), QStringList({kRefusedFolder}));
    EXPECT_EQ(services.callsOf("messageDlg")[0].args[1],
              QString::number(int(platform::DlgType::Error)));

    // A line break in the name is refused before anything is sent.
    services.clear();
    services.textAnswers = {QStringLiteral("x\r\nDELE notes.txt")};
    form->MenuItem7->trigger();
    EXPECT_EQ(services.messages(), QStringList({kRefusedFolder}));
    EXPECT_TRUE(QFile::exists(onServer("notes.txt")));
    EXPECT_TRUE(sent("MKD x").isEmpty());
    EXPECT_TRUE(sent("DELE").isEmpty());
    EXPECT_TRUE(form->connected());
}

TEST_F(RemoteOps, DeletingFilesAndAFullFolderWarnsThenErrsAndEndsTheSession) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        makeFile(name);
    ASSERT_TRUE(QDir(QString::fromStdString(root.path())).mkpath("full"));
    makeFile("full/inside.txt");
    start();
    sortRows();
    clickRow("a.txt");
    clickRow("b.txt", Qt::ControlModifier);
    clickRow("full", Qt::ControlModifier);

    // Anything but Yes deletes nothing.
    services.dialogAnswers = {DlgResult::No};
    key(Qt::Key_Delete);
    ASSERT_EQ(services.calls.size(), 1);
    EXPECT_EQ(services.calls[0].what, "messageBox");
    EXPECT_EQ(
        services.calls[0].args.mid(0, 2),
        QStringList({"Czy napewno chcesz usunąć plik(i) z serwera FTP?", "KORVANTE - Usunięcie"}));
    EXPECT_EQ(serverEntries(), QStringList({"a.txt", "b.txt", "c.txt", "full"}));

    services.clear();
    services.dialogAnswers = {DlgResult::Yes};
    bool progressShownDuringWarning = true;
    QTest::mouseClick(form->serverPanel->usun_ftp, Qt::LeftButton);
    // The files go; RMD of the full folder fails with 550: the warning, the
    // session closed, then the error.
    EXPECT_EQ(services.messages(),
              QStringList({"Czy napewno chcesz usunąć plik(i) z serwera FTP?",
                           "Serwer FTP nie przyznał ci prawa do usunięcia plików (Kod błędu: 550)",
                           "Nie masz wystarczających praw dostępu aby usunąć katalog"}));
    ASSERT_EQ(services.calls.size(), 3);
    EXPECT_EQ(services.calls[1].args[1], QString::number(int(platform::DlgType::Warning)));
    EXPECT_EQ(services.calls[2].args[1], QString::number(int(platform::DlgType::Error)));
    EXPECT_EQ(serverEntries(), QStringList({"c.txt", "full"}));
    EXPECT_TRUE(QFile::exists(onServer("full/inside.txt")));
    progressShownDuringWarning = form->Form13->isVisible();
    EXPECT_FALSE(progressShownDuringWarning);

    // The command ended cleanly on the closed session.
    EXPECT_FALSE(form->connected());
    EXPECT_EQ(form->serverPanel->l3->rowCount(), 0);
    EXPECT_TRUE(form->session->ListBox1.isEmpty());
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/");
    EXPECT_TRUE(form->topPanel->pol2->isEnabled());
    EXPECT_FALSE(form->topPanel->roz2->isEnabled());
    for (QWidget* control : std::initializer_list<QWidget*>{
             form->serverPanel->usun_ftp, form->serverPanel->n_dir, form->serverPanel->n_serwer,
             form->serverPanel->komenda, form->serverPanel->zamien, form->Form13->roz,
             form->Form13->wyl, form->Form13->cl_win, form->Form13->syg})
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(form->Form13->Progressbar1->value(), 0);
    EXPECT_EQ(sent("RMD").size(), 1);
    EXPECT_TRUE(sent("PWD").size() >= 1);
}

TEST_F(RemoteOps, DeleteInEnglishAsksInPolishAndKeepsTheSessionWhenAllGo) {
    makeFile("x.txt");
    makeFile("keep.txt");
    ASSERT_TRUE(QDir(QString::fromStdString(root.path())).mkdir("empty"));
    start(/*language=*/0);
    sortRows();
    clickRow("empty");
    clickRow("x.txt", Qt::ControlModifier);
    services.dialogAnswers = {DlgResult::Yes};
    form->usun_pl1->trigger();
    EXPECT_EQ(services.messages(),
              QStringList({"Czy napewno chcesz usunąć plik(i) z serwera FTP?"}));
    EXPECT_EQ(serverEntries(), QStringList({"keep.txt"}));
    EXPECT_TRUE(form->connected());
    QStringList shown = captions();
    EXPECT_EQ(shown, QStringList({"keep.txt"}));
    EXPECT_EQ(form->Form13->licznik->text(), "Delete file: x.txt");
    EXPECT_FALSE(form->Form13->isVisible());

    // Nothing selected: said so in English.
    services.clear();
    form->serverPanel->l3->clearSelection();
    services.dialogAnswers = {DlgResult::Yes};
    form->MenuItem4->trigger();
    EXPECT_EQ(services.messages().value(1), "No select anymore file - directory for deleting");

    // Offline, Del in the list does nothing and the button says so.
    form->topPanel->roz2->click();
    services.clear();
    services.dialogAnswers = {DlgResult::Yes};
    QTest::mouseClick(form->serverPanel->usun_ftp, Qt::LeftButton);
    EXPECT_EQ(services.messages().value(1), "You are not connect from anymore FTP server");
}

TEST_F(RemoteOps, RenameSendsTheListedNameAndAllowsEqualNames) {
    makeFile("old name 2 x.txt", "payload");
    start();
    clickRow("old name 2 x.txt");
    services.textAnswers = {QString::fromUtf8("nowa nazwa.txt")};
    QTest::mouseClick(form->serverPanel->n_serwer, Qt::LeftButton);
    ASSERT_EQ(services.callsOf("inputBox").size(), 1);
    EXPECT_EQ(services.callsOf("inputBox")[0].args,
              QStringList({"Zmień nazwę katalogu lub pliku", "Nowa nazwa...", "old name 2 x.txt"}));
    EXPECT_EQ(serverEntries(), QStringList({"nowa nazwa.txt"}));
    EXPECT_GE(row("nowa nazwa.txt"), 0);

    services.clear();
    clickRow("nowa nazwa.txt");
    services.textAnswers = {QString::fromUtf8("nowa nazwa.txt")};
    QTest::mouseClick(form->serverPanel->n_serwer, Qt::LeftButton);
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_EQ(sent("RNFR nowa nazwa.txt").size(), 1);
    EXPECT_EQ(sent("RNTO nowa nazwa.txt").size(), 2); // the first rename, then this one

    // Gone behind our back: the server refuses, the message says so.
    ASSERT_TRUE(QFile::remove(onServer("nowa nazwa.txt")));
    clickRow("nowa nazwa.txt");
    services.textAnswers = {QStringLiteral("other.txt")};
    QTest::mouseClick(form->serverPanel->n_serwer, Qt::LeftButton);
    EXPECT_EQ(services.messages(),
              QStringList({"Nie masz wystarczających praw dostępu aby zmienić nazwę katalogu"}));
    EXPECT_TRUE(form->connected());
}

TEST_F(RemoteOps, LetterCaseSkipsFoldersKeepsOtherLettersAndNeverOverwrites) {
    for (const char* name : {"MiXed.TXT", "Źdźbło.TXT", "dup.txt", "DUP.TXT"})
        makeFile(QString::fromUtf8(name));
    ASSERT_TRUE(QDir(QString::fromStdString(root.path())).mkdir("Folder.DIR"));
    start();
    QString title, firstPercent;
    bool remoteTarget = false;
    services.modalSteps[QStringLiteral("TForm15")] = [&](QDialog& dialog) {
        auto& caseDialog = static_cast<TForm15&>(dialog);
        remoteTarget = caseDialog.Edit1 == "0";
        title = caseDialog.windowTitle();
        firstPercent = caseDialog.procent->text();
        QTest::mouseClick(caseDialog.Zmien, Qt::LeftButton);
        return dialog.result();
    };
    QTest::mouseClick(form->serverPanel->zamien, Qt::LeftButton);
    EXPECT_TRUE(remoteTarget);
    EXPECT_EQ(title, "Zmień...");
    EXPECT_EQ(firstPercent, "Wykonano w: 0%");
    EXPECT_EQ(serverEntries(), QStringList({"DUP.TXT", "Folder.DIR", "dup.txt", "mixed.txt",
                                            QString::fromUtf8("Źdźbło.txt")}));
    EXPECT_GE(row("mixed.txt"), 0);
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_TRUE(sent("RNFR Folder.DIR").isEmpty());

    services.modalSteps[QStringLiteral("TForm15")] = [&](QDialog& dialog) {
        auto& caseDialog = static_cast<TForm15&>(dialog);
        QTest::mouseClick(caseDialog.r_duze, Qt::LeftButton);
        QTest::mouseClick(caseDialog.Zmien, Qt::LeftButton);
        return dialog.result();
    };
    QTest::mouseClick(form->serverPanel->zamien, Qt::LeftButton);
    EXPECT_EQ(serverEntries(), QStringList({"DUP.TXT", "Folder.DIR", "MIXED.TXT", "dup.txt",
                                            QString::fromUtf8("ŹDźBłO.TXT")}));
    EXPECT_TRUE(form->Form15->Zmien->isEnabled());
    EXPECT_EQ(form->Form15->pas->value(), 0);
}

TEST_F(RemoteOps, CommandLineSendsSiteAndShowsTheSystem) {
    makeFile("a.txt");
    ASSERT_TRUE(QFile::setPermissions(onServer("a.txt"), QFile::ReadOwner | QFile::WriteOwner |
                                                             QFile::ReadGroup | QFile::ReadOther));
    start();
    QStringList texts;
    services.modalSteps[QStringLiteral("TForm9")] = [&](QDialog& dialog) {
        auto& window = static_cast<TForm9&>(dialog);
        texts = {window.windowTitle(), window.wykonaj->text(), window.Label2->text(),
                 window.cmb_komenda->itemText(1)};
        // Empty: asked to type something; the window stays.
        QTest::mouseClick(window.wykonaj, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        QTest::keyClicks(window.Edit1, "CHMOD 600 a.txt");
        QTest::keyClick(window.Edit1, Qt::Key_Return);
        EXPECT_FALSE(window.isVisible());
        return dialog.result();
    };
    QTest::mouseClick(form->serverPanel->komenda, Qt::LeftButton);
    EXPECT_EQ(texts, QStringList({"Linia komend FTP", "Wykonaj", "Tu wpisz komendę FTP...",
                                  "Inforamcje o serwerze"}));
    EXPECT_EQ(services.messages(), QStringList({"Wpisz w polu komendę FTP którą mam wykonać"}));
    EXPECT_EQ(QFile::permissions(onServer("a.txt")),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(sent("SITE CHMOD 600 a.txt").size(), 1);

    // English texts; the system description; a refusal shows the server's line.
    form->settings.language = 0;
    QString system;
    bool readOnly = false;
    services.clear();
    services.modalSteps[QStringLiteral("TForm9")] = [&](QDialog& dialog) {
        auto& window = static_cast<TForm9&>(dialog);
        texts = {window.windowTitle(), window.wykonaj->text(), window.Anuluj->text(),
                 window.cmb_komenda->itemText(0)};
        window.cmb_komenda->setFocus();
        QTest::keyClick(window.cmb_komenda, Qt::Key_Down);
        readOnly = window.Edit1->isReadOnly();
        QTest::mouseClick(window.wykonaj, Qt::LeftButton);
        system = window.Edit1->text();
        QTest::keyClick(&window, Qt::Key_Escape);
        return dialog.result();
    };
    QTest::mouseClick(form->serverPanel->komenda, Qt::LeftButton);
    EXPECT_EQ(texts, QStringList({"FTP command line", "Do it", "Cancel", "FTP command"}));
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(system, " UNIX Type: L8");
    EXPECT_TRUE(services.messages().isEmpty());

    services.modalSteps[QStringLiteral("TForm9")] = [&](QDialog& dialog) {
        auto& window = static_cast<TForm9&>(dialog);
        EXPECT_EQ(window.mode, 0);
        QTest::keyClicks(window.Edit1, "NOSUCHTHING");
        QTest::mouseClick(window.wykonaj, Qt::LeftButton);
        return dialog.result();
    };
    QTest::mouseClick(form->serverPanel->komenda, Qt::LeftButton);
    // Not caught by the command: the application's error box with the server's line.
    ASSERT_EQ(services.callsOf("messageDlg").size(), 1);
    EXPECT_EQ(services.callsOf("messageDlg")[0].args[1],
              QString::number(int(platform::DlgType::Error)));
    EXPECT_TRUE(services.callsOf("messageDlg")[0].args[0].startsWith("50"))
        << services.callsOf("messageDlg")[0].args[0].toStdString();
    EXPECT_TRUE(form->connected());
}

TEST_F(RemoteOps, OpenAndRunFetchAWholePrivateCopyFirst) {
    QByteArray text(300 * 1024, 'x');
    for (int i = 0; i < text.size(); i += 97)
        text[i] = char('a' + i % 26);
    makeFile("readme.txt", text);
    makeFile("tool.sh", "#!/bin/sh\n");
    ASSERT_TRUE(QFile::setPermissions(onServer("tool.sh"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    start();
    const QString localFolder = form->localPanel->katalog->directory();

    clickRow("readme.txt");
    form->otworz_plik_ftp->trigger();
    ASSERT_EQ(services.callsOf("shellOpen").size(), 1);
    const QString copy = services.callsOf("shellOpen")[0].args[0];
    EXPECT_TRUE(copy.endsWith("/readme.txt"));
    QFile opened(copy);
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    EXPECT_EQ(opened.readAll(), text);
    EXPECT_FALSE(QFile::exists(QDir(localFolder).filePath("readme.txt")));
    EXPECT_EQ(QFileInfo(QFileInfo(copy).path()).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                  QFile::WriteUser | QFile::ExeUser);
    EXPECT_FALSE(form->Form13->isVisible());
    EXPECT_TRUE(services.messages().isEmpty());

    // Run: a program the listing marks as executable is started; a text is opened.
    services.clear();
    clickRow("tool.sh");
    QTest::mouseClick(form->serverPanel->run_ftp, Qt::LeftButton);
    ASSERT_EQ(services.callsOf("startProgram").size(), 1);
    EXPECT_TRUE(services.callsOf("startProgram")[0].args[0].endsWith("/tool.sh"));
    EXPECT_TRUE(QFileInfo(services.callsOf("startProgram")[0].args[0]).isExecutable());
    clickRow("readme.txt");
    QTest::mouseClick(form->serverPanel->run_ftp, Qt::LeftButton);
    EXPECT_EQ(services.callsOf("shellOpen").size(), 1);

    // A file gone from the server cannot be opened: said so, nothing handed on.
    services.clear();
    ASSERT_TRUE(QFile::remove(onServer("readme.txt")));
    form->MenuItem10->trigger();
    EXPECT_TRUE(services.callsOf("shellOpen").isEmpty());
    EXPECT_EQ(services.messages(),
              QStringList({"Wystąpiły nieznane błędy: Nie mogę otworzyć pliku..."}));
}

} // namespace
