// The transfer queue in the shown main window against pyftpdlib: queue mode
// from its menu item, files queued by clicks in two folders, the editor's
// sizes and removal, the queue download, a failed file, and a disconnect.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "tests/transfers/batches/transfer_fixture.h"
#include "transfers/queue_editor.h"
#include "transfers/transfer_state.h"

#include <QFileInfo>
#include <QTest>

namespace {

struct Queue : TransferWindow {
    QPoint rowPoint(const QString& caption) {
        const int r = row(caption);
        EXPECT_GE(r, 0) << caption.toStdString();
        return r >= 0 ? form->serverPanel->l3->rowRect(r).center() : QPoint();
    }
    void click(const QString& caption) {
        QTest::mouseClick(form->serverPanel->l3->viewport(), Qt::LeftButton, {}, rowPoint(caption));
    }
    void open(const QString& caption) {
        const QPoint at = rowPoint(caption);
        QTest::mouseClick(form->serverPanel->l3->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(form->serverPanel->l3->viewport(), Qt::LeftButton, {}, at);
        ASSERT_TRUE(QTest::qWaitFor([&] { return row(caption) < 0; }, 5000));
    }
    void up() { QTest::mouseClick(form->serverPanel->Cofnij, Qt::LeftButton); }
    void f7() { QTest::keyClick(form->serverPanel->l3, Qt::Key_F7); }
    void clickEditorLine(QListWidget* list, int line) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(line)).center());
    }
    QStringList lines(const QListWidget* list) const {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
    void makeFolder(const QString& name) {
        QDir(QString::fromStdString(remote.path())).mkpath(name);
    }
};

