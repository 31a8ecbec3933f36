// Start-up's program-folder notice: a folder that ought to hold the settings
// but cannot be written is named once, with the folder they go to instead.

#include "app/program_folder_notice.h"
#include "platform/paths.h"
#include "tests/support/ui/recording_services.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TEST(ProgramFolderNotice, AnUnwritableFolderIsNamedOnceAndTheDataFolderTakesOver) {
    QTemporaryDir tmp;
    RecordingServices services;
    // A "folder" that cannot take files: it is a plain file.
    const QString blocked = tmp.filePath("blocked");
    QFile(blocked).open(QIODevice::WriteOnly);
    qputenv("XDG_DATA_HOME", QFile::encodeName(tmp.filePath("data")));
    qputenv("KORVANTE_HOME", QFile::encodeName(blocked));

    program_folder_notice::settle();
    const QString data = tmp.filePath("data/korvante");
    EXPECT_EQ(platform::programFolder(), data);
    // Programs started from here (FTP_ns, the restart) get the same folder.
    EXPECT_EQ(qEnvironmentVariable("KORVANTE_HOME"), data);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(data).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    program_folder_notice::report();
    program_folder_notice::report();
    ASSERT_EQ(services.messages().size(), 1);
    EXPECT_EQ(services.messages().first(),
              QString::fromUtf8("Nie mogę zapisywać w katalogu %1.\nUstawienia i listy serwerów "
                                "będą zapisywane w: %2")
                  .arg(blocked, data));
    qunsetenv("KORVANTE_HOME");
    qunsetenv("XDG_DATA_HOME");
}

} // namespace
