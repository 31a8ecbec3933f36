#include "session/listing_line.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

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
        EXPECT_EQ(p.name.toStdString(), std::string(c.name)) << c.line;
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
        // the last day of a long month, in every position a day can take
        {"-rw-r--r--   1 ftp      ftp           640 Jan 31 23:59 month end.csv", "month end.csv",
         false},
        {"drwxr-xr-x   2 ftp      ftp          4096 Dec 31  1999 y2k", "y2k", true},
        {"-rw-r--r--  1 user group 10 31 Jan 07:08 dayfirst 31.txt", "dayfirst 31.txt", false},
    });
}

TEST(ListingLine, ReadsUnixLinesFromServersInOtherLocales) {
    expectEntries({
        // Japanese and Chinese ls: month and day carry a unit, the year may too (UTF-8)
        {"-rw-r--r--   1 taro     staff      20480  6\xE6\x9C\x88  3\xE6\x97\xA5  "
         "2003\xE5\xB9\xB4 \xE5\xA0\xB1\xE5\x91\x8A.doc",
         "\xE5\xA0\xB1\xE5\x91\x8A.doc", false},
        {"drwxr-xr-x   2 wang     wang        4096 10\xE6\x9C\x88 17 15:13 photos 2003",
         "photos 2003", true},
        // Korean ls: year, month and day, each with its unit
        {"-rw-r--r--   1 minsu    users        812 2005\xEB\x85\x84  1\xEC\x9B\x94  "
         "6\xEC\x9D\xBC memo 1.txt",
         "memo 1.txt", false},
        // the same units in Shift-JIS (a trail byte may be ASCII: "\x94N") and in EUC-KR
        {"-rw-r--r--   1 taro     staff        100  3\x8C\x8E  2\x93\xFA  2003\x94N "
         "\x83t\x83@\x83"
         "C\x83\x8B.txt",
         "\x83t\x83@\x83"
         "C\x83\x8B.txt",
         false},
        {"drwxr-xr-x   2 minsu    users       4096 2005\xB3\xE2 11\xBF\xF9 26\xC0\xCF "
         "\xB8\xDE\xB8\xF0",
         "\xB8\xDE\xB8\xF0", true},
        // numeric month (HP-UX in some locales), month-day without a month word
        {"-rw-r--r--   1 root     other        531 3 29 03:26 README 2", "README 2", false},
        {"-rw-r--r--   1 ftp      ftp        12345 09-26 2000 install.log", "install.log", false},
        {"drwxr-xr-x   2 ftp      ftp         4096 09-26 13:45 incoming", "incoming", true},
        // whole dates in one word, with and without a time (embedded and NAS servers)
        {"-rw-r--r--   1 ftp      ftp          100 1999/10/12 17:12 old notes.txt", "old notes.txt",
         false},
        {"-rw-r--r--   1 ftp      ftp          100 24-04-2003 17:12 raport.pdf", "raport.pdf",
         false},
        {"-rw-r--r--   1 ftp      ftp          100 2004.07.15 dump 12.sql", "dump 12.sql", false},
        {"drwxr-xr-x   1 ftp      ftp          512 01-jun-99 letters", "letters", true},
        // a comma after the day and a time after the year (a Windows-hosted Unix emulation)
        {"-rw-r--r--   1 ftp      ftp          100 Oct 08, 2002 09:47 minutes.doc", "minutes.doc",
         false},
        // BSD "ls -lT": the time with seconds, then the year
        {"-rw-r--r--   1 ftp      ftp          100 Jan 10 12:34:56 2003 full.txt", "full.txt",
         false},
    });
}

TEST(ListingLine, ReadsSizesThatAreNotPlainNumbers) {
    expectEntries({
        // "ls -lh" on Linux and BusyBox
        {"-rw-r--r--   1 ann      ann         9.0M Jan 10 12:34 video.mp4", "video.mp4", false},
        {"-rw-r--r--   1 ann      ann        61.8M Feb  2  2019 disk image.iso", "disk image.iso",
         false},
        {"-rw-r--r--   1 ann      ann       172.4k Mar  3 09:15 photo.jpg", "photo.jpg", false},
        {"drwxr-xr-x   2 ann      ann         4.0K Mar  3 09:15 src", "src", true},
        // device numbers: Solaris glues minor to major, Linux puts a blank between
        {"crw-rw-rw-   1 root     sys      109,767 Jan 10 12:34 zero", "zero", false},
        {"crw-rw----   1 root     tty        0, 27 Jan 10 12:34 ttyS5", "ttyS5", false},
    });
    EXPECT_EQ(parseLine("total 12K").kind, LineKind::Summary);
}

