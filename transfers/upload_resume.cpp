#include "transfers/upload_resume.h"

#include "app/language.h"
#include "ftp/id_ftp.h"
#include "platform/services.h"
#include "transfers/transfer_texts.h"

namespace transfers {

int64_t chooseUploadResume(TIdFTP& ftp, const std::string& remote, const QString& shownName,
                           int64_t localSize) {
    const TIdFTPFeatures& offered = ftp.Features();
    if (!offered.Size || !offered.RestStream || localSize <= 0)
        return 0;
    const int64_t held = ftp.FileSize(remote);
    if (held <= 0 || held >= localSize)
        return 0;
    const QString question = lang::pick(transfertext::kResumeUpload, languageFlag())
                                 .arg(shownName)
                                 .arg(qint64(held))
                                 .arg(qint64(localSize));
    const platform::DlgResult answer = platform::services().messageDlg(
        question, platform::DlgType::Confirmation, platform::DlgButtons::YesNo);
    return answer == platform::DlgResult::Yes ? held : 0;
}

} // namespace transfers
