// FTP_ns as a process against a scripted server that misbehaves: a stalled transfer
// (after which it logs in again for the next file), short data, a 426 it did not cause,
// an active-mode server that never connects and a huge listing of bare line ends. The
// waits of the program are cut to half a second for these runs.
#include "tests/support/ftp/fake_ftp_server.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "tests/transfers/ftp_ns/ftp_ns_process.h"

#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/text_file.h"

using ftptest::FakeFtpServer;
using ftptest::readFile;
using ftptest::writeFile;

namespace {

class FtpNsHostile : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(server.finished());
        EXPECT_EQ(server.errors(), "");
    }

    void scriptLogin() {
        server.scriptLogin("bob", "pw");
        server.expect("CWD /");
        server.reply("250 ok");
    }
    void scriptListing(const std::string& names) {
        server.pasv();
        server.expect("nlst");
        server.acceptData();
        server.reply("150 names");
        server.sendData(names);
        server.closeData();
        server.reply("226 done");
    }
    void scriptDownload(const std::string& name, const std::string& bytes) {
        server.expect("SIZE " + name);
        server.reply("213 " + std::to_string(bytes.size()));
        server.pasv();
        server.expect("retr " + name);
        server.acceptData();
        server.reply("150 sending");
        server.sendData(bytes);
        server.closeData();
        server.reply("226 done");
    }

    // A download job into `folder` (local by default) or, with upload, an upload job
    // into the remote root.
    int run(const QStringList& files, bool passive = true, const std::string& folder = {},
            bool upload = false) {
        QStringList lines{upload ? "1" : "0",
                          "127.0.0.1",
                          "pw",
                          "bob",
                          upload ? QStringLiteral("/")
                                 : QString::fromStdString(folder.empty() ? local.path() : folder) +
                                       "/*/",
                          QString::number(server.port()),
                          passive ? "1" : "0"};
        lines += files;
        EXPECT_TRUE(textfile::writeLines(QString::fromStdString(home.file("ftp_n_s.dat")), lines,
                                         textfile::Access::OwnerOnly));
        return runFtpNs(home.path(), 60000, log, {{"KORVANTE_FTP_TIMEOUT_MS", "500"}});
    }

    QStringList partFiles() const {
        return QDir(QString::fromStdString(local.path()))
            .entryList({"*.part"}, QDir::Files | QDir::Hidden);
    }

    ftptest::TempDir local, home;
    FakeFtpServer server;
    std::string log;
};

TEST_F(FtpNsHostile, StalledFileFailsAfterTheTimeOutAndTheNextComesThroughANewSession) {
    writeFile(local.file("stall.bin"), "the earlier copy");
    scriptLogin();
    scriptListing("stall.bin\r\ngood.txt\r\n");
    server.expect("SIZE stall.bin");
    server.reply("213 1000");
    server.pasv();
    server.expect("retr stall.bin");
    server.acceptData();
    server.reply("150 sending");
    server.sendData(std::string(500, 's'));
    server.holdData();
    server.expect("ABOR"); // and no answer: the client must give up on this session
    server.acceptControl();
    scriptLogin();
    scriptDownload("good.txt", "good");
    server.expect("Quit");

    EXPECT_EQ(run({"stall.bin", "good.txt"}), 1);
    EXPECT_NE(log.find("stall.bin: Timed out"), std::string::npos) << log;
    EXPECT_EQ(readFile(local.file("stall.bin")), "the earlier copy");
    EXPECT_EQ(readFile(local.file("good.txt")), "good");
    // What arrived waits for the next attempt; the lost session told no time.
    EXPECT_EQ(partFiles(), QStringList({".stall.bin.part"}));
}

