// The network chooser over a fake mount table: the mounted network file
// systems are the tree, and only a folder inside one of them is opened.

#include "local/local_lists.h"
#include "local/local_panel.h"
#include "local/network_chooser.h"
#include "local/network_mounts.h"
#include "tests/support/ui/main_window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(MountTable, EscapesTypesAndTheDeepestMountDecides) {
    const auto table = netmounts::parseMountTable(
        "/dev/sda1 / ext4 rw,relatime 0 0\n"
        "//nas/Wsp\\303\\263lne\\040dane /mnt/nas\\040share cifs rw 0 0\n"
        "fileserver:/export /mnt/nfs nfs4 rw 0 0\n"
        "user@host:/srv /home/u/remote fuse.sshfs rw 0 0\n"
        "/dev/sdb1 /mnt/nfs/usb vfat rw 0 0\n"
        "\n");
    ASSERT_EQ(table.size(), 5);
    EXPECT_EQ(table[1].source, QString::fromUtf8("//nas/Wspólne dane"));
    EXPECT_EQ(table[1].mountPoint, "/mnt/nas share");
    EXPECT_EQ(netmounts::networkShares(table).size(), 3);
    EXPECT_TRUE(netmounts::isOnNetwork(table, "/mnt/nas share/docs"));
    EXPECT_TRUE(netmounts::isOnNetwork(table, "/mnt/nfs"));
    EXPECT_TRUE(netmounts::isOnNetwork(table, "/home/u/remote/x/y"));
    EXPECT_FALSE(netmounts::isOnNetwork(table, "/mnt/nfs/usb/photos"));
    EXPECT_FALSE(netmounts::isOnNetwork(table, "/mnt/nfsother"));
    EXPECT_FALSE(netmounts::isOnNetwork(table, "/home/u"));
    EXPECT_FALSE(netmounts::isOnNetwork(table, ""));
}

struct NetworkChooser : MainWindowFixture {
    QTemporaryDir place;
    QString cifs, nfs, disk, gvfs;

    NetworkChooser() {
        QDir root(place.path());
        for (const char* folder :
             {"cifs/reports/2024", "nfs/home", "disk/private",
              "gvfs/smb-share:server=nas,share=public/music", "gvfs/mtp:host=phone"})
            root.mkpath(QString::fromLatin1(folder));
        cifs = root.filePath("cifs");
        nfs = root.filePath("nfs");
        disk = root.filePath("disk");
        gvfs = root.filePath("gvfs");
        const QByteArray table = "/dev/sda1 / ext4 rw 0 0\n"
                                 "//fileserver/reports " +
                                 cifs.toUtf8() + " cifs rw,vers=3.0 0 0\n" + "nas:/export/home " +
                                 nfs.toUtf8() + " nfs4 rw 0 0\n" + "/dev/sdb1 " + disk.toUtf8() +
                                 " ext4 rw 0 0\n" + "gvfsd-fuse " + gvfs.toUtf8() +
                                 " fuse.gvfsd-fuse rw 0 0\n";
        QFile file(root.filePath("mounts"));
        if (file.open(QIODevice::WriteOnly))
            file.write(table);
        qputenv("KORVANTE_MOUNT_TABLE", root.filePath("mounts").toUtf8());
    }
    ~NetworkChooser() override { qunsetenv("KORVANTE_MOUNT_TABLE"); }
    static QTreeWidgetItem* node(QTreeWidget* tree, const QString& caption) {
        const auto found = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    static void click(QTreeWidget* tree, QTreeWidgetItem* item) {
        ASSERT_NE(item, nullptr);
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(item).center());
    }
    static QStringList captions(const QTreeWidgetItem* parent) {
        QStringList out;
        for (int i = 0; i < parent->childCount(); ++i)
            out.append(parent->child(i)->text(0));
        return out;
    }
};

