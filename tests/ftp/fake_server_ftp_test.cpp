// FTP commands and data connections against the scripted server: login variants, PASV
// forms, answers parsed from replies, end replies, listings, active mode and aborts.
#include "fake_server_fixture.h"
#include "ftp/id_anti_freeze.h"
#include "ftp/id_exception.h"

using FtpCommands = FakeServerTest;

TEST_F(FtpCommands, GreetingOtherThan220IsRefusedAndTheConnectionClosed) {
    server.reply("120 wait a moment");
    try {
        ftp.OpenSession();
        FAIL();
    } catch (const EIdProtocolReplyError& e) {
        EXPECT_STREQ(e.what(), "120 wait a moment");
    }
    EXPECT_FALSE(ftp.IsOpen());
    EXPECT_EQ(disconnects, 1);
}

TEST_F(FtpCommands, UserAnswered230SendsNoPassAndSyst500IsUnknown) {
    server.reply("220 hi");
    server.expect("user bob");
    server.reply("230 no password needed");
    server.expect("type I");
    server.reply("200 ok");
    server.expect("syst");
    server.reply("500 what?");
    server.expect("FEAT");
    server.reply("502 not implemented");
    ftp.OpenSession();
    EXPECT_EQ(ftp.SystemDescription, "Unknown");
}

TEST_F(FtpCommands, NamedCommandsAndTheirAnswers) {
    scriptLogin();
    server.expect("PWD");
    server.reply("257 \"/home/bob\" is current");
    server.expect("PWD");
    server.reply("257 /home/bob without quotes");
    server.expect("CWD /x y");
    server.reply("250 ok");
    server.expect("MKD new");
    server.reply("257 \"new\" created");
    server.expect("RMD old");
    server.reply("250 removed");
    server.expect("DELE f");
    server.reply("250 deleted");
    server.expect("RNFR a");
    server.reply("350 go on");
    server.expect("RNTO b");
    server.reply("250 renamed");
    server.expect("RNFR gone");
    server.reply("550 no such file");
    server.expect("SIZE big");
    server.reply("213 5368709120");
    server.expect("SIZE none");
    server.reply("550 not a plain file");
    server.expect("SITE CHMOD 644 f");
    server.reply("200 done");
    server.expect("type A");
    server.reply("200 ascii");
    server.expect("Quit");
    ftp.OpenSession();
    EXPECT_EQ(ftp.CurrentDirectory(), "/home/bob");
    EXPECT_EQ(ftp.CurrentDirectory(), "");
    ftp.ChangeDirectory("/x y");
    ftp.MakeDirectory("new");
    ftp.RemoveDirectory("old");
    ftp.DeleteRemoteFile("f");
    ftp.RenameRemote("a", "b");
    EXPECT_THROW(ftp.RenameRemote("gone", "never"), EIdProtocolReplyError); // no RNTO
    EXPECT_EQ(ftp.FileSize("big"), 5368709120LL);
    EXPECT_EQ(ftp.FileSize("none"), -1);
    ftp.SiteCommand("CHMOD 644 f");
    ftp.SelectTransferType(ftBinary); // unchanged: nothing sent
    ftp.SelectTransferType(ftASCII);
    ftp.CloseSession();
}

TEST_F(FtpCommands, PassiveReplyWithoutParenthesesAndListingWithBareLfAndNul) {
    scriptLogin();
    server.pasv("227 Entering Passive Mode %a");
    server.expect("list");
    server.acceptData();
    server.reply("150 here it comes");
    server.sendData(std::string("-rw a\n\ndrw b\nc\0garbage\n", 24));
    server.closeData();
    server.reply("226 done");
    ftp.OpenSession();
    Lines listing{"old"};
    ftp.ListDirectory(listing);
    EXPECT_EQ(listing, (Lines{"-rw a", "", "drw b", "c"}));
    EXPECT_EQ(ftp.ReplyCode, 226);
}

