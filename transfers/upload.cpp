// Uploading the selected local files, or every file of one local folder, into
// the current remote folder.

#include "app/main_window.h"
#include "ftp/id_ftp.h"
#include "local/local_lists.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "session/session_call.h"
#include "session/session_cursor.h"
#include "transfers/progress_window.h"
#include "transfers/transfer_batch.h"
#include "transfers/transfer_logic.h"
#include "transfers/transfer_texts.h"

#include <QCoreApplication>
#include <QFileInfo>

using platform::DlgButtons;
using platform::DlgType;
using platform::services;

namespace {

// One file; false when the server refused it, the local file could not be
// read or the user stopped it.
bool sendOne(TForm1& form, const QString& folder, const QString& name) {
    try {
        form.FTP->SelectTransferType(ftBinary);
        const QByteArray local = QFile::encodeName(platform::joinPath(folder, name));
        form.FTP->UploadFile(local.toStdString(), form.remotePathBytes(name), false);
        return !form.Form13->abortRequested;
    } catch (const std::exception&) {
        return false;
    }
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

void refuseFile(TForm1& form, const QString& name) {
    form.Form13->closeWindow();
    transfers::logFailure(form, transfertext::kUploadFailed, name);
    // The user who stopped it has been told already.
    if (!form.Form13->abortRequested)
        services().messageDlg(lang::pick(transfertext::kFileRefused, form.language()),
                              DlgType::Error, DlgButtons::Ok);
    session::normalCursor();
}

} // namespace

bool TForm1::zaznaczone_pliki() {
    selectedCount = int(pliki->selectedFileNames().size());
    return selectedCount > 0;
}

void TForm1::w_plikClick() {
    if (transferRunning || sessionCallDepth > 0)
        return;
    const int flag = language();
    if (!connected()) {
        spr2 = QStringLiteral("0");
        return;
    }
    if (!zaznaczone_pliki()) {
        services().messageDlg(lang::pick(transfertext::kNothingToSend, flag), DlgType::Information,
                              DlgButtons::Ok);
        spr2 = QStringLiteral("0");
        return;
    }
    // Names in list order, read once: the list may be refreshed while we wait.
    QStringList names;
    for (int i = 0; i < pliki->count(); ++i)
        if (pliki->item(i)->isSelected())
            names.append(pliki->item(i)->text());
    const QString folder = pliki->directory();

    TForm13& window = *Form13;
    window.abortRequested = false;
    window.komunikat->setText(lang::pick(transfertext::kUploadHeading, flag));
    transfers::prepareOptions(*this, transfertext::kSignal);
    window.openWindow();
    transferRunning = true;
    transfers::setBatchControlsEnabled(*this, false, false);
    session::normalCursor();
    QCoreApplication::processEvents();
    bool allSent = true;
    {
        session::SessionCall call(*this);
        int position = 0;
        for (const QString& name : names) {
            ++position;
            const QString fileLine = lang::pick(transfertext::kUploadFile, flag) + name;
            window.licznik->setText(fileLine);
            window.licznik2->setText(transfers::uploadBatchLine(position, selectedCount, flag));
            currentFileSize = QFileInfo(platform::joinPath(folder, name)).size();
            if (!sendOne(*this, folder, name)) {
                allSent = false;
                refuseFile(*this, name);
                break;
            }
            QCoreApplication::processEvents();
            window.licznik->setText(fileLine);
        }
    }
    window.abortRequested = false;
    transfers::setBatchControlsEnabled(*this, true, false);
    transferRunning = false;
    if (!allSent)
        return;
    window.closeWindow();
    refreshRemoteListing(*this);
    pliki->clearSelection();
    window.setGaugeToZero();
    Statusy();
    QCoreApplication::processEvents();
    afterTransferChoice();
}

void TForm1::Button2Click() {
    if (transferRunning || sessionCallDepth > 0 || !connected())
        return;
    const int flag = language();
    const QString localFolder = katalog->folderAt(katalog->currentRow());
    const QString folderName = QFileInfo(localFolder).fileName();
    if (localFolder.isEmpty() || folderName.isEmpty())
        return;
    session::hourglass();
    transferRunning = true;
    bool made = true;
    {
        session::SessionCall call(*this);
        try {
            FTP->MakeDirectory(remotePathBytes(folderName));
        } catch (const std::exception&) {
            made = false;
        }
    }
    if (!made) {
        transferRunning = false;
        services().messageDlg(lang::pick(transfertext::kFolderRefused, flag), DlgType::Error,
                              DlgButtons::Ok);
        session::normalCursor();
        QCoreApplication::processEvents();
        return;
    }
    ChageDir(folderName);
    katalog->setDirectory(localFolder);
    pliki->setDirectory(localFolder);
    QStringList names;
    for (int i = 0; i < pliki->count(); ++i)
        names.append(pliki->item(i)->text());
    selectedCount = int(names.size());

    TForm13& window = *Form13;
    window.abortRequested = false;
    window.komunikat->setText(lang::pick(transfertext::kUploadHeading, flag));
    window.openWindow();
    QCoreApplication::processEvents();
    bool allSent = true;
    {
        session::SessionCall call(*this);
        for (const QString& name : names) {
            window.licznik->setText(lang::pick(transfertext::kUploadFile, flag) + name);
            currentFileSize = QFileInfo(platform::joinPath(localFolder, name)).size();
            if (!sendOne(*this, localFolder, name)) {
                allSent = false;
                refuseFile(*this, name);
                break;
            }
        }
    }
    window.abortRequested = false;
    transferRunning = false;
    if (!allSent)
        return;
    Statusy();
    window.closeWindow();
    refreshRemoteListing(*this);
}

void TForm1::kat_wyslijClick() {
    if (connected()) {
        Button2Click();
        return;
    }
    services().messageDlg(lang::pick(transfertext::kNotConnected, language()), DlgType::Information,
                          DlgButtons::Ok);
}
