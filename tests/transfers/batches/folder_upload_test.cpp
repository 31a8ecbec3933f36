// A local folder sent with everything below it, against pyftpdlib: three levels of
// Polish names, an empty folder, links that are not followed, progress over the whole
// tree, and a server that refuses a folder deep inside.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "tests/transfers/batches/transfer_fixture.h"
#include "transfers/transfer_logic.h"

#include <QDirIterator>
#include <QFileInfo>

namespace {

const QString kTop = QString::fromUtf8("Źródła wysyłki");
const QString kMiddle = QString::fromUtf8("Środek ą");
const QString kDeep = QString::fromUtf8("głęboko ę");

// Every entry below `root` with its bytes ("name/" for a folder), links left out.
QStringList treeOf(const QString& root) {
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.isSymLink())
            continue;
        const QString relative = info.filePath().mid(root.size() + 1);
        if (info.isDir()) {
            out << relative + '/';
        } else {
            QFile file(info.filePath());
            out << relative + '=' +
                       (file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().toHex())
                                                       : QStringLiteral("<unreadable>"));
        }
    }
    out.sort();
    return out;
}

struct FolderUpload : TransferWindow {
    ftptest::TempDir outside;

    void buildTree() {
        const QString top = localFile(kTop);
        ASSERT_TRUE(QDir().mkpath(top + '/' + kMiddle + '/' + kDeep));
        ASSERT_TRUE(QDir().mkpath(top + '/' + kMiddle + QString::fromUtf8("/pusty ż")));
        write(top + QString::fromUtf8("/żółw.txt"), "top");
        write(top + '/' + kMiddle + QString::fromUtf8("/ćma.txt"), "middle");
        write(top + '/' + kMiddle + '/' + kDeep + QString::fromUtf8("/dno ś.bin"),
              pattern(300000, 9));
        write(top + '/' + kMiddle + '/' + kDeep + "/zero.dat", "");
        // Links inside the tree: one leads out of it, one back to its own top.
        write(QString::fromStdString(outside.file("secret.txt")), "outside");
        ASSERT_TRUE(QFile::link(QString::fromStdString(outside.path()), top + "/out"));
        ASSERT_TRUE(QFile::link(top, top + '/' + kMiddle + "/loop"));
        ASSERT_TRUE(
            QFile::link(QString::fromStdString(outside.file("secret.txt")), top + "/secret.txt"));
    }

    void highlightTop() {
        form->localPanel->katalog->setDirectory(QString::fromStdString(local.path()));
        for (int i = 0; i < form->localPanel->katalog->count(); ++i)
            if (form->localPanel->katalog->folderAt(i) == localFile(kTop))
                form->localPanel->katalog->setCurrentRow(i);
        ASSERT_EQ(form->localPanel->katalog->folderAt(form->localPanel->katalog->currentRow()),
                  localFile(kTop));
    }
};

