#include "platform/paths.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

template <size_t N> QList<QByteArray> split(const char (&bytes)[N]) {
    return textfile::splitLines(QByteArray(bytes, N - 1));
}

TEST(TextFile, LineReadingRules) {
    // LF and CR LF end lines; the last line may lack its end.
    EXPECT_EQ(split("a\nb\r\nc"), (QList<QByteArray>{"a", "b", "c"}));
    // A lone CR is dropped and the line goes on.
    EXPECT_EQ(split("\rab\rc\r\nd\r\n"), (QList<QByteArray>{"abc", "d"}));
    // Ctrl-Z ends the file.
    EXPECT_EQ(split("a\r\nb\x1A\r\nc\r\n"), (QList<QByteArray>{"a", "b"}));
    // Empty lines are lines; an empty file has none.
    EXPECT_EQ(split("\r\n\r\nx"), (QList<QByteArray>{"", "", "x"}));
    EXPECT_TRUE(split("").isEmpty());
    EXPECT_EQ(split("\r"), QList<QByteArray>{});
}

TEST(TextFile, Windows1250RoundTripAndUtf8Escape) {
    const QString polish = QStringLiteral("Zażółć gęślą jaźń ŁÓDŹ „cytat” – €");
    bool ok = false;
    const QByteArray bytes = textfile::encode1250(polish, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(bytes.size(), polish.size()); // one byte a character
    EXPECT_EQ(uchar(bytes.at(2)), 0xBF);    // ż
    EXPECT_EQ(textfile::decode1250(bytes), polish);
    // Every byte survives decode and encode, the undefined ones too.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(textfile::encode1250(textfile::decode1250(all)), all);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.dat"));
    ASSERT_TRUE(textfile::writeLines(path, {polish, QStringLiteral("second")}));
    EXPECT_EQ(textfile::readBytes(path), bytes + "\r\nsecond\r\n");
    EXPECT_EQ(textfile::readLines(path), (QStringList{polish, QStringLiteral("second")}));

    // Text outside the code page goes to UTF-8 with a mark and reads back whole.
    const QString wide = QStringLiteral("Привет 日本 ż");
    ASSERT_TRUE(textfile::writeLines(path, {QStringLiteral("a"), wide}));
    EXPECT_TRUE(textfile::hasUtf8Bom(textfile::readBytes(path)));
    EXPECT_EQ(textfile::readLines(path), (QStringList{QStringLiteral("a"), wide}));
    // Appending keeps a UTF-8 file UTF-8.
    ASSERT_TRUE(textfile::appendLines(path, {QStringLiteral("ą")}));
    EXPECT_EQ(textfile::readLines(path),
              (QStringList{QStringLiteral("a"), wide, QStringLiteral("ą")}));
}

TEST(TextFile, AppendConvertsWhenTheCodePageCannotHoldTheNewText) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.dat"));
    ASSERT_TRUE(textfile::appendLines(path, {QStringLiteral("łódź")}));
    EXPECT_EQ(textfile::readBytes(path), QByteArray("\xB3\xF3\x64\x9F\r\n"));
    ASSERT_TRUE(textfile::appendLines(path, {QStringLiteral("東京")}));
    EXPECT_EQ(textfile::readLines(path),
              (QStringList{QStringLiteral("łódź"), QStringLiteral("東京")}));
}

TEST(TextFile, RewriteIsAtomicAndPasswordFilesAreOwnerOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pas.dat"));
    ASSERT_TRUE(textfile::writeLines(path, {QStringLiteral("old")}, textfile::Access::OwnerOnly));
    EXPECT_EQ(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
    ASSERT_TRUE(textfile::writeLines(path, {QStringLiteral("new")}, textfile::Access::OwnerOnly));
    EXPECT_EQ(textfile::readLines(path), QStringList{QStringLiteral("new")});
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("pas.dat")});
    // A folder that cannot be written keeps the old file and reports failure.
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool rootUser = QFileInfo(dir.path()).isWritable();
    if (!rootUser) {
        EXPECT_FALSE(textfile::writeLines(path, {QStringLiteral("lost?")}));
        EXPECT_EQ(textfile::readLines(path), QStringList{QStringLiteral("new")});
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(Paths, JoinRootAndCaseInsensitiveLookup) {
    EXPECT_EQ(platform::joinPath(QStringLiteral("/"), QStringLiteral("a")), QStringLiteral("/a"));
    EXPECT_EQ(platform::joinPath(QStringLiteral("/x"), QStringLiteral("a")),
              QStringLiteral("/x/a"));
    EXPECT_EQ(platform::joinPath(QStringLiteral("/x/"), QStringLiteral("a")),
              QStringLiteral("/x/a"));
    EXPECT_TRUE(platform::isRoot(QStringLiteral("/")));
    EXPECT_FALSE(platform::isRoot(QStringLiteral("/tmp")));

    QTemporaryDir dir;
    qputenv("KORVANTE_HOME", dir.path().toLocal8Bit());
    EXPECT_EQ(platform::programFolder(), dir.path());
    EXPECT_EQ(platform::programFileAnyCase(QStringLiteral("S_list.dat")),
              dir.filePath(QStringLiteral("s_list.dat")));
    textfile::writeLines(dir.filePath(QStringLiteral("S_LIST.DAT")), {QStringLiteral("x")});
    EXPECT_EQ(platform::programFileAnyCase(QStringLiteral("s_list.dat")),
              dir.filePath(QStringLiteral("S_LIST.DAT")));
    qunsetenv("KORVANTE_HOME");
}

} // namespace
