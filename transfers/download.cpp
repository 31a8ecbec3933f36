// Downloading the selected rows of the remote list into the local folder, and
// the one-file download the start-up replay asks for.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "session/listing_line.h"
#include "session/remote_list.h"
#include "session/session_call.h"
#include "session/session_cursor.h"
#include "session/session_state.h"
#include "transfers/progress_window.h"
#include "transfers/queue_logic.h"
#include "transfers/remote_tree.h"
#include "transfers/transfer_batch.h"
#include "transfers/transfer_logic.h"
#include "transfers/transfer_state.h"
#include "transfers/transfer_texts.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

using platform::DlgButtons;
using platform::DlgType;
using platform::services;

namespace {

struct RemoteFile {
    std::string remote; // as the server wrote it
    QString local;      // as the user sees it
    bool folder = false;
    int64_t size = -1; // as the listing gave it
};

// The selected rows in list order, read once: a disconnect during the batch
// empties l3, and nothing may point into it then.
std::vector<RemoteFile> selectedFiles(const TForm1& form) {
    std::vector<RemoteFile> files;
    const remotelist::RemoteListModel& rows = *form.serverPanel->l3->rows();
    for (const int row : form.serverPanel->l3->selectedRows()) {
        const listing::ParsedLine line = rows.parsed(row);
        // A link is not followed: one to a folder would fetch what lies outside it.
        const bool folder = rows.picture(row) == remotelist::kFolderPicture;
        if (folder && (line.isLink || line.name == "." || line.name == ".."))
            continue;
        files.push_back(
            {rows.remoteName(row), listing::decodeServerText(line.name), folder, line.size});
    }
    return files;
}

// The files of the batch: selected files as they are, selected folders with everything
// below them (their local folders made, empty ones too). tree.serverFolder tells where
// reading the folders left the server.
transfers::RemoteTree batchFiles(TForm1& form, const std::vector<RemoteFile>& selected,
                                 const std::string& here, const QString& localFolder) {
    transfers::RemoteTree tree;
    tree.serverFolder = here;
    for (const RemoteFile& entry : selected) {
        if (entry.folder)
            transfers::readRemoteTree(*form.FTP, here, entry.remote, localFolder, entry.local,
                                      tree);
        else
            transfers::addTreeFile(
                tree, {here, entry.remote, localFolder, entry.local, entry.local, entry.size});
    }
    transfers::prepareLocalTree(form, tree);
    return tree;
}

bool sessionGone(const TForm1& form) {
    return !form.connected() || form.session->userClosedSession;
}

void showEndOfBatch(TForm1& form) {
    const int flag = languageFlag();
    form.Form13->licznik->setText(lang::pick(transfertext::kDownloadEnd, flag));
    form.Form13->licznik2->setText(lang::pick(transfertext::kAll, flag));
    form.Form13->setGaugeToZero();
}

} // namespace

