#pragma once
// TShutdown, the main window's Shutdown1: logs the user off or shuts the
// computer down after a batch. On the 9x path a time-out above 0 counts down
// behind a warning that may offer an Abort button; on the NT path the system
// itself shows the notice and waits.

#include "desktop/shutdown_logic.h"

#include <QDialog>
#include <QPointer>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;

// The 9x path's warning while the time-out runs.
class TShutdownWarning : public QDialog {
    Q_OBJECT
public:
    TShutdownWarning(const QString& message, bool allowAbort, QWidget* parent = nullptr);

    QLabel* text = nullptr;
    QPushButton* Abort = nullptr; // null when aborting is not allowed

    // Without an Abort button the warning cannot be closed by the user.
    void reject() override;

private:
    bool allowAbort_;
};

class TShutdown : public QObject {
    Q_OBJECT
public:
    explicit TShutdown(QObject* owner = nullptr);

    TShOs OperatingSystem = TShOs::shWin95;
    unsigned Options = 0; // TShutdownOption bits
    QString NTMachineName;
    QString MessageString;
    int TimeOut = 0; // seconds
    bool AllowAbort = true;

    // Runs the operation. The NT path answers whether the system accepted the
    // request; the 9x path always answers true.
    bool Execute();

    // The time-out's timer (made on first use), for whoever waits on it.
    QTimer* timer() const { return timer_; }

private:
    void timerTick();

    QTimer* timer_ = nullptr;
    int exitFlags_ = 0;
    QPointer<TShutdownWarning> warning_;
};
