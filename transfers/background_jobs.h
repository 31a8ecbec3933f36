#pragma once
// Hands background jobs to FTP_ns. There is one job file, ftp_n_s.dat, and
// FTP_ns removes it once it has read it; a second job asked for before that
// waits in memory, so no job ever overwrites one that was not read yet. The
// window goes on working meanwhile: the wait is a timer, not a loop.

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>

class QTimer;

class BackgroundJobs : public QObject {
public:
    explicit BackgroundJobs(QObject* parent);

    // Writes the job and starts `program`, now or once the job before it was
    // read; a failure is told in `language`.
    // `security` is the TIdSecurityMode the job's session is to use.
    void submit(const QStringList& lines, const QString& program, int language, int security = 0);
    int waiting() const { return int(jobs_.size()); }

    // A program that has not read its job by then never will (it failed to
    // start); the next job then takes the file.
    static constexpr int kReadTimeOutMs = 30000;
    static constexpr int kPollMs = 50;

private:
    struct Job {
        QStringList lines;
        QString program;
        int language;
        int security;
    };
    void next();
    bool previousUnread() const;

    QList<Job> jobs_;
    QTimer* poll_ = nullptr;
    QElapsedTimer started_;
    bool awaitingRead_ = false;
};
