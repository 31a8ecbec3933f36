// The engine over IPv6 loopback against pyftpdlib listening on ::1: EPSV in passive
// mode, EPRT in active mode, the data connection to the control peer. Skipped where the
// machine has no ::1.
#include "ftp/id_ftp.h"
#include "ftp/id_log_debug.h"
#include "ftp/id_socket_handle.h"
#include "tests/support/ftp/py_ftp_server.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool hasIpv6Loopback() {
    const int fd = ::socket(AF_INET6, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in6 a{};
    a.sin6_family = AF_INET6;
    a.sin6_addr = in6addr_loopback;
    const bool ok = ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(fd);
    return ok;
}

class Ipv6Loopback : public ::testing::TestWithParam<bool> {};

TEST_P(Ipv6Loopback, ListsDownloadsAndUploadsOverIpv6) {
    if (!hasIpv6Loopback())
        GTEST_SKIP() << "no IPv6 loopback here";
    ftptest::TempDir root, local;
    ftptest::writeFile(root.file("ą.bin"), std::string(200000, 'q'));
    ftptest::PyFtpServer server(root.path(), "korvante", "secret", false, {"--host", "::1"});
    TIdFTP ftp;
    TIdLogDebug log;
    std::vector<std::string> sent;
    log.OnLogItem = [&](const std::string& item) {
        if (item.rfind("Sent: ", 0) == 0)
            sent.push_back(item.substr(6, item.find("<EOL>") - 6));
    };
    ftp.Intercept = &log;
    ftp.InterceptEnabled = true;
    ftp.Host = "[::1]";
    ftp.Port = server.port();
    ftp.User = "korvante";
    ftp.Password = "secret";
    ftp.Passive = GetParam();
    ftp.ReadTimeOut = 10000;
    ftp.OpenSession();
    EXPECT_EQ(ftp.Socket.PeerIP, "::1");

    std::vector<std::string> lines;
    ftp.ListDirectory(lines);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(" 200000 "), std::string::npos) << lines[0];
    ftp.DownloadToFile("ą.bin", local.file("got.bin"));
    EXPECT_EQ(ftptest::readFile(local.file("got.bin")), std::string(200000, 'q'));
    ftp.UploadFile(local.file("got.bin"), "back.bin");
    EXPECT_EQ(ftptest::readFile(root.file("back.bin")), std::string(200000, 'q'));
    ftp.CloseSession();

    int dataOpenings = 0;
    for (const std::string& command : sent) {
        if (GetParam())
            dataOpenings += command == "EPSV";
        else
            dataOpenings += command.rfind("EPRT |2|::1|", 0) == 0;
        EXPECT_NE(command, "PASV");
        EXPECT_NE(command.rfind("PORT ", 0), 0u);
    }
    EXPECT_EQ(dataOpenings, 3);
}

INSTANTIATE_TEST_SUITE_P(Modes, Ipv6Loopback, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "passive" : "active"; });

TEST(Ipv6Resolver, AddressesAndNamesOfEitherFamily) {
    EXPECT_EQ(idResolveHost("localhost"), "127.0.0.1");
    EXPECT_EQ(idResolveHost("::1"), "::1");
    EXPECT_EQ(idResolveHost("[::1]"), "::1");
    EXPECT_TRUE(idIsIPv6Address("fe80::1"));
    EXPECT_FALSE(idIsIPv6Address("10.0.0.1"));
}

} // namespace
