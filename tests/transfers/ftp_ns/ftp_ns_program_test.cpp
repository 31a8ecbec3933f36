// FTP_ns end to end: a job file in a temp program folder, the program run headless
// against pyftpdlib, the files compared byte for byte afterwards.
#include "platform/text_file.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "tests/transfers/ftp_ns/ftp_ns_process.h"

#include <filesystem>
#include <gtest/gtest.h>

using ftptest::randomBytes;
using ftptest::readFile;
using ftptest::writeFile;

namespace {

// Names with blanks, Polish letters (Windows-1250 in the job file) and an empty file.
const std::vector<std::pair<std::string, std::string>>& sampleFiles() {
    static const std::vector<std::pair<std::string, std::string>> files = {
        {"plik z odstępami.txt", "some text\r\n"},
        {"zażółć gęślą jaźń.bin", randomBytes(1 << 20, 3)},
        {"pusty", ""},
    };
    return files;
}

} // namespace

class FtpNsProgram : public ::testing::TestWithParam<bool> {
protected:
    FtpNsProgram() : server(root.path()) {}

    // Writes the job as the main window does and runs the program; its exit status.
    int runJob(const QString& kind, const QString& folderLine, const QStringList& files) {
        QStringList lines{kind,
                          "127.0.0.1",
                          QString::fromStdString(server.password()),
                          QString::fromStdString(server.user()),
                          folderLine,
                          QString::number(server.port()),
                          GetParam() ? "1" : "0"};
        lines += files;
        const QString jobFile = QString::fromStdString(home.file("ftp_n_s.dat"));
        EXPECT_TRUE(textfile::writeLines(jobFile, lines, textfile::Access::OwnerOnly));
        return runFtpNs(home.path(), 120000, stderrText);
    }

    ftptest::TempDir root, local, home;
    ftptest::PyFtpServer server;
    std::string stderrText;
};

INSTANTIATE_TEST_SUITE_P(Modes, FtpNsProgram, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "passive" : "active"; });

TEST_P(FtpNsProgram, UploadJob) {
    std::filesystem::create_directory(root.file("in box"));
    QStringList paths;
    for (const auto& [name, bytes] : sampleFiles()) {
        writeFile(local.file(name), bytes);
        paths << QString::fromStdString(local.file(name));
    }
    EXPECT_EQ(runJob("1", "/in box", paths), 0) << stderrText;
    for (const auto& [name, bytes] : sampleFiles())
        EXPECT_EQ(readFile(root.file("in box/" + name)), bytes) << name;
    // The job file held a password: it is gone once read.
    EXPECT_FALSE(ftptest::fileExists(home.file("ftp_n_s.dat")));
}

TEST_P(FtpNsProgram, DownloadJob) {
    std::filesystem::create_directory(root.file("out"));
    QStringList names;
    for (const auto& [name, bytes] : sampleFiles()) {
        writeFile(root.file("out/" + name), bytes);
        names << QString::fromStdString(name);
    }
    writeFile(local.file("pusty"), "old contents are overwritten");
    const QString folderLine = QString::fromStdString(local.path()) + "/*/out";
    EXPECT_EQ(runJob("0", folderLine, names), 0) << stderrText;
    for (const auto& [name, bytes] : sampleFiles())
        EXPECT_EQ(readFile(local.file(name)), bytes) << name;
}

TEST_P(FtpNsProgram, FailedFileGivesNonZeroStatusAndTheRestIsDone) {
    writeFile(local.file("good"), "good");
    QStringList paths{QString::fromStdString(local.file("absent")),
                      QString::fromStdString(local.file("good"))};
    EXPECT_EQ(runJob("1", "/", paths), 1);
    EXPECT_NE(stderrText.find("absent"), std::string::npos) << stderrText;
    EXPECT_EQ(readFile(root.file("good")), "good");
}

TEST(FtpNsProgramAlone, MissingOrInvalidJobFileEndsWithStatus2AndTheFileIsGone) {
    ftptest::TempDir home;
    // An invalid job still holds a password: it is removed like a good one.
    ASSERT_TRUE(textfile::writeLines(QString::fromStdString(home.file("ftp_n_s.dat")),
                                     {"7", "host", "secret", "bob"}, textfile::Access::OwnerOnly));
    std::string errors;
    EXPECT_EQ(runFtpNs(home.path(), 60000, errors), 2);
    EXPECT_FALSE(ftptest::fileExists(home.file("ftp_n_s.dat")));
    EXPECT_EQ(runFtpNs(home.path(), 60000, errors), 2); // and with no file at all
}
