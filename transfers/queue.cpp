// The transfer queue of the main window: queue mode, queuing files by click
// or all at once, emptying the queue, and downloading it in one batch.

#include "app/main_window.h"
#include "app/server_panel.h"
#include "app/top_panel.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "platform/services.h"
#include "session/listing_line.h"
#include "session/remote_list.h"
#include "session/session_call.h"
#include "session/session_cursor.h"
#include "session/session_state.h"
#include "transfers/progress_window.h"
#include "transfers/queue_editor.h"
#include "transfers/queue_logic.h"
#include "transfers/queue_texts.h"
#include "transfers/remote_tree.h"
#include "transfers/transfer_batch.h"
#include "transfers/transfer_state.h"
#include "transfers/transfer_texts.h"

#include <QCoreApplication>
#include <QHash>

using platform::DlgButtons;
using platform::DlgType;
using platform::services;

namespace {

struct RemoteRow {
    QString name;       // as the user sees it
    std::string remote; // as the server wrote it
};

RemoteRow remoteRow(const remotelist::RemoteListModel& rows, int row) {
    return {rows.caption(row), rows.remoteName(row)};
}

// Queues one file of the current folder. The size is asked before anything
// is appended, so the three lists stay in step whatever runs meanwhile.
void queueFile(TForm1& form, const RemoteRow& row) {
    const QString folder = queue::folderLine(form.topPanel->CurrentDirEdit->text());
    const int64_t size = transfers::remoteFileSize(form, row.remote);
    const QString sizeText = queue::sizeText(size);
    form.transfers->lista_bufor << folder;
    form.transfers->lista_bufor2 << row.name;
    form.transfers->lista_bufor3 << sizeText;
    form.Form21->appendEntry(folder + row.name, sizeText, queue::sizeKilobytes(size));
}

// A queued folder is named with a "/" after it, which no file name can hold.
bool isFolderEntry(const QString& name) {
    return name.endsWith(QLatin1Char('/'));
}

bool conversationRunning(const TForm1& form) {
    return form.transfers->transferRunning || form.session->sessionCallDepth > 0;
}

void setQueueItemsEnabled(TForm1& form, bool queueOn) {
    for (QAction* item :
         {form.bufor_zaznacz_all, form.MenuItem19, form.edycja_bufor, form.MenuItem17})
        item->setEnabled(queueOn);
    for (QAction* item : {form.ftp_wszystkie, form.MenuItem12, form.ftp_nic, form.MenuItem13,
                          form.otworz_plik_ftp, form.MenuItem10})
        item->setEnabled(!queueOn);
    form.serverPanel->run_ftp->setEnabled(!queueOn);
}

void setQueueMode(TForm1& form, bool on) {
    form.wlacz_bufor->setChecked(on);
    form.MenuItem16->setChecked(on);
    form.serverPanel->l3->setSelectionMode(on ? QAbstractItemView::SingleSelection
                                              : QAbstractItemView::ExtendedSelection);
    form.StatusBar1->setPanelText(
        4, QString::fromLatin1(on ? queuetext::kQueueOn : queuetext::kQueueOff));
    setQueueItemsEnabled(form, on);
    if (on) {
        form.Form21->openEditor();
    } else {
        form.usun_buforClick();
        form.Form21->closeEditor();
    }
}

// The name to send for a queued file: the row of the folder just listed
// that shows it, so the server gets back exactly what it wrote.
std::string remoteNameIn(const TForm1& form, const QString& name) {
    for (int i = 0; i < form.serverPanel->l3->rowCount(); ++i)
        if (form.serverPanel->l3->rows()->caption(i) == name)
            return form.serverPanel->l3->rows()->remoteName(i);
    return form.remotePathBytes(name);
}

struct QueuedFile {
    QString folder; // the folder to change into
    QString name;
};

bool inFolder(const TForm1& form, const QueuedFile& file) {
    return queue::folderOf(form.topPanel->CurrentDirEdit->text()) == file.folder;
}

// A queued folder with everything below it, into a local folder of the same name; true
// when the whole tree arrived.
bool fetchFolder(TForm1& form, const QString& name, const QString& localFolder,
                 transfers::SessionKeeper& keeper) {
    const std::string here = form.remotePathBytes(form.topPanel->CurrentDirEdit->text());
    transfers::RemoteTree tree;
    tree.serverFolder = here;
    transfers::readRemoteTree(*form.FTP, here, remoteNameIn(form, name), localFolder, name, tree);
    transfers::prepareLocalTree(form, tree);
    const bool read = tree.unreadable.isEmpty() && !tree.localFolders.isEmpty();
    // The tree's own failures are logged file by file.
    return transfers::fetchTreeFiles(form, tree, here, keeper, {}) == 0 && read;
}

} // namespace

