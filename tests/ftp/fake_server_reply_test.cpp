// Control connection against the scripted server: reply reading, line ends, hostile
// replies, peer closes and the protocol-log items.
#include "fake_server_fixture.h"
#include "ftp/id_exception.h"

using ConnectionReplies = FakeServerTest;

TEST_F(ConnectionReplies, MultiLineReplyAndItsEarlyEnds) {
    server.send("230-Welcome\r\n230-more\r\n230 Done\r\n");
    server.send("220-first\r\n220-x\r\nab\r\n");            // shorter than four: ends early
    server.send("abc-first\r\n  abc-inner\r\nABC end\r\n"); // marker compared ignoring case
    ftp.OpenConnection();
    EXPECT_EQ(ftp.ReadReply(), 230);
    EXPECT_EQ(ftp.ReplyLines, (Lines{"230-Welcome", "230-more", "230 Done"}));
    EXPECT_EQ(ftp.LastReplyLine(), "230 Done");
    EXPECT_EQ(ftp.ReadReply(), 0);
    EXPECT_EQ(ftp.ReplyLines, (Lines{"220-first", "220-x", "ab"}));
    ftp.ReadReply();
    EXPECT_EQ(ftp.ReplyLines, (Lines{"abc-first", "abc-inner", "ABC end"}));
}

TEST_F(ConnectionReplies, PopStyleCodesBlankLinesAndBareLf) {
    server.send("+OK ready\r\n");
    server.send("-ERR no\r\n");
    server.send("\r\n   \r\n\t  220 padded  \r\n");
    server.send("221 bare lf\n");
    ftp.OpenConnection();
    EXPECT_EQ(ftp.ReadReply(), 1);
    EXPECT_EQ(ftp.ReadReply(), 0);
    EXPECT_EQ(ftp.ReadReply({220}), 220);
    EXPECT_EQ(ftp.LastReplyLine(), "220 padded");
    EXPECT_EQ(ftp.ReadReply(), 221);
    EXPECT_EQ(ftp.LastReplyLine(), "221 bare lf");
}

TEST_F(ConnectionReplies, UnacceptedCodeRaisesWithTheLineAndKeepsTheConnection) {
    server.reply("220 hi");
    server.expect("NOOP");
    server.reply("502 not here");
    scriptStillInStep();
    ftp.OpenConnection();
    ftp.SendCommand(std::string(1, '\0'), 220); // NUL: read only
    try {
        ftp.SendCommand("NOOP", 200);
        FAIL();
    } catch (const EIdProtocolReplyError& e) {
        EXPECT_STREQ(e.what(), "502 not here");
        EXPECT_EQ(e.ReplyErrorCode, 502);
    }
    EXPECT_EQ(ftp.ReplyCode, 502);
    EXPECT_TRUE(ftp.IsOpen());
    EXPECT_EQ(ftp.SendCommand("NOOP", -1), 200);
}

TEST_F(ConnectionReplies, ReadOnlyCommandTakesAGreetingThatAlreadyArrived) {
    server.reply("220 hi");
    ftp.OpenConnection();
    ASSERT_TRUE(ftp.WaitForData(2000)); // the greeting is in before anyone asks for it
    EXPECT_EQ(ftp.SendCommand(std::string(1, '\0'), 220), 220);
}

TEST_F(ConnectionReplies, ReceiveLineWithTimeLimitAndTerminator) {
    server.send("a;b");
    ftp.OpenConnection();
    EXPECT_EQ(ftp.ReceiveLine(";"), "a");
    EXPECT_EQ(ftp.ReceiveLine("", 20), "");
    EXPECT_TRUE(ftp.ReadLnTimedOut);
}

TEST_F(ConnectionReplies, ServerClosingMidReply) {
    server.send("220-part one\r\n220-par");
    server.closeControl();
    ftp.OpenConnection();
    EXPECT_THROW(ftp.ReadReply(), EIdConnClosedGracefully);
    EXPECT_FALSE(ftp.IsOpen());
    EXPECT_FALSE(ftp.IsOpen());
    EXPECT_EQ(disconnects, 1);
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(items.front(), "Connected.");
    EXPECT_EQ(items[items.size() - 2], "Recv: ");
    EXPECT_EQ(items.back(), "Disconnected.");
    EXPECT_EQ(receivedLog(), "220-part one<EOL>220-par");
}

TEST_F(ConnectionReplies, IsOpenNoticesAQuietPeerClose) {
    server.closeControl();
    ftp.OpenConnection();
    ASSERT_TRUE(server.finished());
    // The close may take a moment to arrive; IsOpen turns false exactly once.
    while (ftp.IsOpen()) {
        ftp.WaitForData(50);
    }
    EXPECT_FALSE(ftp.IsOpen());
    EXPECT_EQ(disconnects, 1);
}

TEST_F(ConnectionReplies, EndlessLineIsCutOff) {
    server.sendEndless("x");
    ftp.OpenConnection();
    EXPECT_THROW(ftp.ReadReply(), EIdReplyTooLong);
    EXPECT_FALSE(ftp.IsOpen());
}

TEST_F(ConnectionReplies, EndlessMultiLineReplyIsCutOff) {
    server.send("211-start\r\n");
    server.sendEndless("211-more\r\n");
    ftp.OpenConnection();
    try {
        ftp.ReadReply();
        FAIL();
    } catch (const EIdReplyTooLong& e) {
        EXPECT_STREQ(e.what(), "Reply longer than 2000 lines.");
    }
    EXPECT_FALSE(ftp.IsOpen());
}

TEST_F(ConnectionReplies, LogItemsAndStatuses) {
    Lines statuses;
    ftp.OnStatus = [&](TIdComponent*, TIdStatus, const std::string& t) { statuses.push_back(t); };
    scriptLogin();
    server.expect("Quit");
    ftp.Host = "LocalHost";
    ftp.OpenSession();
    ftp.CloseSession();
    EXPECT_EQ(statuses, (Lines{"Resolving hostname LocalHost.", "Connecting to 127.0.0.1.",
                               "Connected.", "Disconnecting from 127.0.0.1.", "Disconnected."}));
    EXPECT_EQ(items.front(), "Connected.");
    EXPECT_EQ(items.back(), "Disconnected.");
    Lines sent;
    for (const auto& item : items)
        if (item.rfind("Sent: ", 0) == 0)
            sent.push_back(item);
    EXPECT_EQ(sent, (Lines{"Sent: user bob<EOL>", "Sent: pass pw<EOL>", "Sent: type I<EOL>",
                           "Sent: syst<EOL>", "Sent: FEAT<EOL>", "Sent: Quit<EOL>"}));
    EXPECT_EQ(receivedLog(), "220 fake ready<EOL>331 password please<EOL>230 logged in<EOL>"
                             "200 binary<EOL>215 UNIX Type: L8<EOL>500 FEAT not understood<EOL>");
    EXPECT_EQ(ftp.SystemDescription, " UNIX Type: L8");
    EXPECT_EQ(disconnects, 1);
}

TEST_F(ConnectionReplies, LogHookOffOrDisabledLogsNothing) {
    server.reply("220 hi");
    ftp.InterceptEnabled = false;
    ftp.OpenConnection();
    ftp.ReadReply();
    ftp.CloseConnection();
    EXPECT_TRUE(items.empty());
}

TEST_F(ConnectionReplies, AlreadyConnected) {
    ftp.OpenConnection();
    EXPECT_THROW(ftp.OpenConnection(), EIdAlreadyConnected);
}
