// TLS against servers that misbehave: a handshake that stalls ends at the engine's
// time-out, clear text slipped in behind "234" is never taken for the server's, data
// cut without a close-notify is a failed file, and a refused PROT P ends the session.
#include "fake_server_fixture.h"
#include "ftp/id_exception.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "tests/support/ftp/test_certificate.h"

#include <chrono>
#include <memory>

class TlsHostileServer : public FakeServerTest {
protected:
    TlsHostileServer() { ftp.ReadTimeOut = 400; }
};

TEST_F(TlsHostileServer, StalledHandshakeTimesOutInExplicitAndImplicitMode) {
    server.reply("220 ready");
    server.expect("AUTH TLS");
    server.reply("234 go ahead");
    server.waitClientClose(); // reads the client's hello and answers nothing
    ftp.Security = smExplicitRequired;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(ftp.OpenSession(), EIdReadTimeout);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_FALSE(ftp.IsOpen());
    ASSERT_TRUE(server.finished());

    // Implicit: the server takes the connection and never speaks TLS.
    ftptest::FakeFtpServer silent;
    silent.waitClientClose();
    TIdFTP implicit;
    implicit.Host = "127.0.0.1";
    implicit.Port = silent.port();
    implicit.ReadTimeOut = 400;
    implicit.Security = smImplicit;
    EXPECT_THROW(implicit.OpenSession(), EIdReadTimeout);
    EXPECT_TRUE(silent.finished());
    EXPECT_EQ(silent.errors(), "");
}

TEST_F(TlsHostileServer, ClearTextBehindTheAuthReplyIsRefused) {
    server.reply("220 ready");
    server.expect("AUTH TLS");
    // A man in the middle appends a reply of his own to the server's consent.
    server.send("234 go ahead\r\n230 logged in, trust me\r\n");
    server.waitClientClose();
    ftp.Security = smExplicitRequired;
    try {
        ftp.OpenSession();
        FAIL() << "clear text was taken as part of the encrypted session";
    } catch (const EIdTLSError& e) {
        EXPECT_EQ(e.Kind, EIdTLSError::tkHandshake);
    }
    EXPECT_FALSE(ftp.IsOpen());
}

TEST_F(TlsHostileServer, IfOfferedKeepsGoingInClearWhenAuthIsRefused) {
    server.reply("220 ready");
    server.expect("AUTH TLS");
    server.reply("502 AUTH not understood");
    server.expect("user bob");
    server.reply("331 pw");
    server.expect("pass pw");
    server.reply("230 in");
    server.expect("type I");
    server.reply("200 ok");
    server.expect("syst");
    server.reply("215 UNIX");
    ftp.Security = smExplicitIfOffered;
    ftp.UseExtensions = false;
    ftp.OpenSession();
    EXPECT_FALSE(ftp.Encrypted());
}

// A scripted TLS server (Python's ssl module) for what pyftpdlib never does.
class ScriptedTlsServer : public ::testing::Test {
protected:
    std::unique_ptr<ftptest::PyFtpServer> start(const std::string& scenario) {
        auto server = std::make_unique<ftptest::PyFtpServer>(
            root.path(), "korvante", "secret", false,
            std::vector<std::string>{"--tls", ftptest::makeTestCertificate(keys.path()),
                                     "--hostile-tls", scenario});
        ftp.Host = "127.0.0.1";
        ftp.Port = server->port();
        ftp.User = "korvante";
        ftp.Password = "secret";
        ftp.Passive = true;
        ftp.ReadTimeOut = 5000;
        ftp.UseExtensions = false;
        ftp.Security = smExplicitRequired;
        ftp.OnCertificate = [](const TIdCertificateInfo&) { return true; };
        return server;
    }
    ftptest::TempDir keys, root, local;
    TIdFTP ftp;
};

TEST_F(ScriptedTlsServer, DataCutWithoutCloseNotifyShortOfTheAnnouncedSizeIsAFailedFile) {
    auto server = start("short-download");
    // ASCII: line ends may change a count, so only the missing close-notify tells.
    ftp.TransferType = ftASCII;
    ftp.OpenSession();
    ASSERT_TRUE(ftp.DataProtected());
    EXPECT_THROW(ftp.DownloadToFile("file", local.file("file")), EIdTransferIncomplete);
    EXPECT_EQ(ftp.LastTransfer().Bytes, 400);
}

TEST_F(ScriptedTlsServer, RefusedProtPEndsTheConnectionInsteadOfSendingDataInClear) {
    auto server = start("prot-refused");
    try {
        ftp.OpenSession();
        FAIL() << "the session went on without protected data";
    } catch (const EIdTLSError& e) {
        EXPECT_EQ(e.Kind, EIdTLSError::tkDataRefused);
        EXPECT_NE(std::string(e.what()).find("534"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(ftp.IsOpen());
}
