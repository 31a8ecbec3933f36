// The engine against a real server (pyftpdlib on loopback, a temp root), in passive and
// in active mode, and the socket errors of unknown hosts and refused ports.
#include "ftp/id_anti_freeze.h"
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "tests/support/ftp/py_ftp_server.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using Lines = std::vector<std::string>;
using ftptest::anyLineContains;
using ftptest::randomBytes;
using ftptest::readFile;
using ftptest::writeFile;

namespace {} // namespace

class RealServer : public ::testing::TestWithParam<bool> {
protected:
    RealServer() : server(root.path()) {
        ftp.Host = "127.0.0.1";
        ftp.Port = server.port();
        ftp.User = server.user();
        ftp.Password = server.password();
        ftp.Passive = GetParam();
    }
    ftptest::TempDir root;
    ftptest::TempDir local;
    ftptest::PyFtpServer server;
    TIdFTP ftp;
};

INSTANTIATE_TEST_SUITE_P(Modes, RealServer, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "passive" : "active"; });

TEST_P(RealServer, LoginAndFolderCommands) {
    ftp.OpenSession();
    EXPECT_NE(ftp.SystemDescription.find("UNIX"), std::string::npos);
    EXPECT_EQ(ftp.CurrentDirectory(), "/");
    ftp.MakeDirectory("sub dir");
    ftp.ChangeDirectory("sub dir");
    EXPECT_EQ(ftp.CurrentDirectory(), "/sub dir");
    ftp.ChangeDirectory("/");
    ftp.RenameRemote("sub dir", "renamed");
    EXPECT_TRUE(std::filesystem::is_directory(root.file("renamed")));
    ftp.RemoveDirectory("renamed");
    EXPECT_FALSE(ftptest::fileExists(root.file("renamed")));
    EXPECT_THROW(ftp.ChangeDirectory("nowhere"), EIdProtocolReplyError);
    EXPECT_EQ(ftp.ReplyCode, 550);
    ftp.CloseSession();
    EXPECT_FALSE(ftp.IsOpen());
}

TEST_P(RealServer, FileTransfersAreByteExact) {
    const std::string payload = randomBytes(3 * 1024 * 1024 + 17, 7);
    writeFile(local.file("up.bin"), payload);
    writeFile(local.file("empty"), "");
    ftp.OpenSession();
    ftp.UploadFile(local.file("up.bin"), "zażółć file.bin");
    ftp.UploadFile(local.file("empty"), "empty");
    EXPECT_EQ(readFile(root.file("zażółć file.bin")), payload);
    EXPECT_EQ(ftp.FileSize("zażółć file.bin"), static_cast<int64_t>(payload.size()));
    EXPECT_EQ(ftp.FileSize("empty"), 0);
    EXPECT_EQ(ftp.FileSize("missing"), -1);

    ftp.DownloadToFile("zażółć file.bin", local.file("down.bin"));
    EXPECT_EQ(readFile(local.file("down.bin")), payload);
    ftp.DownloadToFile("empty", local.file("down.bin")); // overwrites, cuts to size
    EXPECT_EQ(readFile(local.file("down.bin")), "");
    EXPECT_THROW(ftp.DownloadToFile("empty", local.file("down.bin"), false),
                 EIdFTPFileAlreadyExists);

    ftp.UploadFile(local.file("up.bin"), "zażółć file.bin", true); // APPE
    EXPECT_EQ(readFile(root.file("zażółć file.bin")), payload + payload);
    ftp.UploadFile(local.file("up.bin"), ""); // STOU: the server names it
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root.path()),
                            std::filesystem::directory_iterator()),
              3);

    Lines details, names;
    ftp.ListDirectory(details);
    ftp.ListDirectory(names, "", false);
    EXPECT_EQ(details.size(), 3u);
    EXPECT_TRUE(anyLineContains(details, "zażółć file.bin"));
    EXPECT_TRUE(anyLineContains(names, "empty"));
    ftp.DeleteRemoteFile("empty");
    EXPECT_FALSE(ftptest::fileExists(root.file("empty")));
}

TEST_P(RealServer, SizeBeyond32Bits) {
    std::filesystem::resize_file((writeFile(root.file("huge"), ""), root.file("huge")),
                                 5LL * 1024 * 1024 * 1024);
    ftp.OpenSession();
    EXPECT_EQ(ftp.FileSize("huge"), 5368709120LL);
}

TEST_P(RealServer, AnonymousIsReadOnly) {
    writeFile(root.file("pub.txt"), "public");
    ftp.User = "anonymous";
    ftp.Password = "guest@";
    ftp.OpenSession();
    TIdMemoryStream data;
    ftp.DownloadToStream("pub.txt", data);
    EXPECT_EQ(data.Bytes(), "public");
    TIdMemoryStream up("x");
    EXPECT_THROW(ftp.UploadFromStream(up, "new.txt"), EIdProtocolReplyError);
    EXPECT_EQ(ftp.ReplyCode, 550);
}

