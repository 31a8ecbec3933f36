// Connecting and disconnecting from the main window, and the engine's status
// and disconnect notifications.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "ftp/id_log_debug.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "platform/services.h"
#include "session/listing_line.h"
#include "session/quick_connect_dialog.h"
#include "session/reply_table.h"
#include "session/session_call.h"
#include "session/session_cursor.h"
#include "session/session_state.h"
#include "session/session_texts.h"
#include "session/tls_session.h"

#include <QCoreApplication>

using platform::DlgButtons;
using platform::DlgType;
using platform::services;

namespace {

// The server named in the long error message: the chosen entry of the server
// list or, after a quick connect, when no entry is chosen, the host itself.
QString serverCaption(TForm1& form) {
    if (QTreeWidgetItem* entry = form.serverPanel->ftp_lista->currentItem();
        entry && entry->isSelected())
        return entry->text(0);
    return form.topPanel->FTpServer->text();
}

QString connectErrorText(TForm1& form) {
    const int flag = languageFlag();
    return lang::pick(sessiontext::kConnectErrorHead, flag) + serverCaption(form) +
           lang::pick(sessiontext::kConnectErrorReasons, flag);
}

void setServerCommandsEnabled(TForm1& form, bool enabled) {
    form.nowy2->setEnabled(enabled);
    form.Usun1->setEnabled(enabled);
    form.Edycjadanychserwera1->setEnabled(enabled);
}

void showConnectedButtons(TForm1& form) {
    form.topPanel->pol2->setEnabled(false);
    form.topPanel->roz2->setEnabled(true);
    form.Polacz1->setEnabled(false);
    setServerCommandsEnabled(form, false);
}

void showDisconnectedButtons(TForm1& form) {
    form.topPanel->pol2->setEnabled(true);
    form.Polacz1->setEnabled(true);
    form.topPanel->roz2->setEnabled(false);
    setServerCommandsEnabled(form, true);
    // With the connection gone there is no transfer left to stop. A failed
    // disconnect may have left it open: STOP then stays.
    if (!form.connected())
        form.topPanel->stop->setEnabled(false);
}

// A listing or transfer still waiting for its data would wait on after the
// control connection is gone; it is stopped first so that the waiting call
// unwinds.
void stopWaitingTransfer(TForm1& form) {
    if (!form.FTP->DataChannel())
        return;
    try {
        form.FTP->AbortTransfer();
    } catch (const std::exception&) {
        // The control connection is about to close anyway.
    }
}

void closeEngineIfOpen(TForm1& form) {
    try {
        if (form.connected()) {
            stopWaitingTransfer(form);
            form.FTP->CloseConnection();
        }
    } catch (const std::exception&) {
        // Closing a connection that is going away cannot fail the user's step.
    }
}

void startDeferredReset(TForm1& form) {
    session::hourglass();
    form.Timer1->start();
    session::normalCursor();
    QCoreApplication::processEvents();
}

} // namespace

void TForm1::pol2Click() {
    // Connecting is a command of the disconnected state only (pol2 is disabled
    // otherwise): Enter in Password2 or a double click in the server list on an
    // open session, or while a call waits, starts nothing.
    if (session->sessionCallDepth > 0 || connected())
        return;
    const int flag = languageFlag();
    if (topPanel->Password2->text().isEmpty()) {
        logPanel->memo1->clear();
        QCoreApplication::processEvents();
        services().messageBox(lang::pick(sessiontext::kPasswordMissing, flag),
                              QString::fromLatin1(sessiontext::kBoxCaption), DlgButtons::Ok,
                              platform::BoxKind::Warning);
        topPanel->lbl_haslo->setStyleSheet(QStringLiteral("color: #FF0000;"));
        topPanel->Password2->setFocus();
        return;
    }
    StatusBar1->setPanelText(0, lang::pick(sessiontext::kConnecting, flag));
    StatusBar1->repaint();
    QCoreApplication::processEvents();
    zamknij_szukanie();
    serverPanel->Panel5->repaint();
    QCoreApplication::processEvents();
    serverPanel->SpeedButton1->setEnabled(false);
    if (topPanel->UserID->text().isEmpty()) {
        services().messageDlg(lang::pick(sessiontext::kSelectServer, flag), DlgType::Information,
                              DlgButtons::Ok);
        return;
    }
    showConnectedButtons(*this);

    session::SessionCall call(*this);
    try {
        IdLogDebug1->Active = trasa;
        FTP->Passive = pasywny;
        FTP->User = topPanel->UserID->text().toStdString();
        FTP->Password = topPanel->Password2->text().toStdString();
        kopia_haslo = topPanel->Password2->text();
        FTP->Host = topPanel->FTpServer->text().toStdString();
        bool numeric = false;
        const int port = edit_port.trimmed().toInt(&numeric);
        if (!numeric || port < 1 || port > 65535)
            throw EConvertError(edit_port.toStdString());
        FTP->Port = port;
        session::prepareSecurity(*this);
        topPanel->stop->setEnabled(true);
        session::hourglass();
        // The tables read the code of this connection, never one left from the last.
        FTP->ReplyCode = 0;
        FTP->OpenSession(true);
        ChageDir(topPanel->CurrentDirEdit->text());
        // Disconnected by the user while the first listing waited: roz2 has
        // already put everything in the disconnected state.
        if (session->userClosedSession) {
            session::normalCursor();
            return;
        }
        zmiana_polacz2();
        topPanel->dynamik->setEnabled(false);
        Statusy();
        session::showEncryption(*this);
        session::normalCursor();
        QCoreApplication::processEvents();
    } catch (const std::exception& failure) {
        switch (session::decideConnectFailure(session::replyCodeOf(failure, *FTP))) {
        case session::ConnectFailure::BrokenByUser:
            closeEngineIfOpen(*this);
            services().messageDlg(lang::pick(sessiontext::kBrokenByUser, flag), DlgType::Warning,
                                  DlgButtons::Ok);
            startDeferredReset(*this);
            break;
        case session::ConnectFailure::TimedOut:
            closeEngineIfOpen(*this);
            services().messageBox(lang::pick(sessiontext::kTimedOut, flag),
                                  QString::fromLatin1(sessiontext::kBoxCaption), DlgButtons::Ok,
                                  platform::BoxKind::Warning);
            startDeferredReset(*this);
            break;
        case session::ConnectFailure::Other:
            session::normalCursor();
            const QString tlsText = session::tlsFailureText(failure, flag);
            services().messageDlg(tlsText.isEmpty() ? connectErrorText(*this) : tlsText,
                                  DlgType::Warning, DlgButtons::Ok);
            zmiana_rozlacz2();
            showDisconnectedButtons(*this);
            topPanel->dynamik->setEnabled(true);
            QCoreApplication::processEvents();
            break;
        }
    }
}

