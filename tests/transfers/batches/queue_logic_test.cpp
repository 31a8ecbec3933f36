// The queue's arithmetic, the job lines of a background session and the
// reading of error.dat, without a window.

#include "transfers/background_job.h"
#include "transfers/queue_logic.h"
#include "transfers/replay_record.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(QueueLogic, SizesTotalsAndFolderLines) {
    EXPECT_EQ(queue::sizeText(1048575), "1023 KB/0 MB");
    EXPECT_EQ(queue::sizeText(1048576), "1024 KB/1 MB");
    EXPECT_EQ(queue::sizeText(-1), "0 KB/0 MB");
    // Past 2 GiB and 4 GiB nothing wraps.
    EXPECT_EQ(queue::sizeText(5LL << 30), "5242880 KB/5120 MB");
    EXPECT_EQ(queue::kilobytesOf("5242880 KB/5120 MB"), 5242880);
    EXPECT_EQ(queue::kilobytesOf("0 KB/0 MB"), 0);
    EXPECT_EQ(queue::kilobytesOf(""), 0);
    EXPECT_EQ(queue::totalText(5242880 + 1023), "5243903 KB/5120 MB");
    EXPECT_EQ(queue::folderLine("/"), "//");
    EXPECT_EQ(queue::folderLine("/pub"), "/pub/");
    EXPECT_EQ(queue::folderOf("//"), "/");
    EXPECT_EQ(queue::folderOf("/pub/"), "/pub");
    EXPECT_EQ(queue::folderOf("/odd/name//"), "/odd/name/");
}

TEST(BackgroundJob, LinesOfBothKinds) {
    const background::Connection c{"ftp.example", "hasło", "jan", "2121", false};
    EXPECT_EQ(background::uploadJob(c, "/in", "/home/jan", {"a.txt", "b c.bin"}),
              QStringList({"1", "ftp.example", QString::fromUtf8("hasło"), "jan", "/in", "2121",
                           "0", "/home/jan/a.txt", "/home/jan/b c.bin"}));
    const background::Connection passive{"h", "p", "u", "21", true};
    EXPECT_EQ(background::downloadJob(passive, "/home/jan", "/pub", {"x"}),
              QStringList({"0", "h", "p", "u", "/home/jan/*/pub", "21", "1", "x"}));
    // A root already ends in its separator: no second one before the star.
    EXPECT_EQ(background::downloadFolders("/", "/pub"), "/*/pub");
    EXPECT_EQ(background::uploadJob(c, "/", "/", {"r"}).last(), "/r");
}

TEST(BackgroundJob, WrittenForTheOwnerOnlyInWindows1250) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ftp_n_s.dat");
    ASSERT_TRUE(background::writeJob(path, {"1", QString::fromUtf8("zażółć")}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("1\r\nza\xbf\xf3\xb3\xe6\r\n"));
    EXPECT_EQ(file.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
}

TEST(ReplayRecord, LinesTheReplayCannotDoWithout) {
    const QStringList whole{"/home/jan", "ftp.example", "jan", "", "/pub", "f.bin"};
    const auto record = replay::parseRecord(whole);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->server, "ftp.example");
    EXPECT_EQ(record->remoteFolder, "/pub");
    EXPECT_EQ(record->fileName, "f.bin");
    for (int missing : {0, 1, 2, 4, 5}) {
        QStringList broken = whole;
        broken[missing] = " ";
        EXPECT_FALSE(replay::parseRecord(broken).has_value()) << missing;
    }
    EXPECT_FALSE(replay::parseRecord(whole.mid(0, 5)).has_value());
    EXPECT_FALSE(replay::parseRecord({}).has_value());
}

} // namespace
