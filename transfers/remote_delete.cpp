// Deleting the selected entries of the remote list: one command after another
// on the session, shown in the progress window and with the remote commands
// locked as during a transfer batch.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "platform/services.h"
#include "session/remote_list.h"
#include "session/remote_ops_texts.h"
#include "session/session_call.h"
#include "session/session_cursor.h"
#include "session/session_state.h"
#include "transfers/progress_window.h"
#include "transfers/transfer_batch.h"
#include "transfers/transfer_state.h"

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
    for (const int row : form.serverPanel->l3->selectedRows()) {
        const listing::ParsedLine line = form.serverPanel->l3->rows()->parsed(row);
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

void TForm1::usun_katClick() {
    if (session->sessionCallDepth > 0 || transfers->transferRunning)
        return;
    if (services().messageBox(QString::fromUtf8(text::kDeleteQuestion),
                              QString::fromUtf8(text::kDeleteCaption), DlgButtons::YesNo,
                              platform::BoxKind::Warning) != DlgResult::Yes)
        return;
    transfers->spr2 = QStringLiteral("0");
    if (!remoteCommandAllowed())
        return;
    const int flag = languageFlag();
    const std::vector<Entry> entries = selectedEntries(*this);
    transfers->selectedCount = int(entries.size());
    if (entries.empty()) {
        services().messageDlg(lang::pick(text::kNothingToDelete, flag), DlgType::Information,
                              DlgButtons::Ok);
        return;
    }

    TForm13& progress = *Form13;
    progress.resetLabels();
    progress.komunikat->setText(lang::pick(text::kDeletingHeading, flag));
    progress.Progressbar1->setRange(0, transfers->selectedCount);
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
                    const bool explain = !session->userClosedSession;
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
                    if (!session->userClosedSession)
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
        std::string where = session->currentDirRaw;
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
