#include "transfers/background_jobs.h"

#include "platform/paths.h"
#include "platform/services.h"
#include "transfers/background_job.h"
#include "transfers/background_texts.h"
#include "transfers/job_security.h"

#include <QFile>
#include <QTimer>

namespace {

QString jobFile() {
    return platform::programFile(QStringLiteral("ftp_n_s.dat"));
}

} // namespace

BackgroundJobs::BackgroundJobs(QObject* parent) : QObject(parent), poll_(new QTimer(this)) {
    poll_->setSingleShot(true);
    poll_->setInterval(kPollMs);
    connect(poll_, &QTimer::timeout, this, &BackgroundJobs::next);
}

void BackgroundJobs::submit(const QStringList& lines, const QString& program, int language,
                            int security) {
    jobs_.append({lines, program, language, security});
    next();
}

bool BackgroundJobs::previousUnread() const {
    return awaitingRead_ && QFile::exists(jobFile()) && started_.elapsed() < kReadTimeOutMs;
}

void BackgroundJobs::next() {
    while (!jobs_.isEmpty()) {
        if (previousUnread()) {
            poll_->start();
            return;
        }
        awaitingRead_ = false;
        const Job job = jobs_.takeFirst();
        const QString path = jobFile();
        if (!background::writeJob(path, job.lines) ||
            !background::writeJobSecurity(TIdSecurityMode(job.security))) {
            platform::services().messageDlg(
                lang::pick(backgroundtext::kJobNotWritten, job.language) + path,
                platform::DlgType::Error, platform::DlgButtons::Ok);
            continue;
        }
        if (!platform::services().startProgram(job.program)) {
            // Nobody will read it, and it holds a password.
            QFile::remove(path);
            platform::services().messageDlg(lang::pick(backgroundtext::kNotStarted, job.language) +
                                                job.program,
                                            platform::DlgType::Error, platform::DlgButtons::Ok);
            continue;
        }
        awaitingRead_ = true;
        started_.start();
    }
}
