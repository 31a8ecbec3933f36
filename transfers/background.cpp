// The "separate session" commands: a download or upload handed to FTP_ns,
// which runs it on its own connection while the window goes on working.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "ftp/id_ftp.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "session/remote_list.h"
#include "session/session_cursor.h"
#include "transfers/background_job.h"
#include "transfers/background_jobs.h"
#include "transfers/background_texts.h"

#include <QFile>

using platform::BoxKind;
using platform::DlgButtons;
using platform::services;

namespace {

QString ftpNsProgram() {
#ifdef Q_OS_WIN
    return platform::programFile(QStringLiteral("FTP_ns.exe"));
#else
    return platform::programFile(QStringLiteral("FTP_ns"));
#endif
}

// Messages of these commands exist in Polish and English only; another flag shows none.
void tell(const Msg& text, const QString& caption, BoxKind kind = BoxKind::Plain) {
    const QString shown = lang::pickStrict(text, languageFlag());
    if (!shown.isEmpty())
        services().messageBox(shown, caption, DlgButtons::Ok, kind);
}

bool connectionDataMissing(const TForm1& form) {
    return form.kopia_haslo.isEmpty() || form.kopia_ures.isEmpty() ||
           form.topPanel->CurrentDirEdit->text().isEmpty();
}

background::Connection connectionOf(const TForm1& form) {
    return {form.kopia_ftp, form.kopia_haslo, form.kopia_ures, form.edit_port, form.pasywny};
}

// The selected file rows; a folder cannot be fetched as a file.
QStringList selectedRemoteFiles(const TForm1& form) {
    QStringList names;
    for (const int row : form.serverPanel->l3->selectedRows())
        if (form.serverPanel->l3->rows()->picture(row) != remotelist::kFolderPicture)
            names << form.serverPanel->l3->rows()->caption(row);
    return names;
}

} // namespace

QStringList TForm1::Zapisz_n_sesje() const {
    return background::uploadJob(connectionOf(*this), topPanel->CurrentDirEdit->text(),
                                 localPanel->pliki->directory(),
                                 localPanel->pliki->selectedFileNames());
}

QStringList TForm1::Zapisz_n_sesje_ftp() const {
    return background::downloadJob(connectionOf(*this), localPanel->katalog->directory(), kopia_dir,
                                   selectedRemoteFiles(*this));
}

void TForm1::wyslij_n_sesjaClick() {
    if (!connected())
        return;
    if (kopia_ftp.isEmpty()) {
        tell(backgroundtext::kNoSessionData, QString::fromUtf8(backgroundtext::kErrorCaption),
             BoxKind::Warning);
        return;
    }
    if (connectionDataMissing(*this))
        return;
    // The window's own selection count is left alone: a batch may be running.
    if (localPanel->pliki->selectedFileNames().isEmpty()) {
        tell(backgroundtext::kNothingSelected,
             lang::pick(backgroundtext::kNoDataCaption, languageFlag()), BoxKind::Information);
        return;
    }
    const QString program = ftpNsProgram();
    if (!QFile::exists(program)) {
        tell(backgroundtext::kUploadProgramMissing,
             QString::fromLatin1(backgroundtext::kFtpCaption), BoxKind::Information);
        return;
    }
    backgroundJobs->submit(Zapisz_n_sesje(), program, languageFlag(), int(FTP->Security));
}

void TForm1::sciagnij_n_sClick() {
    const int current = serverPanel->l3->currentRow();
    if (!connected() || !serverPanel->l3->hasSelectedRows() || current < 0 ||
        serverPanel->l3->rows()->picture(current) == remotelist::kFolderPicture)
        return;
    const QString caption = QString::fromLatin1(backgroundtext::kProgramCaption);
    if (kopia_ftp.isEmpty()) {
        tell(backgroundtext::kNoSessionData, caption);
        return;
    }
    if (connectionDataMissing(*this))
        return;
    // The rows are counted here without SIZE: the sizes were never used, and
    // the connection may be in the middle of a transfer.
    if (selectedRemoteFiles(*this).isEmpty()) {
        tell(backgroundtext::kNothingSelected, caption);
        return;
    }
    const QString program = ftpNsProgram();
    if (!QFile::exists(program)) {
        tell(backgroundtext::kDownloadProgramMissing, caption);
        return;
    }
    session::hourglass();
    backgroundJobs->submit(Zapisz_n_sesje_ftp(), program, languageFlag(), int(FTP->Security));
    session::normalCursor();
}

void TForm1::wireBackgroundJobs() {
    if (backgroundJobs)
        return;
    backgroundJobs = new BackgroundJobs(this);
    connect(wyslij_n_sesja, &QAction::triggered, this, &TForm1::wyslij_n_sesjaClick);
    for (QAction* download : {sciagnij_n_s, MenuItem2})
        connect(download, &QAction::triggered, this, &TForm1::sciagnij_n_sClick);
}
