// The main window's life: creation, activation, keys, and the ways out.

#include "app/main_window.h"

#include "app/config_file.h"
#include "app/server_panel.h"
#include "app/shell_texts.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "ftp/id_log_debug.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "platform/colors.h"
#include "platform/paths.h"
#include "platform/services.h"

#include <QApplication>
#include <QFile>
#include <QLayout>
#include <QScreen>

using platform::DlgButtons;
using platform::DlgResult;
using platform::DlgType;
using platform::services;

void TForm1::FormCreate() {
    // 1. The platform kind: what the running system offers for shutting down.
    platformKind = static_cast<unsigned char>(services().platformKind());
    // 2-3. The log pane stays docked in the bottom panel; hints are pale yellow.
    QPalette tips = QApplication::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0x00));
    QApplication::setPalette(tips, "QTipLabel");
    // 4. Both server lists start empty.
    serversEmptyAtStart();
    // 5. Settings.
    Odczyt_danych();
    // 6. The all-servers loader and the wizard instance.
    serversCreateAtStart();
    // 7. The protocol log hook.
    IdLogDebug1->Active = true;
    QCoreApplication::processEvents();
    // 8. The access password, then the wizard when the start category asks for it.
    if (QFile::exists(platform::programFile(QStringLiteral("pas.dat")))) {
        askAccessPassword();
        if (quitting_)
            return;
    }
    if (settings.startCategory == settings::kAskAtStart) {
        serversWizardAtStart();
        return;
    }
    // 9. The start category.
    QCoreApplication::processEvents();
    serversOpenStartCategory();
}

void TForm1::FormShow() {
    if (hiddenToTray) {
        repaintProgressWindow();
        return;
    }
    if (shownOnce_)
        return;
    shownOnce_ = true;
    if (settings.autoReconnect && QFile::exists(platform::programFile(QStringLiteral("error.dat"))))
        replayAtStart();
}

void TForm1::FormActivate() {
    // The start-up replay connects with the fields it has just filled, and a
    // window raised in the middle of a conversation with the server (the
    // certificate question of a secure login) hands the activation back while
    // the session still needs them.
    if (!replayRunning && !sessionCallWaiting()) {
        topPanel->UserID->clear();
        topPanel->Password2->clear();
        topPanel->FTpServer->clear();
    }
    Statusy();
    QCoreApplication::processEvents();
    rozmiary_odczyt();
}

bool TForm1::FormCloseQuery() {
    // The desktop's close (the title bar's box, the window manager's Alt+F4)
    // is the exit command: the question while connected, roz.dat saved.
    if (!quitting_)
        zamknijClick();
    return quitting_;
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool online = connected();
    if (key == Qt::Key_F4 && (modifiers & Qt::AltModifier)) {
        zamknijClick();
        return true;
    }
    switch (key) {
    case Qt::Key_Delete:
        if (l3Tag == 100 && online && szukajTag == 200) {
            usun_katClick();
            return true;
        }
        if (plikiTag == 101 && szukajTag == 200) {
            Usuplik1Click();
            return true;
        }
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!online || szukajTag == 105 || QApplication::focusWidget() == topPanel->Password2)
            return false;
        l3DblClick();
        return true;
    case Qt::Key_Escape:
        if (!online)
            return false;
        CofnijClick();
        return true;
    case Qt::Key_F1:
        pomoc1Click();
        return true;
    case Qt::Key_F2:
        if (online)
            return false;
        nowy2Click();
        return true;
    case Qt::Key_F3:
        if (online)
            return false;
        Edycjadanychserwera1Click();
        return true;
    case Qt::Key_F4:
        ranClick();
        return true;
    case Qt::Key_F5:
        if (online)
            return false;
        pol2Click();
        return true;
    case Qt::Key_F6:
        if (!online)
            return false;
        w_plikClick();
        return true;
    case Qt::Key_F7:
        if (!online)
            return false;
        s_plikClick();
        return true;
    case Qt::Key_F8:
        SpeedButton3Click();
        return true;
    case Qt::Key_F9:
        n_katalogClick();
        return true;
    default:
        return false;
    }
}

void TForm1::zamknijClick() {
    if (connected()) {
        const DlgResult answer =
            services().messageDlg(lang::pick(shell_texts::kExitWhileConnected, languageFlag()),
                                  DlgType::Warning, DlgButtons::YesNo);
        if (answer != DlgResult::Yes)
            return;
        roz2Click();
    }
    rozmiary_zapis();
    quitting_ = true;
    // Quit once control is back in the main loop, so that no engine call
    // still on the stack loses the window under it.
    QApplication::quit();
}

