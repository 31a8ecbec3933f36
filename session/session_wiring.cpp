// Connects the engine's events and the session's controls, menu items, keys
// and commands to their handlers, and creates the session's own windows.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "ftp/id_log_debug.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "log/log_window.h"
#include "session/listing_line.h"
#include "session/quick_connect_dialog.h"
#include "session/session_state.h"

#include <QHeaderView>

namespace {

LogSessionInfo sessionInfoOf(const TForm1& form) {
    LogSessionInfo info;
    info.language = languageFlag();
    info.user = form.topPanel->UserID->text();
    info.host = form.topPanel->FTpServer->text();
    info.password = form.topPanel->Password2->text();
    if (QTreeWidgetItem* entry = form.serverPanel->ftp_lista->currentItem();
        entry && entry->isSelected())
        info.selectedServer = entry->text(0);
    return info;
}

} // namespace

void TForm1::wireSession() {
    if (Form10)
        return;
    session = new SessionState(this);
    Powiekszenie = new TPowiekszenie(this);
    Powiekszenie->setSource(logPanel->memo1, [this] { return sessionInfoOf(*this); });
    Form10 = new TForm10(this);

    // The engine reports through these for the whole run.
    FTP->OnStatus = [this](TIdComponent*, TIdStatus, const std::string& text) {
        FTPStatus(listing::decodeServerText(text));
    };
    FTP->OnDisconnected = [this](TIdComponent*) { FTPDisconnected(); };
    IdLogDebug1->OnLogItem = [this](const std::string& item) {
        IdLogDebug1LogItem(listing::decodeServerText(item));
    };
    connect(Timer1, &QTimer::timeout, this, &TForm1::Button1Click);

    // Connecting and disconnecting.
    connect(topPanel->pol2, &QToolButton::clicked, this, &TForm1::pol2Click);
    connect(Polacz1, &QAction::triggered, this, &TForm1::pol2Click);
    connect(serverPanel->ftp_lista, &QTreeWidget::itemDoubleClicked, this, &TForm1::pol2Click);
    connect(topPanel->Password2, &QLineEdit::returnPressed, this, &TForm1::Password2KeyPress);
    connect(topPanel->roz2, &QToolButton::clicked, this, &TForm1::roz2Click);
    connect(topPanel->stop, &QToolButton::clicked, this, &TForm1::stopClick);
    connect(topPanel->CurrentDirEdit, &QLineEdit::textChanged, this, &TForm1::CurrentDirEditChange);
    CurrentDirEditChange();
    connect(topPanel->dynamik, &QToolButton::clicked, this, &TForm1::dynamikClick);

    // The remote list and its commands.
    connect(serverPanel->l3, &QAbstractItemView::doubleClicked, this, &TForm1::l3DblClick);
    connect(serverPanel->l3, &QAbstractItemView::clicked, this, &TForm1::l3Click);
    connect(serverPanel->l3->header(), &QHeaderView::sectionClicked, this, &TForm1::l3ColumnClick);
    for (QAction* open : {otworz_katalog, MenuItem6})
        connect(open, &QAction::triggered, this, &TForm1::l3DblClick);
    for (QAction* refresh : {Odwie1, MenuItem23})
        connect(refresh, &QAction::triggered, this, &TForm1::Odwie1Click);
    for (QAction* all : {ftp_wszystkie, MenuItem12})
        connect(all, &QAction::triggered, this, &TForm1::ftp_wszystkieClick);
    for (QAction* none : {ftp_nic, MenuItem13})
        connect(none, &QAction::triggered, this, &TForm1::ftp_nicClick);
    connect(serverPanel->Cofnij, &QToolButton::clicked, this, &TForm1::CofnijClick);
    connect(serverPanel->filtr2, &QToolButton::clicked, this, &TForm1::filtr2Click);
    connect(localPanel->kont, &QToolButton::clicked, this, &TForm1::kontClick);
    connect(topPanel->SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);

    // Any change of l3 refreshes the counters, once per burst of changes.
    auto* l3Changed = new QTimer(serverPanel->l3);
    l3Changed->setObjectName(QStringLiteral("l3ChangeTimer"));
    l3Changed->setSingleShot(true);
    l3Changed->setInterval(0);
    connect(l3Changed, &QTimer::timeout, this, &TForm1::Statusy);
    QAbstractItemModel* rows = serverPanel->l3->model();
    const auto changed = [l3Changed] { l3Changed->start(); };
    connect(rows, &QAbstractItemModel::rowsInserted, l3Changed, changed);
    connect(rows, &QAbstractItemModel::rowsRemoved, l3Changed, changed);
    connect(rows, &QAbstractItemModel::modelReset, l3Changed, changed);
    connect(rows, &QAbstractItemModel::dataChanged, l3Changed, changed);
    connect(rows, &QAbstractItemModel::layoutChanged, l3Changed, changed);
    connect(serverPanel->l3->selectionModel(), &QItemSelectionModel::selectionChanged, l3Changed,
            changed);

    connect(localPanel, &TLocalPanel::kontHovered, this, &TForm1::kontMouseMove);

    // The session log.
    connect(powiekszenie1, &QAction::triggered, this, &TForm1::powiekszenie1Click);
    connect(logi, &QAction::triggered, this, &TForm1::logiClick);

    wireRemoteOperations();
}
