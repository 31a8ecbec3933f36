// A TIdFTP pointed at a scripted fake server, with its log items and events recorded.
#pragma once

#include "ftp/id_ftp.h"
#include "ftp/id_log_debug.h"
#include "tests/support/ftp/fake_ftp_server.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

class FakeServerTest : public ::testing::Test {
protected:
    FakeServerTest() {
        ftp.Host = "127.0.0.1";
        ftp.Port = server.port();
        ftp.User = "bob";
        ftp.Password = "pw";
        ftp.Passive = true;
        // Every wait of the engine has a short limit here: a client that waits for a
        // reply the script will never send fails in seconds, not at the test time-out.
        ftp.ReadTimeOut = 5000;
        ftp.Intercept = &log;
        ftp.InterceptEnabled = true;
        log.OnLogItem = [this](const std::string& item) { items.push_back(item); };
        ftp.OnDisconnected = [this](TIdComponent*) { ++disconnects; };
    }

    void TearDown() override {
        EXPECT_TRUE(server.finished());
        EXPECT_EQ(server.errors(), "");
    }

    // Greeting, user, pass, type, syst.
    void scriptLogin() { server.scriptLogin("bob", "pw"); }

    // After a failure: the conversation is still in step when the next command gets
    // its own answer, not one left over from the failure.
    void scriptStillInStep() {
        server.expect("NOOP");
        server.reply("200 ok");
    }
    void expectStillInStep() { EXPECT_EQ(ftp.SendCommand("NOOP", 200), 200); }

    // The received bytes of the log, chunk boundaries removed.
    std::string receivedLog() const {
        std::string all;
        for (const auto& item : items)
            if (item.rfind("Recv: ", 0) == 0)
                all += item.substr(6);
        return all;
    }

    ftptest::FakeFtpServer server;
    TIdFTP ftp;
    TIdLogDebug log;
    Lines items;
    int disconnects = 0;
};