void TForm1::Splitter1Moved(int leftPosition) {
    leftPanelWidth = leftPosition;
}

void TForm1::rozmiary_odczyt() {
    bool ok = false;
    const int width = config::readRoz(platform::programFile(QStringLiteral("roz.dat")), &ok);
    if (!ok)
        return;
    leftPanelWidth = width;
    placeLeftPanel(width);
}

void TForm1::placeLeftPanel(int width) {
    // Splitter positions, never fixed widths: both splitters stay movable and
    // the window keeps its own minimum. A width saved on a wider screen is cut
    // to the room this window has on this one.
    int total = Splitter1->width() > 0 ? Splitter1->width() : this->width();
    if (const QScreen* shownOn = screen())
        total = qMin(total, shownOn->availableGeometry().width());
    const int room = qMax(0, total - Splitter1->handleWidth());
    const int left = qBound(0, width, room);
    Splitter1->setSizes({left, room - left});
    // The folder column may be narrower than its controls would like (the
    // stored half width, or the collapsed strip of the ">>>" button).
    localPanel->Panel6->setMinimumWidth(15);
    localPanel->Panel6->setMaximumWidth(QWIDGETSIZE_MAX);
    localPanel->Panel4->setMinimumWidth(35);
    // Lay the left panel out at its new width now, so that the folder
    // splitter divides its final width, not the one it had a moment ago.
    if (QLayout* panel = localPanel->layout())
        panel->activate();
    const int column = qMax(0, left / 2 - 15);
    const int folderRoom =
        localPanel->Splitter2->width() > 0 ? localPanel->Splitter2->width() : left;
    localPanel->Splitter2->setSizes(
        {column, qMax(0, folderRoom - column - localPanel->Splitter2->handleWidth())});
}

void TForm1::rozmiary_zapis() {
    config::writeRoz(platform::programFile(QStringLiteral("roz.dat")), leftPanelWidth);
}

void TForm1::Odczyt_danych() {
    const QString path = platform::programFile(QStringLiteral("konf.dat"));
    // A colour line the file lacks or cannot give keeps the built-in colour,
    // never 0 (black on black in every dialog).
    settings.fieldBackground = settings::kBuiltInBackground;
    settings.fieldText = settings::kBuiltInText;
    const config::KonfRead read = config::readKonf(path, settings);
    if (!read.exists) {
        for (const char* line : shell_texts::kKonfMissingLines)
            logPanel->memo1->addLine(QString::fromUtf8(line));
        return;
    }
    if (read.badLine) {
        services().messageDlg(lang::pick(shell_texts::kKonfBadLine, languageFlag())
                                  .arg(read.badLine)
                                  .arg(read.badText),
                              DlgType::Error, DlgButtons::Ok);
    }
    // 1. Window state.
    if (settings.startMaximised)
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        setWindowState(windowState() & ~Qt::WindowMaximized);
    // 2. Passive transfers.
    pasywny = settings.passiveMode;
    FTP->Passive = pasywny;
    // 3. Server panel layout.
    applyServerPanelLayout();
    // 4. Log pane and hook. Without the log the server panel covers the
    // whole bottom panel, its status bar included.
    trasa = settings.logPane;
    logPanel->memo1->setVisible(trasa);
    logPanel->setVisible(trasa);
    logPanel->fitBottomPanel();
    // 5. Language.
    if (settings.polish())
        jezyk_pol();
    else
        jezyk_ang();
    // 6. Default local folder.
    if (!localPanel->katalog->setDirectory(settings.defaultFolder)) {
        services().messageDlg(lang::pick(shell_texts::kDefaultFolderMissing, languageFlag()),
                              DlgType::Warning, DlgButtons::Ok);
        localPanel->katalog->setDirectory(platform::fallbackFolder());
    }
    // 7. Colours.
    Colory();
}

void TForm1::applyServerPanelLayout() {
    if (settings.serverListOnly) {
        serverPanel->l3->hide();
        serverPanel->Panel5Caption->setText(QStringLiteral("Lista Serwerów FTP"));
    } else {
        serverPanel->l3->show();
        serverPanel->Panel5Caption->setText(QStringLiteral("Lista serwerów FTP"));
    }
}
