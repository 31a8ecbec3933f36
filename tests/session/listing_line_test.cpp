#include "session/listing_line.h"

#include <gtest/gtest.h>

#include <random>

using listing::LineFormat;
using listing::LineKind;
using listing::parseLine;

namespace {

struct Expect {
    const char* line;
    const char* name;
    bool folder;
};

void expectEntries(std::initializer_list<Expect> cases) {
    for (const Expect& c : cases) {
        const listing::ParsedLine p = parseLine(QByteArray(c.line));
        EXPECT_EQ(p.kind, LineKind::Entry) << c.line;
        EXPECT_EQ(p.name, QByteArray(c.name)) << c.line;
        EXPECT_EQ(p.isFolder, c.folder) << c.line;
    }
}

} // namespace

TEST(ListingLine, ReadsEveryRowOfTheReferenceTableWithWholeNames) {
    expectEntries({
        {"drwxr-xr-x   2 user     group        4096 Jan 10 12:34 docs", "docs", true},
        {"-rw-r--r--   1 user     group        1234 Jan 10  2003 notes.txt", "notes.txt", false},
        {"-rw-r--r--   1 user     group          99 Jan 10 12:34 part 2 final", "part 2 final",
         false},
        {"-rw-r--r--   1 user     group          55 Jan 10 12:34 time 10:30 log", "time 10:30 log",
         false},
        {"01-02-03  10:20AM       <DIR>          docs", "docs", true},
        {"01-02-03  10:20AM                 1234 notes.txt", "notes.txt", false},
        {"-rw-r--r--   1 1000     1000          55 Jan 10 12:34 a.txt", "a.txt", false},
    });
    const auto total = parseLine("total 24");
    EXPECT_EQ(total.kind, LineKind::Summary);
}

TEST(ListingLine, SymbolicLinkOperationsUseTheLinkName) {
    const auto p =
        parseLine("lrwxrwxrwx   1 user     group          11 Jan 10 12:34 www -> public_html");
    EXPECT_TRUE(p.isLink);
    EXPECT_FALSE(p.isFolder);
    EXPECT_EQ(p.name, "www");
    EXPECT_EQ(p.linkTarget, "public_html");
    EXPECT_EQ(listing::captionOf(p), "www -> public_html");
}

TEST(ListingLine, ReadsUnixLinesOfSeveralServerKinds) {
    expectEntries({
        // pyftpdlib, vsftpd (numeric owner), ProFTPD, a listing without owner and group
        {"-rw-r--r--   1 ftp      ftp          1024 Mar 03 09:15 readme", "readme", false},
        {"drwxr-xr-x    2 0        0            4096 Feb 17  2021 pub", "pub", true},
        {"-rw-r--r--   1 ftp ftp  75 Dec  1 23:59 a b  c", "a b  c", false},
        {"-rw-r--r-- 1 5120 Apr  1 10:00 nogroup.bin", "nogroup.bin", false},
        {"-rw-r--r-- 5120 Apr  1 10:00 nolinks.bin", "nolinks.bin", false},
        // FileZilla Server, Pure-FTPd, BusyBox
        {"-rw-r--r-- 1 ftp ftp         7340032 Feb 02  2022 setup 1.2.exe", "setup 1.2.exe", false},
        {"drwxr-xr-x    2 1000       1000             4096 Mar  3 09:15 www", "www", true},
        {"-rw-r--r--    1 0        0               12 Jan  1  1970 epoch", "epoch", false},
        // device files carry "major, minor" where the size stands
        {"crw-rw-rw-   1 root     root       1,   3 Jan 10 12:34 null", "null", false},
        {"brw-rw----   1 root     disk       8,   0 Jan 10 12:34 sda", "sda", false},
        // ACL marks, long-iso dates, day-first dates, localised month names
        {"drwxr-xr-x+  3 user group 4096 Jan 10 12:34 with acl", "with acl", true},
        {"-rw-r--r--  1 user group 10 2021-05-06 07:08 iso.txt", "iso.txt", false},
        {"-rw-r--r--  1 user group 10 6 May 07:08 dayfirst.txt", "dayfirst.txt", false},
        {"-rw-r--r--  1 user group 10 paź 12 2020 polish.txt", "polish.txt", false},
        // a name that looks like a date, names with digits, colons and leading blanks
        {"-rw-r--r--  1 u g 10 Jan 10 12:34 Feb 11 2020 copy", "Feb 11 2020 copy", false},
        {"-rw-r--r--  1 u g 10 Jan 10 12:34 12:00 1 2 3", "12:00 1 2 3", false},
        {"-rw-r--r--  1 u g 10 Jan 10 12:34   padded", "  padded", false},
        // the listing line itself indented
        {"   -rw-r--r--  1 u g 10 Jan 10 12:34 indented", "indented", false},
    });
}