namespace transfers {

void queueFolder(TForm1& form, int row) {
    const remotelist::RemoteListModel& rows = *form.serverPanel->l3->rows();
    if (!form.queueModeOn() || row < 0 || row >= rows.rowCount() ||
        rows.picture(row) != remotelist::kFolderPicture)
        return;
    const listing::ParsedLine line = rows.parsed(row);
    // Links are not followed, and "." and ".." are no folders of their own.
    if (line.isLink || line.name == "." || line.name == "..")
        return;
    const QString folder = queue::folderLine(form.topPanel->CurrentDirEdit->text());
    const QString name = rows.caption(row) + QLatin1Char('/');
    // Its size is known only once the tree is read, when its turn comes.
    const QString sizeText = queue::sizeText(-1);
    form.transfers->lista_bufor << folder;
    form.transfers->lista_bufor2 << name;
    form.transfers->lista_bufor3 << sizeText;
    form.Form21->appendEntry(folder + name, sizeText, 0);
}

} // namespace transfers

void TForm1::wlacz_buforClick() {
    if (conversationRunning(*this))
        return;
    setQueueMode(*this, !queueModeOn());
}

void TForm1::usun_buforClick() {
    clearQueueLists();
    Form21->clearEntries();
}

void TForm1::clearQueueLists() {
    transfers->lista_bufor.clear();
    transfers->lista_bufor2.clear();
    transfers->lista_bufor3.clear();
}

void TForm1::edycja_buforClick() {
    Form21->openEditor();
}

void TForm1::addToQueue(int row) {
    // SIZE may not be sent into the middle of another conversation.
    if (!queueModeOn() || row < 0 || row >= serverPanel->l3->rowCount() ||
        serverPanel->l3->rows()->picture(row) == remotelist::kFolderPicture || !connected() ||
        conversationRunning(*this))
        return;
    session::hourglass();
    {
        session::SessionCall call(*this);
        queueFile(*this, remoteRow(*serverPanel->l3->rows(), row));
    }
    session::normalCursor();
}

void TForm1::bufor_zaznacz_allClick() {
    if (!queueModeOn() || !connected() || conversationRunning(*this))
        return;
    session::hourglass();
    // Read once: a disconnect while the sizes are asked empties l3.
    std::vector<RemoteRow> files;
    for (int i = 0; i < serverPanel->l3->rowCount(); ++i)
        if (serverPanel->l3->rows()->picture(i) == remotelist::kFilePicture)
            files.push_back(remoteRow(*serverPanel->l3->rows(), i));
    {
        session::SessionCall call(*this);
        for (const RemoteRow& file : files) {
            if (!connected() || session->userClosedSession)
                break;
            queueFile(*this, file);
            QCoreApplication::processEvents();
        }
    }
    session::normalCursor();
}

