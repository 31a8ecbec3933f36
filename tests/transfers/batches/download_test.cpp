// Downloading selected rows of the remote list through F7, the progress window
// and the after-transfer choices, against pyftpdlib in passive and active mode.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "session/replay_window.h"
#include "tests/transfers/batches/transfer_fixture.h"
#include "transfers/transfer_state.h"

#include <QFileInfo>
#include <QTest>

namespace {

const QString kPolish = QString::fromUtf8("zażółć gęślą jaźń.txt");

struct Download : TransferWindow, ::testing::WithParamInterface<int> {};

TEST_P(Download, SelectedFilesLandByteEqualAndOverwrite) {
    const QByteArray big = pattern(5 * 1024 * 1024 + 17, 3);
    write(remoteFile("big file.bin"), big);
    write(remoteFile(kPolish), "Polish letters");
    write(remoteFile("empty.dat"), "");
    write(remoteFile("left alone.txt"), "not selected");
    QDir(QString::fromStdString(remote.path())).mkdir("folder");
    write(localFile("big file.bin"), "an older local copy");
    connect(GetParam());

    // error.dat is written before the first byte moves, for the owner only.
    QStringList recordDuringTransfer;
    QFile::Permissions recordAccess;
    bool windowShown = false;
    atFirstProgress([&] {
        recordDuringTransfer = home.readLines("error.dat");
        recordAccess = QFile(home.file("error.dat")).permissions();
        windowShown = form->Form13->isVisible();
    });
    selectRemote({"big file.bin", kPolish, "empty.dat", "folder"});
    press(Qt::Key_F7);

    EXPECT_EQ(read(localFile("big file.bin")), big);
    EXPECT_EQ(read(localFile(kPolish)), "Polish letters");
    EXPECT_EQ(read(localFile("empty.dat")), QByteArray());
    EXPECT_FALSE(QFile::exists(localFile("left alone.txt")));
    EXPECT_TRUE(QFileInfo(localFile("folder")).isDir()); // a selected folder comes whole
    EXPECT_TRUE(partFiles().isEmpty());
    EXPECT_TRUE(windowShown);
    EXPECT_EQ(recordDuringTransfer.size(), 6);
    EXPECT_EQ(recordDuringTransfer.value(0), QString::fromStdString(local.path()));
    EXPECT_EQ(recordDuringTransfer.mid(1, 4),
              QStringList({"127.0.0.1", "korvante", "secret", "/"}));
    EXPECT_EQ(recordAccess & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    // The batch ended without an abort: the record is gone, the window closed,
    // the selection cleared and the local list shows the new files.
    EXPECT_FALSE(home.exists("error.dat"));
    EXPECT_FALSE(form->Form13->isVisible());
    EXPECT_TRUE(form->serverPanel->l3->selectedRows().empty());
    EXPECT_EQ(form->localPanel->pliki->findItems(kPolish, Qt::MatchExactly).size(), 1);
    EXPECT_EQ(form->Form13->licznik->text(), QString::fromUtf8("Ściąganie plików zakończono"));
    EXPECT_EQ(form->Form13->licznik2->text(), QString::fromUtf8("Całość..."));
    EXPECT_EQ(form->transfers->spr2, "0");
    EXPECT_TRUE(form->serverPanel->sciagnij_ftp->isEnabled());
    EXPECT_TRUE(form->connected());
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(PassiveAndActive, Download, ::testing::Values(1, 0));

TEST_F(TransferWindow, AbortFromTheWindowFailsTheFileAndKeepsTheSession) {
    const QByteArray big = pattern(40 * 1024 * 1024, 5);
    write(remoteFile("huge.bin"), big);
    write(remoteFile("next.txt"), "next");
    write(localFile("huge.bin"), "the earlier copy");
    connect(1);

    atFirstProgress([&] { form->Form13->anuluj->click(); });
    selectRemote({"huge.bin", "next.txt"});
    press(Qt::Key_F7);

    // The partial download did not replace the earlier copy (it waits for the next
    // attempt in its part file), and the batch ended at the abort.
    EXPECT_EQ(read(localFile("huge.bin")), "the earlier copy");
    EXPECT_EQ(partFiles(), QStringList({".huge.bin.part"}));
    EXPECT_FALSE(QFile::exists(localFile("next.txt")));
    EXPECT_EQ(services.messages(),
              QStringList({QString::fromUtf8("Ściąganie plików przerwane przez użytkownika")}));
    EXPECT_EQ(services.calls.first().args.value(1), "KORVANTE - FTP");
    EXPECT_EQ(services.calls.first().args.value(3), QString::number(int(platform::BoxKind::Error)));
    EXPECT_TRUE(form->logPanel->memo1->lines().contains(
        QString::fromUtf8("Nie ściągnięto pliku: huge.bin")));
    // The record stays for the next start after a user abort.
    EXPECT_TRUE(home.exists("error.dat"));
    EXPECT_FALSE(form->Form13->isVisible());
    EXPECT_FALSE(form->transfers->transferRunning);

    // The session goes on: the next download works.
    ASSERT_TRUE(form->connected());
    form->Odwie1Click();
    selectRemote({"next.txt"});
    press(Qt::Key_F7);
    EXPECT_EQ(read(localFile("next.txt")), "next");
}

TEST_F(TransferWindow, StopFailsTheRunningFileAndTheBatchGoesOn) {
    write(remoteFile("huge.bin"), pattern(40 * 1024 * 1024, 6));
    write(remoteFile("small.txt"), "small");
    connect(0);
    atFirstProgress([&] { form->topPanel->stop->click(); });
    selectRemote({"huge.bin", "small.txt"});
    press(Qt::Key_F7);
    EXPECT_FALSE(QFile::exists(localFile("huge.bin")));
    EXPECT_EQ(read(localFile("small.txt")), "small");
    EXPECT_EQ(partFiles(), QStringList({".huge.bin.part"}));
    EXPECT_TRUE(form->logPanel->memo1->lines().contains(
        QString::fromUtf8("Nie ściągnięto pliku: huge.bin")));
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
    EXPECT_TRUE(form->connected());
}

// A stopped file never replaces the earlier copy: not when the server refused SIZE (so
// no size can show the file short), and not when every byte had already arrived.
TEST_F(TransferWindow, StoppedFileKeepsTheEarlierCopyWhateverTheSizeSaid) {
    write(remoteFile("unsized.bin"), pattern(40 * 1024 * 1024, 7));
    write(remoteFile("arrived.txt"), "all of it");
    write(localFile("unsized.bin"), "earlier unsized");
    write(localFile("arrived.txt"), "earlier arrived");
    connect(1, 1, {"--refuse-size"});

    atFirstProgress([&] { form->topPanel->stop->click(); });
    selectRemote({"unsized.bin"});
    press(Qt::Key_F7);
    EXPECT_EQ(form->transfers->currentFileSize, 0); // reset by the end of the transfer
    EXPECT_EQ(read(localFile("unsized.bin")), "earlier unsized");
    EXPECT_TRUE(form->logPanel->memo1->lines().contains(
        QString::fromUtf8("Nie ściągnięto pliku: unsized.bin")));

    // The window's abort once the data are all in, before the transfer's end reply.
    auto original = form->FTP->OnWorkEnd;
    bool pressed = false;
    form->FTP->OnWorkEnd = [&, original](TIdComponent* sender, TWorkMode mode) {
        original(sender, mode);
        if (!pressed) {
            pressed = true;
            form->Form13->anuluj->click();
        }
    };
    selectRemote({"arrived.txt"});
    press(Qt::Key_F7);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(read(localFile("arrived.txt")), "earlier arrived");
    EXPECT_TRUE(partFiles().isEmpty());
    EXPECT_TRUE(form->connected());
}

TEST_F(TransferWindow, NothingSelectedOrOffline) {
    write(remoteFile("a.txt"), "a");
    QDir(QString::fromStdString(remote.path())).mkdir("only folder");
    connect(1, /*reconnect=*/0);
    form->serverPanel->l3->clearSelection();
    form->s_plikClick();
    // The parent-folder row stands for no files.
    if (const int up = row(".."); up >= 0) {
        form->serverPanel->l3->clearSelection();
        form->serverPanel->l3->setRowSelected(up, true);
        form->s_plikClick();
    }
    EXPECT_EQ(services.messages().value(0),
              QString::fromUtf8("Nie zaznaczono żadnego pliku do ściągnięcia lub nie "
                                "jesteś połączony z serwerem..."));
    EXPECT_TRUE(form->serverPanel->sciagnij_ftp->isEnabled());
    // Slot 10 off: no record.
    selectRemote({"a.txt"});
    press(Qt::Key_F7);
    EXPECT_EQ(read(localFile("a.txt")), "a");
    EXPECT_FALSE(home.exists("error.dat"));
    // A drop from l3 on the local list downloads a file row, not a folder row.
    QFile::remove(localFile("a.txt"));
    form->serverPanel->l3->setCurrentRow(row("only folder"));
    form->dropOnPanel(form->localPanel->pliki, form->serverPanel->l3);
    EXPECT_FALSE(QFile::exists(localFile("a.txt")));
    form->serverPanel->l3->setCurrentRow(row("a.txt"));
    form->dropOnPanel(form->localPanel->pliki, form->serverPanel->l3);
    EXPECT_EQ(read(localFile("a.txt")), "a");
    EXPECT_FALSE(form->acceptsDrop(form->serverPanel->ftp_lista, form->serverPanel->l3));
}

TEST_F(TransferWindow, OptionBoxesFollowTheirRules) {
    connect(1);
    TForm13& w = *form->Form13;
    w.openWindow();
    w.roz->setChecked(true);
    EXPECT_EQ(form->transfers->spr2, "1");
    EXPECT_TRUE(w.syg->isEnabled());
    w.syg->setChecked(true);
    w.wyl->setChecked(true);
    EXPECT_EQ(form->transfers->spr2, "2");
    EXPECT_FALSE(w.roz->isChecked());
    EXPECT_TRUE(w.syg->isChecked());
    w.cl_win->setChecked(true);
    EXPECT_EQ(form->transfers->spr2, "3");
    EXPECT_FALSE(w.syg->isChecked());
    EXPECT_FALSE(w.syg->isEnabled());
    w.cl_win->setChecked(false);
    EXPECT_EQ(form->transfers->spr2, "0");
    // The clock.
    for (int i = 0; i < 61; ++i)
        w.Timer1Timer();
    EXPECT_EQ(w.czas2->text(), QString::fromUtf8("Upłynęło: 00:01:01"));
    w.closeWindow();
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.elapsed.seconds, 0);
}

TEST_F(TransferWindow, ReplayDownloadFetchesTheRecordedFile) {
    QDir(QString::fromStdString(remote.path())).mkdir("pub");
    write(remoteFile("pub/broken off.bin"), pattern(700000, 4));
    connect(1);
    home.writeLines("error.dat", {QString::fromStdString(local.path()), "127.0.0.1", "korvante",
                                  "secret", "/pub", "broken off.bin"});
    QString batchLine;
    atFirstProgress([&] { batchLine = form->Form13->licznik2->text(); });
    form->transfers->lista_bufor = QStringList{"/pub"};
    form->transfers->lista_bufor2 = QStringList{"broken off.bin"};
    form->S_bufor2();
    EXPECT_EQ(read(localFile("broken off.bin")), pattern(700000, 4));
    // The reconnect window's status line.
    EXPECT_EQ(form->Form20->Label10->text(), QString::fromUtf8("Status: Połączono..."));
    EXPECT_EQ(batchLine, QString::fromUtf8("Ściąganie: (1) z (1) przerwanych plików..."));
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/pub");
    EXPECT_FALSE(home.exists("error.dat"));
    EXPECT_TRUE(form->transfers->lista_bufor.isEmpty());
    EXPECT_TRUE(form->serverPanel->sciagnij_ftp->isEnabled());
}

// "1" disconnects, "2" disconnects and quits, "3" disconnects and shuts down
// (recorded, never performed).
struct AfterTransfer : TransferWindow, ::testing::WithParamInterface<int> {};

TEST_P(AfterTransfer, ChoiceIsCarriedOutOnceAfterTheBatch) {
    write(remoteFile("data.bin"), pattern(300000, 1));
    connect(1);
    const int choice = GetParam();
    atFirstProgress([&] {
        TForm13& w = *form->Form13;
        (choice == 1 ? w.roz : choice == 2 ? w.wyl : w.cl_win)->setChecked(true);
    });
    selectRemote({"data.bin"});
    press(Qt::Key_F7);
    EXPECT_EQ(read(localFile("data.bin")), pattern(300000, 1));
    EXPECT_FALSE(form->connected());
    EXPECT_EQ(form->transfers->spr2, "0");
    EXPECT_EQ(form->quitting(), choice == 2);
    EXPECT_EQ(services.callsOf("shutdown").size(), choice == 3 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Choices, AfterTransfer, ::testing::Values(1, 2, 3));

} // namespace