TEST_F(FtpCommands, PassiveAddressOfAnotherHostIsNotFollowed) {
    scriptLogin();
    server.pasv("227 Entering Passive Mode (10,255,255,1,%p)");
    server.expect("nlst");
    server.acceptData(); // reached on 127.0.0.1, the control connection's peer
    server.reply("150 ok");
    server.sendData("a\r\nb\r\n");
    server.closeData();
    server.reply("226 done");
    ftp.OpenSession();
    Lines names;
    ftp.ListDirectory(names, "", false);
    EXPECT_EQ(names, (Lines{"a", "b"}));
}

TEST_F(FtpCommands, MalformedPassiveReplyRaisesBeforeAnyDataConnection) {
    scriptLogin();
    server.expect("PASV");
    server.reply("227 Entering Passive Mode (127,0,0,one,2,3)");
    server.expect("NOOP");
    server.reply("200 still here");
    ftp.OpenSession();
    Lines listing;
    EXPECT_THROW(ftp.ListDirectory(listing), EConvertError);
    EXPECT_EQ(ftp.DataChannel(), nullptr);
    expectStillInStep();
}

// A 426 the client did not cause is a transfer the server cut: it fails, and the 226
// some servers add after it is read with it, not by the next command.
TEST_F(FtpCommands, End426Then226FailsTheTransferAndWorkEventsNest) {
    scriptLogin();
    server.pasv();
    server.expect("retr f");
    server.acceptData();
    server.reply("150 sending");
    server.sendData("hello");
    server.closeData();
    server.reply("426 connection trouble");
    server.reply("226 closing anyway");
    scriptStillInStep();
    Lines events;
    ftp.OnWorkBegin = [&](TIdComponent* s, TWorkMode m, int64_t max) {
        events.push_back(std::string(s == &ftp ? "ftp" : "data") + " begin " + std::to_string(m) +
                         " " + std::to_string(max));
    };
    ftp.OnWork = [&](TIdComponent*, TWorkMode, int64_t n) {
        events.push_back("work " + std::to_string(n));
    };
    ftp.OnWorkEnd = [&](TIdComponent*, TWorkMode m) {
        events.push_back("end " + std::to_string(m));
    };
    ftp.OpenSession();
    TIdMemoryStream data;
    try {
        ftp.DownloadToStream("f", data);
        FAIL() << "a transfer cut by the server passed as complete";
    } catch (const EIdProtocolReplyError& e) {
        EXPECT_EQ(e.ReplyErrorCode, 426);
        EXPECT_STREQ(e.what(), "426 connection trouble");
    }
    EXPECT_EQ(data.Bytes(), "hello");
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events.front(), "data begin 0 0");
    EXPECT_EQ(events[events.size() - 2], "work 5");
    EXPECT_EQ(events.back(), "end 0");
    expectStillInStep();
}

TEST_F(FtpCommands, EndlessListingIsCutOffAndTheSessionGoesOn) {
    scriptLogin();
    server.pasv();
    server.expect("list");
    server.acceptData();
    server.reply("150 listing");
    server.sendDataUntilClientCloses(4096);
    server.expect("ABOR");
    server.reply("426 aborted");
    server.reply("226 abort done");
    scriptStillInStep();
    ftp.MaxListingSize = 1 << 20;
    ftp.OpenSession();
    Lines listing{"kept"};
    EXPECT_THROW(ftp.ListDirectory(listing), EIdReplyTooLong);
    EXPECT_EQ(listing, Lines{"kept"});
    expectStillInStep();
}

// Bare line ends: few bytes, but a string for every line. The listing fails, the
// session goes on.
TEST_F(FtpCommands, ListingOfBareLineEndsCountsItsLinesAgainstTheCap) {
    scriptLogin();
    server.pasv();
    server.expect("list");
    server.acceptData();
    server.reply("150 listing");
    server.sendData(std::string(256 << 10, '\n'));
    server.closeData();
    server.reply("226 done");
    scriptStillInStep();
    ftp.MaxListingSize = 4 << 20;
    ftp.OpenSession();
    Lines listing{"kept"};
    EXPECT_THROW(ftp.ListDirectory(listing), EIdReplyTooLong);
    EXPECT_EQ(listing, Lines{"kept"});
    expectStillInStep();
}