TEST_F(FtpNsHostile, ShortOrServerCutDownloadsFailAndKeepTheEarlierCopies) {
    writeFile(local.file("short"), "earlier short");
    writeFile(local.file("cut"), "earlier cut");
    scriptLogin();
    scriptListing("short\r\ncut\r\nwhole\r\n");
    // Half the size SIZE gave, then 226.
    server.expect("SIZE short");
    server.reply("213 10");
    server.pasv();
    server.expect("retr short");
    server.acceptData();
    server.reply("150 sending");
    server.sendData("12345");
    server.closeData();
    server.reply("226 transfer complete");
    // The half kept for the next attempt is recorded with the file's time.
    server.expect("MDTM short");
    server.reply("500 unknown command");
    // The server cuts the transfer itself: 426, then 226.
    server.expect("SIZE cut");
    server.reply("550 SIZE not allowed");
    server.pasv();
    server.expect("retr cut");
    server.acceptData();
    server.reply("150 sending");
    server.sendData("12");
    server.closeData();
    server.reply("426 Connection closed; transfer aborted.");
    server.reply("226 closing");
    // No SIZE, but the 150 reply tells the size, and all of it comes.
    server.expect("SIZE whole");
    server.reply("550 SIZE not allowed");
    server.pasv();
    server.expect("retr whole");
    server.acceptData();
    server.reply("150 Opening BINARY mode data connection for whole (3 bytes).");
    server.sendData("abc");
    server.closeData();
    server.reply("226 done");
    server.expect("Quit");

    EXPECT_EQ(run({"short", "cut", "whole"}), 1);
    EXPECT_EQ(readFile(local.file("short")), "earlier short");
    EXPECT_EQ(readFile(local.file("cut")), "earlier cut");
    EXPECT_EQ(readFile(local.file("whole")), "abc");
    EXPECT_NE(log.find("short: Transfer incomplete: 5 of 10"), std::string::npos) << log;
    EXPECT_NE(log.find("cut: 426"), std::string::npos) << log;
    // Only a file of known size can be continued.
    EXPECT_EQ(partFiles(), QStringList({".short.part"}));
}

TEST_F(FtpNsHostile, ActiveServerThatNeverConnectsFailsTheFileOnly) {
    scriptLogin();
    server.expectPort();
    server.reply("200 port ok");
    server.expect("nlst");
    server.reply("150 names");
    server.connectData();
    server.sendData("never\r\nnext\r\n");
    server.closeData();
    server.reply("226 done");
    server.expect("SIZE never");
    server.reply("213 4");
    server.expectPort();
    server.reply("200 port ok");
    server.expect("retr never");
    server.reply("150 will connect (but does not)");
    server.expect("ABOR");
    server.reply("425 Can't open data connection.");
    server.reply("226 ABOR command successful.");
    server.expect("SIZE next");
    server.reply("213 4");
    server.expectPort();
    server.reply("200 port ok");
    server.expect("retr next");
    server.reply("150 sending");
    server.connectData();
    server.sendData("next");
    server.closeData();
    server.reply("226 done");
    server.expect("Quit");

    EXPECT_EQ(run({"never", "next"}, false), 1);
    EXPECT_NE(log.find("never: Timed out"), std::string::npos) << log;
    EXPECT_FALSE(ftptest::fileExists(local.file("never")));
    EXPECT_EQ(readFile(local.file("next")), "next");
}

// A server that falls silent, one that drips its reply and one whose data port nobody
// listens on each cost one file: the first two a new login, the third nothing, as its
// 425 and the ABOR's answer are read for the RETR. The empty file after them gets its
// own replies.
TEST_F(FtpNsHostile, SilentDrippingAndStaleRepliesEachCostOneFile) {
    writeFile(local.file("mute"), "earlier mute");
    scriptLogin();
    scriptListing("mute\r\ndrip\r\nnowhere\r\nempty\r\n");
    server.expect("SIZE mute");
    server.waitClientClose();
    server.acceptControl();
    scriptLogin();
    server.expect("SIZE drip");
    server.drip("213 4 and the rest of this reply comes a byte at a time, far too slowly\r\n", 40);
    server.acceptControl();
    scriptLogin();
    server.expect("SIZE nowhere");
    server.reply("213 4");
    server.pasv("227 Entering Passive Mode (127,0,0,1,0,0).");
    server.expect("retr nowhere");
    server.reply("425 Can't open data connection.");
    server.expect("ABOR");
    server.reply("225 No transfer to abort.");
    scriptDownload("empty", "");
    server.expect("Quit");

    EXPECT_EQ(run({"mute", "drip", "nowhere", "empty"}), 1);
    EXPECT_NE(log.find("mute: Timed out"), std::string::npos) << log;
    EXPECT_NE(log.find("drip: Timed out"), std::string::npos) << log;
    EXPECT_NE(log.find("nowhere: "), std::string::npos) << log;
    EXPECT_EQ(log.find("empty: "), std::string::npos) << log;
    EXPECT_EQ(readFile(local.file("mute")), "earlier mute");
    EXPECT_FALSE(ftptest::fileExists(local.file("drip")));
    EXPECT_FALSE(ftptest::fileExists(local.file("nowhere")));
    ASSERT_TRUE(ftptest::fileExists(local.file("empty")));
    EXPECT_EQ(readFile(local.file("empty")), "");
    EXPECT_TRUE(partFiles().isEmpty());
}