namespace transfers {

void prepareLocalTree(TForm1& form, const RemoteTree& tree) {
    for (const QString& path : tree.skipped)
        logFailure(form, transfertext::kNotFollowed, path);
    for (const QString& path : tree.unreadable)
        logFailure(form, transfertext::kFolderNotRead, path);
    for (const QString& path : tree.localFolders)
        if (!QDir().mkpath(path))
            logFailure(form, transfertext::kFolderNotMade, path);
}

int fetchTreeFiles(TForm1& form, const RemoteTree& tree, const std::string& here,
                   SessionKeeper& keeper, const std::function<void(int)>& beforeFile) {
    std::string serverFolder = tree.serverFolder;
    int position = 0;
    int failed = 0;
    for (const TreeFile& file : tree.files) {
        ++position;
        if (beforeFile)
            beforeFile(position);
        const bool wasOpen = form.connected();
        bool fetched = keeper.ready();
        // A new login starts in `here` (or, for the queue, anywhere: no file of a tree
        // lives in `here` itself, so the next file changes folder first either way).
        if (!wasOpen)
            serverFolder = here;
        if (fetched && serverFolder != file.remoteFolder) {
            try {
                form.FTP->ChangeDirectory(file.remoteFolder);
                serverFolder = file.remoteFolder;
            } catch (const std::exception&) {
                fetched = false;
            }
        }
        if (!fetched || !fetchFile(form, file.remoteName, file.localName, file.localFolder, false,
                                   listing::decodeServerText(file.remoteFolder))) {
            ++failed;
            logFailure(form, transfertext::kDownloadFailed, file.shownPath);
            QCoreApplication::processEvents();
        }
        // A user abort ends the batch: the next file must not start on a
        // connection whose commands the abort has just handed back.
        if (form.Form13->abortRequested || form.session->userClosedSession)
            break;
    }
    // The remote list shows the folder the batch started in.
    if (serverFolder != here && form.connected()) {
        try {
            form.FTP->ChangeDirectory(here);
        } catch (const std::exception&) {
        }
    }
    return failed;
}

} // namespace transfers

bool TForm1::queueModeOn() const {
    return wlacz_bufor && wlacz_bufor->isChecked();
}

bool TForm1::zaznaczone_sciagnij() {
    transfers->selectedCount = int(selectedFiles(*this).size());
    return transfers->selectedCount > 0;
}

void TForm1::Blad_sciagania() {
    transfers::InterruptedDownload record;
    record.localFolder = localPanel->katalog->directory();
    // The connection fields are emptied whenever the window becomes active and
    // change with every click in the server list; the engine keeps what this
    // session was opened with.
    record.server = QString::fromStdString(FTP->Host);
    record.user = QString::fromStdString(FTP->User);
    record.password = QString::fromStdString(FTP->Password);
    record.remoteFolder = topPanel->CurrentDirEdit->text();
    if (const std::vector<int> selected = serverPanel->l3->selectedRows(); !selected.empty())
        record.fileName =
            listing::decodeServerText(serverPanel->l3->rows()->parsed(selected.front()).name);
    transfers::writeErrorRecord(platform::programFile(QStringLiteral("error.dat")), record);
}

