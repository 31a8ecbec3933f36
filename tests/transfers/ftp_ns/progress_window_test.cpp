// The progress window driven by a real job: it shows the file and bytes, and its abort
// button, pressed while the transfer runs (through the pump), stops the job.
#include "ftp/id_anti_freeze.h"
#include "tests/support/ftp/py_ftp_server.h"
#include "transfers/ftp_ns/progress_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
QApplication& app() {
    static int argc = 1;
    static char name[] = "ftp_ns_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: a QApplication torn down by exit handlers outlives Qt's globals.
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}
} // namespace

TEST(FtpNsWindowTest, AbortButtonStopsTheJobAndTheReportNamesTheFiles) {
    app();
    ftptest::TempDir root, local;
    std::filesystem::resize_file((ftptest::writeFile(root.file("big"), ""), root.file("big")),
                                 256LL << 20);
    ftptest::PyFtpServer server(root.path());
    FtpNsJob job;
    job.kind = FtpNsJob::Download;
    job.server = "127.0.0.1";
    job.port = server.port();
    job.user = QString::fromStdString(server.user());
    job.password = QString::fromStdString(server.password());
    job.passive = true;
    job.localFolder = QString::fromStdString(local.path());
    job.files = {"big", "after"};

    FtpNsRunner runner(job);
    FtpNsWindow window(job, false);
    window.attach(runner);
    window.show();
    auto* abort = window.findChild<QPushButton*>("abort");
    auto* file = window.findChild<QLabel*>("file");
    ASSERT_TRUE(abort && file);
    EXPECT_EQ(abort->text(), "Abort");

    // The pump presses the button once the download is under way, as a user would.
    TIdAntiFreeze pump;
    pump.IdleTimeOut = 50;
    pump.OnlyWhenIdle = false;
    bool clicked = false;
    QString shownWhileRunning;
    pump.Pump = [&](bool) {
        QCoreApplication::processEvents();
        TIdTCPConnection* data = runner.ftp().DataChannel();
        if (!clicked && data && data->WorkInfoOf(wkRead).Count > (2 << 20)) {
            clicked = true;
            shownWhileRunning = file->text();
            abort->click();
        }
    };
    const QList<FtpNsFileResult> results = runner.run();
    window.showReport(results);

    EXPECT_TRUE(clicked);
    EXPECT_EQ(shownWhileRunning, "File 1/2: big");
    ASSERT_EQ(results.size(), 2);
    EXPECT_FALSE(results[0].ok);
    EXPECT_FALSE(results[1].ok);
    EXPECT_EQ(file->text(), "Transferred 0 of 2 files.");
    EXPECT_EQ(abort->text(), "Close");
}