void TForm1::roz2Click() {
    logPanel->memo1->show();
    closeQueueEditor();
    if (!connected())
        return;
    // A call still waiting on the engine will fail now; it was the user's wish.
    if (session->sessionCallDepth > 0)
        session->userClosedSession = true;
    bool closed = true;
    try {
        stopWaitingTransfer(*this);
        FTP->CloseSession();
    } catch (const std::exception&) {
        closed = false;
    }
    if (closed) {
        clearQueueLists();
        StatusBar1->setPanelText(4, QStringLiteral("N-BUF"));
        wlacz_bufor->setChecked(false);
        endQueueMode();
    }
    session::normalCursor();
    serverPanel->SpeedButton1->setEnabled(true);
    session->ListBox1.clear();
    serverPanel->l3->clear();
    session->currentDirRaw.clear();
    topPanel->CurrentDirEdit->setText(QStringLiteral("/"));
    showDisconnectedButtons(*this);
    topPanel->dynamik->setEnabled(true);
    topPanel->Ustawienia2->setEnabled(true);
    usun_all->setEnabled(true);
    usun_all2->setEnabled(true);
    if (closed)
        topPanel->stop->setEnabled(false);
    zmiana_rozlacz2();
    localPanel->pliki->clearSelection();
    Statusy();
    session::showEncryption(*this);
}

void session::reopenSession(TForm1& form) {
    if (form.session->userClosedSession)
        throw EIdException("Disconnected by the user.");
    form.logPanel->memo1->addLine(lang::pick(sessiontext::kReconnecting, languageFlag()));
    SessionCall call(form);
    // The engine still holds what this session was opened with: the fields of the
    // window may show another server by now.
    try {
        form.FTP->ReplyCode = 0;
        form.FTP->OpenSession(true);
    } catch (const std::exception&) {
        closeEngineIfOpen(form);
        throw;
    }
    showConnectedButtons(form);
    form.topPanel->stop->setEnabled(true);
    form.zmiana_polacz2();
    form.topPanel->dynamik->setEnabled(false);
}

void TForm1::stopClick() {
    try {
        FTP->AbortTransfer();
    } catch (const std::exception&) {
        // A connection that cannot take ABOR any more is being closed anyway.
    }
}

void TForm1::FTPStatus(const QString& statusText) {
    logPanel->memo1->addLine(statusText);
    StatusBar1->setPanelText(0, statusText);
}

void TForm1::FTPDisconnected() {
    StatusBar1->setPanelText(0,
                             lang::pickEnglishOnZero(sessiontext::kDisconnected, languageFlag()));
    session::showEncryption(*this);
    session::normalCursor();
    session->ListBox1.clear();
    serverPanel->l3->clear();
    // The server's spelling of the old folder must not lead the next session there.
    session->currentDirRaw.clear();
    topPanel->CurrentDirEdit->setText(QStringLiteral("/"));
    showDisconnectedButtons(*this);
    zmiana_rozlacz2();
    localPanel->pliki->clearSelection();
}

void TForm1::Button1Click() {
    Timer1->stop();
    zmiana_rozlacz2();
    session::normalCursor();
    closeEngineIfOpen(*this);
    serverPanel->SpeedButton1->setEnabled(true);
    QCoreApplication::processEvents();
}

void TForm1::pasywnyClick() {
    FTP->Passive = pasywny;
}

void TForm1::trasaClick() {
    IdLogDebug1->Active = trasa;
}

void TForm1::Password2KeyPress() {
    pol2Click();
}

void TForm1::CurrentDirEditChange() {
    kopia_dir = topPanel->CurrentDirEdit->text();
    // A folder set from anywhere but the server's own reply has no raw spelling.
    if (!session->currentDirRaw.empty() &&
        kopia_dir != listing::decodeServerText(session->currentDirRaw))
        session->currentDirRaw.clear();
}

void TForm1::dynamikClick() {
    if (Form10)
        services().showModal(*Form10);
}
