// The program-folder rule: KORVANTE_HOME, the portable executable folder,
// the user's data folder.

#include "platform/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct ProgramFolder : ::testing::Test {
    QTemporaryDir root;
    QSet<QString> readOnly; // folders the rule is told it cannot write

    QString make(const QString& relative) {
        const QString path = QDir(root.path()).filePath(relative);
        QDir().mkpath(path);
        return path;
    }
    void touch(const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    platform::ProgramFolderInputs inputs(const QString& exe, const QString& env = {}) {
        platform::ProgramFolderInputs in;
        in.homeVariable = env;
        in.executableDir = exe;
        in.userHome = make("home");
        in.writable = [this](const QString& folder) {
            return !readOnly.contains(folder) && platform::folderWritable(folder);
        };
        return in;
    }
    QString userData() { return QDir(root.path()).filePath("home/.local/share/korvante"); }
};

TEST_F(ProgramFolder, EnvironmentThenPortableFolderThenUserDataFolder) {
    const QString exe = make("portable");
    const QString env = make("chosen");
    // The variable wins.
    auto choice = platform::chooseProgramFolder(inputs(exe, env));
    EXPECT_EQ(choice.folder, env);
    EXPECT_FALSE(choice.portable);
    EXPECT_TRUE(choice.unwritable.isEmpty());

    // A writable executable folder outside an installed tree: portable.
    choice = platform::chooseProgramFolder(inputs(exe));
    EXPECT_EQ(choice.folder, exe);
    EXPECT_TRUE(choice.portable);

    // A read-only one: the user's data folder, $XDG_DATA_HOME first.
    readOnly.insert(exe);
    choice = platform::chooseProgramFolder(inputs(exe));
    EXPECT_EQ(choice.folder, userData());
    EXPECT_TRUE(choice.unwritable.isEmpty()); // it held no settings to lose
    auto in = inputs(exe);
    in.xdgDataHome = make("xdg");
    EXPECT_EQ(platform::chooseProgramFolder(in).folder, QDir(root.path()).filePath("xdg/korvante"));
    in.xdgDataHome = QStringLiteral("relative/ignored");
    EXPECT_EQ(platform::chooseProgramFolder(in).folder, userData());

    // Created owner-only on first use.
    ASSERT_TRUE(platform::ensurePrivateFolder(userData()));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(userData()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(ProgramFolder, InstalledTreesUseTheUserDataFolderUnlessTheyAlreadyHoldState) {
    const QString bin = make("prefix/bin");
    const QString libexec = make("prefix/libexec/korvante");
    make("prefix/share/applications");
    touch(QDir(root.path())
              .filePath(QStringLiteral("prefix/share/applications/") +
                        QLatin1String(platform::kDesktopEntry)));
    EXPECT_TRUE(platform::isInstalledTree(bin));
    EXPECT_TRUE(platform::isInstalledTree(libexec));
    EXPECT_FALSE(platform::isInstalledTree(make("portable")));
    // Writable (a prefix in the user's home) yet installed: not portable.
    EXPECT_EQ(platform::chooseProgramFolder(inputs(bin)).folder, userData());
    EXPECT_EQ(platform::chooseProgramFolder(inputs(libexec)).folder, userData());

    // A folder that already holds the state files keeps being used.
    touch(QDir(bin).filePath("konf.dat"));
    auto choice = platform::chooseProgramFolder(inputs(bin));
    EXPECT_EQ(choice.folder, bin);
    EXPECT_TRUE(choice.portable);
    // ...and when it can no longer be written, the choice says so.
    readOnly.insert(bin);
    choice = platform::chooseProgramFolder(inputs(bin));
    EXPECT_EQ(choice.folder, userData());
    EXPECT_EQ(choice.unwritable, bin);

    // So does a KORVANTE_HOME that cannot be written.
    const QString env = make("locked");
    readOnly.insert(env);
    choice = platform::chooseProgramFolder(inputs(bin, env));
    EXPECT_EQ(choice.folder, userData());
    EXPECT_EQ(choice.unwritable, env);
}

} // namespace
