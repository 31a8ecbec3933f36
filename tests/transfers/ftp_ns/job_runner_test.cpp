// The job runner in-process against pyftpdlib: a failing file does not stop the job,
// and the abort run by the pump stops the current file and skips the rest.
#include "ftp/id_anti_freeze.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "transfers/ftp_ns/job_runner.h"

#include <filesystem>
#include <gtest/gtest.h>

using ftptest::readFile;
using ftptest::writeFile;

class FtpNsRunnerTest : public ::testing::Test {
protected:
    FtpNsRunnerTest() : server(root.path()) {
        job.server = "127.0.0.1";
        job.port = server.port();
        job.user = QString::fromStdString(server.user());
        job.password = QString::fromStdString(server.password());
        job.passive = true;
    }
    ftptest::TempDir root, local;
    ftptest::PyFtpServer server;
    FtpNsJob job;
};

TEST_F(FtpNsRunnerTest, FailedFileIsReportedAndTheJobGoesOn) {
    writeFile(root.file("one"), "1");
    writeFile(root.file("three"), "333");
    writeFile(local.file("missing"), "a local copy the refused RETR must not touch");
    job.kind = FtpNsJob::Download;
    job.localFolder = QString::fromStdString(local.path());
    job.remoteFolder = "/";
    job.files = {"one", "missing", "three"};
    FtpNsRunner runner(job);
    QList<FtpNsFileResult> results = runner.run();
    ASSERT_EQ(results.size(), 3);
    EXPECT_TRUE(results[0].ok);
    EXPECT_FALSE(results[1].ok);
    EXPECT_TRUE(results[1].message.startsWith("550")) << results[1].message.toStdString();
    EXPECT_TRUE(results[2].ok);
    EXPECT_EQ(readFile(local.file("three")), "333");
    EXPECT_EQ(readFile(local.file("missing")), "a local copy the refused RETR must not touch");
}

TEST_F(FtpNsRunnerTest, UnreachableServerFailsEveryFile) {
    job.kind = FtpNsJob::Upload;
    job.user = "bob";
    job.password = "wrong";
    job.files = {"/nonexistent/a", "/nonexistent/b"};
    FtpNsRunner runner(job);
    QList<FtpNsFileResult> results = runner.run();
    ASSERT_EQ(results.size(), 2);
    EXPECT_FALSE(results[0].ok);
    EXPECT_TRUE(results[0].message.startsWith("530")) << results[0].message.toStdString();
}

TEST_F(FtpNsRunnerTest, AbortFromThePumpStopsTheJob) {
    std::filesystem::resize_file((writeFile(root.file("big"), ""), root.file("big")), 256LL << 20);
    writeFile(root.file("next"), "n");
    job.kind = FtpNsJob::Download;
    job.localFolder = QString::fromStdString(local.path());
    job.files = {"big", "next"};
    FtpNsRunner runner(job);
    TIdAntiFreeze pump;
    pump.IdleTimeOut = 50;
    pump.OnlyWhenIdle = false;
    qint64 seen = 0;
    runner.onProgress = [&](qint64 n) { seen = n; };
    pump.Pump = [&](bool) {
        if (seen >= (2 << 20) && !runner.aborted())
            runner.abort(); // the abort button
    };
    QList<FtpNsFileResult> results = runner.run();
    ASSERT_EQ(results.size(), 2);
    EXPECT_FALSE(results[0].ok);
    EXPECT_EQ(results[0].message, "aborted");
    EXPECT_FALSE(results[1].ok);
    EXPECT_FALSE(ftptest::fileExists(local.file("next")));
}

TEST_F(FtpNsRunnerTest, AbortedUploadLeavesNoPartialFileUnderTheFinalName) {
    std::filesystem::resize_file((writeFile(local.file("big"), ""), local.file("big")),
                                 256LL << 20);
    writeFile(root.file("big"), "the server's earlier copy");
    job.kind = FtpNsJob::Upload;
    job.remoteFolder = "/";
    job.files = {QString::fromStdString(local.file("big"))};
    FtpNsRunner runner(job);
    TIdAntiFreeze pump;
    pump.IdleTimeOut = 50;
    pump.OnlyWhenIdle = false;
    qint64 sent = 0;
    runner.onProgress = [&](qint64 n) { sent = n; };
    pump.Pump = [&](bool) {
        if (sent >= (4 << 20) && !runner.aborted())
            runner.abort();
    };
    QList<FtpNsFileResult> results = runner.run();
    ASSERT_EQ(results.size(), 1);
    EXPECT_FALSE(results[0].ok);
    EXPECT_EQ(results[0].message, "aborted");
    // STOR had already replaced the earlier copy; what stood under the name was a
    // truncated file that looked complete, and it is gone.
    EXPECT_FALSE(ftptest::fileExists(root.file("big")));
}
