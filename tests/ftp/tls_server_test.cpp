// FTP over TLS against a real server (pyftpdlib's TLS handler with a throw-away
// self-signed certificate): explicit and implicit, passive and active, transfers byte
// for byte, a Polish name, session reuse demanded by the server, the fall-back to
// plain FTP only where the user allowed it, and a certificate nobody accepted.
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "ftp/id_log_debug.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "tests/support/ftp/test_certificate.h"

#include <algorithm>
#include <gtest/gtest.h>

using Lines = std::vector<std::string>;
using ftptest::anyLineContains;
using ftptest::randomBytes;
using ftptest::readFile;
using ftptest::writeFile;

namespace {

struct TlsCase {
    bool passive;
    bool implicit;
};

// The client side every case shares: a log of what was sent, and the certificates the
// engine asked about.
struct Client {
    Client() {
        ftp.Host = "127.0.0.1";
        ftp.User = "korvante";
        ftp.Password = "secret";
        ftp.ReadTimeOut = 10000;
        ftp.Intercept = &log;
        ftp.InterceptEnabled = true;
        log.OnLogItem = [this](const std::string& item) { items.push_back(item); };
        ftp.OnStatus = [this](TIdComponent*, TIdStatus, const std::string& text) {
            statuses.push_back(text);
        };
        ftp.OnCertificate = [this](const TIdCertificateInfo& certificate) {
            asked.push_back(certificate);
            return accept;
        };
    }
    Lines sent() const {
        Lines out;
        for (const auto& item : items)
            if (item.rfind("Sent: ", 0) == 0 && item.size() >= 11)
                out.push_back(item.substr(6, item.size() - 11)); // without "<EOL>"
        return out;
    }
    TIdFTP ftp;
    TIdLogDebug log;
    Lines items, statuses;
    std::vector<TIdCertificateInfo> asked;
    bool accept = true;
};

} // namespace

class TlsServer : public ::testing::TestWithParam<TlsCase> {
protected:
    TlsServer()
        : pem(ftptest::makeTestCertificate(keys.path())),
          server(root.path(), "korvante", "secret", false, serverArguments()) {
        client.ftp.Port = server.port();
        client.ftp.Passive = GetParam().passive;
        client.ftp.Security = GetParam().implicit ? smImplicit : smExplicitRequired;
    }
    std::vector<std::string> serverArguments() const {
        std::vector<std::string> args = {"--tls", pem, "--tls-required", "--require-reuse"};
        if (GetParam().implicit)
            args.push_back("--implicit");
        return args;
    }
    ftptest::TempDir keys, root, local;
    std::string pem;
    ftptest::PyFtpServer server;
    Client client;
};

INSTANTIATE_TEST_SUITE_P(Modes, TlsServer,
                         ::testing::Values(TlsCase{true, false}, TlsCase{false, false},
                                           TlsCase{true, true}, TlsCase{false, true}),
                         [](const auto& info) {
                             return std::string(info.param.implicit ? "implicit" : "explicit") +
                                    (info.param.passive ? "_passive" : "_active");
                         });

