// What the launcher hands to the desktop: mailto: addresses and web addresses.

#include "addressbook/mail_launch.h"

#include <gtest/gtest.h>

namespace {

std::string mailto(const QString& address, const QString& subject, const QStringList& body) {
    return launcher::mailtoAddress(address, subject, body).toStdString();
}

TEST(Mailto, PlainMessagesKeepTheirForm) {
    EXPECT_EQ(mailto("anna@example.com", "Hi", {"x", "y"}),
              "mailto:anna@example.com?Subject=Hi&Body=%0D%0Ax%0D%0Ay");
    EXPECT_EQ(mailto("anna@example.com", "Hi", {"x"}),
              "mailto:anna@example.com?Subject=Hi&Body=%0D%0Ax");
    EXPECT_EQ(mailto("anna@example.com", "Hi", {}), "mailto:anna@example.com?Subject=Hi&Body=");
    EXPECT_EQ(mailto("", "", {}), "mailto:?Subject=&Body=");
}

TEST(Mailto, SubjectAndBodyCannotCutOrExtendTheMessage) {
    // "&" would start a new field, "#" end the address, "?" and "%" confuse
    // the query: all of them arrive as typed.
    EXPECT_EQ(mailto("anna@example.com", "Tom & Jerry #1", {"a&b=c", "#2 ?x 100%"}),
              "mailto:anna@example.com?Subject=Tom%20%26%20Jerry%20%231"
              "&Body=%0D%0Aa%26b%3Dc%0D%0A%232%20%3Fx%20100%25");
    // Letters outside ASCII travel as UTF-8.
    EXPECT_EQ(mailto("a@b.pl", QString::fromUtf8("Zażółć"), {}),
              "mailto:a@b.pl?Subject=Za%C5%BC%C3%B3%C5%82%C4%87&Body=");
    // An address cannot smuggle in a subject of its own.
    EXPECT_EQ(mailto("a@b.pl?cc=x@y.pl", "", {}), "mailto:a@b.pl%3Fcc=x@y.pl?Subject=&Body=");
}

TEST(Mailto, MemoLinesCountAsTheMemoShowsThem) {
    EXPECT_EQ(launcher::memoLines(""), QStringList());
    EXPECT_EQ(launcher::memoLines("x"), QStringList({"x"}));
    EXPECT_EQ(launcher::memoLines("x\ny\n"), QStringList({"x", "y"}));
    EXPECT_EQ(launcher::memoLines("x\r\n\ny"), QStringList({"x", "", "y"}));
}

TEST(WebAddress, EmptyFieldAndWhatABrowserOpens) {
    EXPECT_TRUE(launcher::webFieldEmpty(""));
    EXPECT_TRUE(launcher::webFieldEmpty("http://"));
    EXPECT_TRUE(launcher::webFieldEmpty("HTTP://"));
    EXPECT_FALSE(launcher::webFieldEmpty("http://a.pl"));

    for (const char* fine :
         {"http://example.com/a?b=c#d", "https://www.example.com", "ftp://ftp.gnu.org/gnu/",
          "www.example.com", "example.com/path/page.html", "localhost:8080", "HTTP://EXAMPLE.COM",
          "192.168.1.10"})
        EXPECT_TRUE(launcher::isWebAddress(fine)) << fine;
    for (const char* refused :
         {"rm -rf /", "/usr/bin/xterm", "~/notes.txt", "./run.sh", "file:///etc/passwd",
          "javascript:alert(1)", "mailto:a@b.pl", "C:\\Windows\\notepad.exe", "calc", "http://",
          "smb://server/share", " www.example.com", "www.exa mple.com", ""})
        EXPECT_FALSE(launcher::isWebAddress(refused)) << refused;
}

} // namespace