TEST_F(NetworkChooser, MountedSharesAreTheTreeAndOnlyTheyAreOpened) {
    create(0);
    const QString before = form->localPanel->katalog->directory();
    const QString shareCaption = "//fileserver/reports  (" + cifs + ")";
    services.modalSteps["frm_siec"] = [&](QDialog& d) {
        auto& w = static_cast<Tfrm_siec&>(d);
        // The window's texts are Polish in both languages.
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Wybierz zasób sieciowy..."));
        EXPECT_EQ(w.Anuluj->text(), "Anuluj");
        QTreeWidgetItem* root = w.cmb_siec->topLevelItem(0);
        EXPECT_EQ(root->text(0), "Otoczenie sieciowe");
        EXPECT_EQ(captions(root), QStringList({shareCaption, "nas:/export/home  (" + nfs + ")",
                                               "smb-share:server=nas,share=public"}));

        // The neighbourhood itself names no folder.
        click(w.cmb_siec, root);
        EXPECT_TRUE(w.Edit1->text().isEmpty());
        QTest::mouseClick(w.OK, Qt::LeftButton);
        EXPECT_TRUE(w.isVisible());

        // A local path, as if typed, is refused; so is a local disk.
        w.Edit1->setText(disk + "/private");
        QTest::mouseClick(w.OK, Qt::LeftButton);
        w.Edit1->setText(home.path());
        QTest::mouseClick(w.OK, Qt::LeftButton);
        EXPECT_TRUE(w.isVisible());

        // Opening a share shows its folders; one of them is chosen.
        QTreeWidgetItem* share = node(w.cmb_siec, shareCaption);
        share->setExpanded(true);
        EXPECT_EQ(captions(share), QStringList({"reports"}));
        click(w.cmb_siec, share->child(0));
        EXPECT_EQ(w.Edit1->text(), cifs + "/reports");
        QTest::mouseClick(w.OK, Qt::LeftButton);
        return w.result();
    };
    QTest::mouseClick(form->localPanel->siec, Qt::LeftButton);

    const QStringList messages = services.messages();
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[0], QString::fromUtf8("Nie wybrano żadnego zasobu sieciowego..."));
    const QString refused = QString::fromUtf8("Błędnie wybrany zasób sieciowy.\n"
                                              "Nie może być ścieżek lokalnych tyko sieciowe\n"
                                              "Np. \\\\Nazwa komputera\\Katalog\\");
    EXPECT_EQ(messages[1], refused);
    EXPECT_EQ(messages[2], refused);
    EXPECT_NE(before, form->localPanel->katalog->directory());
    EXPECT_EQ(form->localPanel->katalog->directory(), QDir(cifs + "/reports").canonicalPath());
}

TEST_F(NetworkChooser, GvfsSharesCountAndAVanishedShareIsReported) {
    create(0);
    services.modalSteps["frm_siec"] = [&](QDialog& d) {
        auto& w = static_cast<Tfrm_siec&>(d);
        click(w.cmb_siec, node(w.cmb_siec, "smb-share:server=nas,share=public"));
        QTest::mouseClick(w.OK, Qt::LeftButton);
        return w.result();
    };
    QTest::mouseClick(form->localPanel->siec, Qt::LeftButton);
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_EQ(form->localPanel->katalog->directory(),
              QDir(gvfs + "/smb-share:server=nas,share=public").canonicalPath());

    // A device inside gvfs is not a network folder; a share that went away
    // cannot be opened, and the user hears so.
    QDir(nfs).removeRecursively();
    services.modalSteps["frm_siec"] = [&](QDialog& d) {
        auto& w = static_cast<Tfrm_siec&>(d);
        EXPECT_EQ(node(w.cmb_siec, "mtp:host=phone"), nullptr);
        w.Edit1->setText(gvfs + "/mtp:host=phone");
        QTest::mouseClick(w.OK, Qt::LeftButton);
        click(w.cmb_siec, node(w.cmb_siec, "nas:/export/home  (" + nfs + ")"));
        QTest::mouseClick(w.OK, Qt::LeftButton);
        EXPECT_TRUE(w.isVisible());
        QTest::keyClick(&w, Qt::Key_Escape);
        return w.result();
    };
    QTest::mouseClick(form->localPanel->siec, Qt::LeftButton);
    ASSERT_EQ(services.messages().size(), 2);
    EXPECT_TRUE(services.messages()[0].startsWith(QString::fromUtf8("Błędnie wybrany")));
    EXPECT_EQ(services.messages()[1], "Cannot open the network resource: " + nfs);
}

} // namespace
