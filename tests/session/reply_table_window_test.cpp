// Refusals and stops in the middle of a session, against a scripted server:
// the reply table's rows as the user meets them, STOP during a listing, and a
// disconnect while a listing waits.

#include "app/server_panel.h"
#include "app/top_panel.h"
#include "log/log_panel.h"
#include "tests/session/session_fixture.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace {

using ftptest::FakeFtpServer;

// Clicks `button` as soon as the listing's data have begun to flow.
void clickWhenDataFlows(TForm1& form, QAbstractButton* button, QTimer& poll) {
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&form, button, &poll] {
        TIdTCPConnection* data = form.FTP->DataChannel();
        if (data && data->WorkInfoOf(wkRead).Count > 0) {
            poll.stop();
            button->click();
        }
    });
    poll.start();
}

void scriptCurrentFolder(FakeFtpServer& s) {
    s.expect("type A");
    s.reply("200 ascii");
    s.expect("PWD");
    s.reply("257 \"/\" is the current folder");
}

TEST_F(SessionWindow, ListingRefusedWith530EndsTheSessionHalfASecondLater) {
    FakeFtpServer server;
    scriptLogin(server);
    scriptChangeTo(server, "/");
    scriptCurrentFolder(server);
    server.pasv();
    server.expect("list");
    server.acceptData();
    server.reply("530 Not logged in.");
    server.closeData();
    server.waitClientClose();

    create();
    fillFields(server.port());
    form->pol2Click();
    QElapsedTimer sinceMessage;
    sinceMessage.start();
    EXPECT_EQ(services.messages(),
              QStringList({QString::fromUtf8("Serwer nie przyznał ci prawa wejścia. Prawdopodobnie "
                                             "serwer nie jest udostępniony lub administrator "
                                             "zablokował dostęp")}));
    EXPECT_EQ(services.callsOf("messageBox").value(0).args.value(1), "KORVANTE - FTP");
    EXPECT_EQ(services.callsOf("messageBox").value(0).args.value(3),
              QString::number(int(platform::BoxKind::Error)));
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_TRUE(form->connected());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->connected(); }, 5000));
    EXPECT_GE(sinceMessage.elapsed(), 400);
    EXPECT_TRUE(form->topPanel->pol2->isEnabled());
    EXPECT_EQ(form->topPanel->CurrentDirEdit->text(), "/");
    EXPECT_TRUE(server.finished());
    EXPECT_EQ(server.errors(), "");
}

TEST_F(SessionWindow, WithTheProtocolLogOffTheTableStillReadsTheServersCode) {
    FakeFtpServer server;
    scriptLogin(server);
    server.expect("CWD /");
    server.reply("530 Not logged in.");
    server.waitClientClose();

    create(1, 0, 1, /*log=*/0);
    fillFields(server.port());
    form->pol2Click();
    EXPECT_TRUE(form->lastLogItem.isEmpty());
    EXPECT_EQ(form->logPanel->memo1->lines().filter("Recv:").size(), 0);
    EXPECT_TRUE(services.messages().value(0).startsWith(
        QString::fromUtf8("Serwer nie przyznał ci prawa wejścia.")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->connected(); }, 5000));
    EXPECT_TRUE(server.finished());
}

TEST_F(SessionWindow, ParentRetryEndsAtTheRootWithTheUnknownErrorMessage) {
    FakeFtpServer server;
    scriptLogin(server);
    server.expect("CWD /");
    server.reply("550 no such folder");
    server.expect("CWD ..");
    server.reply("550 no such folder");
    server.waitClientClose();

    create(1, 0, /*language=*/0);
    fillFields(server.port());
    form->pol2Click();
    EXPECT_EQ(services.messages(),
              QStringList({"Unknow error form FTP server. You will be disconnect"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->connected(); }, 5000));
    EXPECT_TRUE(server.finished());
    EXPECT_EQ(server.errors(), "");
}

TEST_F(SessionWindow, TimeOutRepliesCloseAtOnceAndReset) {
    // 421 while listing: closed before the message, then the deferred reset.
    FakeFtpServer server;
    scriptLogin(server);
    server.expect("CWD /");
    server.reply("421 Timeout.");
    server.waitClientClose();
    create();
    fillFields(server.port());
    form->pol2Click();
    EXPECT_FALSE(form->connected());
    EXPECT_EQ(services.messages(),
              QStringList({QString::fromUtf8("Połączenie z serwerem FTP zostało przerwane (Upłynął "
                                             "maksymalny limit czasu: 30 sekund)")}));
    EXPECT_EQ(services.callsOf("messageBox").value(0).args.value(3),
              QString::number(int(platform::BoxKind::Warning)));
    EXPECT_TRUE(form->Timer1->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->Timer1->isActive(); }, 5000));
    EXPECT_TRUE(server.finished());

    // 421 as the greeting: the connect's own row, a box captioned "KORVANTE - FTP".
    services.clear();
    FakeFtpServer busy;
    busy.reply("421 Too many users.");
    busy.waitClientClose();
    fillFields(busy.port());
    form->pol2Click();
    EXPECT_FALSE(form->connected());
    ASSERT_EQ(services.callsOf("messageBox").size(), 1);
    EXPECT_TRUE(services.messages()[0].startsWith(QString::fromUtf8("Połączenie z serwerem FTP")));
    EXPECT_EQ(services.callsOf("messageBox")[0].args.value(3),
              QString::number(int(platform::BoxKind::Warning)));
    EXPECT_TRUE(busy.finished());
}

TEST_F(SessionWindow, StopDuringAListingKeepsTheSessionAndWhatArrived) {
    FakeFtpServer server;
    scriptLogin(server);
    scriptChangeTo(server, "/");
    scriptCurrentFolder(server);
    server.pasv();
    server.expect("list");
    server.acceptData();
    server.reply("150 Here comes the listing.");
    server.sendData("-rw-r--r-- 1 u g 5 Jan 10 12:34 first.txt\r\n");
    server.sendDataUntilClientCloses();
    server.expect("ABOR");
    server.reply("426 Transfer aborted.");
    server.reply("226 Abort successful.");

    create();
    fillFields(server.port());
    QTimer poll;
    clickWhenDataFlows(*form, form->topPanel->stop, poll);
    form->pol2Click();
    EXPECT_TRUE(server.finished());
    EXPECT_EQ(server.errors(), "");
    EXPECT_TRUE(form->connected());
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_GE(row("first.txt"), 0);
    EXPECT_FALSE(form->Timer1->isActive());
}

TEST_F(SessionWindow, DisconnectWhileAListingWaitsEndsQuietly) {
    FakeFtpServer server;
    scriptLogin(server);
    scriptChangeTo(server, "/");
    scriptCurrentFolder(server);
    server.pasv();
    server.expect("list");
    server.acceptData();
    server.reply("150 Here comes the listing.");
    server.sendData("-rw-r--r-- 1 u g 5 Jan 10 12:34 first.txt\r\n");
    server.expect("ABOR");
    server.expect("Quit");
    server.waitClientClose();

    create();
    fillFields(server.port());
    QTimer poll;
    clickWhenDataFlows(*form, form->topPanel->roz2, poll);
    form->pol2Click();
    EXPECT_TRUE(server.finished());
    EXPECT_EQ(server.errors(), "");
    EXPECT_FALSE(form->connected());
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('\n').toStdString();
    EXPECT_EQ(form->serverPanel->l3->rowCount(), 0);
    EXPECT_TRUE(form->topPanel->pol2->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->Timer1->isActive(); }, 5000));
    EXPECT_FALSE(form->connected());
}

} // namespace