TEST(ListingLine, PlacesTheNameByTheColumnsOfTheYear) {
    expectEntries({
        // a server that left-aligns the year in its five-character column
        {"-rw-r--r--   1 bob      users       4096 Feb 18 2005  Q7D2_318.fmr", "Q7D2_318.fmr",
         false},
        {"drwxr-xr-x   2 bob      users       4096 Jan  1 1999  archive", "archive", true},
        {"-rw-r--r--   1 bob      users         10 Feb 18 2005   lead", " lead", false},
        // ls right-aligns it, and a name beginning with blanks keeps them
        {"-rw-r--r--   1 bob      users         10 Feb 18  2005  lead", " lead", false},
        // a server that puts single blanks everywhere
        {"-rw-r--r-- 1 bob users 10 Feb 18 2005 tight", "tight", false},
    });
}

TEST(ListingLine, ReadsPermissionColumnsOfOtherWidths) {
    expectEntries({
        // an ACL mark with the link count glued to it (Solaris, large folders)
        {"drwxr-x---+1464 chris    staff      51200 Jan 10 12:34 shared", "shared", true},
        // a nine-character mode (an embedded server)
        {"drw-r--rw   1 root     root        1024 Jan 10 12:34 nine", "nine", true},
        {"-rw-r--r-   1 root     root        1024 Jan 10 12:34 nine.txt", "nine.txt", false},
        // SELinux context mark (Red Hat family)
        {"-rw-r--r--.  1 root     root        1024 Jan 10 12:34 selinux.conf", "selinux.conf",
         false},
        {"drwxr-xr-x.  3 root root 4096 Jan 10 12:34 labelled dir", "labelled dir", true},
    });
    const auto link = parseLine("lrwxrwxrwx.  1 root root 7 Jan 10 12:34 bin -> usr/bin");
    EXPECT_TRUE(link.isLink);
    EXPECT_EQ(link.name, "bin");
    EXPECT_EQ(link.linkTarget, "usr/bin");
}

TEST(ListingLine, ReadsLinesWithoutADateAndOwnersOfSeveralWords) {
    expectEntries({
        // a server that sends no date at all
        {"drwxr-xr-x 3 olaf build 512 2-builds-nightly", "2-builds-nightly", true},
        {"-rw-r--r-- 1 olaf build 9120 notes on 3 builds.txt", "notes on 3 builds.txt", false},
        // Cygwin: Windows account and group names hold blanks
        {"-rwxr-xr-x 1 Jan Kowalski Domain Users 16384 Feb  3 09:12 raport.doc", "raport.doc",
         false},
        {"drwx------+ 1 NT AUTHORITY\\SYSTEM BUILTIN\\Administrators 0 Nov 21  2010 System "
         "Volume Information",
         "System Volume Information", true},
        {"-rw-r--r-- 1 Maria de la Cruz Garcia Power Users Of The Lab 123 Dec 31 23:59 x y", "x y",
         false},
    });
}

TEST(ListingLine, PrefersTheDateThatKeepsTheNameWhole) {
    expectEntries({
        // owner "ftp", numeric group 12 and size 2003 look like "month day year"
        {"-rw-r--r-- 1 ftp 12 2003 Jan 10 12:34 ledger", "ledger", false},
        // a localised date, then a name that begins with a date of its own
        {"-rw-r--r--  1 ewa ewa 10 pa\x9F 12  2020 2021-05-06 07:08 photo.jpg",
         "2021-05-06 07:08 photo.jpg", false},
        {"-rw-r--r--  1 root other 531 3 29 03:26 09-26 13:45 log", "09-26 13:45 log", false},
        // a one-word date followed by a lone time: that time is the name
        {"-rw-r--r--  1 ftp ftp 100 2004.07.15 12:00", "12:00", false},
    });
    // Unreadable lines still keep themselves whole.
    for (const QByteArray& line :
         {QByteArray("-rw-r--r-- owner group"), QByteArray("drwxr-x---+1464 chris staff 51200"),
          QByteArray("-rw-r--r-- 1 u g 10 Oct 08, 2002")}) {
        const auto p = parseLine(line);
        EXPECT_EQ(p.format, LineFormat::Unreadable) << line.constData();
        EXPECT_EQ(p.name, line);
    }
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
