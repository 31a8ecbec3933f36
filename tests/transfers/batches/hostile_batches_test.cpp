// The window's batches against a scripted server that misbehaves, driven as a user
// does: a server that ignores ABOR costs one file and a new login, not the batch; a
// broken upload the server will not delete is named to the user.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "tests/support/ftp/fake_ftp_server.h"
#include "tests/transfers/batches/as_user_fixture.h"
#include "transfers/transfer_state.h"

#include <QTest>

namespace {

using ftptest::FakeFtpServer;
using ftptest::unixListLine;
using userinput::rowOf;

// The listing refresh of the root: CWD, TYPE A, PWD, LIST.
void scriptRootListing(FakeFtpServer& s, const std::string& lines, bool typeA = true) {
    s.expect("CWD /");
    s.reply("250 ok");
    if (typeA) {
        s.expect("type A");
        s.reply("200 ascii");
    }
    s.expect("PWD");
    s.reply("257 \"/\" is the current folder");
    s.pasv();
    s.expect("list");
    s.acceptData();
    s.reply("150 listing");
    s.sendData(lines);
    s.closeData();
    s.reply("226 done");
}

void scriptDownload(FakeFtpServer& s, const std::string& name, const std::string& bytes,
                    bool binaryFirst) {
    if (binaryFirst) {
        s.expect("type I");
        s.reply("200 binary");
    }
    s.expect("SIZE " + name);
    s.reply("213 " + std::to_string(bytes.size()));
    s.pasv();
    s.expect("retr " + name);
    s.acceptData();
    s.reply("150 sending");
    s.sendData(bytes);
    s.closeData();
    s.reply("226 done");
}

// Login into an empty root, then an upload the server takes in whole; its end reply
// is the test's to script.
void scriptUploadTaken(FakeFtpServer& s, const std::string& name) {
    s.scriptLogin();
    scriptRootListing(s, "");
    s.expect("type I");
    s.reply("200 binary");
    s.pasv();
    s.expect("STOR " + name);
    s.acceptData();
    s.reply("150 go");
    s.receiveData();
}

std::string bytesOf(const QByteArray& bytes) {
    return bytes.toStdString();
}

struct HostileBatch : BatchAsUser {
    FakeFtpServer fake;
    void TearDown() override {
        EXPECT_TRUE(fake.finished());
        EXPECT_EQ(fake.errors(), "");
    }
    void selectRows(const QStringList& captions) {
        userinput::clickRow(form->serverPanel->l3,
                            userinput::indexOf(form->serverPanel->l3, captions.first()));
        for (const QString& caption : captions.mid(1))
            QTest::mouseClick(form->serverPanel->l3->viewport(), Qt::LeftButton,
                              Qt::ControlModifier,
                              form->serverPanel->l3
                                  ->visualRect(userinput::indexOf(form->serverPanel->l3, caption))
                                  .center());
        ASSERT_EQ(int(form->serverPanel->l3->selectedRows().size()), captions.size());
    }
};

// File 2 stalls and its server ignores the ABOR: the engine hangs up, the file fails
// (the earlier copy kept), the batch logs in again, lists the folder and fetches file 3.
TEST_F(HostileBatch, AServerThatIgnoresAborCostsOneFileAndANewLogin) {
    const QByteArray one = pattern(70000, 1), three = pattern(90000, 3);
    write(localFile("two.bin"), "the earlier copy");
    const std::string lines = unixListLine("one.bin", one.size()) + unixListLine("two.bin", 1000) +
                              unixListLine("three.bin", three.size());
    fake.scriptLogin();
    scriptRootListing(fake, lines);
    scriptDownload(fake, "one.bin", bytesOf(one), true);
    fake.expect("SIZE two.bin");
    fake.reply("213 1000");
    fake.pasv();
    fake.expect("retr two.bin");
    fake.acceptData();
    fake.reply("150 sending");
    fake.sendData(std::string(500, 't'));
    fake.holdData();
    fake.expect("ABOR"); // never answered
    fake.acceptControl();
    fake.scriptLogin();
    scriptRootListing(fake, lines);
    scriptDownload(fake, "three.bin", bytesOf(three), true);

    connectAsUser(fake.port(), 1, 400);
    selectRows({"one.bin", "two.bin", "three.bin"});
    QTest::keyClick(form.get(), Qt::Key_F7);

    EXPECT_EQ(read(localFile("one.bin")), one);
    EXPECT_EQ(read(localFile("two.bin")), "the earlier copy");
    EXPECT_EQ(read(localFile("three.bin")), three);
    EXPECT_EQ(partFiles(), QStringList({".two.bin.part"})); // kept for the next attempt
    const QStringList log = form->logPanel->memo1->lines();
    EXPECT_TRUE(log.contains(QString::fromUtf8("Nie ściągnięto pliku: two.bin")));
    EXPECT_FALSE(log.contains(QString::fromUtf8("Nie ściągnięto pliku: three.bin")));
    EXPECT_TRUE(log.contains(
        QString::fromUtf8("Połączenie z serwerem zostało utracone. Łączenie ponownie...")));
    // The window is connected again, in the folder it was in, with its list.
    EXPECT_TRUE(form->connected());
    EXPECT_FALSE(form->topPanel->pol2->isEnabled());
    EXPECT_TRUE(form->topPanel->roz2->isEnabled());
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/");
    EXPECT_EQ(form->serverPanel->l3->rowCount(), 3);
    EXPECT_FALSE(form->transfers->transferRunning);
    EXPECT_FALSE(form->Form13->isVisible());
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
}

// The same in the queue: the next file's folder is listed on the new session.
TEST_F(HostileBatch, AQueuedFileWhoseServerIgnoresAborCostsOnlyItself) {
    const QByteArray next = pattern(60000, 9);
    const std::string lines =
        unixListLine("stall.bin", 1000) + unixListLine("next.bin", next.size());
    fake.scriptLogin();
    scriptRootListing(fake, lines);
    fake.expect("type I");
    fake.reply("200 binary");
    fake.expect("SIZE stall.bin");
    fake.reply("213 1000");
    fake.expect("SIZE next.bin");
    fake.reply("213 " + std::to_string(next.size()));
    scriptRootListing(fake, lines);
    fake.expect("type I");
    fake.reply("200 binary");
    fake.expect("SIZE stall.bin");
    fake.reply("213 1000");
    fake.pasv();
    fake.expect("retr stall.bin");
    fake.acceptData();
    fake.reply("150 sending");
    fake.holdData();
    fake.expect("ABOR"); // never answered
    fake.acceptControl();
    fake.scriptLogin();
    scriptRootListing(fake, lines);
    scriptDownload(fake, "next.bin", bytesOf(next), true);

    connectAsUser(fake.port(), 1, 400);
    form->wlacz_bufor->trigger();
    userinput::clickRow(form->serverPanel->l3,
                        userinput::indexOf(form->serverPanel->l3, "stall.bin"));
    userinput::clickRow(form->serverPanel->l3,
                        userinput::indexOf(form->serverPanel->l3, "next.bin"));
    ASSERT_EQ(form->transfers->lista_bufor2, QStringList({"stall.bin", "next.bin"}));
    QTest::keyClick(form->serverPanel->l3, Qt::Key_F7);

    EXPECT_EQ(read(localFile("next.bin")), next);
    EXPECT_FALSE(QFile::exists(localFile("stall.bin")));
    EXPECT_TRUE(partFiles().isEmpty());
    EXPECT_TRUE(form->logPanel->memo1->lines().contains(
        QString::fromUtf8("Nie ściągnięto pliku: stall.bin")));
    EXPECT_FALSE(form->logPanel->memo1->lines().contains(
        QString::fromUtf8("Nie ściągnięto pliku: next.bin")));
    EXPECT_TRUE(form->connected());
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
}

// An upload whose end reply never comes costs the connection: the broken file is deleted
// over a new session, in the folder the batch ran in.
TEST_F(HostileBatch, AnUploadThatCostTheConnectionIsDeletedOverANewSession) {
    write(localFile("up.bin"), pattern(50000, 6));
    scriptUploadTaken(fake, "up.bin");
    fake.waitClientClose(); // no end reply
    fake.acceptControl();
    fake.scriptLogin();
    scriptRootListing(fake, unixListLine("up.bin", 20000));
    fake.expect("DELE up.bin");
    fake.reply("250 deleted");
    fake.expect("PWD");
    fake.reply("257 \"/\" is the current folder");
    scriptRootListing(fake, "", false);

    connectAsUser(fake.port(), 1, 400);
    selectLocal({"up.bin"});
    QTest::keyClick(form.get(), Qt::Key_F6);

    EXPECT_TRUE(
        form->logPanel->memo1->lines().contains(QString::fromUtf8("Nie wysłano pliku: up.bin")));
    EXPECT_FALSE(form->logPanel->memo1->lines().contains(
        QString::fromUtf8("Na serwerze pozostał niepełny plik: up.bin")));
    EXPECT_EQ(
        services.messages(),
        QStringList({QString::fromUtf8("Nie masz wystarczających praw dostępu aby wysłać plik")}));
    EXPECT_FALSE(userinput::indexOf(form->serverPanel->l3, "up.bin").isValid());
    EXPECT_TRUE(form->connected());
}

// A broken upload whose remains the server refuses to delete: the log and the end box
// name the incomplete file, in either language, and the list shows what the server holds.
struct RefusedDelete : HostileBatch, ::testing::WithParamInterface<int> {};

TEST_P(RefusedDelete, TheIncompleteRemoteFileIsNamedInTheLogAndTheBox) {
    const int polish = GetParam();
    write(localFile("up.bin"), pattern(50000, 4));
    scriptUploadTaken(fake, "up.bin");
    fake.reply("451 Local error: disk full");
    fake.expect("DELE up.bin");
    fake.reply("550 Permission denied");
    // The list is refreshed so the user sees the remains.
    fake.expect("PWD");
    fake.reply("257 \"/\" is the current folder");
    scriptRootListing(fake, unixListLine("up.bin", 20000));

    connectAsUser(fake.port(), polish, 2000);
    selectLocal({"up.bin"});
    QTest::keyClick(form.get(), Qt::Key_F6);

    const QString refused = polish ? QString::fromUtf8("Nie wysłano pliku: up.bin")
                                   : QString::fromUtf8("File not uploaded: up.bin");
    const QString left = polish
                             ? QString::fromUtf8("Na serwerze pozostał niepełny plik: up.bin")
                             : QString::fromUtf8("An incomplete file stays on the server: up.bin");
    const QString noRights =
        polish ? QString::fromUtf8("Nie masz wystarczających praw dostępu aby wysłać plik")
               : QString::fromUtf8("You cannot upload file: Permision danied");
    EXPECT_TRUE(form->logPanel->memo1->lines().contains(refused))
        << form->logPanel->memo1->lines().join('\n').toStdString();
    EXPECT_TRUE(form->logPanel->memo1->lines().contains(left));
    EXPECT_EQ(services.messages(), QStringList({noRights + '\n' + left}));
    EXPECT_TRUE(userinput::indexOf(form->serverPanel->l3, "up.bin").isValid());
    EXPECT_TRUE(form->connected());
    EXPECT_TRUE(form->serverPanel->sciagnij_ftp->isEnabled());
    EXPECT_FALSE(form->Form13->isVisible());
}

INSTANTIATE_TEST_SUITE_P(PolishAndEnglish, RefusedDelete, ::testing::Values(1, 0));

} // namespace
