#include "desktop/shutdown.h"

#include "platform/services.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

TShutdownWarning::TShutdownWarning(const QString& message, bool allowAbort, QWidget* parent)
    : QDialog(parent), allowAbort_(allowAbort) {
    setObjectName(QStringLiteral("TShutdownWarning"));
    // The toolkit's own word, in both languages, as the typed warnings have.
    setWindowTitle(QStringLiteral("Warning"));
    if (!allowAbort)
        setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint);
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    text = new QLabel(message, this);
    text->setObjectName(QStringLiteral("text"));
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    if (allowAbort) {
        Abort = new QPushButton(QStringLiteral("Abort"), this);
        Abort->setObjectName(QStringLiteral("Abort"));
        connect(Abort, &QPushButton::clicked, this, &QDialog::reject);
        column->addWidget(Abort, 0, Qt::AlignHCenter);
    }
}

void TShutdownWarning::reject() {
    if (allowAbort_)
        QDialog::reject();
}

TShutdown::TShutdown(QObject* owner) : QObject(owner) {}

bool TShutdown::Execute() {
    if (OperatingSystem == TShOs::shWinNT) {
        // Only this computer's login manager can be asked.
        if (!NTMachineName.isEmpty())
            return false;
        return platform::services().shutdown(
            shutdownlogic::requestForNT(Options, MessageString, TimeOut));
    }
    exitFlags_ = shutdownlogic::exitFlags(Options);
    if (TimeOut <= 0) {
        platform::services().shutdown(shutdownlogic::requestForExitFlags(exitFlags_));
        return true;
    }
    if (!timer_) {
        timer_ = new QTimer(this);
        timer_->setSingleShot(true);
        connect(timer_, &QTimer::timeout, this, &TShutdown::timerTick);
    }
    timer_->setInterval(TimeOut * 1000);
    timer_->start();
    TShutdownWarning warning(MessageString, AllowAbort);
    warning_ = &warning;
    const int answer = platform::services().showModal(warning);
    warning_ = nullptr;
    if (answer == QDialog::Rejected && AllowAbort)
        timer_->stop();
    return true;
}

void TShutdown::timerTick() {
    timer_->stop();
    platform::services().shutdown(shutdownlogic::requestForExitFlags(exitFlags_));
    if (warning_)
        warning_->accept();
}
