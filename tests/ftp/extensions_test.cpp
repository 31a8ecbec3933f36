// FEAT and the extensions it turns on: text rules, a server that offers nothing (which
// must see exactly the commands of RFC 959 it always saw), EPSV with its fall-back to
// PASV, MLSD listings and file hashes.
#include "fake_server_fixture.h"

#include "ftp/id_exception.h"
#include "ftp/id_ftp_features.h"
#include "ftp/id_stream.h"

#include <ctime>

namespace {

// 2026-03-05 14:07:09 UTC, and "now" a month later.
constexpr std::time_t kNow = 1775390400;

std::string localTimeOf(const char* utc) {
    std::tm t{};
    std::sscanf(utc, "%4d%2d%2d%2d%2d%2d", &t.tm_year, &t.tm_mon, &t.tm_mday, &t.tm_hour, &t.tm_min,
                &t.tm_sec);
    t.tm_year -= 1900;
    t.tm_mon -= 1;
    const std::time_t when = timegm(&t);
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%b %e %H:%M", &local);
    return text;
}

std::string withoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

} // namespace

TEST(ExtensionRules, FeatureListsEpsvEprtAndMlsdLines) {
    const TIdFTPFeatures f = idParseFeatures(
        211, {"211-Features supported:", " EPRT", " EPSV", " MDTM",
              " MLST type*;perm*;size*;modify*;unique*;unix.mode;unix.uid;", " REST STREAM",
              " SIZE", " utf8", " HASH SHA-1;SHA-256*;MD5", "211 End FEAT."});
    EXPECT_TRUE(f.Answered && f.Mlst && f.Utf8 && f.Epsv && f.Eprt && f.Size && f.RestStream);
    EXPECT_EQ(f.HashSelected, "SHA-256");
    EXPECT_EQ(idChooseHash(f).Kind, TIdHashKind::Hash);
    EXPECT_EQ(idMlstOptions(f), "type;size;modify;perm;UNIX.mode;");
    // Refused or any other answer: nothing offered.
    EXPECT_FALSE(idParseFeatures(500, {"500 FEAT not understood"}).Answered);
    EXPECT_FALSE(idParseFeatures(502, {"502 no"}).Mlst);
    EXPECT_EQ(idChooseHash(idParseFeatures(211, {"211-x", " XMD5", "211 end"})).Kind,
              TIdHashKind::Xmd5);

    EXPECT_EQ(idParseEpsvReply("229 Entering Extended Passive Mode (|||6446|)"), 6446);
    EXPECT_EQ(idParseEpsvReply("229 ok (!!!21!)"), 21);
    for (const char* bad :
         {"229 no brackets", "229 (|||0|)", "229 (|||70000|)", "229 (||1|2|)", "229 (|||x|)"})
        EXPECT_THROW(idParseEpsvReply(bad), EConvertError) << bad;
    EXPECT_EQ(idEprtArgument("::1", 50001), "|2|::1|50001|");
    EXPECT_EQ(idEprtArgument("127.0.0.1", 21), "|1|127.0.0.1|21|");

    EXPECT_EQ(idParseHashReply("213 SHA-256 0-49 " + std::string(64, 'A') + " a b.txt"),
              std::string(64, 'a'));
    EXPECT_EQ(idParseHashReply("250 " + std::string(32, 'f')), std::string(32, 'f'));
    EXPECT_EQ(idParseHashReply("213 nothing here 0-49"), "");

    const std::string when = localTimeOf("20260305140709");
    EXPECT_EQ(idMlsdToListLine("type=file;size=5000000000;modify=20260305140709;"
                               "UNIX.mode=0o640;UNIX.uid=1000;UNIX.gid=100; two  blanks.bin",
                               kNow),
              "-rw-r----- 1 1000 100 5000000000 " + when + " two  blanks.bin");
    EXPECT_EQ(idMlsdToListLine("type=dir;perm=flcdmpe;modify=20260305140709; sub", kNow),
              "drwx------ 1 - - 0 " + when + " sub");
    EXPECT_EQ(idMlsdToListLine("type=OS.unix=slink:/etc;modify=20260305140709; etc", kNow),
              "lrw-r--r-- 1 - - 0 " + when + " etc -> /etc");
    EXPECT_EQ(idMlsdToListLine("type=cdir;modify=20260305140709; .", kNow), "");
    EXPECT_EQ(idMlsdToListLine("type=pdir; ..", kNow), "");
    // Older than half a year: the year stands where the time of day was.
    EXPECT_EQ(idMlsdToListLine("type=file;size=1;modify=20200101120000;unix.mode=4755; old", kNow)
                  .substr(0, 20),
              "-rwsr-xr-x 1 - - 1 J");
    EXPECT_NE(
        idMlsdToListLine("type=file;size=1;modify=20200101120000; old", kNow).find(" 2020 old"),
        std::string::npos);
    EXPECT_EQ(idMlsdToListLine("not a fact line", kNow), "not a fact line");
}

