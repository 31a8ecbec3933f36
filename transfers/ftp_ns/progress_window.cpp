#include "transfers/ftp_ns/progress_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

FtpNsWindow::FtpNsWindow(const FtpNsJob& job, bool polish)
    : polish_(polish), fileCount_(static_cast<int>(job.files.size())) {
    setObjectName(QStringLiteral("FtpNsWindow"));
    setWindowTitle(QStringLiteral("KORVANTE - FTP_ns - ") + job.server);
    auto* layout = new QVBoxLayout(this);
    file_ = new QLabel(this);
    bytes_ = new QLabel(this);
    speed_ = new QLabel(this);
    elapsed_ = new QLabel(this);
    bar_ = new QProgressBar(this);
    report_ = new QPlainTextEdit(this);
    report_->setReadOnly(true);
    report_->hide();
    button_ = new QPushButton(t("Przerwij", "Abort"), this);
    file_->setObjectName(QStringLiteral("file"));
    bytes_->setObjectName(QStringLiteral("bytes"));
    button_->setObjectName(QStringLiteral("abort"));
    for (QWidget* w : {static_cast<QWidget*>(file_), static_cast<QWidget*>(bytes_),
                       static_cast<QWidget*>(speed_), static_cast<QWidget*>(elapsed_),
                       static_cast<QWidget*>(bar_), static_cast<QWidget*>(report_),
                       static_cast<QWidget*>(button_)})
        layout->addWidget(w);
    connect(button_, &QPushButton::clicked, this, [this] {
        if (finished_)
            close();
        else
            emit abortRequested();
    });
    resize(420, 0);
    jobClock_.start();
    fileClock_.start();
    repaintClock_.start();
    file_->setText(job.kind == FtpNsJob::Upload ? t("Wysyłanie...", "Uploading...")
                                                : t("Pobieranie...", "Downloading..."));
}

QString FtpNsWindow::t(const char* pl, const char* en) const {
    return QString::fromUtf8(polish_ ? pl : en);
}

void FtpNsWindow::attach(FtpNsRunner& runner) {
    runner.onFileStarted = [this](int index, const QString& name, qint64 size) {
        fileStarted(index, name, size);
    };
    runner.onProgress = [this](qint64 bytes) { progress(bytes, false); };
    connect(this, &FtpNsWindow::abortRequested, this, [&runner] { runner.abort(); });
}

void FtpNsWindow::fileStarted(int index, const QString& name, qint64 size) {
    size_ = size;
    fileClock_.restart();
    file_->setText(t("Plik", "File") +
                   QStringLiteral(" %1/%2: %3").arg(index + 1).arg(fileCount_).arg(name));
    bar_->setRange(0, size_ > 0 ? 1000 : 0);
    bar_->setValue(0);
    progress(0, true);
}

void FtpNsWindow::progress(qint64 bytes, bool force) {
    // The pump runs after every chunk; repainting that often would cost throughput.
    if (!force && repaintClock_.elapsed() < 100)
        return;
    repaintClock_.restart();
    const qint64 ms = std::max<qint64>(fileClock_.elapsed(), 1);
    QString total = size_ >= 0 ? QString::number(size_ / 1024) : QStringLiteral("?");
    bytes_->setText(QStringLiteral("%1 / %2 KB").arg(bytes / 1024).arg(total));
    speed_->setText(QStringLiteral("%1 KB/s").arg(bytes * 1000 / ms / 1024));
    const qint64 s = jobClock_.elapsed() / 1000;
    elapsed_->setText(t("Czas", "Time") + QStringLiteral(": %1:%2:%3")
                                              .arg(s / 3600, 2, 10, QLatin1Char('0'))
                                              .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                                              .arg(s % 60, 2, 10, QLatin1Char('0')));
    if (size_ > 0)
        bar_->setValue(static_cast<int>(std::min<qint64>(bytes * 1000 / size_, 1000)));
}

void FtpNsWindow::showReport(const QList<FtpNsFileResult>& results) {
    finished_ = true;
    QStringList lines;
    int ok = 0;
    for (const auto& r : results) {
        if (r.ok)
            ++ok;
        else
            lines << r.name + QStringLiteral(": ") + r.message;
    }
    file_->setText(
        t("Przesłano %1 z %2 plików.", "Transferred %1 of %2 files.").arg(ok).arg(results.size()));
    report_->setPlainText(lines.join(QLatin1Char('\n')));
    report_->setVisible(!lines.isEmpty());
    button_->setText(t("Zamknij", "Close"));
}

void FtpNsWindow::closeEvent(QCloseEvent* event) {
    if (!finished_) {
        // Closing in the middle of a job is an abort; the job ends and quits.
        emit abortRequested();
        event->ignore();
        return;
    }
    event->accept();
    emit dismissed();
}
