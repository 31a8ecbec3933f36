// Text rules that need no socket: reply codes, PASV/PWD/SIZE answers, listing lines,
// error and status texts, work-event nesting, log items, the one-pump rule.
#include "ftp/id_anti_freeze.h"
#include "ftp/id_component.h"
#include "ftp/id_exception.h"
#include "ftp/id_listing.h"
#include "ftp/id_log_debug.h"
#include "ftp/id_reply.h"
#include "ftp/id_socket_error.h"

#include <cerrno>
#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(ReplyRules, CodeOfLastLine) {
    EXPECT_EQ(idReplyCodeOf("230 Done"), 230);
    EXPECT_EQ(idReplyCodeOf("+OK ready"), 1);
    EXPECT_EQ(idReplyCodeOf("+ok"), 1);
    EXPECT_EQ(idReplyCodeOf("-ERR nope"), 0);
    EXPECT_EQ(idReplyCodeOf("-err"), 0);
    EXPECT_EQ(idReplyCodeOf("abc def"), 0);
    EXPECT_EQ(idReplyCodeOf("2x0 mixed"), 0);
    EXPECT_EQ(idReplyCodeOf("22"), 22);
}

TEST(ReplyRules, TrimAndCaseInsensitiveCompare) {
    EXPECT_EQ(idTrim("  \t230 x \r"), "230 x");
    EXPECT_EQ(idTrim(" \x01\x1f "), "");
    EXPECT_TRUE(idSameText("230 ", "230 "));
    EXPECT_TRUE(idSameText("AbC", "aBc"));
    EXPECT_FALSE(idSameText("230-", "230 "));
}

TEST(ReplyRules, Int64Parsing) {
    int64_t v = 0;
    EXPECT_TRUE(idParseInt64("5368709120", v));
    EXPECT_EQ(v, 5368709120LL);
    EXPECT_TRUE(idParseInt64("-7", v));
    EXPECT_EQ(v, -7);
    EXPECT_FALSE(idParseInt64("", v));
    EXPECT_FALSE(idParseInt64("12a", v));
    EXPECT_FALSE(idParseInt64("99999999999999999999", v));
}

TEST(ReplyRules, PasvWithAndWithoutParentheses) {
    IdPasvAddress a = idParsePasvReply("227 Entering Passive Mode (10,1,2,3,4,5).");
    EXPECT_EQ(a.Host, "10.1.2.3");
    EXPECT_EQ(a.Port, 4 * 256 + 5);
    a = idParsePasvReply("227 Entering Passive Mode 192,168,0,1,200,7");
    EXPECT_EQ(a.Host, "192.168.0.1");
    EXPECT_EQ(a.Port, 200 * 256 + 7);
    EXPECT_THROW(idParsePasvReply("227 =127,0,0,1,0,21"), EConvertError); // "=127"
    EXPECT_EQ(idParsePasvReply("227 (127,0,0,1,0,1)").Port, 1);
    EXPECT_EQ(idParsePasvReply("227 (127,0,0,1,255,255)").Port, 65535);
}

TEST(ReplyRules, MalformedPasvRaisesConversionError) {
    EXPECT_THROW(idParsePasvReply("227 Entering Passive Mode (1,2,3,x,5,6)"), EConvertError);
    EXPECT_THROW(idParsePasvReply("227 (1,2,3,4,5)"), EConvertError);
    EXPECT_THROW(idParsePasvReply("227 (1,2,3,4,256,0)"), EConvertError);
    try {
        idParsePasvReply("227 (1,2,3,a4,5,6)");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'a4' is not a valid integer value");
    }
}

TEST(ReplyRules, PwdSizeAndPort) {
    EXPECT_EQ(idParsePwdReply("257 \"/pub/x y\" is current"), "/pub/x y");
    EXPECT_EQ(idParsePwdReply("257 /pub is current"), "");
    EXPECT_EQ(idParsePwdReply("257 \"/a\"b\" cut"), "/a");
    EXPECT_EQ(idParseSizeReply({"213 5368709120"}), 5368709120LL);
    EXPECT_EQ(idParseSizeReply({"213 0"}), 0); // an empty file, not an unknown size
    EXPECT_EQ(idParseSizeReply({"213 big"}), -1);
    EXPECT_EQ(idParseSizeReply({"213"}), -1);
    EXPECT_EQ(idPortArgument("127.0.0.1", 1025), "127,0,0,1,4,1");
}

