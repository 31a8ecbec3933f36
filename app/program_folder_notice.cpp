#include "app/program_folder_notice.h"

#include "app/language.h"
#include "app/shell_texts.h"
#include "platform/program_folder.h"
#include "platform/services.h"

#include <QDir>
#include <QFile>

namespace program_folder_notice {
namespace {
platform::ProgramFolderChoice& settled() {
    static platform::ProgramFolderChoice choice;
    return choice;
}
} // namespace

void settle() {
    settled() = platform::programFolderChoice();
    qputenv("KORVANTE_HOME", QFile::encodeName(settled().folder));
}

void report() {
    const platform::ProgramFolderChoice& choice = settled();
    if (choice.unwritable.isEmpty())
        return;
    platform::services().messageDlg(lang::pick(shell_texts::kFolderNotWritable, languageFlag())
                                        .arg(QDir::toNativeSeparators(choice.unwritable),
                                             QDir::toNativeSeparators(choice.folder)),
                                    platform::DlgType::Warning, platform::DlgButtons::Ok);
    settled().unwritable.clear();
}

} // namespace program_folder_notice
