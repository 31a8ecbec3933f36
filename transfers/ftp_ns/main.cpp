// FTP_ns: the background-transfer program. Started without arguments, it reads the job
// file ftp_n_s.dat from its program folder, removes it (it holds a password in plain
// text), runs the job on its own connection and shows its progress. Exit status 0 only
// when every file was transferred.
#include "app/config_file.h"
#include "ftp/id_anti_freeze.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "transfers/ftp_ns/job_file.h"
#include "transfers/ftp_ns/job_runner.h"
#include "transfers/ftp_ns/progress_window.h"
#include "transfers/job_security.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

bool polishInterface() {
    // The main program's language setting.
    Settings settings;
    const config::KonfRead read =
        config::readKonf(platform::programFileAnyCase("konf.dat"), settings);
    return read.reached(config::KonfLine::Language) && settings.polish();
}

bool headless() {
    const QString p = QGuiApplication::platformName();
    return p == QLatin1String("offscreen") || p == QLatin1String("minimal");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("FTP_ns"));
    const bool polish = polishInterface();

    const QString jobPath = platform::programFile(QStringLiteral("ftp_n_s.dat"));
    bool exists = false;
    const QStringList lines = textfile::readLines(jobPath, &exists);
    // Whatever its contents, the file held a password: it goes at once.
    QFile::remove(jobPath);
    const TIdSecurityMode security = background::takeJobSecurity();
    QString why;
    std::optional<FtpNsJob> job = exists ? parseFtpNsJob(lines, &why) : std::nullopt;
    if (!exists)
        why = QStringLiteral("no job file ") + jobPath;
    if (!job) {
        std::fprintf(stderr, "FTP_ns: %s\n", qPrintable(why));
        if (!headless())
            QMessageBox::warning(nullptr, QStringLiteral("KORVANTE - FTP_ns"), why);
        return 2;
    }

    // Waits pump the window's events, so the abort button works during a transfer.
    TIdAntiFreeze antiFreeze;
    antiFreeze.IdleTimeOut = 50;
    antiFreeze.OnlyWhenIdle = false;
    antiFreeze.BusyPumpInterval = 10;
    antiFreeze.Pump = [](bool) { QCoreApplication::processEvents(); };

    FtpNsRunner runner(*job);
    runner.ftp().Security = security;
    runner.ftp().OnCertificate = background::acceptInBackground;
    // Tests shorten every wait; a user never needs to.
    bool timeoutSet = false;
    const int timeoutMs = qEnvironmentVariableIntValue("KORVANTE_FTP_TIMEOUT_MS", &timeoutSet);
    if (timeoutSet && timeoutMs > 0) {
        runner.ftp().ReadTimeOut = timeoutMs;
        runner.ftp().AbortReplyTimeOut = std::min(runner.ftp().AbortReplyTimeOut, timeoutMs);
    }
    FtpNsWindow window(*job, polish);
    window.attach(runner);
    runner.onFileDone = [](const FtpNsFileResult& r) {
        if (!r.ok)
            std::fprintf(stderr, "FTP_ns: %s: %s\n", qPrintable(r.name), qPrintable(r.message));
    };
    window.show();

    int status = 0;
    QTimer::singleShot(0, &app, [&] {
        const QList<FtpNsFileResult> results = runner.run();
        bool allOk = !results.isEmpty();
        for (const auto& r : results)
            allOk = allOk && r.ok;
        status = allOk ? 0 : 1;
        window.showReport(results);
        // Failures stay on screen until the user closes the window, unless the user
        // aborted or nobody can read a headless one.
        if (allOk || runner.aborted() || headless())
            QCoreApplication::quit();
    });
    QObject::connect(&window, &FtpNsWindow::dismissed, &app, &QCoreApplication::quit);
    app.setQuitOnLastWindowClosed(false);
    app.exec();
    return status;
}
