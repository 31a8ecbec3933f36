// Opening the file properties windows from the remote and the local list.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "log/properties_texts.h"
#include "log/properties_windows.h"
#include "platform/services.h"
#include "session/remote_list.h"
#include "session/session_call.h"
#include "session/session_cursor.h"

using platform::DlgButtons;
using platform::DlgType;
using platform::services;

namespace {

// SIZE in binary mode: servers that follow RFC 3659 refuse it in ASCII mode,
// which is the mode every listing leaves behind.
int64_t remoteSize(TForm1& form, const std::string& name) {
    try {
        session::SessionCall call(form);
        form.FTP->SelectTransferType(ftBinary);
        return form.FTP->FileSize(name);
    } catch (const std::exception&) {
        return -1;
    }
}

} // namespace

void TForm1::wlasciwosciClick() {
    if (sessionCallWaiting() || transferBusy())
        return;
    if (!connected()) {
        services().messageDlg(lang::pick(proptext::kRemoteNotConnected, languageFlag()),
                              DlgType::Information, DlgButtons::Ok);
        return;
    }
    const int row = serverPanel->l3->currentRow();
    if (row < 0 || serverPanel->l3->rows()->picture(row) == remotelist::kFolderPicture)
        return;
    RemoteFileFacts facts;
    const listing::ParsedLine line = serverPanel->l3->rows()->parsed(row);
    facts.name = listing::decodeServerText(line.name);
    facts.rawLine = serverPanel->l3->rows()->rawLine(row);
    facts.server = topPanel->FTpServer->text();
    facts.folder = topPanel->CurrentDirEdit->text();
    session::hourglass();
    facts.size = remoteSize(*this, line.name.toStdString());
    session::normalCursor();
    Form11->setFacts(facts);
    services().showModal(*Form11);
}

void TForm1::wlasciwosci2Click() {
    const QList<QListWidgetItem*> selected = localPanel->pliki->selectedItems();
    if (selected.isEmpty()) {
        services().messageDlg(lang::pick(proptext::kNoLocalFile, languageFlag()),
                              DlgType::Information, DlgButtons::Ok);
        return;
    }
    // The item at the focus when it is selected, else the first selected one.
    const QListWidgetItem* item = localPanel->pliki->currentItem();
    if (!item || !item->isSelected())
        item = selected.first();
    Form12->setFile(localPanel->pliki->directory(), item->text());
    services().showModal(*Form12);
}