class Extensions : public FakeServerTest {
protected:
    void scriptLoginThenFeat(const std::vector<std::string>& featReply) {
        scriptLoginThenFeat(server, featReply);
    }
    static void scriptLoginThenFeat(ftptest::FakeFtpServer& server,
                                    const std::vector<std::string>& featReply) {
        server.scriptLogin("bob", "pw", featReply);
    }
    // A listing, a download and an upload over passive (or active) data connections.
    static void scriptTransfers(ftptest::FakeFtpServer& server, bool passive) {
        auto open = [&] {
            if (passive)
                server.pasv();
            else {
                server.expectPort();
                server.reply("200 port ok");
            }
        };
        auto data = [&] {
            if (passive)
                server.acceptData();
            else
                server.connectData();
        };
        open();
        server.expect("list");
        data();
        server.reply("150 listing");
        server.sendData(ftptest::unixListLine("f.bin", 5));
        server.closeData();
        server.reply("226 done");
        open();
        server.expect("retr f.bin");
        data();
        server.reply("150 sending (5 bytes)");
        server.sendData("12345");
        server.closeData();
        server.reply("226 done");
        open();
        server.expect("STOR up.bin");
        data();
        server.reply("150 go");
        server.receiveData();
        server.reply("226 stored");
    }
    void runTransfers(bool passive) {
        ftp.Passive = passive;
        ftp.OpenSession();
        Lines lines;
        ftp.ListDirectory(lines);
        EXPECT_EQ(lines, Lines{withoutLineEnd(ftptest::unixListLine("f.bin", 5))});
        TIdMemoryStream got;
        ftp.DownloadToStream("f.bin", got);
        EXPECT_EQ(got.Bytes(), "12345");
        TIdMemoryStream source("upload");
        ftp.UploadFromStream(source, "up.bin");
    }
};

// What every server saw before FEAT was read; a server that offers nothing sees it
// still, with FEAT the only new line.
TEST_F(Extensions, ServerOfferingNothingSeesTheCommandsOfBefore) {
    for (const bool passive : {true, false}) {
        for (const char* refusal :
             {"500 FEAT not understood", "502 not implemented", "211 no features"}) {
            SCOPED_TRACE(std::string(refusal) + (passive ? " passive" : " active"));
            ftptest::FakeFtpServer peer;
            ftp.Port = peer.port();
            scriptLoginThenFeat(peer, {refusal});
            scriptTransfers(peer, passive);
            runTransfers(passive);
            ASSERT_TRUE(peer.finished());
            EXPECT_EQ(peer.errors(), "");
            Lines sent = peer.received();
            // The PORT lines carry a fresh port each time: their verb is what counts.
            for (std::string& line : sent)
                if (line.rfind("PORT ", 0) == 0)
                    line = "PORT";
            const std::string open = passive ? "PASV" : "PORT";
            EXPECT_EQ(sent, (Lines{"user bob", "pass pw", "type I", "syst", "FEAT", open, "list",
                                   open, "retr f.bin", open, "STOR up.bin"}));
            EXPECT_FALSE(ftp.Utf8Names());
            ftp.CloseConnection();
        }
    }
}

TEST_F(Extensions, EpsvRefusedFallsBackToPasvForTheRestOfTheSession) {
    scriptLoginThenFeat({"211-Features:", " EPSV", " UTF8", "211 End"});
    server.expect("OPTS UTF8 ON");
    server.reply("200 UTF8 on");
    server.expect("EPSV");
    server.reply("500 EPSV not understood");
    server.pasv();
    server.expect("retr a");
    server.acceptData();
    server.reply("150 go");
    server.sendData("first");
    server.closeData();
    server.reply("226 done");
    // Refused once: PASV straight away from then on.
    server.pasv();
    server.expect("retr b");
    server.acceptData();
    server.reply("150 go");
    server.sendData("second");
    server.closeData();
    server.reply("226 done");
    ftp.OpenSession();
    EXPECT_TRUE(ftp.Utf8Names());
    TIdMemoryStream a, b;
    ftp.DownloadToStream("a", a);
    ftp.DownloadToStream("b", b);
    EXPECT_EQ(a.Bytes(), "first");
    EXPECT_EQ(b.Bytes(), "second");
}

TEST_F(Extensions, EpsvAndMlsdWhenOfferedAndHashesAsked) {
    scriptLoginThenFeat(
        {"211-Features:", " EPSV", " MLST type*;size*;modify*;UNIX.mode;", " XSHA256", "211 End"});
    server.expect("OPTS MLST type;size;modify;UNIX.mode;");
    server.reply("200 MLST OPTS type;size;modify;UNIX.mode;");
    server.epsv();
    server.expect("MLSD");
    server.acceptData();
    server.reply("150 listing");
    server.sendData("type=cdir;modify=20260305140709; /\r\n"
                    "type=file;size=7;modify=20260305140709;UNIX.mode=0644; zeta.txt\r\n"
                    "type=dir;modify=20260305140709;UNIX.mode=0755; alpha\r\n");
    server.closeData();
    server.reply("226 done");
    server.expect("XSHA256 zeta.txt");
    server.reply("250 " + std::string(64, 'C'));
    // A server whose FEAT promised MLST but refuses MLSD is listed with LIST.
    server.epsv();
    server.expect("MLSD");
    server.reply("502 not today");
    server.epsv();
    server.expect("list");
    server.acceptData();
    server.reply("150 listing");
    server.sendData(ftptest::unixListLine("f", 1));
    server.closeData();
    server.reply("226 done");
    ftp.OpenSession();
    Lines lines;
    ftp.ListDirectory(lines);
    // Sorted by name as LIST is, "." left out.
    const std::time_t now = std::time(nullptr);
    EXPECT_EQ(lines,
              (Lines{idMlsdToListLine("type=dir;modify=20260305140709;UNIX.mode=0755; alpha", now),
                     idMlsdToListLine(
                         "type=file;size=7;modify=20260305140709;UNIX.mode=0644; zeta.txt", now)}));
    EXPECT_EQ(lines[0].substr(0, 19), "drwxr-xr-x 1 - - 0 ");
    TIdHashChoice used;
    EXPECT_EQ(ftp.RemoteHash("zeta.txt", used), std::string(64, 'c'));
    EXPECT_EQ(used.Algorithm, "SHA-256");
    ftp.ListDirectory(lines);
    EXPECT_EQ(lines, Lines{withoutLineEnd(ftptest::unixListLine("f", 1))});
}
