// Any name a server can hold, put into every line form the parser reads,
// comes back byte for byte: blanks inside and around it, digits, colons,
// arrows and bytes of any code page.

#include "session/listing_line.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using listing::LineFormat;
using listing::LineKind;
using listing::parseLine;

namespace {

struct Form {
    const char* prefix; // for Unix forms: everything after the type letter, up to the name
    LineFormat format;
    // What each form cannot tell apart from its own columns: a name that
    // begins with a blank (DOS pads its columns with blanks), a name that
    // begins with a time (a date without one may be followed by its time),
    // and dates inside the name when the line has no date of its own.
    bool leadingBlankAllowed = true;
    bool leadingTimeAllowed = true;
    bool digitsAllowed = true;
};

const Form kForms[] = {
    // GNU ls, vsftpd, ProFTPD, pyftpdlib, Pure-FTPd, BusyBox
    {"rwxr-xr-x   2 user     group        4096 Jan 10 12:34 ", LineFormat::Unix},
    {"rw-r--r--   1 user     group        1234 Jan 10  2003 ", LineFormat::Unix},
    {"rw-r--r--   1 0        0              12 Jan 31 23:59 ", LineFormat::Unix},
    {"rw-r--r-- 1 5120 Apr  1 10:00 ", LineFormat::Unix},
    {"rw-r--r-- 5120 Apr  1 10:00 ", LineFormat::Unix},
    {"rw-r--r--  1 user group 10 2021-05-06 07:08 ", LineFormat::Unix},
    {"rw-r--r--  1 user group 10 6 May 07:08 ", LineFormat::Unix},
    {"rw-r--r--  1 user group 10 pa\x9F 12  2020 ", LineFormat::Unix},
    {"rw-r--r--  1 user group 10 Jan 10 12:34:56 2003 ", LineFormat::Unix},
    // left-aligned year
    {"rw-r--r--   1 bob      users        4096 Feb 18 2005  ", LineFormat::Unix},
    // CJK dates in UTF-8, Shift-JIS and EUC-KR
    {"rw-r--r--  1 taro staff 10  6\xE6\x9C\x88  3\xE6\x97\xA5  2003\xE5\xB9\xB4 ",
     LineFormat::Unix},
    {"rw-r--r--  1 taro staff 10  3\xE6\x9C\x88  2 15:13 ", LineFormat::Unix},
    {"rw-r--r--  1 minsu users 10 2005\xEB\x85\x84  1\xEC\x9B\x94  6\xEC\x9D\xBC ",
     LineFormat::Unix, true, false},
    {"rw-r--r--  1 taro staff 10  3\x8C\x8E  2\x93\xFA  2003\x94N ", LineFormat::Unix},
    {"rw-r--r--  1 minsu users 10 2005\xB3\xE2 11\xBF\xF9 26\xC0\xCF ", LineFormat::Unix, true,
     false},
    // numeric and one-word dates
    {"rw-r--r--   1 root     other         531 3 29 03:26 ", LineFormat::Unix},
    {"rw-r--r--   1 ftp      ftp         12345 09-26 2000  ", LineFormat::Unix},
    {"rw-r--r--   1 ftp      ftp          4096 09-26 13:45 ", LineFormat::Unix},
    {"rw-r--r--   1 ftp      ftp           100 1999/10/12 17:12 ", LineFormat::Unix},
    {"rw-r--r--   1 ftp      ftp           100 24-04-2003 17:12 ", LineFormat::Unix},
    {"rw-r--r--   1 ftp      ftp           100 2004.07.15 ", LineFormat::Unix, true, false},
    {"rw-r--r--   1 ftp      ftp           100 01-jun-99 ", LineFormat::Unix, true, false},
    {"rw-r--r--   1 ftp      ftp           100 Oct 08, 2002 09:47 ", LineFormat::Unix},
    // sizes that are not plain numbers, device numbers
    {"rw-r--r--   1 ann      ann          9.0M Jan 10 12:34 ", LineFormat::Unix},
    {"rw-r--r--   1 ann      ann        172.4k Mar  3 09:15 ", LineFormat::Unix},
    {"rw-rw-rw-   1 root     sys       109,767 Jan 10 12:34 ", LineFormat::Unix},
    {"rw-rw----   1 root     tty         0, 27 Jan 10 12:34 ", LineFormat::Unix},
    // permission columns of other widths
    {"rwxr-x---+1464 chris    staff      51200 Jan 10 12:34 ", LineFormat::Unix},
    {"rw-r--rw   1 root     root        1024 Jan 10 12:34 ", LineFormat::Unix},
    {"rw-r--r--.  1 root     root        1024 Jan 10 12:34 ", LineFormat::Unix},
    {"rw-r--r--+  3 user group 4096 Jan 10 12:34 ", LineFormat::Unix},
    // owners of several words, no date at all
    {"rwxr-xr-x 1 Jan Kowalski Domain Users 16384 Feb  3 09:12 ", LineFormat::Unix},
    {"rwxr-xr-x 3 olaf build 512 ", LineFormat::Unix, true, true, false},
    // IIS and other DOS-style servers
    {"01-02-03  10:20AM       <DIR>          ", LineFormat::Dos, false},
    {"01-02-03  10:20AM                 1234 ", LineFormat::Dos, false},
    {"01-02-2003  22:05       <DIR>          ", LineFormat::Dos, false},
    {"12-31-99  11:59PM              1,234 ", LineFormat::Dos, false},
    {"01/02/2003  10:20 AM    <DIR>          ", LineFormat::Dos, false},
    {"2003-01-02  10:20                  77 ", LineFormat::Dos, false},
};

bool startsWithTime(const QByteArray& name) {
    const qsizetype end = name.indexOf(' ');
    const QByteArray word = end < 0 ? name : name.left(end);
    return word.contains(':');
}

class NameMaker {
public:
    explicit NameMaker(unsigned seed) : random_(seed) {}