// The listing as one block: a line costs eight bytes of place, not a string, so
// the same bare line ends fit; a tighter cap still refuses them and keeps what was.
TEST_F(FtpCommands, ListingAsOneBlockCountsItsLinePlacesAgainstTheCap) {
    scriptLogin();
    for (int round = 0; round < 2; ++round) {
        server.pasv();
        server.expect("list");
        server.acceptData();
        server.reply("150 listing");
        server.sendData("first\r\n" + std::string(256 << 10, '\n'));
        server.closeData();
        server.reply("226 done");
    }
    scriptStillInStep();
    ftp.MaxListingSize = 4 << 20;
    ftp.OpenSession();
    TIdListing listing;
    ftp.ListDirectory(listing);
    ASSERT_EQ(listing.Lines.size(), size_t(1 + (256 << 10)));
    EXPECT_EQ(listing.Line(0), "first");
    EXPECT_EQ(listing.Line(1), "");
    ftp.MaxListingSize = 2 << 20;
    EXPECT_THROW(ftp.ListDirectory(listing), EIdReplyTooLong);
    EXPECT_EQ(listing.Lines.size(), size_t(1 + (256 << 10)));
    expectStillInStep();
}

TEST_F(FtpCommands, RefusedRetrClosesTheDataConnectionAndKeepsTheSession) {
    scriptLogin();
    server.pasv();
    server.expect("retr missing");
    server.acceptData();
    server.reply("550 no such file");
    scriptStillInStep();
    ftp.OpenSession();
    TIdMemoryStream data;
    EXPECT_THROW(ftp.DownloadToStream("missing", data), EIdProtocolReplyError);
    EXPECT_EQ(ftp.DataChannel(), nullptr);
    expectStillInStep();
}

TEST_F(FtpCommands, ActiveUploadAndStouAppe) {
    scriptLogin();
    server.expectPort();
    server.reply("200 port ok");
    server.expect("STOR up.bin");
    server.reply("150 go");
    server.connectData();
    server.receiveData();
    server.reply("226 stored");
    server.expectPort();
    server.reply("200 port ok");
    server.expect("STOU ");
    server.reply("150 go");
    server.connectData();
    server.receiveData();
    server.reply("250 stored uniquely");
    server.pasv();
    server.expect("APPE up.bin");
    server.acceptData();
    server.reply("125 append");
    server.receiveData();
    server.reply("226 appended");
    ftp.Passive = false;
    ftp.OpenSession();
    TIdMemoryStream source("0123456789");
    source.Seek(4);
    ftp.UploadFromStream(source, "up.bin"); // active: from the start
    ftp.UploadFromStream(source, "");
    ftp.Passive = true;
    source.Seek(4);
    ftp.UploadFromStream(source, "up.bin", true); // passive: from the position
    ASSERT_TRUE(server.finished());
    EXPECT_EQ(server.receivedData(), "0123456789"
                                     "0123456789"
                                     "456789");
}

TEST_F(FtpCommands, ActiveDownload) {
    scriptLogin();
    server.expectPort();
    server.reply("200 port ok");
    server.expect("retr a file");
    server.reply("150 go");
    server.connectData();
    server.sendData("active bytes");
    server.closeData();
    server.reply("226 done");
    ftp.Passive = false;
    ftp.OpenSession();
    TIdMemoryStream data;
    ftp.DownloadToStream("a file", data);
    EXPECT_EQ(data.Bytes(), "active bytes");
}

// The STOP button: a handler run by the pump while the transfer waits.
class PumpedAbort : public FakeServerTest {
protected:
    PumpedAbort() {
        pump.IdleTimeOut = 50;
        pump.OnlyWhenIdle = false;
        pump.Pump = [this](bool) {
            if (!aborted && (stopPressed || (stopWhen && stopWhen()))) {
                aborted = true;
                ftp.AbortTransfer();
            }
        };
        ftp.OnWork = [this](TIdComponent*, TWorkMode, int64_t n) {
            if (n >= 1 << 20)
                stopPressed = true;
        };
    }
    TIdAntiFreeze pump;
    bool stopPressed = false;
    std::function<bool()> stopWhen;
    bool aborted = false;
};

