// The local panel's file and folder commands: new folder, delete files,
// delete and rename a folder.

#include "app/main_window.h"
#include "local/deletion_progress.h"
#include "local/folder_removal.h"
#include "local/local_lists.h"
#include "local/local_panel.h"
#include "local/local_panel_texts.h"
#include "platform/msg.h"
#include "platform/services.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace texts = local_panel_texts;

namespace {

// A name typed for a new or renamed folder stays inside the current folder:
// no separators, no "." or "..".
bool isPlainName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

// Where a typed new-folder name leads: a full path typed on purpose is taken
// as it is; a name (or a relative path) must stay inside the folder shown.
// Empty when refused.
QString newFolderPath(const QString& current, const QString& typed) {
    if (typed.contains(QLatin1Char('\\')))
        return {};
    if (QDir::isAbsolutePath(typed))
        return QDir::cleanPath(typed);
    const QString path = QDir::cleanPath(current + QLatin1Char('/') + typed);
    const QString inside =
        current.endsWith(QLatin1Char('/')) ? current : current + QLatin1Char('/');
    return path.startsWith(inside) ? path : QString();
}

std::optional<QString> askName(const Msg& caption, const Msg& prompt, int flag) {
    return platform::services().inputBox(lang::pickStrict(caption, flag),
                                         lang::pickStrict(prompt, flag), QString());
}

} // namespace

void TForm1::SpeedButton3Click() {
    const std::optional<QString> answer =
        askName(texts::kNewFolderCaption, texts::kNewFolderPrompt, languageFlag());
    if (!answer || answer->isEmpty())
        return;
    // A refused or unusable name creates nothing; the lists show the real state.
    const QString target = newFolderPath(localPanel->katalog->directory(), *answer);
    if (!target.isEmpty())
        QDir().mkdir(target);
    localPanel->katalog->refresh();
    Statusy();
}

void TForm1::Usuplik1Click() {
    const int flag = languageFlag();
    if (platform::services().messageBox(lang::pick(texts::kDeleteFilesQuestion, flag),
                                        lang::pick(texts::kDeleteFilesTitle, flag),
                                        platform::DlgButtons::YesNo,
                                        platform::BoxKind::Warning) != platform::DlgResult::Yes)
        return;
    const QStringList names = localPanel->pliki->selectedFileNames();
    if (names.isEmpty()) {
        platform::services().messageDlg(lang::pick(texts::kNothingToDelete, flag),
                                        platform::DlgType::Information, platform::DlgButtons::Ok);
        return;
    }
    const bool shown = local::beginDeletionProgress(*this, lang::pick(texts::kDeletingFiles, flag),
                                                    int(names.size()));
    for (int row = 0; row < localPanel->pliki->count(); ++row) {
        if (!localPanel->pliki->item(row)->isSelected())
            continue;
        // Permanent deletion; a refused file simply stays in the list.
        QFile::remove(localPanel->pliki->filePath(row));
        if (shown)
            local::deletionProgressStep(*this, row);
    }
    localPanel->pliki->refresh();
    if (shown)
        local::endDeletionProgress(*this, lang::pick(texts::kFilesDeleted, flag));
    Statusy();
}

void TForm1::kat_usunClick() {
    const int flag = languageFlag();
    if (platform::services().messageBox(lang::pick(texts::kDeleteFolderQuestion, flag),
                                        lang::pick(texts::kDeleteFolderTitle, flag),
                                        platform::DlgButtons::YesNo,
                                        platform::BoxKind::Warning) != platform::DlgResult::Yes)
        return;
    const int row = localPanel->katalog->currentRow();
    if (row < 0)
        return;
    if (row == 0) {
        platform::services().messageDlg(lang::pick(texts::kWholeDisk, flag),
                                        platform::DlgType::Warning, platform::DlgButtons::Ok);
        return;
    }
    // Only a subfolder of the current folder is deleted: the folders on the
    // way down hold the current folder itself.
    if (row >= localPanel->katalog->ancestorRows()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        localfiles::removeFolder(localPanel->katalog->folderAt(row));
        QApplication::restoreOverrideCursor();
    }
    localPanel->katalog->refresh();
    Statusy();
}

void TForm1::zmien_katalogClick() {
    const std::optional<QString> answer =
        askName(texts::kRenameFolderCaption, texts::kRenameFolderPrompt, languageFlag());
    if (!answer || answer->isEmpty())
        return;
    const int row = localPanel->katalog->currentRow();
    const QDir current(localPanel->katalog->directory());
    // Never onto an existing name: that would replace or merge a folder.
    if (row >= localPanel->katalog->ancestorRows() && isPlainName(*answer) &&
        !current.exists(*answer)) {
        QDir().rename(localPanel->katalog->folderAt(row), current.filePath(*answer));
    }
    localPanel->katalog->refresh();
    Statusy();
}
