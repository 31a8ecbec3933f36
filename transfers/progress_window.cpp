#include "transfers/progress_window.h"

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "transfers/transfer_state.h"
#include "transfers/transfer_texts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// Labels are repainted at most this often; the values stay exact.
constexpr qint64 kRepaintIntervalMs = 50;

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const char* text) {
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

TForm13::TForm13(TForm1* form)
    : QWidget(form, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), form_(form) {
    setObjectName(QStringLiteral("TForm13"));
    // No title bar: the frame line is what sets the box apart from the
    // window under it (a plain QWidget paints its style sheet only when asked).
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("TForm13 { border: 1px solid #404040; }"));
    komunikat = label(this, "komunikat", QStringLiteral("komunikat"));
    komunikat->setAlignment(Qt::AlignCenter);
    licznik = label(this, "licznik", QStringLiteral("Operacje na pliku"));
    Progressbar1 = new QProgressBar(this);
    Progressbar1->setObjectName(QStringLiteral("Progressbar1"));
    Progressbar1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: red; }"));
    Progressbar1->setRange(0, 100);
    Progressbar1->setValue(0);
    Progressbar1->setTextVisible(false);
    licznik2 = label(this, "licznik2", QString::fromUtf8("Całość..."));
    sped = label(this, "sped", QString::fromUtf8("Szybkość:"));
    Label1 = label(this, "Label1", QString::fromUtf8("Aktualnie ściągnięto/wysłano:"));
    lbl_ilosc = label(this, "lbl_ilosc", QStringLiteral("0 kB"));
    czas2 = label(this, "czas2", QString::fromUtf8("Upłynęło: 00:00:00"));
    czas2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // File names and headings take the width there is; the window's width
    // comes from its fixed texts, so a long name never makes it grow.
    for (QLabel* line : {komunikat, licznik, licznik2})
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    GroupBox1 = new QGroupBox(QStringLiteral("Opcje"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    roz = checkBox(GroupBox1, "roz", "Po zakończeniu... Rozłącz się");
    wyl = checkBox(GroupBox1, "wyl", "Po zakończeniu... Zamknij program");
    cl_win = checkBox(GroupBox1, "cl_win", "Po zakończeniu... Zamknij komputer");
    syg = checkBox(GroupBox1, "syg", "Sygnalizuj dźwiękiem...");
    Button1 = new QPushButton(QStringLiteral("W tle"), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    auto* options = new QGridLayout(GroupBox1);
    options->addWidget(roz, 0, 0);
    options->addWidget(wyl, 1, 0);
    options->addWidget(cl_win, 2, 0);
    options->addWidget(syg, 3, 0);
    options->addWidget(Button1, 3, 1, Qt::AlignRight | Qt::AlignBottom);
    options->setColumnStretch(0, 1);
    anuluj = new QPushButton(QStringLiteral("Przerwij"), this);
    anuluj->setObjectName(QStringLiteral("anuluj"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(komunikat);
    column->addWidget(licznik);
    column->addWidget(Progressbar1);
    column->addWidget(licznik2);
    column->addWidget(sped);
    auto* counter = new QHBoxLayout;
    counter->addWidget(Label1);
    counter->addWidget(lbl_ilosc, 1);
    counter->addWidget(czas2);
    column->addLayout(counter);
    column->addWidget(GroupBox1);
    column->addWidget(anuluj, 0, Qt::AlignRight);
    // Every control keeps the room its text needs, in either language and at
    // any font size; the design's 430 pixels are the narrowest it gets.
    column->setSizeConstraint(QLayout::SetMinimumSize);
    setMinimumWidth(430);
    reserveCounterRoom();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm13::Timer1Timer);
    // Every change of a box runs its rule, whether clicked or set by the program.
    connect(roz, &QCheckBox::toggled, this, &TForm13::rozClick);
    connect(wyl, &QCheckBox::toggled, this, &TForm13::wylClick);
    connect(cl_win, &QCheckBox::toggled, this, &TForm13::cl_winClick);
    connect(Button1, &QPushButton::clicked, this, &TForm13::Button1Click);
    connect(anuluj, &QPushButton::clicked, this, &TForm13::anulujClick);
}

void TForm13::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (const QScreen* screen = form_->screen())
        move(screen->geometry().center() - rect().center());
    FormActivate();
}

void TForm13::FormActivate() {
    Timer1->start();
    showButtonTexts();
    wyl->setChecked(false);
    roz->setChecked(false);
    cl_win->setChecked(false);
}

void TForm13::Timer1Timer() {
    elapsed.tick();
    czas2->setText(transfers::elapsedText(elapsed, languageFlag()));
}

void TForm13::optionChanged(QCheckBox* box, const char* choice, bool signalAllowed) {
    if (box->isChecked()) {
        form_->transfers->spr2 = QString::fromLatin1(choice);
        for (QCheckBox* other : {roz, wyl, cl_win})
            if (other != box)
                other->setChecked(false);
        if (signalAllowed) {
            syg->setEnabled(true);
        } else {
            syg->setChecked(false);
            syg->setEnabled(false);
        }
    }
    if (!roz->isChecked() && !wyl->isChecked() && !cl_win->isChecked()) {
        form_->transfers->spr2 = QStringLiteral("0");
        syg->setChecked(false);
        syg->setEnabled(false);
    }
}

void TForm13::rozClick() {
    optionChanged(roz, "1", true);
}

void TForm13::wylClick() {
    optionChanged(wyl, "2", true);
}

void TForm13::cl_winClick() {
    optionChanged(cl_win, "3", false);
}

void TForm13::FTPWorkBegin(bool, int64_t expected) {
    started_.start();
    repainted_.invalidate();
    bytes_ = 0;
    // A resumed download's gauge covers the whole file, starting where it continues.
    continuedFrom_ = form_->FTP ? form_->FTP->LastTransfer().RestartedAt : 0;
    // Downloads report no expected count: the size SIZE gave stands in; a size
    // nobody told leaves the gauge without a scale (it shows activity instead).
    scale_ = transfers::GaugeScale(expected > 0 ? expected : form_->transfers->currentFileSize);
    Progressbar1->setRange(0, scale_.maximum());
    Progressbar1->setValue(scale_.known() ? scale_.position(continuedFrom_) : 0);
}

void TForm13::FTPWork(bool sending, int64_t bytes) {
    bytes_ = bytes;
    sending_ = sending;
    if (form_->transfers->selectedCount > 0 && !form_->queueModeOn())
        kilobyteCounter_ = transfers::kilobytes(bytes);
    // The engine pumps events itself; the labels need not follow every chunk.
    if (repainted_.isValid() && repainted_.elapsed() < kRepaintIntervalMs)
        return;
    // Until a speed could be worked out the labels wait for the next event:
    // a transfer quicker than one repaint interval still shows its speed.
    if (showSpeed())
        repainted_.start();
    if (scale_.known())
        Progressbar1->setValue(scale_.position(continuedFrom_ + bytes));
    showCounter();
}

bool TForm13::showSpeed() {
    const QString speed = transfers::speedText(bytes_, started_.elapsed());
    if (speed.isEmpty())
        return false;
    const int flag = languageFlag();
    form_->StatusBar1->setPanelText(0, lang::pick(transfertext::kWorking, flag));
    sped->setText(
        lang::pick(sending_ ? transfertext::kSendSpeed : transfertext::kReceiveSpeed, flag) +
        speed);
    return true;
}

void TForm13::showCounter() {
    lbl_ilosc->setText(QString::number(kilobyteCounter_) + QStringLiteral(" KB"));
    if (form_->trayIconVisible())
        form_->setTrayHint((QString::fromUtf8(transfertext::kTrayCounter) +
                            QString::number(kilobyteCounter_) + QStringLiteral(" KB"))
                               .left(63));
}

void TForm13::FTPWorkEnd() {
    // The last values of the transfer, whatever the throttle held back.
    if (bytes_ > 0)
        showSpeed();
    if (scale_.known())
        Progressbar1->setValue(scale_.position(bytes_));
    showCounter();
    form_->transfers->currentFileSize = 0;
    kilobyteCounter_ = 0;
    form_->StatusBar1->setPanelText(0, lang::pick(transfertext::kWorkDone, languageFlag()));
}

void TForm13::setGaugeToZero() {
    Progressbar1->setRange(0, 100);
    Progressbar1->setValue(0);
}

void TForm13::Button1Click() {
    const QString icon = platform::programFile(QStringLiteral("ico_ftp2.ico"));
    if (!form_->trayAreaAvailable()) {
        // Nowhere to hide to: both windows go to the task bar instead.
        form_->minimiseInstead(this);
    } else if (QFile::exists(icon)) {
        form_->showTrayIcon(icon);
        form_->hiddenToTray = true;
        form_->hide();
        hide();
    }
    form_->setTrayHint(QString::fromUtf8(transfertext::kTrayBackground));
}

void TForm13::anulujClick() {
    QCoreApplication::processEvents();
    Timer1->stop();
    userAborted = true;
    abortRequested = true;
    bool aborted = true;
    try {
        form_->FTP->AbortTransfer();
    } catch (const std::exception&) {
        aborted = false;
    }
    for (QToolButton* button :
         {form_->serverPanel->zamien, form_->serverPanel->komenda, form_->serverPanel->filtr2,
          form_->serverPanel->n_serwer, form_->serverPanel->n_dir, form_->serverPanel->usun_ftp,
          form_->serverPanel->sciagnij_ftp, form_->serverPanel->Cofnij})
        button->setEnabled(true);
    if (aborted) {
        form_->topPanel->Ustawienia2->setEnabled(true);
        form_->usun_all->setEnabled(true);
        form_->usun_all2->setEnabled(true);
    }
    QCoreApplication::processEvents();
    const Msg& told =
        direction_ == Direction::Upload ? transfertext::kUploadAborted : transfertext::kAborted;
    platform::services().messageBox(lang::pick(told, languageFlag()),
                                    QString::fromLatin1(transfertext::kAbortedCaption),
                                    platform::DlgButtons::Ok, platform::BoxKind::Error);
    closeWindow();
}

void TForm13::muzyka() {
    const QString sound = platform::programFile(QStringLiteral("Sygnal.wav"));
    if (QFile::exists(sound))
        platform::services().playSound(sound);
    else
        platform::services().beep();
}

void TForm13::showButtonTexts() {
    const int flag = languageFlag();
    czas2->setText(transfers::elapsedText(elapsed, flag));
    anuluj->setText(lang::pick(transfertext::kAbortButton, flag));
    Button1->setText(lang::pick(transfertext::kBackgroundButton, flag));
    Label1->setText(lang::pick(transfertext::kCounterCaption, flag));
}

void TForm13::resetLabels() {
    // The activation texts too, so the window opens at the size they need.
    showButtonTexts();
    const int flag = languageFlag();
    licznik->setText(lang::pick(transfertext::kFileLineIdle, flag));
    licznik2->setText(lang::pick(transfertext::kAll, flag));
    sped->setText(lang::pick(transfertext::kSpeedIdle, flag));
    lbl_ilosc->setText(QStringLiteral("0 KB"));
    GroupBox1->setTitle(lang::pick(transfertext::kOptions, flag));
    roz->setText(lang::pick(transfertext::kAfterDisconnect, flag));
    wyl->setText(lang::pick(transfertext::kAfterClose, flag));
    cl_win->setText(lang::pick(transfertext::kAfterShutdown, flag));
    syg->setText(lang::pick(transfertext::kSignal, flag));
    kilobyteCounter_ = 0;
    setGaugeToZero();
}

void TForm13::openWindow(Direction direction) {
    direction_ = direction;
    resetLabels();
    open_ = true;
    adjustSize();
    show();
    raise();
}

void TForm13::closeWindow() {
    // A failed file, the abort button and the batch's end may all close it;
    // the bookkeeping runs once per opening, also when "W tle" hid the window.
    if (!open_)
        return;
    open_ = false;
    hide();
    FormClose();
}

void TForm13::reserveCounterRoom() {
    const QFontMetrics metrics(font());
    lbl_ilosc->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("00000000 KB")) + 4);
    czas2->setMinimumWidth(qMax(metrics.horizontalAdvance(QString::fromUtf8("Upłynęło: 000:00:00")),
                                metrics.horizontalAdvance(QStringLiteral("Lost Time: 000:00:00"))) +
                           4);
}

void TForm13::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        reserveCounterRoom();
}

void TForm13::closeEvent(QCloseEvent* event) {
    closeWindow();
    event->accept();
}

void TForm13::FormClose() {
    Timer1->stop();
    if (syg->isChecked())
        muzyka();
    elapsed = {};
    form_->usun_buforClick();
    const QString record = platform::programFile(QStringLiteral("error.dat"));
    if (!userAborted && !keepErrorRecord && QFile::exists(record))
        QFile::remove(record);
    keepErrorRecord = false;
    if (form_->trayIconVisible()) {
        const QString icon = platform::programFile(QStringLiteral("ico_ftp.ico"));
        if (QFile::exists(icon))
            form_->showTrayIcon(icon);
        form_->setTrayHint(QString::fromLatin1(transfertext::kTrayIdle));
    }
}

void TForm13::mousePressEvent(QMouseEvent* event) {
    // No frame: the whole client area moves the window.
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    event->accept();
}

void TForm13::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - dragOffset_);
}