TEST_F(FolderUpload, TheWholeTreeArrivesByteEqualAndNoLinkIsFollowed) {
    buildTree();
    connect(1);
    form->localPanel->pliki->setAttributes(TLocalFileList::kAllAttributes);
    QStringList batchLines;
    auto original = form->FTP->OnWork;
    form->FTP->OnWork = [&, original](TIdComponent* sender, TWorkMode mode, int64_t bytes) {
        original(sender, mode, bytes);
        if (!batchLines.contains(form->Form13->licznik2->text()))
            batchLines << form->Form13->licznik2->text();
    };
    highlightTop();
    // As a user sends it: the folder tree dragged onto the remote list.
    form->dragAllowed = true;
    ASSERT_TRUE(form->acceptsDrop(form->serverPanel->l3, form->localPanel->katalog));
    form->dropOnPanel(form->serverPanel->l3, form->localPanel->katalog);

    const QStringList expected = treeOf(localFile(kTop));
    ASSERT_EQ(expected.size(), 7) << expected.join('\n').toStdString();
    EXPECT_EQ(treeOf(remoteFile(kTop)), expected);
    EXPECT_FALSE(QFileInfo::exists(remoteFile(kTop + "/out")));
    EXPECT_FALSE(QFileInfo::exists(remoteFile(kTop + "/secret.txt")));
    EXPECT_FALSE(QFileInfo::exists(remoteFile(kTop + '/' + kMiddle + "/loop")));
    EXPECT_FALSE(QFileInfo::exists(remoteFile("secret.txt")));
    // Files and bytes of the whole tree: 4 files, 300003 bytes (292 KB).
    const int flag = languageFlag();
    EXPECT_TRUE(batchLines.contains(transfers::uploadBatchLine(1, 4, flag) +
                                    transfers::treeBytesLine(0, 300003, flag)))
        << batchLines.join('\n').toStdString();
    EXPECT_TRUE(batchLines.contains(transfers::uploadBatchLine(4, 4, flag) +
                                    transfers::treeBytesLine(300002, 300003, flag)))
        << batchLines.join('\n').toStdString();
    const QStringList log = form->logPanel->memo1->lines();
    EXPECT_TRUE(log.contains(QString::fromUtf8("Pominięto (dowiązanie lub niedozwolona nazwa): ") +
                             kTop + "/out"))
        << log.join('\n').toStdString();
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
    // The remote list shows the folder sent, as after a one-level folder upload.
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/" + kTop);
    EXPECT_EQ(QString::fromStdString(form->FTP->CurrentDirectory()), "/" + kTop);
    EXPECT_GE(row(QString::fromUtf8("żółw.txt")), 0);
    EXPECT_FALSE(form->Form13->isVisible());

    // Dragged back onto the local panel, into another local folder: the same tree.
    form->ChageDir("/");
    ftptest::TempDir back;
    form->localPanel->katalog->setDirectory(QString::fromStdString(back.path()));
    selectRemote({kTop});
    form->serverPanel->l3->setCurrentRow(row(kTop));
    ASSERT_TRUE(form->acceptsDrop(form->localPanel->pliki, form->serverPanel->l3));
    form->dropOnPanel(form->localPanel->pliki, form->serverPanel->l3);
    EXPECT_EQ(treeOf(QString::fromStdString(back.path()) + '/' + kTop), expected);
}

TEST_F(FolderUpload, AFolderTheServerRefusesDeepInsideEndsTheBatchWithTheErrorBox) {
    buildTree();
    // A file standing where the middle folder goes: MKD and CWD both fail there.
    ASSERT_TRUE(QDir().mkpath(remoteFile(kTop)));
    write(remoteFile(kTop + '/' + kMiddle), "in the way");
    connect(1);
    highlightTop();
    form->kat_wyslij->trigger();

    EXPECT_EQ(services.messages(),
              QStringList(
                  {QString::fromUtf8("Nie masz wystarczających praw dostępu aby wysłać katalog")}));
    // What lies above the refused folder arrived; nothing below it, and no file
    // landed in the wrong folder.
    EXPECT_EQ(read(remoteFile(kTop + QString::fromUtf8("/żółw.txt"))), "top");
    EXPECT_EQ(read(remoteFile(kTop + '/' + kMiddle)), "in the way");
    EXPECT_FALSE(QFileInfo::exists(remoteFile(kTop + QString::fromUtf8("/ćma.txt"))));
    EXPECT_FALSE(QFileInfo::exists(remoteFile(QString::fromUtf8("ćma.txt"))));
    const QStringList log = form->logPanel->memo1->lines();
    EXPECT_TRUE(log.contains(QString::fromUtf8("Nie utworzono folderu: ") + kTop + '/' + kMiddle))
        << log.join('\n').toStdString();
    EXPECT_FALSE(form->Form13->isVisible());
    EXPECT_TRUE(form->connected());
    EXPECT_TRUE(form->serverPanel->sciagnij_ftp->isEnabled());

    // A file the server will not store (a folder stands under its name) ends the batch
    // with the file's error box.
    services.clear();
    QFile::remove(remoteFile(kTop + '/' + kMiddle));
    QFile::remove(remoteFile(kTop + QString::fromUtf8("/żółw.txt")));
    ASSERT_TRUE(QDir().mkpath(remoteFile(kTop + QString::fromUtf8("/żółw.txt"))));
    form->ChageDir("/");
    highlightTop();
    form->kat_wyslijClick();
    EXPECT_EQ(
        services.messages(),
        QStringList({QString::fromUtf8("Nie masz wystarczających praw dostępu aby wysłać plik")}));
    EXPECT_FALSE(QFileInfo::exists(remoteFile(kTop + '/' + kMiddle)));
    EXPECT_TRUE(form->logPanel->memo1->lines().contains(QString::fromUtf8("Nie wysłano pliku: ") +
                                                        kTop + QString::fromUtf8("/żółw.txt")))
        << form->logPanel->memo1->lines().join('\n').toStdString();
    EXPECT_TRUE(form->connected());
}

} // namespace
