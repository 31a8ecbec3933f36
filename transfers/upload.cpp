// Uploading the selected local files, or one local folder with everything below
// it, into the current remote folder.

#include "app/main_window.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "session/session_call.h"
#include "session/session_cursor.h"
#include "session/session_state.h"
#include "transfers/file_digest.h"
#include "transfers/local_tree.h"
#include "transfers/progress_window.h"
#include "transfers/remote_tree.h"
#include "transfers/transfer_batch.h"
#include "transfers/transfer_logic.h"
#include "transfers/transfer_state.h"
#include "transfers/transfer_texts.h"
#include "transfers/upload_resume.h"

#include <QCoreApplication>
#include <QFileInfo>

using platform::DlgButtons;
using platform::DlgType;
using platform::services;

namespace {

enum class Sent { Whole, Failed, FailedPartialLeft };

// One file. Once STOR has been taken the server has replaced any earlier copy, so a
// transfer that broke off (or was stopped) leaves a truncated file that looks complete
// under the final name: it is deleted, and said when the server refuses.
Sent sendOne(TForm1& form, transfers::SessionKeeper& keeper, const QString& folder,
             const QString& name) {
    const std::string remote = form.remotePathBytes(name);
    bool returned = false;
    try {
        form.FTP->SelectTransferType(ftBinary);
        const QString local = platform::joinPath(folder, name);
        const int64_t offset = transfers::chooseUploadResume(*form.FTP, remote, name, local);
        returned = transfers::uploadMaybeResumed(*form.FTP, local, remote, offset);
    } catch (const std::exception&) {
    }
    const TIdTransferInfo& transfer = form.FTP->LastTransfer();
    if (returned && !transfer.Aborted)
        return form.Form13->abortRequested ? Sent::Failed : Sent::Whole;
    if (!transfer.Started)
        return Sent::Failed;
    // A transfer that cost the connection: the delete goes over a new session.
    if (!keeper.ready())
        return Sent::FailedPartialLeft;
    try {
        form.FTP->DeleteRemoteFile(remote);
    } catch (const std::exception&) {
        return Sent::FailedPartialLeft;
    }
    return Sent::Failed;
}

void refreshRemoteListing(TForm1& form) {
    session::hourglass();
    {
        // The PWD waits on the server like any other call: Refresh, Up or
        // Enter pressed meanwhile must not start a second conversation.
        session::SessionCall call(form);
        try {
            const std::string where = form.FTP->CurrentDirectory();
            form.ChageDirRaw(where);
        } catch (const std::exception&) {
            // The listing keeps what it showed; the session's own checks report a lost connection.
        }
    }
    QCoreApplication::processEvents();
    session::normalCursor();
}

// MKD, and CWD into the folder: one the server already holds is entered, not refused.
bool makeOrEnter(TForm1& form, const std::string& folder) {
    try {
        form.FTP->MakeDirectory(folder);
    } catch (const std::exception&) {
        // Refused or already there: entering it tells which.
    }
    try {
        form.FTP->ChangeDirectory(folder);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void refuseFolder(TForm1& form, const QString& shown) {
    form.Form13->closeWindow();
    transfers::logFailure(form, transfertext::kFolderNotMade, shown);
    services().messageDlg(lang::pick(transfertext::kFolderRefused, languageFlag()), DlgType::Error,
                          DlgButtons::Ok);
    session::normalCursor();
}

void refuseFile(TForm1& form, const QString& name, Sent outcome) {
    form.Form13->closeWindow();
    const int flag = languageFlag();
    transfers::logFailure(form, transfertext::kUploadFailed, name);
    QString text;
    // The user who stopped it has been told already.
    if (!form.Form13->abortRequested)
        text = lang::pick(transfertext::kFileRefused, flag);
    if (outcome == Sent::FailedPartialLeft) {
        transfers::logFailure(form, transfertext::kPartialLeft, name);
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += lang::pick(transfertext::kPartialLeft, flag) + name;
    }
    if (!text.isEmpty())
        services().messageDlg(text, DlgType::Error, DlgButtons::Ok);
    session::normalCursor();
}

} // namespace

bool TForm1::zaznaczone_pliki() {
    transfers->selectedCount = int(localPanel->pliki->selectedFileNames().size());
    return transfers->selectedCount > 0;
}

void TForm1::w_plikClick() {
    if (transfers->transferRunning || session->sessionCallDepth > 0)
        return;
    const int flag = languageFlag();
    if (!connected()) {
        transfers->spr2 = QStringLiteral("0");
        return;
    }
    if (!zaznaczone_pliki()) {
        services().messageDlg(lang::pick(transfertext::kNothingToSend, flag), DlgType::Information,
                              DlgButtons::Ok);
        transfers->spr2 = QStringLiteral("0");
        return;
    }
    // Names in list order, read once: the list may be refreshed while we wait.
    QStringList names;
    for (int i = 0; i < localPanel->pliki->count(); ++i)
        if (localPanel->pliki->item(i)->isSelected())
            names.append(localPanel->pliki->item(i)->text());
    const QString folder = localPanel->pliki->directory();

    TForm13& window = *Form13;
    window.abortRequested = false;
    window.komunikat->setText(lang::pick(transfertext::kUploadHeading, flag));
    transfers::prepareOptions(*this, transfertext::kSignal);
    window.openWindow(TForm13::Direction::Upload);
    transfers->transferRunning = true;
    transfers::setBatchControlsEnabled(*this, false, false);
    session::normalCursor();
    QCoreApplication::processEvents();
    bool allSent = true;
    {
        session::SessionCall call(*this);
        transfers::SessionKeeper keeper =
            transfers::keepSession(*this, transfers::returnToCurrentFolder(*this));
        int position = 0;
        for (const QString& name : names) {
            ++position;
            const QString fileLine = lang::pick(transfertext::kUploadFile, flag) + name;
            window.licznik->setText(fileLine);
            window.licznik2->setText(
                transfers::uploadBatchLine(position, transfers->selectedCount, flag));
            transfers->currentFileSize = QFileInfo(platform::joinPath(folder, name)).size();
            const Sent outcome = sendOne(*this, keeper, folder, name);
            if (outcome != Sent::Whole) {
                allSent = false;
                refuseFile(*this, name, outcome);
                break;
            }
            QCoreApplication::processEvents();
            window.licznik->setText(fileLine);
        }
    }
    window.abortRequested = false;
    transfers::setBatchControlsEnabled(*this, true, false);
    transfers->transferRunning = false;
    if (!allSent) {
        // What the server holds now, broken file removed or not, is what the list shows.
        if (connected())
            refreshRemoteListing(*this);
        return;
    }
    window.closeWindow();
    refreshRemoteListing(*this);
    localPanel->pliki->clearSelection();
    window.setGaugeToZero();
    Statusy();
    QCoreApplication::processEvents();
    afterTransferChoice();
}

void TForm1::Button2Click() {
    if (transfers->transferRunning || session->sessionCallDepth > 0 || !connected())
        return;
    const int flag = languageFlag();
    const QString localFolder = localPanel->katalog->folderAt(localPanel->katalog->currentRow());
    const QString folderName = QFileInfo(localFolder).fileName();
    if (localFolder.isEmpty() || folderName.isEmpty())
        return;
    session::hourglass();
    transfers->transferRunning = true;
    const std::string parent = remotePathBytes(topPanel->CurrentDirEdit->text());
    const std::string topName = remotePathBytes(folderName);
    const std::string top = transfers::remoteChild(parent, topName);
    bool entered = false;
    if (transfers::uploadableName(folderName)) {
        session::SessionCall call(*this);
        entered = makeOrEnter(*this, top);
    }
    if (!entered) {
        transfers->transferRunning = false;
        services().messageDlg(lang::pick(transfertext::kFolderRefused, flag), DlgType::Error,
                              DlgButtons::Ok);
        session::normalCursor();
        QCoreApplication::processEvents();
        return;
    }
    ChageDirRaw(top);
    localPanel->katalog->setDirectory(localFolder);
    localPanel->pliki->setDirectory(localFolder);
    const transfers::LocalTree tree = transfers::readLocalTree(
        localFolder, [this](const QFileInfo& file) { return localPanel->pliki->shows(file); });
    for (const QString& path : tree.skipped)
        transfers::logFailure(*this, transfertext::kNotFollowed, path);
    for (const QString& path : tree.unreadable)
        transfers::logFailure(*this, transfertext::kFolderNotRead, path);
    transfers->selectedCount = int(tree.files.size());

    TForm13& window = *Form13;
    window.abortRequested = false;
    window.komunikat->setText(lang::pick(transfertext::kUploadHeading, flag));
    window.openWindow(TForm13::Direction::Upload);
    QCoreApplication::processEvents();
    bool allSent = true;
    {
        session::SessionCall call(*this);
        // The folder just entered, whatever its listing showed: files never go elsewhere.
        const std::string& topRaw = top;
        transfers::SessionKeeper keeper =
            transfers::keepSession(*this, transfers::returnToCurrentFolder(*this));
        std::string serverFolder = topRaw;
        int64_t doneBytes = 0;
        size_t next = 0;
        for (size_t f = 0; f < tree.folders.size() && allSent; ++f) {
            const transfers::LocalTreeFolder& folder = tree.folders[f];
            std::string remote = topRaw;
            for (const QString& name : folder.names)
                remote = transfers::remoteChild(remote, remotePathBytes(name));
            if (f > 0) {
                const bool wasOpen = connected();
                bool ready = keeper.ready();
                if (!wasOpen) // where a new login left the server is not taken on trust
                    serverFolder.clear();
                if (!ready || !makeOrEnter(*this, remote)) {
                    allSent = false;
                    refuseFolder(*this, (QStringList{folderName} + folder.names).join('/'));
                    break;
                }
                serverFolder = remote;
            }
            for (; next < tree.files.size() && tree.files[next].folder == int(f); ++next) {
                const transfers::LocalTreeFile& file = tree.files[next];
                window.licznik->setText(lang::pick(transfertext::kUploadFile, flag) + file.name);
                window.licznik2->setText(
                    transfers::uploadBatchLine(int(next) + 1, transfers->selectedCount, flag) +
                    transfers::treeBytesLine(doneBytes, tree.totalBytes, flag));
                transfers->currentFileSize = file.size;
                const bool wasOpen = connected();
                const bool ready = keeper.ready();
                if (!wasOpen)
                    serverFolder.clear();
                // A file goes into its own folder or nowhere; after a new login it is entered
                // again.
                if (ready && serverFolder != remote) {
                    try {
                        FTP->ChangeDirectory(remote);
                        serverFolder = remote;
                    } catch (const std::exception&) {
                    }
                }
                const Sent outcome = serverFolder == remote
                                         ? sendOne(*this, keeper, folder.localPath, file.name)
                                         : Sent::Failed;
                if (outcome != Sent::Whole) {
                    allSent = false;
                    refuseFile(*this, file.shownPath, outcome);
                    break;
                }
                doneBytes += file.size;
                QCoreApplication::processEvents();
            }
        }
        // The remote list shows the folder just sent.
        if (serverFolder != topRaw && connected()) {
            try {
                FTP->ChangeDirectory(topRaw);
            } catch (const std::exception&) {
            }
        }
    }
    window.abortRequested = false;
    transfers->transferRunning = false;
    if (!allSent) {
        if (connected())
            refreshRemoteListing(*this);
        return;
    }
    Statusy();
    window.closeWindow();
    refreshRemoteListing(*this);
}

void TForm1::kat_wyslijClick() {
    if (connected()) {
        Button2Click();
        return;
    }
    services().messageDlg(lang::pick(transfertext::kNotConnected, languageFlag()),
                          DlgType::Information, DlgButtons::Ok);
}