TEST_P(TlsServer, EncryptedSessionMovesFilesWholeAndHidesThePassword) {
    const std::string polish = "Zażółć gęślą jaźń.txt";
    const std::string payload = randomBytes(3 << 20, 7);
    writeFile(server.root() + "/" + polish, "polski");
    writeFile(server.root() + "/big.bin", payload);
    TIdFTP& ftp = client.ftp;

    ftp.OpenSession();
    ASSERT_TRUE(ftp.Encrypted());
    EXPECT_TRUE(ftp.DataProtected());
    // The self-signed certificate was put to the caller, with what a user must see.
    ASSERT_EQ(client.asked.size(), 1u);
    EXPECT_NE(client.asked[0].Subject.find("CN=localhost"), std::string::npos);
    EXPECT_EQ(client.asked[0].Subject, client.asked[0].Issuer);
    EXPECT_EQ(client.asked[0].Sha256.size(), 32u * 3 - 1);
    EXPECT_FALSE(client.asked[0].NotAfter.empty());
    EXPECT_EQ(client.asked[0].Port, server.port());
    // Version and cipher are told; the password never shows.
    EXPECT_TRUE(anyLineContains(client.statuses, "TLS connection: TLSv1."));
    EXPECT_TRUE(anyLineContains(client.sent(), "pass ***"));
    EXPECT_FALSE(anyLineContains(client.items, "secret"));
    // In clear after the greeting (explicit mode) went AUTH TLS and nothing else; PBSZ
    // and PROT P went before any data connection.
    const Lines sent = client.sent();
    const auto prot = std::find(sent.begin(), sent.end(), "PROT P");
    ASSERT_NE(prot, sent.end());
    EXPECT_EQ(*(prot - 1), "PBSZ 0");
    EXPECT_FALSE(anyLineContains(sent, "PROT C"));

    Lines listing;
    ftp.ListDirectory(listing);
    EXPECT_TRUE(anyLineContains(listing, polish));
    // The server refuses a data connection that does not resume the session.
    EXPECT_TRUE(ftp.LastTransfer().Encrypted);
    EXPECT_TRUE(ftp.LastTransfer().SessionReused);

    ftp.DownloadToFile("big.bin", local.file("big.bin"));
    EXPECT_EQ(readFile(local.file("big.bin")), payload);
    EXPECT_TRUE(ftp.LastTransfer().SessionReused);

    // The upload's end: every byte arrives although the server sends tickets after the
    // handshake and wants a close-notify.
    const std::string upload = randomBytes((2 << 20) + 77, 11);
    writeFile(local.file("up.bin"), upload);
    ftp.UploadFile(local.file("up.bin"), "wysłany.bin");
    EXPECT_EQ(readFile(server.root() + "/wysłany.bin"), upload);
    EXPECT_EQ(ftp.ReplyCode, 226);

    // Several transfers in a row keep the conversation in step.
    for (int i = 0; i < 3; ++i) {
        ftp.DownloadToFile(polish, local.file("p.txt"));
        EXPECT_EQ(readFile(local.file("p.txt")), "polski");
    }
    ftp.CloseSession();
    EXPECT_FALSE(ftp.Encrypted());
}

TEST_P(TlsServer, CertificateNobodyAcceptsEndsTheConnectionBeforeTheLogin) {
    client.accept = false;
    try {
        client.ftp.OpenSession();
        FAIL() << "an untrusted certificate was taken";
    } catch (const EIdTLSError& e) {
        EXPECT_EQ(e.Kind, EIdTLSError::tkUntrusted);
        EXPECT_NE(std::string(e.what()).find("self-signed"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(client.ftp.IsOpen());
    EXPECT_FALSE(anyLineContains(client.sent(), "user"));

    // Without a handler no such certificate is ever taken.
    client.ftp.OnCertificate = nullptr;
    EXPECT_THROW(client.ftp.OpenSession(), EIdTLSError);
}

// The modes against a server that knows no TLS.
TEST(TlsModes, IfOfferedFallsBackToPlainAndRequiredRefusesToLogIn) {
    ftptest::TempDir root;
    writeFile(root.path() + "/a.txt", "abc");
    ftptest::PyFtpServer plain(root.path());

    Client offered;
    offered.ftp.Port = plain.port();
    offered.ftp.Passive = true;
    offered.ftp.Security = smExplicitIfOffered;
    offered.ftp.OpenSession();
    EXPECT_FALSE(offered.ftp.Encrypted());
    Lines listing;
    offered.ftp.ListDirectory(listing);
    EXPECT_TRUE(anyLineContains(listing, "a.txt"));
    EXPECT_FALSE(offered.ftp.LastTransfer().Encrypted);
    offered.ftp.CloseSession();

    Client required;
    required.ftp.Port = plain.port();
    required.ftp.Security = smExplicitRequired;
    try {
        required.ftp.OpenSession();
        FAIL() << "logged in without TLS";
    } catch (const EIdTLSError& e) {
        EXPECT_EQ(e.Kind, EIdTLSError::tkNotOffered);
        EXPECT_NE(std::string(e.what()).find("does not offer TLS"), std::string::npos);
    }
    EXPECT_EQ(required.sent(), Lines{"AUTH TLS"});
    EXPECT_FALSE(required.ftp.IsOpen());

    // Plain mode says nothing of TLS at all.
    Client none;
    none.ftp.Port = plain.port();
    none.ftp.OpenSession();
    EXPECT_FALSE(anyLineContains(none.sent(), "AUTH"));
    EXPECT_TRUE(anyLineContains(none.sent(), "pass secret"));
}
