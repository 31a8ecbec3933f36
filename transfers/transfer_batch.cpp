#include "transfers/transfer_batch.h"

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "platform/paths.h"
#include "session/session_call.h"
#include "transfers/part_file.h"
#include "transfers/progress_window.h"
#include "transfers/transfer_logic.h"
#include "transfers/transfer_state.h"
#include "transfers/transfer_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace transfers {

void setBatchControlsEnabled(TForm1& form, bool enabled, bool includeShowWindow) {
    for (QToolButton* button :
         {form.serverPanel->zamien, form.serverPanel->komenda, form.serverPanel->filtr2,
          form.serverPanel->n_serwer, form.serverPanel->n_dir, form.serverPanel->usun_ftp,
          form.serverPanel->run_ftp, form.serverPanel->sciagnij_ftp, form.serverPanel->Cofnij,
          form.topPanel->Ustawienia2})
        if (button)
            button->setEnabled(enabled);
    for (QAction* item : {form.otworz_plik_ftp, form.sciagnij_pl, form.MenuItem1, form.usun_pl1,
                          form.otworz_katalog, form.nowy_kat1, form.Wicej1, form.ftp_wszystkie,
                          form.ftp_nic, form.wlasciwosci, form.usun_all, form.usun_all2})
        if (item)
            item->setEnabled(enabled);
    if (includeShowWindow && form.pokaz_okno)
        form.pokaz_okno->setEnabled(enabled);
}

void prepareOptions(TForm1& form, const Msg& signalCaption) {
    TForm13& window = *form.Form13;
    const int flag = languageFlag();
    window.GroupBox1->setTitle(lang::pick(transfertext::kOptions, flag));
    window.roz->setText(lang::pick(transfertext::kAfterDisconnect, flag));
    window.wyl->setText(lang::pick(transfertext::kAfterClose, flag));
    window.cl_win->setText(lang::pick(transfertext::kAfterShutdown, flag));
    window.syg->setText(lang::pick(signalCaption, flag));
    for (QCheckBox* box : {window.roz, window.wyl, window.cl_win})
        box->setEnabled(true);
}

int64_t remoteFileSize(TForm1& form, const std::string& remoteName) {
    try {
        form.FTP->SelectTransferType(ftBinary);
        return form.FTP->FileSize(remoteName);
    } catch (const std::exception&) {
        return -1;
    }
}

bool fetchFile(TForm1& form, const std::string& remoteName, const QString& localName,
               const QString& localFolder, bool replay, const QString& remoteFolder) {
    if (!safeLocalName(localName))
        return false;
    try {
        form.FTP->SelectTransferType(ftBinary);
    } catch (const std::exception&) {
        return false;
    }
    form.transfers->currentFileSize = remoteFileSize(form, remoteName);
    form.Form13->licznik->setText(downloadFileLine(localName, form.transfers->currentFileSize,
                                                   platform::isRoot(localFolder), languageFlag(),
                                                   replay));
    return downloadFile(form, remoteName, platform::joinPath(localFolder, localName),
                        form.transfers->currentFileSize, remoteFolder);
}

bool downloadFile(TForm1& form, const std::string& remoteName, const QString& localPath,
                  int64_t announcedSize, const QString& remoteFolder) {
    try {
        downloadThroughPart(
            *form.FTP, remoteName,
            remoteFolder.isEmpty() ? form.topPanel->CurrentDirEdit->text() : remoteFolder,
            localPath, announcedSize, [&form] { return form.Form13->abortRequested; });
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void logFailure(TForm1& form, const Msg& text, const QString& name) {
    form.logPanel->memo1->addLine(lang::pick(text, languageFlag()) + name);
}

SessionKeeper keepSession(TForm1& form, std::function<bool()> reenter) {
    return SessionKeeper([&form] { return form.connected(); },
                         [&form, reenter = std::move(reenter)] {
                             session::reopenSession(form);
                             if (!reenter())
                                 throw EIdException("The batch's folder could not be entered.");
                         });
}

std::function<bool()> returnToCurrentFolder(TForm1& form) {
    // Taken now: a lost connection empties both.
    const QString shown = form.topPanel->CurrentDirEdit->text();
    const std::string raw = form.remotePathBytes(shown);
    return [&form, shown, raw] {
        form.ChageDirRaw(raw);
        // Names are sent relative to the folder: anywhere else they may name other files.
        return form.connected() && form.topPanel->CurrentDirEdit->text() == shown;
    };
}

} // namespace transfers