TEST_F(Queue, FilesFromTwoFoldersAreQueuedEditedAndDownloaded) {
    makeFolder("a");
    makeFolder("b");
    const QByteArray almostMegabyte = pattern(1048575, 1);
    write(remoteFile("a/one.bin"), almostMegabyte);
    write(remoteFile("a/two.txt"), pattern(5000, 2));
    write(remoteFile("a/extra.bin"), pattern(300000, 3));
    write(remoteFile("b/three.txt"), pattern(2048, 4));
    // A file of the same name elsewhere must not be the one fetched.
    write(remoteFile("b/two.txt"), "the wrong two");
    connect(1);
    showWindow();
    TForm21& editor = *form->Form21;

    form->wlacz_bufor->trigger();
    EXPECT_TRUE(form->wlacz_bufor->isChecked());
    EXPECT_TRUE(form->MenuItem16->isChecked());
    EXPECT_EQ(form->StatusBar1->panelText(4), "BUF");
    EXPECT_EQ(form->serverPanel->l3->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_TRUE(form->bufor_zaznacz_all->isEnabled());
    EXPECT_TRUE(form->edycja_bufor->isEnabled());
    EXPECT_FALSE(form->ftp_wszystkie->isEnabled());
    EXPECT_FALSE(form->ftp_nic->isEnabled());
    EXPECT_FALSE(form->otworz_plik_ftp->isEnabled());
    EXPECT_FALSE(form->serverPanel->run_ftp->isEnabled());
    EXPECT_TRUE(editor.isVisible());
    EXPECT_FALSE(form->logPanel->memo1->isVisible());

    open("a");
    click("one.bin");
    click("two.txt");
    click("extra.bin");
    // A folder row is not queued.
    up();
    ASSERT_TRUE(QTest::qWaitFor([&] { return row("b") >= 0; }, 5000));
    open("b");
    click("three.txt");

    EXPECT_EQ(form->transfers->lista_bufor, QStringList({"/a/", "/a/", "/a/", "/b/"}));
    EXPECT_EQ(form->transfers->lista_bufor2,
              QStringList({"one.bin", "two.txt", "extra.bin", "three.txt"}));
    // The sizes were asked in binary mode: pyftpdlib refuses SIZE in ASCII.
    EXPECT_EQ(form->transfers->lista_bufor3,
              QStringList({"1023 KB/0 MB", "4 KB/0 MB", "292 KB/0 MB", "2 KB/0 MB"}));
    EXPECT_EQ(lines(editor.ListBox1),
              QStringList({"/a/one.bin", "/a/two.txt", "/a/extra.bin", "/b/three.txt"}));
    EXPECT_EQ(lines(editor.ListBox2), form->transfers->lista_bufor3);
    EXPECT_EQ(editor.StatusBar1->panelText(0), QString::fromUtf8("Zabuforowano plików: 4"));
    EXPECT_EQ(editor.StatusBar2->panelText(0),
              QString::fromUtf8("Rozmiar całkowity: 1321 KB/1 MB"));

    // Removing needs a chosen line; choosing in one list chooses in both.
    EXPECT_FALSE(editor.usun_jeden->isEnabled());
    editor.usun_jedenClick();
    EXPECT_EQ(editor.ListBox1->count(), 4);
    clickEditorLine(editor.ListBox2, 2);
    EXPECT_EQ(editor.ListBox1->currentRow(), 2);
    EXPECT_TRUE(editor.usun_jeden->isEnabled());
    EXPECT_TRUE(editor.menu_usun_jeden->isEnabled());
    QTest::mouseClick(editor.usun_jeden, Qt::LeftButton);
    EXPECT_EQ(form->transfers->lista_bufor2, QStringList({"one.bin", "two.txt", "three.txt"}));
    EXPECT_EQ(lines(editor.ListBox2), QStringList({"1023 KB/0 MB", "4 KB/0 MB", "2 KB/0 MB"}));
    EXPECT_EQ(editor.StatusBar1->panelText(0), QString::fromUtf8("Zabuforowano plików: 3"));
    EXPECT_EQ(editor.StatusBar2->panelText(0),
              QString::fromUtf8("Rozmiar całkowity: 1029 KB/1 MB"));

    // The list shows b with nothing selected in it: F7 still runs the queue.
    form->serverPanel->l3->clearSelection();
    QStringList batchLines;
    atFirstProgress([&] { batchLines << form->Form13->licznik2->text(); });
    f7();
    EXPECT_EQ(read(localFile("one.bin")), almostMegabyte);
    EXPECT_EQ(read(localFile("two.txt")), pattern(5000, 2));
    EXPECT_EQ(read(localFile("three.txt")), pattern(2048, 4));
    EXPECT_FALSE(QFile::exists(localFile("extra.bin")));
    EXPECT_EQ(batchLines,
              QStringList({QString::fromUtf8("Ściąganie: (1) z (3) zabuforowanych plików...")}));
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/b");
    EXPECT_GE(row("three.txt"), 0);
    EXPECT_TRUE(form->transfers->lista_bufor.isEmpty());
    EXPECT_TRUE(form->transfers->lista_bufor3.isEmpty());
    EXPECT_EQ(editor.ListBox1->count(), 0);
    EXPECT_EQ(editor.queueTotal, 0);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(form->wlacz_bufor->isChecked());
    EXPECT_FALSE(form->Form13->isVisible());
    EXPECT_TRUE(form->serverPanel->sciagnij_ftp->isEnabled());
    EXPECT_TRUE(partFiles().isEmpty());
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();

    // An empty queue is told; the mode switched off gives the list back.
    f7();
    EXPECT_EQ(services.messages(),
              QStringList({QString::fromUtf8("Nie masz zabuforowanych żadnych plików")}));
    form->MenuItem16->trigger();
    EXPECT_FALSE(form->wlacz_bufor->isChecked());
    EXPECT_EQ(form->StatusBar1->panelText(4), "N-BUF");
    EXPECT_EQ(form->serverPanel->l3->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(form->ftp_wszystkie->isEnabled());
    EXPECT_FALSE(form->bufor_zaznacz_all->isEnabled());
    EXPECT_TRUE(form->logPanel->memo1->isVisible());
}

TEST_F(Queue, AFailedFileInTheMiddleLeavesTheRestArriving) {
    makeFolder("x");
    write(remoteFile("first.bin"), pattern(70000, 5));
    write(remoteFile("x/gone.bin"), pattern(1000, 6));
    write(remoteFile("x/last.bin"), pattern(90000, 7));
    write(remoteFile("x/same.bin"), pattern(10, 8));
    connect(0);
    showWindow();
    form->wlacz_bufor->trigger();
    click("first.bin");
    open("x");
    click("gone.bin");
    click("last.bin");
    // The same file twice is two entries, counted twice.
    click("same.bin");
    click("same.bin");
    EXPECT_EQ(form->transfers->lista_bufor2,
              QStringList({"first.bin", "gone.bin", "last.bin", "same.bin", "same.bin"}));
    EXPECT_EQ(form->Form21->queueTotal, 68 + 0 + 87);
    QFile::remove(remoteFile("x/gone.bin"));

    f7();
    EXPECT_EQ(read(localFile("first.bin")), pattern(70000, 5));
    EXPECT_EQ(read(localFile("last.bin")), pattern(90000, 7));
    EXPECT_EQ(read(localFile("same.bin")), pattern(10, 8));
    EXPECT_FALSE(QFile::exists(localFile("gone.bin")));
    EXPECT_TRUE(form->logPanel->memo1->lines().contains(
        QString::fromUtf8("Nie ściągnięto pliku: gone.bin")));
    EXPECT_TRUE(form->transfers->lista_bufor.isEmpty());
    EXPECT_TRUE(form->connected());
}

TEST_F(Queue, AddAllThenDisconnectEmptiesTheQueueAndEndsTheMode) {
    makeFolder("sub");
    write(remoteFile("p.txt"), "p");
    write(remoteFile("q.txt"), "qq");
    connect(1);
    form->settings.language = 0;
    showWindow();
    form->wlacz_bufor->trigger();
    form->bufor_zaznacz_all->trigger();
    EXPECT_EQ(form->transfers->lista_bufor2, QStringList({"p.txt", "q.txt"}));
    form->edycja_bufor->trigger();
    EXPECT_EQ(form->Form21->StatusBar1->panelText(0), "Buffered files: 2");
    EXPECT_EQ(form->Form21->StatusBar2->panelText(0), "Total size: 0 KB/0 MB");
    EXPECT_EQ(form->Form21->usun_wszystkie->text(), "Remove All");

    QTest::mouseClick(form->topPanel->roz2, Qt::LeftButton);
    EXPECT_FALSE(form->connected());
    EXPECT_TRUE(form->transfers->lista_bufor.isEmpty());
    EXPECT_TRUE(form->transfers->lista_bufor2.isEmpty());
    EXPECT_EQ(form->Form21->ListBox1->count(), 0);
    EXPECT_FALSE(form->Form21->isVisible());
    EXPECT_FALSE(form->wlacz_bufor->isChecked());
    EXPECT_FALSE(form->MenuItem16->isChecked());
    EXPECT_EQ(form->StatusBar1->panelText(4), "N-BUF");
    EXPECT_EQ(form->serverPanel->l3->selectionMode(), QAbstractItemView::ExtendedSelection);
    // Not connected: the queue download does nothing and says nothing.
    form->S_bufor();
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
}

TEST_F(Queue, AFolderDroppedOnTheLocalPanelJoinsTheQueueAndArrivesWithItsTree) {
    makeFolder(QString::fromUtf8("drzewo ż/pod/pusty"));
    makeFolder("other");
    write(remoteFile("other/first.txt"), "first");
    write(remoteFile(QString::fromUtf8("drzewo ż/x.txt")), "x");
    write(remoteFile(QString::fromUtf8("drzewo ż/pod/y.bin")), pattern(150000, 4));
    connect(1);
    showWindow();
    form->wlacz_bufor->trigger();
    open("other");
    click("first.txt");
    up();
    ASSERT_TRUE(QTest::qWaitFor([&] { return row(QString::fromUtf8("drzewo ż")) >= 0; }, 5000));
    // A click on a folder only picks it (a double click opens it): nothing is queued.
    click(QString::fromUtf8("drzewo ż"));
    EXPECT_EQ(form->transfers->lista_bufor2, QStringList({"first.txt"}));
    QStringList editorLines;
    form->FTP->OnWorkBegin = [&, original = form->FTP->OnWorkBegin](
                                 TIdComponent* sender, TWorkMode mode, int64_t expected) {
        original(sender, mode, expected);
        if (editorLines.isEmpty())
            editorLines = lines(form->Form21->ListBox1);
    };
    form->serverPanel->l3->setCurrentRow(row(QString::fromUtf8("drzewo ż")));
    form->dropOnPanel(form->localPanel->pliki, form->serverPanel->l3);

    EXPECT_EQ(editorLines, QStringList({"/other/first.txt", QString::fromUtf8("//drzewo ż/")}));
    EXPECT_EQ(read(localFile("first.txt")), "first");
    EXPECT_EQ(read(localFile(QString::fromUtf8("drzewo ż/x.txt"))), "x");
    EXPECT_EQ(read(localFile(QString::fromUtf8("drzewo ż/pod/y.bin"))), pattern(150000, 4));
    EXPECT_TRUE(QFileInfo(localFile(QString::fromUtf8("drzewo ż/pod/pusty"))).isDir());
    EXPECT_TRUE(form->transfers->lista_bufor.isEmpty());
    const QStringList log = form->logPanel->memo1->lines();
    EXPECT_FALSE(log.join('\n').contains(QString::fromUtf8("Nie ściągnięto")))
        << log.join('\n').toStdString();
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
    // The server stands where the remote list says.
    EXPECT_EQ(QString::fromStdString(form->FTP->CurrentDirectory()),
              form->topPanel->CurrentDirEdit->text());
    EXPECT_TRUE(form->connected());
}

} // namespace
