// TForm1: construction, the engine it owns, and the window events it turns
// into its handlers.

#include "app/main_window.h"

#include "app/accessible_names.h"
#include "app/button_pictures.h"
#include "app/language.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_anti_freeze.h"
#include "ftp/id_ftp.h"
#include "ftp/id_log_debug.h"
#include "ftp/main_window_engine.h"
#include "local/drive_folders.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLayout>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

TForm1* Form1 = nullptr;

int languageFlag() {
    return Form1 ? Form1->settings.language : 1;
}

namespace {
Q_LOGGING_CATEGORY(protocolLog, "korvante.protocol", QtWarningMsg)
}

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    Form1 = this;
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("KORVANTE 2.5.5 - Klient FTP"));
    resize(780, 548);
    QFont base(QStringLiteral("Sans Serif"), 8);
    base.setBold(true);
    setFont(base);
    setStyleSheet(QStringLiteral("QMainWindow, QWidget#Panel1 { color: navy; }"));

    topPanel = new TTopPanel(this);
    localPanel = new TLocalPanel(this);
    serverPanel = new TServerPanel(this);
    logPanel = new TLogPanel(this);
    StatusBar1 = new TMainStatusBar(logPanel);
    logPanel->setStatusBar(StatusBar1);
    connect(logPanel, &TLogPanel::clicked, this, &TForm1::Panel3Click);
    connect(logPanel, &TLogPanel::doubleClicked, this, &TForm1::Panel3DblClick);
    buildMenus();
    showButtonPictures(*this);
    linkFieldLabels(*this);
    nameControls(*this, true);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(topPanel);
    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->addWidget(localPanel);
    Splitter1->addWidget(serverPanel);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({337, 443});
    // Without roz.dat the folder column keeps the design's share too, not
    // the width its drive box and counters would like.
    localPanel->Panel6->setMinimumWidth(15);
    localPanel->Splitter2->setSizes({337 / 2 - 15, 337 - (337 / 2 - 15)});
    column->addWidget(Splitter1, 1);
    column->addWidget(logPanel);
    logPanel->setFixedHeight(89 + 40);
    setCentralWidget(central);

    // The engine, its log hook and the one message pump of the program.
    IdAntiFreeze1 = std::make_unique<TIdAntiFreeze>();
    IdAntiFreeze1->Pump = [](bool) { QCoreApplication::processEvents(); };
    IdLogDebug1 = std::make_unique<TIdLogDebug>();
    IdLogDebug1->DebugOutput = [](const std::string& line) {
        qCDebug(protocolLog, "%s", line.c_str());
    };
    FTP = std::make_unique<TIdFTP>();
    configureMainWindowEngine(*FTP, *IdLogDebug1, IdAntiFreeze1.get());
    // The hook goes live during start-up, once the settings are read.
    IdLogDebug1->Active = false;

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(500);

    // The window sees every key first.
    qApp->installEventFilter(this);
    wireShell();
    wireSession();
    wireServerLists();
    wireServerDialogs();
    wireSettings();
    // TForm8 follows TUstawienia, as it always has.
    wireAddressBook();
    wireTransfers();
    wireLocalPanel();
    wireQueue();
    wireBackgroundJobs();
    wireReplay();
    wireDesktop();
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
    // Objects that watch the window's widgets (event filters, timers) go
    // first, while the window is still whole: destroying the widgets sends
    // events that must not reach a half-destroyed window.
    const QObjectList helpers = children();
    for (QObject* child : helpers)
        if (!child->isWidgetType() && !qobject_cast<QLayout*>(child))
            delete child;
    // The same for the regions' own reports of what their widgets saw.
    if (localPanel)
        disconnect(localPanel, nullptr, this, nullptr);
    if (Form1 == this)
        Form1 = nullptr;
}

bool TForm1::connected() const {
    return FTP && FTP->IsOpen();
}

int TForm1::lastReplyCode() const {
    return FTP ? FTP->ReplyCode : 0;
}

void TForm1::popupAtToolbar(QMenu* menu, QWidget* button) {
    // Button's left edge + 15, main window's top + 45, in screen coordinates.
    const QPoint buttonLeft = button->mapToGlobal(QPoint(0, 0));
    menu->popup(QPoint(buttonLeft.x() + 15, frameGeometry().top() + 45));
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (FormKeyDown(event->key(), event->modifiers()))
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // A click into the inactive window activates it first, then acts: the
    // activation handler runs before the click, not after what it selected.
    if (event->type() == QEvent::MouseButtonPress && !isActiveWindow()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && !activatedByPress_) {
            activatedByPress_ = true;
            FormActivate();
        }
    }
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (FormKeyDown(key->key(), key->modifiers()))
                return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    // A dead connection may still be open: close it so that no call waiting
    // on the server keeps the program alive after its window is gone.
    if (connected())
        roz2Click();
    event->accept();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FormShow();
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow())
        activatedByPress_ = false;
    else if (activatedByPress_)
        activatedByPress_ = false; // already handled when the click came in
    else
        FormActivate();
}
