// The remote file commands' buttons, menu items and keys, their windows, and
// the two commands that only show a window.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "log/info_window.h"
#include "log/properties_windows.h"
#include "platform/services.h"
#include "session/command_window.h"
#include "session/session_state.h"

void TForm1::wireRemoteOperations() {
    if (Form9)
        return;
    Form9 = new TForm9(this);
    Form16 = new TForm16(
        this, [this] { return topPanel->FTpServer->text(); }, [this] { return languageFlag(); });
    Form11 = new TForm11(this);
    Form12 = new TForm12(this);

    connect(serverPanel->n_dir, &QToolButton::clicked, this, &TForm1::n_katalogClick);
    connect(serverPanel->usun_ftp, &QToolButton::clicked, this, &TForm1::usun_katClick);
    connect(serverPanel->n_serwer, &QToolButton::clicked, this, &TForm1::n_serwerClick);
    connect(serverPanel->zamien, &QToolButton::clicked, this, &TForm1::zamienClick);
    connect(serverPanel->komenda, &QToolButton::clicked, this, &TForm1::komendaClick);
    connect(serverPanel->run_ftp, &QToolButton::clicked, this, &TForm1::run_ftpClick);
    // The remote list's menu and its copy behind the "FTP" toolbar button.
    for (QAction* item : {nowy_kat1, MenuItem7})
        connect(item, &QAction::triggered, this, &TForm1::n_katalogClick);
    for (QAction* item : {usun_pl1, MenuItem4})
        connect(item, &QAction::triggered, this, &TForm1::usun_katClick);
    for (QAction* item : {Wicej1, MenuItem8})
        connect(item, &QAction::triggered, this, &TForm1::Wicej1Click);
    for (QAction* item : {otworz_plik_ftp, MenuItem10})
        connect(item, &QAction::triggered, this, &TForm1::otworz_plik_ftpClick);
    for (QAction* item : {wlasciwosci, MenuItem25})
        connect(item, &QAction::triggered, this, &TForm1::wlasciwosciClick);
    connect(wlasciwosci2, &QAction::triggered, this, &TForm1::wlasciwosci2Click);
}

void TForm1::komendaClick() {
    if (!remoteCommandAllowed())
        return;
    platform::services().showModal(*Form9);
}

void TForm1::Wicej1Click() {
    // No connection needed: offline the window shows its header alone.
    Form16->fill(session->ListBox1.toStringList());
    platform::services().showModal(*Form16);
}
