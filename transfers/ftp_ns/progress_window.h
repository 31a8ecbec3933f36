// The small window of FTP_ns: current file, bytes, speed, elapsed time and an abort
// button; at the end a report of the files that failed.
#pragma once

#include "transfers/ftp_ns/job_runner.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class FtpNsWindow : public QWidget {
    Q_OBJECT
public:
    FtpNsWindow(const FtpNsJob& job, bool polish);

    // Hooks the window to the runner's progress and the abort button to runner.abort().
    void attach(FtpNsRunner& runner);
    // Switches to the end state: the report, and the button now closes.
    void showReport(const QList<FtpNsFileResult>& results);

signals:
    void abortRequested();
    // The user closed the window after the job ended.
    void dismissed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fileStarted(int index, const QString& name, qint64 size);
    void progress(qint64 bytes, bool force);
    QString t(const char* pl, const char* en) const;

    bool polish_;
    int fileCount_;
    bool finished_ = false;
    qint64 size_ = -1;
    QElapsedTimer jobClock_, fileClock_, repaintClock_;
    QLabel* file_;
    QLabel* bytes_;
    QLabel* speed_;
    QLabel* elapsed_;
    QProgressBar* bar_;
    QPlainTextEdit* report_;
    QPushButton* button_;
};
