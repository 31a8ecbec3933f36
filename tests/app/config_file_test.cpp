#include "app/config_file.h"
#include "platform/text_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Konf {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("konf.dat"));
    Settings settings;

    Konf() { settings.defaultFolder = QStringLiteral("unchanged"); }

    config::KonfRead read(const QStringList& lines) {
        textfile::writeLines(path, lines);
        return config::readKonf(path, settings);
    }
};

TEST(KonfDat, LineCountsDecideTheDefaultFolder) {
    Konf ten;
    auto r = ten.read({"1", "0", "1", "1", "2", "-2147483624", "0", "1", "7", "0"});
    EXPECT_TRUE(r.exists);
    EXPECT_EQ(r.badLine, 0);
    EXPECT_EQ(ten.settings.language, 2);
    EXPECT_FALSE(ten.settings.polish());
    EXPECT_EQ(ten.settings.fieldBackground, -2147483624);
    EXPECT_EQ(ten.settings.defaultFolder, QStringLiteral("unchanged")); // no line 11
    EXPECT_TRUE(r.reached(config::KonfLine::AutoReconnect));

    Konf twelve;
    twelve.read({"1", "0", "1", "1", "1", "0", "0", "1", "7", "0", "/first", "/second"});
    EXPECT_EQ(twelve.settings.defaultFolder, QStringLiteral("/second"));

    Konf shortFile;
    shortFile.settings.startCategory = 42;
    auto s = shortFile.read({"1", "1", "0"});
    EXPECT_TRUE(shortFile.settings.startMaximised);
    EXPECT_TRUE(shortFile.settings.passiveMode);
    EXPECT_FALSE(shortFile.settings.serverListOnly);
    EXPECT_EQ(shortFile.settings.startCategory, 42); // untouched
    EXPECT_TRUE(s.reached(config::KonfLine::ServerListOnly));
    EXPECT_FALSE(s.reached(config::KonfLine::LogPane));
}

TEST(KonfDat, GarbageStopsReadingButKeepsWhatWasRead) {
    Konf k;
    auto r = k.read({"1", "1", "x1", "1", "1"});
    EXPECT_EQ(r.badLine, 3);
    EXPECT_EQ(r.badText, QStringLiteral("x1"));
    EXPECT_TRUE(k.settings.startMaximised);
    EXPECT_TRUE(k.settings.passiveMode);
    EXPECT_FALSE(k.settings.logPane);
    EXPECT_EQ(k.settings.language, 0);
    EXPECT_TRUE(r.reached(config::KonfLine::PassiveMode));
    EXPECT_FALSE(r.reached(config::KonfLine::ServerListOnly));
    EXPECT_FALSE(r.reached(config::KonfLine::Language));

    Konf missing;
    auto m = config::readKonf(missing.path, missing.settings);
    EXPECT_FALSE(m.exists);
    EXPECT_EQ(m.linesRead, 0);

    // The built-in settings round-trip through the file format.
    const Settings builtIn = config::builtInSettings(QStringLiteral("/home/user"));
    Konf again;
    again.read(config::konfLines(builtIn));
    EXPECT_EQ(config::konfLines(again.settings), config::konfLines(builtIn));
    EXPECT_TRUE(again.settings.startMaximised);
    EXPECT_TRUE(again.settings.serverListOnly);
    EXPECT_EQ(again.settings.startCategory, 7);
    EXPECT_EQ(again.settings.defaultFolder, QStringLiteral("/home/user"));
}

