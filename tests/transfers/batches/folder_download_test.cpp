// F7 on a remote folder: the folder and everything below it land in a local folder of
// the same name, against pyftpdlib, and against a scripted server whose listing names
// files outside the folder.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "tests/support/ftp/fake_ftp_server.h"
#include "tests/transfers/batches/as_user_fixture.h"
#include "tests/transfers/batches/transfer_fixture.h"
#include "transfers/transfer_logic.h"

#include <QFileInfo>
#include <QTest>

namespace {

const QString kTop = QString::fromUtf8("Źródła");
const QString kMiddle = QString::fromUtf8("Pod folder ą");
const QString kDeep = QString::fromUtf8("głęboki ę");

TEST_F(TransferWindow, F7OnAFolderFetchesItsTreeWithoutFollowingLinks) {
    const QString top = remoteFile(kTop);
    ASSERT_TRUE(QDir().mkpath(top + '/' + kMiddle + '/' + kDeep));
    ASSERT_TRUE(QDir().mkpath(top + '/' + kMiddle + QString::fromUtf8("/pusty ż")));
    const QByteArray deepBytes = pattern(300000, 9);
    write(top + QString::fromUtf8("/żółw.txt"), "top");
    write(top + '/' + kMiddle + QString::fromUtf8("/ćma.txt"), "middle");
    write(top + '/' + kMiddle + '/' + kDeep + QString::fromUtf8("/dno ś.bin"), deepBytes);
    write(remoteFile("beside.txt"), "beside");
    // A link inside the tree that leads out of it.
    ftptest::TempDir outside;
    write(QString::fromStdString(outside.file("secret.txt")), "outside");
    ASSERT_TRUE(QFile::link(QString::fromStdString(outside.path()), top + "/out"));
    connect(1);

    QStringList batchLines;
    auto original = form->FTP->OnWork;
    form->FTP->OnWork = [&, original](TIdComponent* sender, TWorkMode mode, int64_t bytes) {
        original(sender, mode, bytes);
        if (!batchLines.contains(form->Form13->licznik2->text()))
            batchLines << form->Form13->licznik2->text();
    };
    selectRemote({kTop, "beside.txt"});
    press(Qt::Key_F7);

    const QString mine = localFile(kTop);
    EXPECT_EQ(read(mine + QString::fromUtf8("/żółw.txt")), "top");
    EXPECT_EQ(read(mine + '/' + kMiddle + QString::fromUtf8("/ćma.txt")), "middle");
    EXPECT_TRUE(read(mine + '/' + kMiddle + '/' + kDeep + QString::fromUtf8("/dno ś.bin")) ==
                deepBytes);
    EXPECT_TRUE(QFileInfo(mine + '/' + kMiddle + QString::fromUtf8("/pusty ż")).isDir());
    // The local panel lists the new folder and still has the old one open.
    TLocalFolderList* folders = form->localPanel->katalog;
    QStringList shown;
    for (int row = 0; row < folders->count(); ++row)
        shown << folders->folderAt(row);
    EXPECT_TRUE(shown.contains(mine)) << shown.join('\n').toStdString();
    EXPECT_EQ(folders->directory(), QString::fromStdString(local.path()));
    EXPECT_EQ(read(localFile("beside.txt")), "beside");
    EXPECT_FALSE(QFileInfo::exists(mine + "/out"));
    // Progress counts the files and bytes of the whole tree, sizes taken from the listings:
    // 4 files, 300015 bytes (292 KB); the deep file comes last, after 15 bytes.
    const int flag = languageFlag();
    EXPECT_TRUE(batchLines.contains(transfers::downloadBatchLine(1, 4, flag) +
                                    transfers::treeBytesLine(0, 300015, flag)))
        << batchLines.join('\n').toStdString();
    EXPECT_EQ(batchLines.last(), transfers::downloadBatchLine(4, 4, flag) +
                                     transfers::treeBytesLine(15, 300015, flag));
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
    // The server is back in the folder the remote list shows.
    EXPECT_EQ(form->FTP->CurrentDirectory(), "/");
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/");
    EXPECT_TRUE(form->serverPanel->sciagnij_ftp->isEnabled());
}

using ftptest::FakeFtpServer;
using ftptest::unixListLine;

void scriptListing(FakeFtpServer& s, const std::string& lines) {
    s.pasv();
    s.expect("list");
    s.acceptData();
    s.reply("150 listing");
    s.sendData(lines);
    s.closeData();
    s.reply("226 done");
}

TEST_F(BatchAsUser, AFolderListingNamingPlacesOutsideTheFolderFetchesNoneOfThem) {
    FakeFtpServer fake;
    fake.scriptLogin();
    fake.expect("CWD /");
    fake.reply("250 ok");
    fake.expect("type A");
    fake.reply("200 ascii");
    fake.expect("PWD");
    fake.reply("257 \"/\" is the current folder");
    scriptListing(fake, "drwxr-xr-x   2 owner group 0 Jan 01 12:00 f\r\n");
    fake.expect("CWD /f");
    fake.reply("250 ok");
    scriptListing(fake, unixListLine("../evil", 4) + unixListLine("..", 4) +
                            unixListLine("a\\b", 4) +
                            "lrwxrwxrwx   1 owner group 4 Jan 01 12:00 ln -> /etc\r\n" +
                            unixListLine("ok.txt", 2));
    // Already in the folder: no CWD before the file.
    fake.expect("type I");
    fake.reply("200 binary");
    fake.expect("SIZE ok.txt");
    fake.reply("213 2");
    fake.pasv();
    fake.expect("retr ok.txt");
    fake.acceptData();
    fake.reply("150 sending");
    fake.sendData("ok");
    fake.closeData();
    fake.reply("226 done");
    fake.expect("CWD /");
    fake.reply("250 back");

    connectAsUser(fake.port(), 1, 400);
    userinput::clickRow(form->serverPanel->l3, userinput::indexOf(form->serverPanel->l3, "f"));
    QTest::keyClick(form.get(), Qt::Key_F7);
    ASSERT_TRUE(fake.finished());
    EXPECT_EQ(fake.errors(), "");
    EXPECT_EQ(read(localFile("f/ok.txt")), "ok");
    EXPECT_EQ(
        QDir(localFile("f")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList({"ok.txt"}));
    EXPECT_FALSE(QFileInfo::exists(localFile("evil")));
    const QStringList log = form->logPanel->memo1->lines();
    EXPECT_TRUE(log.contains(QString::fromUtf8("Pominięto (dowiązanie lub niedozwolona nazwa): "
                                               "f/../evil")))
        << log.join('\n').toStdString();
    EXPECT_TRUE(
        log.contains(
            QString::fromUtf8("Pominięto (dowiązanie lub niedozwolona nazwa): f/ln -> /etc")) ||
        log.contains(QString::fromUtf8("Pominięto (dowiązanie lub niedozwolona nazwa): f/ln")));
}

} // namespace