TEST(ReplyRules, ListingLineEnds) {
    EXPECT_EQ(idSplitListing("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(idSplitListing("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(idSplitListing("a\rb"), (Lines{"a", "b"}));
    EXPECT_EQ(idSplitListing("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(idSplitListing(std::string("a\nb\0c\n", 6)), (Lines{"a", "b"}));
    EXPECT_TRUE(idSplitListing("").empty());
    // The one-block split finds the same lines, in place.
    for (const std::string& text :
         {std::string("a\r\nb\r\n"), std::string("a\nb\n"), std::string("a\rb"),
          std::string("a\r\n\r\nb"), std::string("a\nb\0c\n", 6), std::string(),
          std::string("\r\n\n\rx")}) {
        const TIdListing listing = idSplitListingInPlace(text);
        Lines lines;
        for (size_t i = 0; i < listing.Lines.size(); ++i)
            lines.emplace_back(listing.Line(i));
        EXPECT_EQ(lines, idSplitListing(text)) << text;
        const TIdListing joined = idJoinListing(lines);
        ASSERT_EQ(joined.Lines.size(), lines.size());
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(joined.Line(i), lines[i]);
    }
}

TEST(ErrorTexts, SocketErrorsUseWindowsSocketsNumbers) {
    EXPECT_EQ(idsock::fromErrno(ECONNREFUSED), 10061);
    EXPECT_EQ(idsock::fromErrno(ETIMEDOUT), 10060);
    EXPECT_EQ(idsock::fromErrno(ECONNRESET), 10054);
    EXPECT_EQ(idsock::fromErrno(EADDRINUSE), 10048);
    EXPECT_EQ(idsock::fromErrno(ENETUNREACH), 10051);
    EXPECT_EQ(idsock::fromErrno(EHOSTUNREACH), 10065);
    EXPECT_STREQ(EIdSocketError(10061).what(), "Socket Error # 10061\r\nConnection refused.");
    EXPECT_STREQ(EIdSocketError(10035).what(), "Socket Error # 10035\r\nOperation would block. ");
    EXPECT_STREQ(EIdSocketError(11001).what(), "Socket Error # 11001\r\n");
    EXPECT_EQ(EIdSocketError(11001).LastError, 11001);
}

TEST(ErrorTexts, ExceptionMessagesAndStatusTexts) {
    EXPECT_STREQ(EIdConnClosedGracefully().what(), "Connection Closed Gracefully.");
    EXPECT_STREQ(EIdAlreadyConnected().what(), "Already connected.");
    EXPECT_STREQ(EIdCouldNotBindSocket().what(),
                 "Could not bind socket. Address and port are already in use.");
    EXPECT_STREQ(EIdNoDataToRead().what(), "No data to read.");
    EXPECT_STREQ(EIdFTPFileAlreadyExists().what(), "Destination file already exists.");
    EIdProtocolReplyError reply(550, "550 No such file");
    EXPECT_STREQ(reply.what(), "550 No such file");
    EXPECT_EQ(reply.ReplyErrorCode, 550);
    EXPECT_EQ(idStatusText(stResolving, "h"), "Resolving hostname h.");
    EXPECT_EQ(idStatusText(stConnecting, "1.2.3.4"), "Connecting to 1.2.3.4.");
    EXPECT_EQ(idStatusText(stConnected, "1.2.3.4"), "Connected.");
    EXPECT_EQ(idStatusText(stDisconnecting, "1.2.3.4"), "Disconnecting from 1.2.3.4.");
    EXPECT_EQ(idStatusText(stDisconnected, "1.2.3.4"), "Disconnected.");
    EXPECT_EQ(idStatusText(stText, "free"), "free");
}

TEST(WorkEvents, OnlyTheOutermostLevelRaisesBeginAndEnd) {
    TIdComponent c;
    std::vector<std::string> seen;
    c.OnWorkBegin = [&](TIdComponent*, TWorkMode m, int64_t max) {
        seen.push_back("begin " + std::to_string(m) + " " + std::to_string(max));
    };
    c.OnWork = [&](TIdComponent*, TWorkMode, int64_t n) {
        seen.push_back("work " + std::to_string(n));
    };
    c.OnWorkEnd = [&](TIdComponent*, TWorkMode m) { seen.push_back("end " + std::to_string(m)); };
    c.DoWork(wkWrite, 10); // outside any work: ignored
    const int64_t big = 5LL << 30;
    c.BeginWork(wkRead, big);
    c.BeginWork(wkRead, 7); // nested: no event, maximum kept
    c.DoWork(wkRead, big - 1);
    c.DoWork(wkRead, 1);
    c.EndWork(wkRead);
    c.EndWork(wkRead);
    c.EndWork(wkRead); // unbalanced end: nothing
    EXPECT_EQ(seen, (Lines{"begin 0 " + std::to_string(big), "work " + std::to_string(big - 1),
                           "work " + std::to_string(big), "end 0"}));
    EXPECT_EQ(c.WorkInfoOf(wkRead).Level, 0);
}

TEST(LogHook, ItemsAndEolReplacement) {
    TIdLogDebug log;
    Lines items, debug;
    log.OnLogItem = [&](const std::string& s) { items.push_back(s); };
    log.DebugOutput = [&](const std::string& s) { debug.push_back(s); };
    log.Connect();
    log.Receive("220 a\r\n220 b\r\n", 14);
    log.Send("user x\r\n", 8);
    log.Receive("", 0);
    log.Disconnect();
    EXPECT_EQ(items, (Lines{"Connected.", "Recv: 220 a<EOL>220 b<EOL>", "Sent: user x<EOL>",
                            "Recv: ", "Disconnected."}));
    EXPECT_EQ(debug.front(), "Connected.\r\n");
    log.Active = false;
    log.Connect();
    EXPECT_EQ(items.size(), 5u);
    log.Active = true;
    log.LogTime = true;
    log.Connect();
    EXPECT_EQ(items.back().rfind("Connected.: ", 0), 0u);
}

TEST(AntiFreeze, OnlyOnePerProgramAndPumpRules) {
    TIdAntiFreeze af;
    EXPECT_EQ(TIdAntiFreeze::Instance(), &af);
    EXPECT_THROW(TIdAntiFreeze second, EIdMoreThanOneTIdAntiFreeze);
    try {
        TIdAntiFreeze second;
    } catch (const EIdMoreThanOneTIdAntiFreeze& e) {
        EXPECT_STREQ(e.what(), "Only one TIdAntiFreeze can exist per application.");
    }
    std::vector<bool> calls;
    af.Pump = [&](bool all) { calls.push_back(all); };
    TIdAntiFreeze::DoProcess(false); // OnlyWhenIdle on: not idle, no pump
    TIdAntiFreeze::DoProcess(true);
    af.OnlyWhenIdle = false;
    af.ApplicationHasPriority = false;
    TIdAntiFreeze::DoProcess(false);
    std::thread([] { TIdAntiFreeze::DoProcess(true); }).join(); // other thread: never
    af.Active = false;
    TIdAntiFreeze::DoProcess(true);
    EXPECT_EQ(calls, (std::vector<bool>{true, false}));
    EXPECT_EQ(TIdAntiFreeze::WaitSlice(), -1); // inactive: plain blocking waits

    // While data flow, a busy interval thins the pumps out; idle waits always pump.
    calls.clear();
    af.Active = true;
    af.BusyPumpInterval = 60000;
    TIdAntiFreeze::DoProcess(false);
    TIdAntiFreeze::DoProcess(false);
    TIdAntiFreeze::DoProcess(true);
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(TIdAntiFreeze::WaitSlice(), 250);
}
