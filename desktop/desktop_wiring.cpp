// The main window's side of the notification area and the shutdown: the
// tray icon tr_Icona and its menu, the caption button CButton, Shutdown1.

#include "app/main_window.h"

#include "app/top_panel.h"
#include "desktop/desktop_texts.h"
#include "desktop/program_icon.h"
#include "desktop/shutdown.h"
#include "desktop/tray_icon.h"
#include "platform/services.h"
#include "platform/tray_area.h"

#include <QApplication>
#include <QEvent>
#include <QImageReader>
#include <QPointer>
#include <QScreen>

namespace {

// Brings a window minimised with the main window back when the main window
// is restored.
class RestoreTogether : public QObject {
public:
    RestoreTogether(QWidget* main, QWidget* companion)
        : QObject(main), main_(main), companion_(companion) {
        main->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == main_ && event->type() == QEvent::WindowStateChange &&
            !(main_->windowState() & Qt::WindowMinimized)) {
            if (companion_ && companion_->isVisible() &&
                (companion_->windowState() & Qt::WindowMinimized))
                companion_->showNormal();
            deleteLater();
        }
        return false;
    }

private:
    QWidget* main_;
    QPointer<QWidget> companion_;
};

} // namespace

void TForm1::wireDesktop() {
    if (tr_Icona)
        return;
    QApplication::setWindowIcon(programIcon());
    tr_Icona = new TTrayIcon(this);
    tr_Icona->setObjectName(QStringLiteral("tr_Icona"));
    tr_Icona->setIcon(programIcon());
    tr_Icona->setHint(QString::fromLatin1(desktop_texts::kTrayHint));
    tr_Icona->setPopupMenu(Menu_tray);
    tr_Icona->OnClick = [this](TTrayIcon*, Qt::MouseButton button) { tr_IconaClick(button); };

    Shutdown1 = new TShutdown(this);
    Shutdown1->setObjectName(QStringLiteral("Shutdown1"));
    Shutdown1->MessageString = QString::fromUtf8(desktop_texts::kShutdownMessage);
    Shutdown1->TimeOut = 0;
    Shutdown1->AllowAbort = true;

    connect(topPanel->CButton, &QToolButton::clicked, this, &TForm1::CButtonClick);
    connect(pokaz_okno, &QAction::triggered, this, &TForm1::pokaz_oknoClick);
    connect(Tray_zamknij, &QAction::triggered, this, &TForm1::Tray_zamknijClick);
}

bool TForm1::trayAreaAvailable() const {
    return platform::trayArea().available();
}

void TForm1::minimiseInstead(QWidget* alsoMinimise) {
    if (alsoMinimise) {
        alsoMinimise->showMinimized();
        new RestoreTogether(this, alsoMinimise);
    }
    showMinimized();
    if (noTrayNoticeGiven)
        return;
    noTrayNoticeGiven = true;
    platform::services().notice(lang::pick(desktop_texts::kNoTrayArea, languageFlag()),
                                QString::fromLatin1(desktop_texts::kNoticeCaption));
}

void TForm1::CButtonClick() {
    if (!trayAreaAvailable()) {
        minimiseInstead(nullptr);
        return;
    }
    hiddenToTray = true;
    tr_Icona->setVisible(true);
    hide();
}

void TForm1::tr_IconaClick(Qt::MouseButton button) {
    // The right button opens the same menu at the pointer, through the icon.
    if (button != Qt::LeftButton)
        return;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    Menu_tray->popup(QPoint(screen.width() - 40, screen.height() - 20));
}

void TForm1::pokaz_oknoClick() {
    showMaximized();
    hiddenToTray = false;
    tr_Icona->setVisible(false);
}

void TForm1::Tray_zamknijClick() {
    QCoreApplication::processEvents();
    zamknijClick();
}

void TForm1::Akcja() {
    switch (platformKind) {
    case 1:
        Shutdown1->OperatingSystem = TShOs::shWin95;
        Shutdown1->Options = shoForce | shoLogoff | shoShutdown;
        break;
    case 2:
        Shutdown1->OperatingSystem = TShOs::shWinNT;
        Shutdown1->Options = shoForce | shoLogoff | shoShutdown;
        break;
    default:
        break; // left as placed: the 9x path without options logs the user off
    }
    Shutdown1->Execute();
}

// The progress window reports through the icon while it runs in the background.
bool TForm1::trayIconVisible() const {
    return tr_Icona->Visible();
}

void TForm1::showTrayIcon(const QString& iconFile) {
    // A file that holds no picture leaves the icon as it was.
    if (QImageReader(iconFile).canRead())
        tr_Icona->setIcon(QIcon(iconFile));
    tr_Icona->Refresh();
    tr_Icona->setVisible(true);
}

void TForm1::setTrayHint(const QString& hint) {
    tr_Icona->setHint(hint);
}