void TForm1::s_plikClick() {
    // One conversation at a time: F7 or a drop while anything waits starts nothing.
    if (transfers->transferRunning || session->sessionCallDepth > 0)
        return;
    const int flag = languageFlag();
    // The queue is downloaded whatever the remote list shows selected now: its
    // files were chosen in other folders.
    if (queueModeOn() && connected()) {
        transfers->spr2 = QStringLiteral("0");
        S_bufor();
        QCoreApplication::processEvents();
        return;
    }
    if (!serverPanel->l3->hasSelectedRows() || !connected()) {
        services().messageDlg(lang::pick(transfertext::kNothingOrOffline, flag),
                              DlgType::Information, DlgButtons::Ok);
        return;
    }
    transfers->spr2 = QStringLiteral("0");
    const QString folder = localPanel->katalog->directory();
    topPanel->Password2->setText(kopia_haslo);
    if (!connected()) {
        services().messageDlg(lang::pick(transfertext::kNotConnected, flag), DlgType::Information,
                              DlgButtons::Ok);
        return;
    }
    if (settings.autoReconnect)
        Blad_sciagania();

    transfers->transferRunning = true;
    transfers::setBatchControlsEnabled(*this, false, true);
    const std::vector<RemoteFile> selected = selectedFiles(*this);
    transfers->selectedCount = int(selected.size());
    if (selected.empty()) {
        services().messageDlg(lang::pick(transfertext::kNothingSelected, flag),
                              DlgType::Information, DlgButtons::Ok);
        transfers::setBatchControlsEnabled(*this, true, true);
        transfers->transferRunning = false;
        transfers->spr2 = QStringLiteral("0");
        return;
    }

    TForm13& window = *Form13;
    window.abortRequested = false;
    window.komunikat->setText(lang::pick(transfertext::kDownloadHeading, flag));
    window.openWindow();
    transfers::prepareOptions(*this, transfertext::kSignal);
    {
        session::SessionCall call(*this);
        const std::string here = remotePathBytes(topPanel->CurrentDirEdit->text());
        const transfers::RemoteTree tree = batchFiles(*this, selected, here, folder);
        const std::vector<transfers::TreeFile>& files = tree.files;
        transfers->selectedCount = int(files.size());
        // As a folder upload does: a selected folder shows the bytes of everything below it.
        const bool wholeTree = std::any_of(selected.begin(), selected.end(),
                                           [](const RemoteFile& f) { return f.folder; });
        int64_t doneBytes = 0;
        // A file that cost the connection fails alone; the next logs in again.
        transfers::SessionKeeper keeper =
            transfers::keepSession(*this, transfers::returnToCurrentFolder(*this));
        transfers::fetchTreeFiles(*this, tree, here, keeper, [&](int position) {
            if (position > 1)
                doneBytes += files[size_t(position) - 2].size;
            if (transfers->selectedCount > 1 || wholeTree)
                window.licznik2->setText(
                    transfers::downloadBatchLine(position, transfers->selectedCount, flag) +
                    (wholeTree ? transfers::treeBytesLine(doneBytes, tree.totalBytes, flag)
                               : QString()));
        });
    }
    window.abortRequested = false;
    transfers::setBatchControlsEnabled(*this, true, true);
    transfers->transferRunning = false;
    QCoreApplication::processEvents();
    // A fetched folder is a new subfolder of the local one.
    localPanel->katalog->refresh();
    localPanel->pliki->refresh();
    serverPanel->l3->clearSelection();
    Statusy();
    session::normalCursor();
    showEndOfBatch(*this);
    QCoreApplication::processEvents();
    window.closeWindow();
    afterTransferChoice();
}

void TForm1::S_bufor2() {
    if (transfers->transferRunning || session->sessionCallDepth > 0)
        return;
    transfers->spr2 = QStringLiteral("0");
    const QString folder = localPanel->katalog->directory();
    if (!connected() || transfers->lista_bufor.isEmpty() || transfers->lista_bufor2.isEmpty())
        return;
    const int flag = languageFlag();
    const QString remoteFolder = transfers->lista_bufor.first();
    const QString name = transfers->lista_bufor2.first();
    transfers->transferRunning = true;
    transfers::setBatchControlsEnabled(*this, false, true);
    TForm13& window = *Form13;
    window.abortRequested = false;
    window.komunikat->setText(lang::pick(transfertext::kReplayHeading, flag));
    replayStatus(lang::pick(transfertext::kReplayConnected, flag));
    window.openWindow();
    transfers::prepareOptions(*this, transfertext::kSignalReplay);
    window.licznik2->setText(lang::pick(transfertext::kReplayBatch, flag));
    transfers->selectedCount = 1;
    {
        session::SessionCall call(*this);
        ChageDir(remoteFolder);
        // A folder that could not be entered leaves the list elsewhere, where a
        // file of the same name is not the one the record means.
        if (sessionGone(*this) ||
            queue::folderOf(topPanel->CurrentDirEdit->text()) != queue::folderOf(remoteFolder) ||
            !transfers::fetchFile(*this, remotePathBytes(name), name, folder, true)) {
            transfers::logFailure(*this, transfertext::kDownloadFailed, name);
            // The record stays for the next start; the replay tells the user.
            window.keepErrorRecord = true;
            window.closeWindow();
        }
    }
    window.abortRequested = false;
    transfers::setBatchControlsEnabled(*this, true, true);
    transfers->transferRunning = false;
    localPanel->pliki->refresh();
    Statusy();
    session::normalCursor();
    showEndOfBatch(*this);
    window.closeWindow();
    afterTransferChoice(true);
}
