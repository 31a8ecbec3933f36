// Opening or running a remote file: it is fetched whole into a folder of this
// program's own, then handed to the desktop. The user's local folder is never
// written to by a mere look at a file.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "ftp/id_ftp.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "session/remote_list.h"
#include "session/remote_ops_texts.h"
#include "session/session_call.h"
#include "session/session_cursor.h"
#include "transfers/progress_window.h"
#include "transfers/transfer_batch.h"
#include "transfers/transfer_logic.h"
#include "transfers/transfer_state.h"
#include "transfers/transfer_texts.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

using platform::DlgButtons;
using platform::DlgType;
using platform::services;

namespace {

// The private folder of the opened copies: readable by the user alone, and
// removed with everything in it when the main window goes.
class OpenedCopies : public QObject {
public:
    explicit OpenedCopies(QObject* parent) : QObject(parent) {
        setObjectName(QStringLiteral("remoteOpenFolder"));
    }
    QString path() const { return folder_.isValid() ? folder_.path() : QString(); }

private:
    QTemporaryDir folder_{QDir::tempPath() + QStringLiteral("/korvante-open-XXXXXX")};
};

QString openedCopiesFolder(TForm1& form) {
    auto* copies = form.findChild<OpenedCopies*>(QStringLiteral("remoteOpenFolder"),
                                                 Qt::FindDirectChildrenOnly);
    if (!copies)
        copies = new OpenedCopies(&form);
    return copies->path();
}

struct Fetched {
    QString path;
    bool executable = false; // the listing gives its owner the right to run it
};

// The current row, a file, downloaded whole; nullopt when it did not arrive.
std::optional<Fetched> fetchCurrentFile(TForm1& form) {
    const int row = form.serverPanel->l3->currentRow();
    const listing::ParsedLine line = form.serverPanel->l3->rows()->parsed(row);
    const std::string remote = line.name.toStdString();
    const QString name = listing::decodeServerText(line.name);
    const QByteArray raw = form.serverPanel->l3->rows()->rawLine(row);
    const QString folder = openedCopiesFolder(form);
    if (folder.isEmpty() || !transfers::safeLocalName(name))
        return std::nullopt;

    TForm13& progress = *form.Form13;
    const int flag = languageFlag();
    progress.abortRequested = false;
    progress.resetLabels();
    progress.komunikat->setText(lang::pick(transfertext::kDownloadHeading, flag));
    progress.show();
    transfers::setBatchControlsEnabled(form, false, true);
    form.transfers->transferRunning = true;
    bool arrived = false;
    {
        session::SessionCall call(form);
        try {
            form.FTP->SelectTransferType(ftBinary);
            form.transfers->currentFileSize = form.FTP->FileSize(remote);
            progress.licznik->setText(
                transfers::downloadFileLine(name, form.transfers->currentFileSize, false, flag));
            arrived = transfers::downloadFile(form, remote, platform::joinPath(folder, name),
                                              form.transfers->currentFileSize);
        } catch (const std::exception&) {
            arrived = false;
        }
    }
    form.transfers->transferRunning = false;
    transfers::setBatchControlsEnabled(form, true, true);
    progress.abortRequested = false;
    progress.setGaugeToZero();
    progress.hide();
    session::normalCursor();
    QCoreApplication::processEvents();
    if (!arrived)
        return std::nullopt;
    return Fetched{platform::joinPath(folder, name), raw.size() > 3 && raw[3] == 'x'};
}

void openFetched(TForm1& form, bool run) {
    if (!form.remoteCommandAllowed())
        return;
    const int row = form.serverPanel->l3->currentRow();
    if (row < 0 || form.serverPanel->l3->rows()->picture(row) == remotelist::kFolderPicture) {
        services().messageDlg(lang::pick(transfertext::kNothingOrOffline, languageFlag()),
                              DlgType::Information, DlgButtons::Ok);
        return;
    }
    const std::optional<Fetched> copy = fetchCurrentFile(form);
    bool opened = false;
    if (copy) {
        const QString folder = openedCopiesFolder(form);
        if (run && copy->executable) {
            QFile::setPermissions(copy->path,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            opened = services().startProgram(copy->path, {}, folder);
        } else {
            opened = services().shellOpen(copy->path, folder);
        }
    }
    form.Statusy();
    if (!opened && form.connected())
        services().messageDlg(lang::pick(remoteops_text::kOpenFailed, languageFlag()),
                              DlgType::Error, DlgButtons::Ok);
}

} // namespace

void TForm1::otworz_plik_ftpClick() {
    openFetched(*this, false);
}

void TForm1::run_ftpClick() {
    openFetched(*this, true);
}
