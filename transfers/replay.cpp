// The interrupted-download replay: at start-up, with automatic reconnection on,
// the file named by error.dat is fetched again over a new connection while the
// reconnect window TForm20 is on screen.

#include "app/main_window.h"
#include "app/top_panel.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "log/log_pane.h"
#include "log/log_panel.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "platform/text_file.h"
#include "session/replay_texts.h"
#include "session/replay_window.h"
#include "transfers/progress_window.h"
#include "transfers/replay_record.h"
#include "transfers/transfer_state.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

using platform::DlgButtons;
using platform::services;

namespace {

void tell(const QString& text) {
    services().messageBox(text, QString::fromLatin1(replaytext::kCaption), DlgButtons::Ok,
                          platform::BoxKind::Warning);
}

// Shows TForm20 for the length of the replay, whatever its outcome.
void runReplay(TForm1& form) {
    TForm20& window = *form.Form20;
    window.show();
    window.raise();
    window.repaint();
    QCoreApplication::processEvents();
    form.Laczenie_blad();
    window.hide();
}

} // namespace

void TForm1::Laczenie_blad() {
    const QString path = platform::programFile(QStringLiteral("error.dat"));
    bool exists = false;
    const QStringList lines = textfile::readLines(path, &exists);
    if (!exists)
        return;
    const int flag = languageFlag();
    const std::optional<transfers::InterruptedDownload> record = replay::parseRecord(lines);
    if (!record) {
        QFile::remove(path);
        tell(lang::pick(replaytext::kRecordBroken, flag));
        return;
    }
    // A folder that is gone can never take the file; asking again at every
    // start would help nobody.
    if (!localPanel->katalog->setDirectory(record->localFolder)) {
        QFile::remove(path);
        tell(lang::pick(replaytext::kFolderMissing, flag).arg(record->localFolder));
        return;
    }
    replayRunning = true;
    topPanel->FTpServer->setText(record->server);
    topPanel->UserID->setText(record->user);
    topPanel->Password2->setText(record->password);
    topPanel->CurrentDirEdit->setText(record->remoteFolder);
    transfers->lista_bufor << record->remoteFolder;
    transfers->lista_bufor2 << record->fileName;
    QCoreApplication::processEvents();
    Form20->Label9->setText(record->fileName);
    Form20->Label9->repaint();
    Form20->Label4->setText(topPanel->FTpServer->text());
    Form20->Label4->repaint();

    pol2Click();
    logPanel->memo1->addLine(lang::pick(replaytext::kLogConnected, flag) +
                             record->server.toUpper());
    logPanel->memo1->addLine(lang::pick(replaytext::kLogFile, flag) + record->fileName.toUpper());
    const bool online = connected();
    S_bufor2();
    clearQueueLists();
    replayRunning = false;
    // A failed connect has told the user already; a download that failed is
    // told once here, and its record waits for the next start.
    if (online && QFile::exists(path) && !Form13->userAborted)
        tell(lang::pick(replaytext::kReplayFailed, flag).arg(record->fileName));
}

void TForm1::wireReplay() {
    if (Form20)
        return;
    Form20 = new TForm20(this);
}

void TForm1::replayAtStart() {
    // Once the window is on screen, so that the long conversation does not
    // run inside the show event itself.
    QTimer::singleShot(0, this, [this] {
        if (!quitting())
            runReplay(*this);
    });
}

void TForm1::replayStatus(const QString& text) {
    Form20->Label10->setText(text);
    Form20->Label10->repaint();
}
