// Uploading selected local files (F6) and a whole local folder (kat_wyslij)
// against pyftpdlib.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "tests/transfers/batches/transfer_fixture.h"

#include <QFileInfo>

namespace {

const QString kPolish = QString::fromUtf8("łódź żółw.txt");

struct Upload : TransferWindow, ::testing::WithParamInterface<int> {};

TEST_P(Upload, SelectedFilesLandByteEqualOnTheServer) {
    const QByteArray big = pattern(3 * 1024 * 1024 + 5, 9);
    write(localFile("big file.bin"), big);
    write(localFile(kPolish), "Polish");
    write(localFile("empty.dat"), "");
    write(localFile("stay.txt"), "not selected");
    write(remoteFile("empty.dat"), "an older remote copy");
    connect(GetParam());

    bool windowShown = false;
    atFirstProgress([&] { windowShown = form->Form13->isVisible(); });
    selectLocal({"big file.bin", kPolish, "empty.dat"});
    press(Qt::Key_F6);

    EXPECT_EQ(read(remoteFile("big file.bin")), big);
    EXPECT_EQ(read(remoteFile(kPolish)), "Polish");
    EXPECT_EQ(read(remoteFile("empty.dat")), QByteArray());
    EXPECT_FALSE(QFile::exists(remoteFile("stay.txt")));
    EXPECT_TRUE(windowShown);
    EXPECT_FALSE(form->Form13->isVisible());
    EXPECT_EQ(form->Form13->licznik2->text(),
              QString::fromUtf8("Wysyłanie: (3) z (3) plików na serwer FTP"));
    EXPECT_TRUE(form->localPanel->pliki->selectedItems().isEmpty());
    EXPECT_GE(row(kPolish), 0); // the remote listing was refreshed
    EXPECT_TRUE(form->serverPanel->sciagnij_ftp->isEnabled());
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(PassiveAndActive, Upload, ::testing::Values(1, 0));

TEST_F(TransferWindow, NothingSelectedAndARefusedFile) {
    write(localFile("a.txt"), "a");
    write(localFile("b.txt"), "b");
    connect(1);
    form->localPanel->pliki->refresh();
    form->localPanel->pliki->clearSelection();
    press(Qt::Key_F6);
    EXPECT_EQ(
        services.messages(),
        QStringList({QString::fromUtf8("Nie zaznaczono żadnego pliku do wysłania na serwer FTP")}));
    services.clear();
    // A drop of local files on the remote list sends them only while the flag is set.
    selectLocal({"a.txt"});
    form->dragAllowed = false;
    form->dropOnPanel(form->serverPanel->l3, form->localPanel->pliki);
    EXPECT_FALSE(QFile::exists(remoteFile("a.txt")));
    EXPECT_FALSE(form->acceptsDrop(form->serverPanel->l3, form->localPanel->katalog));
    form->dragAllowed = true;
    EXPECT_TRUE(form->acceptsDrop(form->serverPanel->l3, form->localPanel->katalog));
    form->dropOnPanel(form->serverPanel->l3, form->localPanel->pliki);
    EXPECT_EQ(read(remoteFile("a.txt")), "a");
    // A file that vanished before its turn ends the batch with the error box.
    write(localFile("c.txt"), "c");
    selectLocal({"a.txt", "b.txt", "c.txt"});
    QFile::remove(localFile("b.txt"));
    press(Qt::Key_F6);
    EXPECT_EQ(
        services.messages(),
        QStringList({QString::fromUtf8("Nie masz wystarczających praw dostępu aby wysłać plik")}));
    EXPECT_FALSE(QFile::exists(remoteFile("b.txt")));
    EXPECT_FALSE(QFile::exists(remoteFile("c.txt")));
    EXPECT_FALSE(form->Form13->isVisible());
    EXPECT_TRUE(form->serverPanel->sciagnij_ftp->isEnabled());
    EXPECT_TRUE(form->connected());
}

// STOR has replaced the server's copy by the time the abort comes: the truncated file
// that would stand under the final name is deleted, and the list shows it gone.
TEST_F(TransferWindow, AbortedUploadLeavesNoPartialFileUnderTheFinalName) {
    // The server's copy is the older one, so no resumption is offered for it.
    write(remoteFile("huge.bin"), "the server's earlier copy");
    write(localFile("huge.bin"), pattern(40 * 1024 * 1024, 8));
    connect(1);
    ASSERT_GE(row("huge.bin"), 0);
    atFirstProgress([&] { form->Form13->anuluj->click(); });
    selectLocal({"huge.bin"});
    press(Qt::Key_F6);
    EXPECT_FALSE(QFile::exists(remoteFile("huge.bin")));
    EXPECT_EQ(row("huge.bin"), -1); // the remote list was refreshed
    EXPECT_TRUE(
        form->logPanel->memo1->lines().contains(QString::fromUtf8("Nie wysłano pliku: huge.bin")));
    // A stopped upload says that the sending stopped.
    EXPECT_EQ(services.messages(),
              QStringList({QString::fromUtf8("Wysyłanie plików przerwane przez użytkownika")}));
    EXPECT_TRUE(form->connected());
    EXPECT_TRUE(form->serverPanel->sciagnij_ftp->isEnabled());
}

TEST_F(TransferWindow, FolderUploadCreatesTheFolderAndSendsItsFiles) {
    const QString name = QString::fromUtf8("Nowy folder ą");
    QDir(QString::fromStdString(local.path())).mkpath(name + "/deeper");
    write(localFile(name + "/one.txt"), "one");
    write(localFile(name + "/two words.bin"), pattern(200000, 2));
    connect(1);

    auto highlight = [&] {
        form->localPanel->katalog->setDirectory(QString::fromStdString(local.path()));
        int folderRow = -1;
        for (int i = 0; i < form->localPanel->katalog->count(); ++i)
            if (form->localPanel->katalog->folderAt(i) == localFile(name))
                folderRow = i;
        ASSERT_GE(folderRow, 0);
        form->localPanel->katalog->setCurrentRow(folderRow);
    };
    highlight();
    form->kat_wyslij->trigger();

    EXPECT_EQ(read(remoteFile(name + "/one.txt")), "one");
    EXPECT_EQ(read(remoteFile(name + "/two words.bin")), pattern(200000, 2));
    // Everything below goes too, an empty folder as well.
    EXPECT_TRUE(QFileInfo(remoteFile(name + "/deeper")).isDir());
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/" + name);
    EXPECT_EQ(form->localPanel->katalog->directory(), localFile(name));
    EXPECT_GE(row("one.txt"), 0);
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();

    // The folder exists now: it is entered and its files replaced, without a question.
    write(localFile(name + "/one.txt"), "one, again");
    form->ChageDir("/");
    highlight();
    form->kat_wyslijClick();
    EXPECT_EQ(read(remoteFile(name + "/one.txt")), "one, again");
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/" + name);
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();

    // A file of that name on the server: the folder can be neither made nor entered.
    QDir(remoteFile(name)).removeRecursively();
    write(remoteFile(name), "a file");
    form->ChageDir("/");
    highlight();
    form->kat_wyslijClick();
    EXPECT_EQ(services.messages(),
              QStringList(
                  {QString::fromUtf8("Nie masz wystarczających praw dostępu aby wysłać katalog")}));
    EXPECT_EQ(read(remoteFile(name)), "a file");
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/");

    // Offline, the menu item says so.
    services.clear();
    form->roz2Click();
    form->kat_wyslijClick();
    EXPECT_EQ(services.messages(),
              QStringList({QString::fromUtf8("Nie jesteś połączony z żadnym serwerem FTP")}));
}

} // namespace
