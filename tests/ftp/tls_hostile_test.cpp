// TLS against servers that misbehave: a handshake that stalls ends at the engine's
// time-out, and clear text slipped in behind "234" is never taken for the server's.
#include "fake_server_fixture.h"
#include "ftp/id_exception.h"

#include <chrono>

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