TEST_F(FtpNsHostile, ActiveModeTakesDataOnlyFromTheControlPeer) {
    scriptLogin();
    server.expectPort();
    server.reply("200 port ok");
    server.expect("nlst");
    server.reply("150 names");
    server.connectData();
    server.sendData("f\r\n");
    server.closeData();
    server.reply("226 done");
    server.expect("SIZE f");
    server.reply("213 13");
    server.expectPort();
    server.reply("200 port ok");
    server.expect("retr f");
    server.reply("150 sending");
    server.connectDataFrom("127.0.0.2");
    server.connectData();
    server.sendData("the real data");
    server.closeData();
    server.reply("226 done");
    server.expect("Quit");

    EXPECT_EQ(run({"f"}, false), 0) << log;
    EXPECT_EQ(readFile(local.file("f")), "the real data");
    EXPECT_TRUE(server.foreignPeerRefused());
}

// A full local disk fails the file in the middle; the empty file after it still gets its
// own replies (a stale one once failed it with "213 0"). Needs a tiny tmpfs, so root.
TEST_F(FtpNsHostile, DiskFullFailsTheFileAndTheNextStillArrives) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a tiny tmpfs needs root";
    ftptest::TempDir mountPoint;
    if (::mount("tmpfs", mountPoint.path().c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here";
    writeFile(mountPoint.file("big"), "earlier big");
    scriptLogin();
    scriptListing("big\r\nempty\r\n");
    server.expect("SIZE big");
    server.reply("213 100000000");
    server.pasv();
    server.expect("retr big");
    server.acceptData();
    server.reply("150 sending");
    server.sendDataUntilClientCloses();
    server.expect("ABOR");
    server.reply("426 transfer aborted");
    server.reply("226 abort done");
    scriptDownload("empty", "");
    server.expect("Quit");

    EXPECT_EQ(run({"big", "empty"}, true, mountPoint.path()), 1);
    EXPECT_NE(log.find("big: "), std::string::npos) << log;
    EXPECT_EQ(log.find("empty: "), std::string::npos) << log;
    EXPECT_EQ(readFile(mountPoint.file("big")), "earlier big");
    EXPECT_EQ(readFile(mountPoint.file("empty")), "");
    EXPECT_TRUE(QDir(QString::fromStdString(mountPoint.path()))
                    .entryList({"*.part"}, QDir::Files | QDir::Hidden)
                    .isEmpty());
    ::umount2(mountPoint.path().c_str(), MNT_DETACH);
}

// An upload whose end reply never comes costs the connection; the broken file is deleted
// over a new session rather than left under its final name.
TEST_F(FtpNsHostile, UploadThatCostTheConnectionIsDeletedOverANewSession) {
    writeFile(local.file("up.bin"), std::string(50000, 'u'));
    scriptLogin();
    scriptListing("");
    server.pasv();
    server.expect("STOR up.bin");
    server.acceptData();
    server.reply("150 go");
    server.receiveData();
    server.waitClientClose(); // no end reply
    server.acceptControl();
    scriptLogin();
    server.expect("DELE up.bin");
    server.reply("250 deleted");
    server.expect("Quit");

    EXPECT_EQ(run({QString::fromStdString(local.file("up.bin"))}, true, {}, true), 1);
    EXPECT_NE(log.find("up.bin: Timed out"), std::string::npos) << log;
    EXPECT_EQ(log.find("incomplete"), std::string::npos) << log;
}

// The listing only tells the names' encoding; one of 8 MiB of bare line ends must cost
// no memory to speak of (each line end once cost a string of its own, 290 MB in all).
TEST_F(FtpNsHostile, HugeListingOfBareLineEndsStaysWithinTheMemoryBound) {
    scriptLogin();
    scriptListing(std::string(8 << 20, '\n'));
    scriptDownload("named", "named file");
    server.expect("Quit");

    EXPECT_EQ(run({"named"}), 0) << log;
    EXPECT_EQ(readFile(local.file("named")), "named file");
    rusage usage{};
    ASSERT_EQ(::getrusage(RUSAGE_CHILDREN, &usage), 0);
    EXPECT_LT(usage.ru_maxrss, 150 * 1024) << "peak RSS of FTP_ns in KiB";
}

} // namespace