TEST_P(RealServer, WrongPasswordClosesTheSession) {
    ftp.Password = "wrong";
    EXPECT_THROW(ftp.OpenSession(), EIdProtocolReplyError);
    EXPECT_EQ(ftp.ReplyCode, 530);
    EXPECT_FALSE(ftp.IsOpen());
}

TEST_P(RealServer, AbortInTheMiddleOfADownload) {
    std::filesystem::resize_file((writeFile(root.file("big"), ""), root.file("big")),
                                 256LL * 1024 * 1024);
    TIdAntiFreeze pump;
    pump.IdleTimeOut = 50;
    pump.OnlyWhenIdle = false;
    bool stop = false, aborted = false;
    int64_t received = 0;
    ftp.OnWork = [&](TIdComponent*, TWorkMode, int64_t n) {
        received = n;
        stop = n >= (4 << 20);
    };
    pump.Pump = [&](bool) {
        if (stop && !aborted) {
            aborted = true;
            ftp.AbortTransfer();
        }
    };
    ftp.OpenSession();
    TIdMemoryStream data;
    ftp.DownloadToStream("big", data);
    EXPECT_TRUE(aborted);
    EXPECT_LT(received, 256LL * 1024 * 1024);
    // The session goes on: every reply read belongs to its own command.
    EXPECT_EQ(ftp.CurrentDirectory(), "/");
    EXPECT_EQ(ftp.FileSize("big"), 256LL * 1024 * 1024);
    writeFile(root.file("small"), "after abort");
    TIdMemoryStream again;
    ftp.DownloadToStream("small", again);
    EXPECT_EQ(again.Bytes(), "after abort");
}

TEST(SocketErrors, UnknownHostGives11001WithAnEmptyDescription) {
    TIdFTP ftp;
    ftp.Host = "no-such-host.invalid";
    try {
        ftp.OpenSession();
        FAIL();
    } catch (const EIdSocketError& e) {
        EXPECT_EQ(e.LastError, 11001);
        EXPECT_STREQ(e.what(), "Socket Error # 11001\r\n");
    }
    EXPECT_FALSE(ftp.IsOpen());
}

TEST(SocketErrors, RefusedPortGives10061) {
    // A port that was just free and has no listener.
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    TIdFTP ftp;
    int disconnects = 0;
    ftp.OnDisconnected = [&](TIdComponent*) { ++disconnects; };
    ftp.Host = "127.0.0.1";
    ftp.Port = ntohs(a.sin_port);
    try {
        ftp.OpenSession();
        FAIL();
    } catch (const EIdSocketError& e) {
        EXPECT_EQ(e.LastError, 10061);
        EXPECT_STREQ(e.what(), "Socket Error # 10061\r\nConnection refused.");
    }
    EXPECT_FALSE(ftp.IsOpen());
    EXPECT_EQ(disconnects, 1); // a socket had been allocated

    // Both ends of the port range are tried (refused or answered, nothing
    // listens on them here); one past them is refused before any attempt.
    for (int port : {1, 65535, 0, 65536}) {
        ftp.Port = port;
        int error = 0;
        try {
            ftp.OpenConnection();
            ftp.CloseConnection();
        } catch (const EIdSocketError& e) {
            error = e.LastError;
        }
        EXPECT_EQ(error == 10049, port == 0 || port == 65536) << port << " gave " << error;
    }
}

// Sizes past 32 bits through a whole transfer. Moves 10 GiB, so it runs only when
// KORVANTE_LARGE_TESTS is set.
TEST(LargeFiles, FiveGiBDownloadAndUpload) {
    if (!std::getenv("KORVANTE_LARGE_TESTS"))
        GTEST_SKIP() << "set KORVANTE_LARGE_TESTS=1 to run";
    const int64_t size = 5LL << 30;
    ftptest::TempDir root, local;
    std::filesystem::resize_file((writeFile(root.file("five"), ""), root.file("five")), size);
    ftptest::PyFtpServer server(root.path());
    TIdFTP ftp;
    ftp.Host = "127.0.0.1";
    ftp.Port = server.port();
    ftp.User = server.user();
    ftp.Password = server.password();
    ftp.Passive = true;
    int64_t lastCount = 0, max = -1;
    ftp.OnWorkBegin = [&](TIdComponent*, TWorkMode, int64_t m) { max = m; };
    ftp.OnWork = [&](TIdComponent*, TWorkMode, int64_t n) { lastCount = n; };
    ftp.OpenSession();
    EXPECT_EQ(ftp.FileSize("five"), size);
    ftp.DownloadToFile("five", local.file("five"));
    EXPECT_EQ(lastCount, size);
    EXPECT_EQ(static_cast<int64_t>(std::filesystem::file_size(local.file("five"))), size);
    ftp.UploadFile(local.file("five"), "five.up");
    EXPECT_EQ(max, size);
    EXPECT_EQ(lastCount, size);
    EXPECT_EQ(ftp.FileSize("five.up"), size);
}