    QByteArray make(const Form& form, bool forLink) {
        for (;;) {
            QByteArray name;
            const int length = 1 + int(random_() % 24);
            for (int i = 0; i < length; ++i)
                name.append(pick(form.digitsAllowed, forLink));
            if (name.trimmed().isEmpty())
                continue;
            if (!form.leadingBlankAllowed && name.startsWith(' '))
                continue;
            if (!form.leadingTimeAllowed && startsWithTime(name))
                continue;
            return name;
        }
    }

private:
    char pick(bool digitsAllowed, bool forLink) {
        // A link's own name cannot hold its arrow; its target can.
        static const QByteArray plain = "  ab.Z_-,:";
        static const QByteArray digits = "0123456789  :";
        switch (random_() % 6) {
        case 0:
            return digitsAllowed ? digits[int(random_() % digits.size())] : 'q';
        case 1:
            return forLink ? '~' : '>';
        case 2:
            return char(0x80 + random_() % 0x80);
        default:
            return plain[int(random_() % plain.size())];
        }
    }

    std::mt19937 random_;
};

} // namespace

TEST(ListingLineProperty, EveryNameComesBackByteForByteInEveryForm) {
    NameMaker names(20240611);
    for (const Form& form : kForms) {
        for (int round = 0; round < 300; ++round) {
            const char type = form.format == LineFormat::Dos ? 0 : "-dl"[round % 3];
            const bool link = type == 'l';
            const QByteArray name = names.make(form, link);
            QByteArray line = type ? QByteArray(1, type) : QByteArray();
            line += form.prefix;
            line += name;
            QByteArray target;
            if (link) {
                target = names.make(form, false);
                line += " -> " + target;
            }
            line += "\r\n";
            const auto parsed = parseLine(line);
            const std::string shown = line.toHex(' ').toStdString();
            ASSERT_EQ(parsed.kind, LineKind::Entry) << shown;
            ASSERT_EQ(parsed.format, form.format) << shown;
            ASSERT_EQ(parsed.name.toHex(' ').toStdString(), name.toHex(' ').toStdString()) << shown;
            if (type) {
                ASSERT_EQ(parsed.isFolder, type == 'd') << shown;
                ASSERT_EQ(parsed.isLink, link) << shown;
                ASSERT_EQ(parsed.linkTarget, target) << shown;
            }
        }
    }
}
