// Moving through the remote folders and working with the rows of `l3`:
// open, up, refresh, selection, row clicks, sorting and the mask filter.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "platform/services.h"
#include "session/remote_list.h"
#include "session/session_cursor.h"
#include "session/session_state.h"
#include "session/session_texts.h"

#include <QCoreApplication>
#include <QHeaderView>

using platform::DlgButtons;
using platform::DlgType;
using platform::services;

namespace {

void focusFirstRow(TForm1& form) {
    if (form.serverPanel->l3->rowCount() == 0)
        return;
    form.serverPanel->l3->setFocus();
    form.serverPanel->l3->setCurrentRow(0);
}

void tellNotConnected(const Msg& message) {
    services().messageDlg(lang::pick(message, languageFlag()), DlgType::Information,
                          DlgButtons::Ok);
}

} // namespace

void TForm1::l3DblClick() {
    const int row = serverPanel->l3->currentRow();
    if (row < 0)
        return;
    dragAllowed = false;
    // One conversation at a time: a double click while a call waits is ignored.
    if (!connected() || session->sessionCallDepth > 0)
        return;
    session::hourglass();
    // The row may be gone once the engine has run; keep only what it said.
    const listing::ParsedLine entry = serverPanel->l3->rows()->parsed(row);
    const std::string name = entry.name.toStdString();
    if (entry.isFolder)
        ChageDirRaw(name);
    else if (entry.isLink)
        openLinkedFolder(name);
    Statusy();
    session::normalCursor();
    QCoreApplication::processEvents();
    dragAllowed = false;
    focusFirstRow(*this);
}

void TForm1::CofnijClick() {
    if (!connected() || session->sessionCallDepth > 0)
        return;
    session::hourglass();
    ChageDirRaw("..");
    focusFirstRow(*this);
    session::normalCursor();
}

void TForm1::Odwie1Click() {
    if (!connected() || session->sessionCallDepth > 0)
        return;
    session::hourglass();
    ChageDir(topPanel->CurrentDirEdit->text());
    Statusy();
    session::normalCursor();
    QCoreApplication::processEvents();
}

void TForm1::ftp_wszystkieClick() {
    if (!connected()) {
        tellNotConnected(sessiontext::kNotConnected);
        return;
    }
    std::vector<int> files;
    for (int i = 0; i < serverPanel->l3->rowCount(); ++i)
        if (serverPanel->l3->rows()->picture(i) == remotelist::kFilePicture)
            files.push_back(i);
    serverPanel->l3->selectRows(files);
}

void TForm1::ftp_nicClick() {
    if (!connected()) {
        tellNotConnected(sessiontext::kNotConnected);
        return;
    }
    serverPanel->l3->clearSelection();
}

void TForm1::l3Click() {
    l3Tag = 100;
    szukajTag = 200;
    const int row = serverPanel->l3->currentRow();
    if (row < 0)
        return;
    session->clickedRemoteName = serverPanel->l3->rows()->caption(row);
    dragAllowed = true;
    if (!connected())
        return;
    const bool file = serverPanel->l3->rows()->picture(row) == remotelist::kFilePicture;
    wlasciwosci->setEnabled(file);
    otworz_katalog->setEnabled(!file);
    if (file) {
        if (!wlacz_bufor->isChecked()) {
            otworz_plik_ftp->setEnabled(true);
            serverPanel->run_ftp->setEnabled(true);
        }
        addToQueue(row);
    } else {
        otworz_plik_ftp->setEnabled(false);
        serverPanel->run_ftp->setEnabled(false);
    }
}

void TForm1::l3ColumnClick() {
    session->l3Sorted = true;
    serverPanel->l3->header()->setSortIndicatorShown(true);
    serverPanel->l3->header()->setSortIndicator(0, Qt::AscendingOrder);
    serverPanel->l3->rows()->sortByCaption();
}

void TForm1::filtr2Click() {
    const int flag = languageFlag();
    if (!connected()) {
        tellNotConnected(sessiontext::kNotConnectedFilter);
        return;
    }
    session::hourglass();
    std::optional<QString> mask;
    // Only the two languages ask; any other flag asks nothing.
    if (flag == 0 || flag == 1)
        mask = services().inputBox(lang::pickStrict(sessiontext::kFilterCaption, flag),
                                   lang::pickStrict(sessiontext::kFilterPrompt, flag), QString());
    if (!mask || mask->isEmpty()) {
        session::normalCursor();
        Statusy();
        return;
    }
    serverPanel->l3->rows()->keepCaptionsEndingWith(*mask);
    Statusy();
    session::normalCursor();
}

void TForm1::SpeedButton4Click() {
    popupAtToolbar(menu_ftp_2, topPanel->SpeedButton4);
}