TEST(ListingLine, ReadsDosLinesWithEitherClockAndYearForm) {
    expectEntries({
        {"01-02-2003  22:05       <DIR>          Program Files", "Program Files", true},
        {"12-31-99  11:59PM              1,234 budget 2 final.xls", "budget 2 final.xls", false},
        {"01/02/2003  10:20 AM    <DIR>          spaced meridiem", "spaced meridiem", true},
        {"2003-01-02  10:20                  77 iso.dat", "iso.dat", false},
        {"01-02-03  10:20AM       <dir>          lower", "lower", true},
    });
    EXPECT_EQ(parseLine("01-02-03  10:20AM       <DIR>          docs").format, LineFormat::Dos);
}

TEST(ListingLine, KeepsAnUnreadableLineWholeAndSkipsBlankOnes) {
    const QByteArray odd = "this is not a listing line: 12 34";
    const auto p = parseLine(odd);
    EXPECT_EQ(p.kind, LineKind::Entry);
    EXPECT_EQ(p.format, LineFormat::Unreadable);
    EXPECT_EQ(p.name, odd);
    EXPECT_FALSE(p.isFolder);

    EXPECT_EQ(parseLine("").kind, LineKind::Summary);
    EXPECT_EQ(parseLine("   \t ").kind, LineKind::Summary);
    EXPECT_EQ(parseLine("total 0").kind, LineKind::Summary);
    // A permission string with nothing after it is not an entry with an empty name.
    EXPECT_EQ(parseLine("drwxr-xr-x 2 u g 4096 Jan 10 12:34").name,
              "drwxr-xr-x 2 u g 4096 Jan 10 12:34");

    const QByteArray huge = "-rw-r--r-- 1 u g 10 Jan 10 12:34 " + QByteArray(200000, 'x');
    EXPECT_EQ(parseLine(huge).name.size(), 200000);
    const QByteArray noise(100000, ' ');
    EXPECT_EQ(parseLine(noise + "x").name, noise + "x");
}

TEST(ListingLine, SendsBackTheReceivedBytesAndShowsThemDecoded) {
    // "zażółć" in UTF-8 and "łódź" in Windows-1250 ("\xB3\xF3d\x9F").
    const auto utf8 =
        parseLine("-rw-r--r-- 1 u g 10 Jan 10 12:34 za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87");
    EXPECT_EQ(utf8.name, "za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87");
    EXPECT_EQ(listing::captionOf(utf8), QString::fromUtf8("zażółć"));

    const auto cp1250 = parseLine("-rw-r--r-- 1 u g 10 Jan 10 12:34 \xB3\xF3\x64\x9F");
    EXPECT_EQ(cp1250.name, "\xB3\xF3\x64\x9F");
    EXPECT_EQ(listing::captionOf(cp1250), QString::fromUtf8("łódź"));

    const auto broken = parseLine("\xFF\xFE garbage \xC3");
    EXPECT_EQ(broken.name, "\xFF\xFE garbage \xC3");
    EXPECT_FALSE(listing::captionOf(broken).isEmpty());
}

TEST(ListingLine, AttributeColumnIsTheFirstTenCharacters) {
    EXPECT_EQ(listing::attributesOf("drwxr-xr-x   2 user group 4096 Jan 10 12:34 docs"),
              "drwxr-xr-x");
    EXPECT_EQ(listing::attributesOf("01-02-03  10:20AM       <DIR>          docs"), "01-02-03  ");
    EXPECT_EQ(listing::attributesOf("total 0"), "total 0");
}

TEST(ListingLine, RandomBytesNeverLoseTheLine) {
    // Whatever a server sends, an entry has a name, and a name is part of its line.
    std::mt19937 random(1234);
    const QByteArray alphabet = "drwx-lbc 0123456789:<DIR>JanFebtotal ->\t\xC5\xBC\xFF\x9F";
    for (int i = 0; i < 20000; ++i) {
        QByteArray line;
        const int length = int(random() % 90);
        for (int j = 0; j < length; ++j)
            line.append(alphabet[int(random() % alphabet.size())]);
        const auto p = parseLine(line);
        if (p.kind == LineKind::Summary)
            continue;
        ASSERT_FALSE(p.name.isEmpty()) << line.toHex().constData();
        ASSERT_TRUE(line.contains(p.name)) << line.toHex().constData();
        if (p.isLink && !p.linkTarget.isEmpty()) {
            ASSERT_TRUE(line.endsWith(p.linkTarget));
        }
    }
}
