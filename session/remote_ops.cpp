// Changing the remote folder from the main window: a new folder, renaming one
// entry (deleting the selected entries drives the progress window, beside the
// transfers).

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "platform/services.h"
#include "session/remote_list.h"
#include "session/remote_names.h"
#include "session/remote_ops_texts.h"
#include "session/session_call.h"
#include "session/session_cursor.h"
#include "session/session_state.h"

#include <QCoreApplication>

using platform::DlgButtons;
using platform::DlgType;
using platform::services;
namespace text = remoteops_text;

bool TForm1::remoteCommandAllowed() {
    // One conversation at a time: a command while another waits starts nothing.
    if (session->sessionCallDepth > 0 || transferBusy())
        return false;
    if (connected())
        return true;
    services().messageDlg(lang::pick(text::kNotConnected, languageFlag()), DlgType::Information,
                          DlgButtons::Ok);
    return false;
}

std::optional<std::string> TForm1::typedRemoteName(const QString& typed) const {
    const std::string bytes = remotePathBytes(typed);
    if (!remotenames::sendable(bytes))
        return std::nullopt;
    return bytes;
}

void TForm1::n_katalogClick() {
    if (!remoteCommandAllowed())
        return;
    const int flag = languageFlag();
    const std::optional<QString> answer = services().inputBox(
        lang::pick(text::kNewFolderCaption, flag), lang::pick(text::kNewFolderPrompt, flag), {});
    try {
        if (answer && !answer->isEmpty()) {
            const std::optional<std::string> name = typedRemoteName(*answer);
            if (!name)
                throw std::invalid_argument("line break in a folder name");
            session::SessionCall call(*this);
            FTP->MakeDirectory(*name);
        }
        // Also after a cancelled box: the listing shows what the server holds now.
        ChageDir(topPanel->CurrentDirEdit->text());
        Statusy();
    } catch (const std::exception&) {
        services().messageDlg(lang::pick(text::kNewFolderRefused, flag), DlgType::Error,
                              DlgButtons::Ok);
    }
}

void TForm1::n_serwerClick() {
    if (session->sessionCallDepth > 0 || transferBusy())
        return;
    const int flag = languageFlag();
    const int row = serverPanel->l3->currentRow();
    if (!connected() || row < 0) {
        services().messageDlg(lang::pick(text::kNothingToRename, flag), DlgType::Information,
                              DlgButtons::Ok);
        return;
    }
    // Only the two languages ask; any other flag does nothing.
    if (flag != 0 && flag != 1)
        return;
    const listing::ParsedLine line = serverPanel->l3->rows()->parsed(row);
    const std::string oldName = line.name.toStdString();
    const std::optional<QString> answer = services().inputBox(
        lang::pickStrict(text::kRenameCaption, flag), lang::pickStrict(text::kRenamePrompt, flag),
        listing::decodeServerText(line.name));
    if (!answer || answer->isEmpty())
        return;
    try {
        const std::optional<std::string> newName = typedRemoteName(*answer);
        if (!newName)
            throw std::invalid_argument("line break in a new name");
        {
            session::SessionCall call(*this);
            FTP->RenameRemote(oldName, *newName);
        }
        ChageDir(topPanel->CurrentDirEdit->text());
    } catch (const std::exception&) {
        services().messageDlg(lang::pick(text::kRenameRefused, flag), DlgType::Error,
                              DlgButtons::Ok);
    }
}
