// The engine against servers that misbehave: silence, drips, stalled data, short data,
// unasked-for 426, stale replies after a failed data connection, a passive data port that
// never answers, an active-mode server
// that never connects and a stranger on the active data port. Every wait here has a
// limit of a fraction of a second.
#include "fake_server_fixture.h"
#include "ftp/id_anti_freeze.h"
#include "ftp/id_exception.h"
#include "tests/support/ftp/py_ftp_server.h"

#include <cstdlib>
#include <filesystem>
#include <sys/mount.h>
#include <unistd.h>

class HostileServer : public FakeServerTest {
protected:
    HostileServer() {
        ftp.ReadTimeOut = 400;
        ftp.AbortReplyTimeOut = 400;
    }
    void login() {
        scriptLogin();
        ftp.OpenSession();
    }
};

TEST_F(HostileServer, SilentOrDrippingServerTimesOutAndTheSessionIsClosed) {
    scriptLogin();
    server.expect("SIZE mute");
    server.waitClientClose();
    ftp.OpenSession();
    EXPECT_THROW(ftp.FileSize("mute"), EIdReadTimeout);
    EXPECT_FALSE(ftp.IsOpen()); // a late answer must not be read as the next one's
    ASSERT_TRUE(server.finished());

    // A second server drips its greeting a byte at a time: every wait sees a byte, but
    // the reply never arrives whole within the limit.
    ftptest::FakeFtpServer dripping;
    dripping.drip("220 a greeting that takes far too long to arrive\r\n", 40);
    TIdFTP other;
    other.Host = "127.0.0.1";
    other.Port = dripping.port();
    other.ReadTimeOut = 400;
    try {
        other.OpenSession();
        FAIL() << "the dripped greeting was accepted";
    } catch (const EIdReadTimeout& e) {
        EXPECT_NE(std::string(e.what()).find("reply"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(other.IsOpen());
}

TEST_F(HostileServer, StalledDataTimesOutAndTheRepliesOwedAreRead) {
    scriptLogin();
    server.pasv();
    server.expect("retr half");
    server.acceptData();
    server.reply("150 sending");
    server.sendData(std::string(1000, 'h'));
    server.holdData(); // until the client gives up on it
    server.expect("ABOR");
    server.reply("426 transfer aborted");
    server.reply("226 abort done");
    scriptStillInStep();
    ftp.OpenSession();
    TIdMemoryStream data;
    EXPECT_THROW(ftp.DownloadToStream("half", data), EIdReadTimeout);
    EXPECT_EQ(ftp.ReplyCode, 226);
    expectStillInStep();
}

TEST_F(HostileServer, StalledServerThatIgnoresAborIsHungUpOn) {
    scriptLogin();
    server.pasv();
    server.expect("retr stall");
    server.acceptData();
    server.reply("150 sending");
    server.holdData();
    server.expect("ABOR");
    server.waitClientClose();
    ftp.OpenSession();
    TIdMemoryStream data;
    EXPECT_THROW(ftp.DownloadToStream("stall", data), EIdReadTimeout);
    EXPECT_FALSE(ftp.IsOpen());
}

TEST_F(HostileServer, SlowButMovingDataIsNeverCut) {
    const std::string bytes(12 * 64, 's');
    scriptLogin();
    server.pasv();
    server.expect("retr slow");
    server.acceptData();
    server.reply("150 sending");
    server.dripData(bytes, 64, 100); // 1.2 s in all, three times the limit
    server.closeData();
    server.reply("226 done");
    ftp.OpenSession();
    TIdMemoryStream data;
    ftp.DownloadToStream("slow", data);
    EXPECT_EQ(data.Bytes(), bytes);
}

TEST_F(HostileServer, ActiveServerThatNeverConnectsTimesOut) {
    scriptLogin();
    server.expectPort();
    server.reply("200 port ok");
    server.expect("retr never");
    server.reply("150 will connect (but does not)");
    server.expect("ABOR");
    server.reply("425 no data connection");
    server.reply("226 abort done");
    scriptStillInStep();
    ftp.Passive = false;
    ftp.OpenSession();
    TIdMemoryStream data;
    EXPECT_THROW(ftp.DownloadToStream("never", data), EIdReadTimeout);
    EXPECT_EQ(ftp.DataChannel(), nullptr);
    expectStillInStep();
}

// The announced port drops the connection request (its queue is full): the data
// connection's connect gives up at the client's own limit, not the system's minutes.
TEST_F(HostileServer, PassiveDataPortThatNeverAnswersTimesOut) {
    scriptLogin();
    server.pasvToFullQueue();
    server.expect("retr dropped");
    server.expectWithin("ABOR", 3000);
    server.reply("425 Can't open data connection.");
    server.reply("225 ABOR command successful.");
    scriptStillInStep();
    ftp.OpenSession();
    TIdMemoryStream data;
    try {
        ftp.DownloadToStream("dropped", data);
        FAIL() << "the transfer went through a port that never answered";
    } catch (const EIdReadTimeout& e) {
        EXPECT_NE(std::string(e.what()).find("connection was not answered"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(ftp.DataChannel(), nullptr);
    expectStillInStep();
}

TEST_F(HostileServer, ActiveModeTakesDataOnlyFromTheControlPeer) {
    scriptLogin();
    server.expectPort();
    server.reply("200 port ok");
    server.expect("retr f");
    server.reply("150 go");
    server.connectDataFrom("127.0.0.2");
    server.connectData();
    server.sendData("the real data");
    server.closeData();
    server.reply("226 done");
    ftp.Passive = false;
    ftp.OpenSession();
    TIdMemoryStream data;
    ftp.DownloadToStream("f", data);
    EXPECT_EQ(data.Bytes(), "the real data");
    EXPECT_TRUE(server.foreignPeerRefused());
}

TEST_F(HostileServer, ShortDataAgainstTheAnnouncedSizeFailsDespite226) {
    scriptLogin();
    server.pasv();
    server.expect("retr f");
    server.acceptData();
    server.reply("150 Opening BINARY mode data connection for f (10 bytes).");
    server.sendData("12345");
    server.closeData();
    server.reply("226 transfer complete");
    server.pasv();
    server.expect("retr g");
    server.acceptData();
    server.reply("150 Opening BINARY mode data connection for g (5 bytes).");
    server.sendData("12345");
    server.closeData();
    server.reply("226 transfer complete");
    ftp.OpenSession();
    TIdMemoryStream data;
    EXPECT_THROW(ftp.DownloadToStream("f", data), EIdTransferIncomplete);
    EXPECT_EQ(ftp.LastTransfer().AnnouncedSize, 10);
    EXPECT_EQ(ftp.LastTransfer().Bytes, 5);
    TIdMemoryStream whole;
    ftp.DownloadToStream("g", whole); // the announced size met: no complaint
    EXPECT_EQ(whole.Bytes(), "12345");
}

TEST_F(HostileServer, StaleRepliesOfAFailedDataConnectionAnswerItsOwnCommand) {
    scriptLogin();
    // No listener at the announced port (port 0): the RETR's 425 and the ABOR's 225
    // are read for the RETR, so SIZE gets its own "213 0".
    server.pasv("227 Entering Passive Mode (127,0,0,1,0,0).");
    server.expect("retr nowhere");
    server.reply("425 Can't open data connection.");
    server.expect("ABOR");
    server.reply("225 No transfer to abort.");
    server.expect("SIZE empty");
    server.reply("213 0");
    // A reset data connection after 150: the 426 and 226 it leaves are read too, and the
    // last reply code is the real one, not the stale 150.
    server.pasv();
    server.expect("retr reset");
    server.acceptData();
    server.reply("150 sending");
    server.sendData("part");
    server.resetData();
    server.expect("ABOR");
    server.reply("426 Connection closed; transfer aborted.");
    server.reply("226 ABOR command successful.");
    scriptStillInStep();
    ftp.OpenSession();
    TIdMemoryStream data;
    EXPECT_THROW(ftp.DownloadToStream("nowhere", data), EIdSocketError);
    EXPECT_EQ(ftp.ReplyCode, 225);
    EXPECT_EQ(ftp.FileSize("empty"), 0);
    EXPECT_THROW(ftp.DownloadToStream("reset", data), EIdException);
    EXPECT_EQ(ftp.ReplyCode, 226);
    expectStillInStep();
}

TEST_F(HostileServer, SingleAnswerToALateAborLetsTheNextCommandGoAtOnce) {
    scriptLogin();
    server.pasv();
    server.expect("retr done");
    server.acceptData();
    server.reply("150 sending");
    server.sendData("all of it");
    server.closeData();
    server.reply("226 complete");
    server.expect("ABOR");
    server.reply("225 nothing to abort");
    // Far sooner than AbortReplyTimeOut: the client must not wait for a second reply.
    server.expectWithin("NOOP", 1500);
    server.reply("200 ok");
    ftp.AbortReplyTimeOut = 5000;
    ftp.OpenSession();
    TIdMemoryStream data;
    ftp.DownloadToStream("done", data);
    ftp.AbortTransfer(); // STOP pressed just after the end
    expectStillInStep();
}

// The STOP button while the engine waits for a reply from a silent server.
TEST_F(HostileServer, StopEndsAWaitForASilentServerAtOnce) {
    ftp.ReadTimeOut = 60000; // the limit is not what ends it
    TIdAntiFreeze pump;
    pump.IdleTimeOut = 20;
    pump.OnlyWhenIdle = false;
    bool stopped = false;
    pump.Pump = [&](bool) {
        if (!stopped && !ftp.LastTransfer().Started && ftp.DataChannel()) {
            stopped = true;
            ftp.AbortTransfer();
        }
    };
    scriptLogin();
    server.pasv();
    server.expect("retr silence");
    server.acceptData();
    server.expect("ABOR");
    server.reply("426 aborted");
    server.reply("226 abort done");
    scriptStillInStep();
    ftp.OpenSession();
    TIdMemoryStream data;
    EXPECT_THROW(ftp.DownloadToStream("silence", data), EIdAborted);
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(ftp.LastTransfer().Aborted);
    // The replies the abort left are read before the next command, not taken for its own.
    expectStillInStep();
}

// A full disk: the local write fails in the middle, and the next file (an empty one)
// still gets its own replies. Needs a tiny tmpfs, so root.
TEST_F(HostileServer, DiskFullFailsTheFileAndTheConversationStaysInStep) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a tiny tmpfs needs root";
    ftptest::TempDir mountPoint;
    if (::mount("tmpfs", mountPoint.path().c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here";
    ftp.ReadTimeOut = 5000;
    ftp.AbortReplyTimeOut = 2000;
    scriptLogin();
    server.pasv();
    server.expect("retr big");
    server.acceptData();
    server.reply("150 sending");
    server.sendDataUntilClientCloses();
    server.expect("ABOR");
    server.reply("426 transfer aborted");
    server.reply("226 abort done");
    server.expect("SIZE empty");
    server.reply("213 0");
    server.pasv();
    server.expect("retr empty");
    server.acceptData();
    server.reply("150 sending");
    server.closeData();
    server.reply("226 done");
    ftp.OpenSession();
    EXPECT_THROW(ftp.DownloadToFile("big", mountPoint.file("big")), EInOutError);
    EXPECT_EQ(ftp.FileSize("empty"), 0);
    ftp.DownloadToFile("empty", mountPoint.file("empty"));
    EXPECT_EQ(std::filesystem::file_size(mountPoint.file("empty")), 0u);
    ::umount2(mountPoint.path().c_str(), MNT_DETACH);
}
