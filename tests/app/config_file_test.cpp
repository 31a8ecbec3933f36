#include "app/config_file.h"
#include "platform/text_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Konf {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("konf.dat"));
    int values[11] = {};
    QString folder = QStringLiteral("unchanged");

    config::KonfRead read(const QStringList& lines) {
        textfile::writeLines(path, lines);
        return config::readKonf(path, values, folder);
    }
};

TEST(KonfDat, LineCountsDecideTheDefaultFolder) {
    Konf ten;
    auto r = ten.read({"1", "0", "1", "1", "2", "-2147483624", "0", "1", "7", "0"});
    EXPECT_TRUE(r.exists);
    EXPECT_EQ(r.badLine, 0);
    EXPECT_EQ(ten.values[5], 2);
    EXPECT_EQ(ten.values[6], -2147483624);
    EXPECT_EQ(ten.folder, QStringLiteral("unchanged")); // no line 11: nothing read into it

    Konf twelve;
    twelve.read({"1", "0", "1", "1", "1", "0", "0", "1", "7", "0", "/first", "/second"});
    EXPECT_EQ(twelve.folder, QStringLiteral("/second"));

    Konf shortFile;
    shortFile.values[9] = 42;
    shortFile.read({"1", "1", "0"});
    EXPECT_EQ(shortFile.values[2], 1);
    EXPECT_EQ(shortFile.values[9], 42); // untouched
}

TEST(KonfDat, GarbageStopsReadingButKeepsWhatWasRead) {
    Konf k;
    auto r = k.read({"1", "1", "x1", "1", "1"});
    EXPECT_EQ(r.badLine, 3);
    EXPECT_EQ(r.badText, QStringLiteral("x1"));
    EXPECT_EQ(k.values[1], 1);
    EXPECT_EQ(k.values[2], 1);
    EXPECT_EQ(k.values[4], 0);

    Konf missing;
    auto m = config::readKonf(missing.path, missing.values, missing.folder);
    EXPECT_FALSE(m.exists);
    EXPECT_EQ(m.linesRead, 0);

    // The built-in settings round-trip through the file format.
    int builtIn[11];
    config::builtInSlots(builtIn);
    Konf again;
    again.read(config::konfLines(builtIn, QStringLiteral("/home/user")));
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(again.values[i], builtIn[i]) << "slot " << i;
    EXPECT_EQ(again.folder, QStringLiteral("/home/user"));
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