void TForm1::S_bufor() {
    if (conversationRunning(*this))
        return;
    transfers->spr2 = QStringLiteral("0");
    const QString localFolder = localPanel->katalog->directory();
    if (!connected())
        return;
    const int flag = languageFlag();
    if (transfers->lista_bufor.isEmpty()) {
        services().messageDlg(lang::pick(queuetext::kEmptyQueue, flag), DlgType::Information,
                              DlgButtons::Ok);
        return;
    }
    // The batch works on the queue as it is now: a failed file or a click that
    // empties the queue cannot pull lines from under it.
    std::vector<QueuedFile> files;
    for (qsizetype i = 0; i < transfers->lista_bufor.size() && i < transfers->lista_bufor2.size();
         ++i)
        files.push_back({queue::folderOf(transfers->lista_bufor[i]), transfers->lista_bufor2[i]});
    const int count = int(files.size());

    transfers->transferRunning = true;
    transfers::setBatchControlsEnabled(*this, false, true);
    Form21->setRemoveCommandsEnabled(false);
    TForm13& window = *Form13;
    window.abortRequested = false;
    window.komunikat->setText(lang::pick(queuetext::kHeading, flag));
    window.openWindow();
    transfers::prepareOptions(*this, transfertext::kSignalReplay);
    transfers->selectedCount = count;
    {
        session::SessionCall call(*this);
        // A file that cost the connection fails alone; the next logs in again and
        // lists its own folder.
        transfers::SessionKeeper keeper = transfers::keepSession(*this, [] { return true; });
        for (int p = 0; p < count; ++p) {
            const QueuedFile& file = files[size_t(p)];
            window.licznik2->setText(lang::pick(queuetext::kBatchLine, flag).arg(p + 1).arg(count));
            const bool reopened = !connected();
            if (!keeper.ready()) {
                transfers::logFailure(*this, transfertext::kDownloadFailed, file.name);
                continue;
            }
            // Files of one folder follow each other; the folder is listed
            // again only when the next file lives elsewhere.
            if (reopened || p == 0 || file.folder != files[size_t(p - 1)].folder ||
                !inFolder(*this, file))
                ChageDir(file.folder);
            if (!connected() || session->userClosedSession)
                break;
            bool fetched = false;
            // A file whose folder could not be entered is never looked for elsewhere.
            if (inFolder(*this, file) && isFolderEntry(file.name))
                fetched = fetchFolder(*this, file.name.chopped(1), localFolder, keeper);
            else if (inFolder(*this, file))
                fetched = transfers::fetchFile(*this, remoteNameIn(*this, file.name), file.name,
                                               localFolder);
            else
                transfers::logFailure(*this, queuetext::kFolderGone, file.folder);
            if (!fetched)
                transfers::logFailure(*this, transfertext::kDownloadFailed, file.name);
            if (window.abortRequested || session->userClosedSession)
                break;
            QCoreApplication::processEvents();
        }
    }
    window.abortRequested = false;
    transfers::setBatchControlsEnabled(*this, true, true);
    Form21->setRemoveCommandsEnabled(true);
    transfers->transferRunning = false;
    QCoreApplication::processEvents();
    // A queued folder arrives as a new subfolder of the local one.
    localPanel->katalog->refresh();
    localPanel->pliki->refresh();
    Statusy();
    session::normalCursor();
    window.licznik->setText(lang::pick(transfertext::kDownloadEnd, flag));
    window.licznik2->setText(lang::pick(transfertext::kAll, flag));
    window.setGaugeToZero();
    // Closing the progress window empties the queue.
    window.closeWindow();
    afterTransferChoice(true);
    Form21->closeEditor();
    transfers->spr2 = QStringLiteral("0");
}

void TForm1::wireQueue() {
    if (Form21)
        return;
    Form21 = new TForm21(this);

    // A checkable item has flipped its mark by the time it reports the click;
    // the handler decides from the mode as it was.
    for (QAction* toggle : {wlacz_bufor, MenuItem16})
        connect(toggle, &QAction::triggered, this, [this, toggle] {
            toggle->setChecked(!toggle->isChecked());
            wlacz_buforClick();
        });
    for (QAction* edit : {edycja_bufor, MenuItem17})
        connect(edit, &QAction::triggered, this, &TForm1::edycja_buforClick);
    for (QAction* all : {bufor_zaznacz_all, MenuItem19})
        connect(all, &QAction::triggered, this, &TForm1::bufor_zaznacz_allClick);
    for (QAction* empty : {usun_bufor, MenuItem21})
        connect(empty, &QAction::triggered, this, &TForm1::usun_buforClick);
}

void TForm1::closeQueueEditor() {
    Form21->closeEditor();
}

void TForm1::endQueueMode() {
    // A disconnect switches queue mode off altogether, so the remote list is
    // multi-select again and the menu matches the mode.
    setQueueMode(*this, false);
}
