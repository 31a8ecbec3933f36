// Changing the remote folder from the main window: a new folder, deleting the
// selected entries, renaming one entry.

#include "app/main_window.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "platform/services.h"
#include "session/remote_list.h"
#include "session/remote_names.h"
#include "session/remote_ops_texts.h"
#include "session/session_call.h"
#include "session/session_cursor.h"
#include "transfers/progress_window.h"
#include "transfers/transfer_batch.h"

#include <QCoreApplication>

using platform::DlgButtons;
using platform::DlgResult;
using platform::DlgType;
using platform::services;
namespace text = remoteops_text;

namespace {

struct Entry {
    std::string name; // as the server wrote it
    QString shown;
    bool folder = false;
};

// The selected rows in row order, read before anything is sent: a failed
// RMD disconnects and empties l3 in the middle of the loop.
std::vector<Entry> selectedEntries(const TForm1& form) {
    std::vector<Entry> entries;
    for (const int row : form.l3->selectedRows()) {
        const listing::ParsedLine line = form.l3->rows()->parsed(row);
        entries.push_back(
            {line.name.toStdString(), listing::decodeServerText(line.name), line.isFolder});
    }
    return entries;
}

const Msg& rmdWarning(int code) {
    if (code == 421)
        return text::kRmdTimedOut;
    if (code == 550)
        return text::kRmdNoRights;
    return text::kRmdOther;
}

void setDeleteOptionsEnabled(TForm13& progress, bool enabled) {
    for (QCheckBox* box : {progress.roz, progress.wyl, progress.cl_win, progress.syg})
        box->setEnabled(enabled);
}

} // namespace

bool TForm1::remoteCommandAllowed() {
    // One conversation at a time: a command while another waits starts nothing.
    if (sessionCallDepth > 0 || transferRunning)
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

void TForm1::usun_katClick() {
    if (sessionCallDepth > 0 || transferRunning)
        return;
    if (services().messageBox(QString::fromUtf8(text::kDeleteQuestion),
                              QString::fromUtf8(text::kDeleteCaption), DlgButtons::YesNo,
                              platform::BoxKind::Warning) != DlgResult::Yes)
        return;
    spr2 = QStringLiteral("0");
    if (!remoteCommandAllowed())
        return;
    const int flag = languageFlag();
    const std::vector<Entry> entries = selectedEntries(*this);
    selectedCount = int(entries.size());
    if (entries.empty()) {
        services().messageDlg(lang::pick(text::kNothingToDelete, flag), DlgType::Information,
                              DlgButtons::Ok);
        return;
    }

    TForm13& progress = *Form13;
    progress.resetLabels();
    progress.komunikat->setText(lang::pick(text::kDeletingHeading, flag));
    progress.Progressbar1->setRange(0, selectedCount);
    progress.Progressbar1->setValue(0);
    setDeleteOptionsEnabled(progress, false);
    progress.show();
    transfers::setBatchControlsEnabled(*this, false, false);
    bool sessionClosed = false;
    {
        session::SessionCall call(*this);
        int done = 0;
        for (const Entry& entry : entries) {
            if (entry.folder) {
                try {
                    FTP->RemoveDirectory(entry.name);
                    QCoreApplication::processEvents();
                } catch (const std::exception& failure) {
                    progress.hide();
                    const int code = session::replyCodeOf(failure, *FTP);
                    // The user's own disconnect needs no explanation.
                    const bool explain = !userClosedSession;
                    if (explain)
                        services().messageDlg(lang::pick(rmdWarning(code), flag), DlgType::Warning,
                                              DlgButtons::Ok);
                    session::normalCursor();
                    // A server that dropped the line has already closed the session.
                    if (connected())
                        roz2Click();
                    else
                        FTPDisconnected();
                    if (explain)
                        services().messageDlg(lang::pick(text::kFolderNotDeleted, flag),
                                              DlgType::Error, DlgButtons::Ok);
                    sessionClosed = true;
                }
                progress.licznik->setText(lang::pick(text::kDeletingFolder, flag) + entry.shown);
            } else {
                try {
                    FTP->DeleteRemoteFile(entry.name);
                    QCoreApplication::processEvents();
                } catch (const std::exception&) {
                    progress.hide();
                    if (!userClosedSession)
                        services().messageDlg(lang::pick(text::kFileNotDeleted, flag),
                                              DlgType::Error, DlgButtons::Ok);
                    session::hourglass();
                }
                progress.licznik->setText(lang::pick(text::kDeletingFile, flag) + entry.shown);
            }
            progress.Progressbar1->setValue(++done);
            progress.licznik->repaint();
            QCoreApplication::processEvents();
            // Nothing more can be sent once the session is gone (a failed RMD,
            // or the user disconnected while a command waited).
            if (sessionClosed || !connected())
                break;
        }
    }
    session::hourglass();
    if (connected()) {
        std::string where = currentDirRaw;
        try {
            session::SessionCall call(*this);
            where = FTP->CurrentDirectory();
        } catch (const std::exception&) {
            // The listing below goes through the reply table anyway.
        }
        if (connected())
            ChageDirRaw(where);
    }
    QCoreApplication::processEvents();
    progress.setGaugeToZero();
    setDeleteOptionsEnabled(progress, true);
    progress.hide();
    transfers::setBatchControlsEnabled(*this, true, false);
    Statusy();
    session::normalCursor();
    QCoreApplication::processEvents();
}

void TForm1::n_serwerClick() {
    if (sessionCallDepth > 0 || transferRunning)
        return;
    const int flag = languageFlag();
    const int row = l3->currentRow();
    if (!connected() || row < 0) {
        services().messageDlg(lang::pick(text::kNothingToRename, flag), DlgType::Information,
                              DlgButtons::Ok);
        return;
    }
    // Only the two languages ask; any other flag does nothing.
    if (flag != 0 && flag != 1)
        return;
    const listing::ParsedLine line = l3->rows()->parsed(row);
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
