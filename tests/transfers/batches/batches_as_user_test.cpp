// Batches as a user meets them: the window shown and activated, rows clicked,
// F6 and F7 typed; a scripted server where the timing of a reply matters.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "tests/support/ftp/fake_ftp_server.h"
#include "tests/support/ui/user_input.h"
#include "tests/transfers/batches/as_user_fixture.h"

#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using userinput::rowOf;

TEST_F(BatchAsUser, TheRecordNamesTheSessionsServerAfterTheWindowWasActivatedAgain) {
    write(remoteFile("data.bin"), pattern(400000, 3));
    server = std::make_unique<ftptest::PyFtpServer>(remote.path());
    connectAsUser(server->port());
    // Any dialog closing activates the window again, which empties the fields.
    ASSERT_TRUE(userinput::reactivate(*form));
    ASSERT_TRUE(form->topPanel->FTpServer->text().isEmpty());

    QStringList record;
    atFirstProgress([&] { record = home.readLines("error.dat"); });
    userinput::clickRow(form->serverPanel->l3,
                        userinput::indexOf(form->serverPanel->l3, "data.bin"));
    QTest::keyClick(form.get(), Qt::Key_F7);
    EXPECT_EQ(read(localFile("data.bin")), pattern(400000, 3));
    EXPECT_EQ(record, QStringList({QString::fromStdString(local.path()), "127.0.0.1", "korvante",
                                   "secret", "/", "data.bin"}));
}

// A file that fails in the middle of a batch: the progress window stays up for
// the files still to come (the user keeps its abort button), the log names
// the file, and the rest arrive.
TEST_F(BatchAsUser, AFailedFileKeepsTheProgressWindowForTheRestOfTheBatch) {
    write(remoteFile("a gone.txt"), "soon gone");
    write(remoteFile("b data.bin"), pattern(300000, 5));
    server = std::make_unique<ftptest::PyFtpServer>(remote.path());
    connectAsUser(server->port());
    QFile::remove(remoteFile("a gone.txt"));

    bool shownForSecond = false;
    atFirstProgress([&] { shownForSecond = form->Form13->isVisible(); });
    userinput::clickRow(form->serverPanel->l3,
                        userinput::indexOf(form->serverPanel->l3, "a gone.txt"));
    QTest::mouseClick(
        form->serverPanel->l3->viewport(), Qt::LeftButton, Qt::ControlModifier,
        form->serverPanel->l3->visualRect(userinput::indexOf(form->serverPanel->l3, "b data.bin"))
            .center());
    ASSERT_EQ(int(form->serverPanel->l3->selectedRows().size()), 2);
    QTest::keyClick(form.get(), Qt::Key_F7);
    EXPECT_EQ(read(localFile("b data.bin")), pattern(300000, 5));
    EXPECT_FALSE(QFile::exists(localFile("a gone.txt")));
    EXPECT_TRUE(shownForSecond);
    EXPECT_FALSE(form->Form13->isVisible());
    EXPECT_TRUE(form->logPanel->memo1->lines().contains(
        QString::fromUtf8("Nie ściągnięto pliku: a gone.txt")));
    EXPECT_TRUE(services.messages().isEmpty());
}

// Refresh and Up pressed while the upload's closing PWD waits start no second
// conversation on the connection.
TEST_F(BatchAsUser, KeysDuringTheUploadsLastQuestionWaitTheirTurn) {
    write(localFile("up.txt"), "payload");
    ftptest::FakeFtpServer s;
    s.scriptLogin();
    const auto listRoot = [&s] {
        s.expect("CWD /");
        s.reply("250 ok");
        s.expect("type A");
        s.reply("200 ascii");
        s.expect("PWD");
        s.reply("257 \"/\" is the current folder");
        s.pasv();
        s.expect("list");
        s.acceptData();
        s.reply("150 listing");
        s.closeData();
        s.reply("226 done");
    };
    listRoot();
    s.expect("type I");
    s.reply("200 binary");
    s.pasv();
    s.expect("STOR up.txt");
    s.acceptData();
    s.reply("150 go");
    s.receiveData();
    s.reply("226 stored");
    s.expect("PWD");
    // The reply waits until the user has pressed the keys.
    std::atomic<bool> keysPressed{false};
    s.call([&keysPressed] {
        for (int i = 0; i < 500 && !keysPressed; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    });
    s.reply("257 \"/\" is the current folder");
    listRoot();

    connectAsUser(s.port());
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const auto lines = s.received();
        if (lines.empty() || lines.back() != "PWD" ||
            std::count(lines.begin(), lines.end(), std::string("PWD")) < 2)
            return;
        poll.stop();
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QTest::keyClick(form.get(), Qt::Key_F5);
        form->Odwie1->trigger();
        keysPressed = true;
    });
    poll.start();
    selectLocal({"up.txt"});
    QTest::keyClick(form.get(), Qt::Key_F6);
    EXPECT_TRUE(keysPressed);
    EXPECT_TRUE(s.finished());
    EXPECT_EQ(s.errors(), "");
    EXPECT_TRUE(form->connected());
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
}

} // namespace