// Files as earlier versions of the program wrote them (and as the
// screenshot script and the test homes write them), read into settings and
// written back. A full file comes back byte for byte; a short file, or one
// with a line that is not a number, gives what those versions wrote after
// reading it: the lines read, then the settings it did not reach as they
// stood before reading.
TEST(KonfDat, FilesOfEarlierVersionsComeBackByteForByte) {
    struct Case {
        const char* what;
        QByteArray file;
        QByteArray written;
    };
    const QByteArray screenshot("0\r\n1\r\n0\r\n1\r\n1\r\n-2147483624\r\n0\r\n1\r\n7\r\n0\r\n"
                                "/tmp/korvante-shot\r\n");
    const QByteArray englishNoTrace("0\r\n1\r\n0\r\n0\r\n0\r\n-2147483624\r\n0\r\n1\r\n0\r\n0\r\n"
                                    "/tmp/korvante-shot\r\n");
    const QByteArray testHome("1\r\n0\r\n1\r\n1\r\n0\r\n-2147483624\r\n0\r\n1\r\n8\r\n0\r\n"
                              "/tmp/home\r\n");
    // Colours from the pickers, the wizard category, a Windows-1250 folder.
    const QByteArray chosen("0\r\n1\r\n0\r\n1\r\n0\r\n255\r\n16711680\r\n1\r\n9\r\n1\r\n"
                            "C:\\M\xf3j katalog\r\n");
    // A folder Windows-1250 cannot hold: UTF-8 with a byte-order mark.
    const QByteArray utf8("\xef\xbb\xbf"
                          "1\r\n0\r\n1\r\n1\r\n1\r\n-2147483624\r\n0\r\n1\r\n7\r\n0\r\n"
                          "/home/u\xe6\x96\x87\r\n");
    const QByteArray tooShort("1\r\n1\r\n0\r\n");
    const QByteArray notANumber("1\r\n1\r\nx1\r\n1\r\n1\r\n");
    const QByteArray ten("1\r\n0\r\n1\r\n1\r\n2\r\n-2147483624\r\n0\r\n1\r\n7\r\n0\r\n");
    const QByteArray twelve("1\r\n0\r\n1\r\n1\r\n1\r\n0\r\n0\r\n1\r\n7\r\n0\r\n/first\r\n"
                            "/second\r\n");
    const Case cases[] = {
        {"screenshot home", screenshot, screenshot},
        {"English, no log pane", englishNoTrace, englishNoTrace},
        {"test home", testHome, testHome},
        {"chosen colours and folder", chosen, chosen},
        {"UTF-8 folder", utf8, utf8},
        {"three lines", tooShort,
         "1\r\n1\r\n0\r\n0\r\n0\r\n-2147483624\r\n0\r\n0\r\n0\r\n0\r\n\r\n"},
        {"third line not a number", notANumber,
         "1\r\n1\r\n0\r\n0\r\n0\r\n-2147483624\r\n0\r\n0\r\n0\r\n0\r\n\r\n"},
        {"no folder line", ten, "1\r\n0\r\n1\r\n1\r\n2\r\n-2147483624\r\n0\r\n1\r\n7\r\n0\r\n\r\n"},
        {"two folder lines", twelve,
         "1\r\n0\r\n1\r\n1\r\n1\r\n0\r\n0\r\n1\r\n7\r\n0\r\n/second\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("konf.dat"));
        ASSERT_TRUE(textfile::writeBytes(path, c.file));
        Settings settings;
        config::readKonf(path, settings);
        ASSERT_TRUE(textfile::writeLines(path, config::konfLines(settings)));
        EXPECT_EQ(textfile::readBytes(path), c.written);
    }

    // The named settings of one of them.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("konf.dat"));
    textfile::writeBytes(path, chosen);
    Settings s;
    config::readKonf(path, s);
    EXPECT_FALSE(s.startMaximised);
    EXPECT_TRUE(s.passiveMode);
    EXPECT_FALSE(s.serverListOnly);
    EXPECT_TRUE(s.logPane);
    EXPECT_EQ(s.language, 0);
    EXPECT_EQ(s.fieldBackground, 255);
    EXPECT_EQ(s.fieldText, 16711680);
    EXPECT_TRUE(s.hidePasswordInLog);
    EXPECT_EQ(s.startCategory, 9);
    EXPECT_TRUE(s.autoReconnect);
    EXPECT_EQ(s.defaultFolder, QString::fromUtf8("C:\\Mój katalog"));
}

TEST(RozDat, MissingFileIsCreatedWithTheDefaultWidth) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("roz.dat"));
    bool ok = true;
    config::readRoz(path, &ok);
    EXPECT_FALSE(ok);
    ASSERT_TRUE(config::writeRoz(path, 512));
    EXPECT_EQ(textfile::readBytes(path), QByteArray("337\r\n"));
    ASSERT_TRUE(config::writeRoz(path, 512));
    EXPECT_EQ(config::readRoz(path, &ok), 512);
    EXPECT_TRUE(ok);
    textfile::writeLines(path, {QStringLiteral("wide")});
    config::readRoz(path, &ok);
    EXPECT_FALSE(ok);
}

} // namespace
