#include "platform/paths.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
    // Every Polish letter has its own byte, upper and lower case.
    const QString letters = QStringLiteral("ĄĆĘŁŃÓŚŹŻąćęłńóśźż");
    const QByteArray letterBytes("\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"
                                 "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF");
    EXPECT_EQ(textfile::encode1250(letters).toHex(' '), letterBytes.toHex(' '));
    EXPECT_EQ(textfile::decode1250(letterBytes), letters);
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

TEST(TextFile, AFileHoldingOnlyAByteOrderMarkHasNoLines) {
    EXPECT_TRUE(textfile::decodeLines("\xEF\xBB\xBF").isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bom.dat"));
    ASSERT_TRUE(textfile::writeBytes(path, "\xEF\xBB\xBF"));
    bool exists = false;
    EXPECT_TRUE(textfile::readLines(path, &exists).isEmpty());
    EXPECT_TRUE(exists);
    ASSERT_TRUE(textfile::appendLines(path, {QStringLiteral("東京"), QStringLiteral("b")}));
    EXPECT_EQ(textfile::readLines(path),
              (QStringList{QStringLiteral("東京"), QStringLiteral("b")}));
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
}

namespace {

QByteArray bigText(char fill) {
    QByteArray bytes;
    for (int i = 0; i < 4000; ++i)
        bytes += QByteArray(30, fill) + "\r\n";
    return bytes;
}

// Runs `write` with the file-size limit set to `limit` bytes.
bool underFileSizeLimit(rlim_t limit, const std::function<bool()>& write) {
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool written = write();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return written;
}

// Runs `step` in a child process, as the unprivileged user "nobody" when the
// tests run as root: root passes through the permissions these checks rely on.
int asNobody(const std::function<int()>& step) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::getuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(90);
        ::_exit(step());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

} // namespace

TEST(TextFile, ARewriteNeverShowsAReaderHalfAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("konf.dat"));
    const QByteArray before = bigText('o');
    ASSERT_TRUE(textfile::writeBytes(path, before));

    // A reader that opened the file before the rewrite reads the old bytes, all of them.
    QFile reader(path);
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    const QByteArray head = reader.read(100);
    ASSERT_TRUE(textfile::writeBytes(path, bigText('n').left(1000)));
    EXPECT_EQ(head + reader.readAll(), before);
    reader.close();
    ASSERT_TRUE(textfile::writeBytes(path, before));

    // A write that fails half-way (the disk runs full: here the file-size
    // limit, which binds root too) reports failure and leaves the old file.
    // A short write (a few kilobytes past the limit) must count as a failure too.
    // An append that fails takes back the part of the record that got in.
    EXPECT_FALSE(
        underFileSizeLimit(4096, [&] { return textfile::writeBytes(path, bigText('x')); }));
    EXPECT_FALSE(underFileSizeLimit(
        4096, [&] { return textfile::writeLines(path, {QString(8000, QLatin1Char('y'))}); }));
    EXPECT_FALSE(underFileSizeLimit(rlim_t(before.size()) + 100, [&] {
        return textfile::appendLines(path, {QString(8000, QLatin1Char('z'))});
    }));
    EXPECT_EQ(textfile::readBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("konf.dat")});

    // A folder the user may not write keeps the old file and reports failure.
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnly));
    const int outcome = asNobody([&path] {
        if (QFileInfo(QFileInfo(path).path()).isWritable())
            return 2; // the check would prove nothing
        return textfile::writeLines(path, {QStringLiteral("lost?")}) ? 1 : 0;
    });
    QFile::setPermissions(dir.path(), readOnly | QFile::WriteOwner);
    EXPECT_EQ(outcome, 0);
    EXPECT_EQ(textfile::readBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("konf.dat")});
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
