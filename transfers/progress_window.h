#pragma once
// TForm13: the progress window every transfer batch of the main window shows.
// Borderless and always on top; the engine's work events feed it through the
// main window, its buttons abort the transfer or send the program to the
// notification area, and its check boxes choose what happens after the batch.

#include "transfers/transfer_logic.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdint>

class TForm1;

class TForm13 : public QWidget {
    Q_OBJECT
public:
    explicit TForm13(TForm1* form);

    QLabel* komunikat = nullptr;
    QLabel* licznik = nullptr;
    QProgressBar* Progressbar1 = nullptr;
    QLabel* licznik2 = nullptr;
    QLabel* sped = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lbl_ilosc = nullptr;
    QLabel* czas2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* roz = nullptr;
    QCheckBox* wyl = nullptr;
    QCheckBox* cl_win = nullptr;
    QCheckBox* syg = nullptr;
    QPushButton* Button1 = nullptr; // "W tle"
    QPushButton* anuluj = nullptr;
    QTimer* Timer1 = nullptr;

    // Set by the abort button, never cleared while the program runs: error.dat
    // then stays for the next start.
    bool userAborted = false;
    // Set by the abort button for the batch that is running; the batch clears it.
    bool abortRequested = false;
    // Set by a replay whose file did not arrive: the record stays for the next
    // start. Cleared when the window closes.
    bool keepErrorRecord = false;
    transfers::Elapsed elapsed;

    // The engine's work events, relayed by the main window.
    void FTPWorkBegin(bool sending, int64_t expected);
    void FTPWork(bool sending, int64_t bytes);
    void FTPWorkEnd();
    // Bytes of the transfer that ran last (or runs now).
    int64_t transferredBytes() const { return bytes_; }

    void FormActivate();
    void Timer1Timer();
    void rozClick();
    void wylClick();
    void cl_winClick();
    void Button1Click();
    void anulujClick();
    void muzyka();
    enum class Direction { Download, Upload };
    // Shows the window for a batch in `direction`, its labels started afresh
    // in the current language; closeWindow hides it and runs the close
    // bookkeeping (FormClose) once.
    void openWindow(Direction direction = Direction::Download);
    // The labels as a new batch finds them: nothing of an earlier batch, and
    // the texts of the current language.
    void resetLabels();
    void closeWindow();
    bool isOpen() const { return open_; }
    void setGaugeToZero();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void FormClose();
    // The clock, the buttons and the counter caption in the current language.
    void showButtonTexts();
    void optionChanged(QCheckBox* box, const char* choice, bool signalAllowed);
    void showCounter();
    // The speed of the transfer so far and the working text; false while no
    // time has passed yet.
    bool showSpeed();
    // The counter and the clock grow while a batch runs: room for their widest texts.
    void reserveCounterRoom();

    TForm1* form_;
    QElapsedTimer started_;
    QElapsedTimer repainted_;
    transfers::GaugeScale scale_;
    int64_t bytes_ = 0;
    int64_t continuedFrom_ = 0; // a resumed download's bytes kept from before
    bool sending_ = false;
    int64_t kilobyteCounter_ = 0;
    QPoint dragOffset_;
    bool open_ = false;
    Direction direction_ = Direction::Download;
};