TEST_F(PumpedAbort, DownloadStopsWithoutErrorAndTheSessionGoesOn) {
    scriptLogin();
    server.pasv();
    server.expect("retr endless");
    server.acceptData();
    server.reply("150 sending");
    server.sendDataUntilClientCloses();
    server.expect("ABOR");
    server.reply("426 transfer aborted");
    server.reply("226 abort done");
    scriptStillInStep();
    ftp.OpenSession();
    TIdMemoryStream data;
    ftp.DownloadToStream("endless", data);
    EXPECT_TRUE(aborted);
    EXPECT_GE(data.Size(), 1 << 20);
    expectStillInStep();
}

TEST_F(PumpedAbort, AbortAfterTheDataEndedReadsTheAborsOwnAnswer) {
    scriptLogin();
    server.pasv();
    server.expect("retr small");
    server.acceptData();
    server.reply("150 sending");
    server.sendData("tiny");
    server.closeData();
    server.expect("ABOR");
    server.reply("226 transfer complete");
    server.reply("225 no transfer to abort");
    scriptStillInStep();
    ftp.OnWorkEnd = [this](TIdComponent*, TWorkMode) { ftp.AbortTransfer(); };
    ftp.OpenSession();
    TIdMemoryStream data;
    ftp.DownloadToStream("small", data);
    EXPECT_EQ(data.Bytes(), "tiny");
    expectStillInStep();
}

// Aborted before the server took a byte: it answers the ABOR with 225 alone and
// never answers the STOR. The next command goes at once, on the same session.
TEST_F(PumpedAbort, A225AloneSettlesAnAbortedUpload) {
    scriptLogin();
    server.pasv();
    server.expect("STOR early");
    server.acceptData();
    server.reply("150 go");
    server.receiveData();
    server.expect("ABOR");
    server.reply("225 ABOR command successful; data channel closed.");
    server.expectWithin("NOOP", 1500);
    server.reply("200 ok");
    ftp.AbortReplyTimeOut = 5000;
    ftp.OpenSession();
    TIdMemoryStream source(std::string(16 << 20, 'u'));
    EXPECT_THROW(ftp.UploadFromStream(source, "early"), EIdConnClosedGracefully);
    EXPECT_TRUE(aborted);
    expectStillInStep();
}

TEST_F(PumpedAbort, UploadFailsAtItsNextChunkAndTheSessionGoesOn) {
    scriptLogin();
    server.pasv();
    server.expect("STOR big");
    server.acceptData();
    server.reply("150 go");
    server.receiveData();
    server.expect("ABOR");
    server.reply("426 aborted");
    server.reply("226 abort done");
    scriptStillInStep();
    ftp.OpenSession();
    TIdMemoryStream source(std::string(16 << 20, 'u'));
    EXPECT_THROW(ftp.UploadFromStream(source, "big"), EIdConnClosedGracefully);
    EXPECT_TRUE(aborted);
    expectStillInStep();
}

TEST_F(PumpedAbort, ActiveWaitForTheServersConnectionEndsWithAbort) {
    scriptLogin();
    server.expectPort();
    server.reply("200 port ok");
    server.expect("retr never");
    server.reply("150 will connect (but does not)");
    server.expect("ABOR");
    server.reply("426 aborted");
    server.reply("226 abort done");
    ftp.Passive = false;
    ftp.OpenSession();
    stopWhen = [this] { return ftp.ReplyCode == 150; }; // STOP while waiting to accept
    TIdMemoryStream data;
    EXPECT_THROW(ftp.DownloadToStream("never", data), EIdConnClosedGracefully);
    EXPECT_EQ(ftp.DataChannel(), nullptr);
}
