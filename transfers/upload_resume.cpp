#include "transfers/upload_resume.h"

#include "app/language.h"
#include "ftp/id_ftp.h"
#include "platform/services.h"
#include "transfers/transfer_texts.h"

#include <QDateTime>
#include <QFileInfo>

namespace transfers {

int64_t chooseUploadResume(TIdFTP& ftp, const std::string& remote, const QString& shownName,
                           const QString& localPath) {
    const TIdFTPFeatures& offered = ftp.Features();
    const QFileInfo local(localPath);
    const int64_t localSize = local.size();
    if (!offered.Size || !offered.RestStream || !offered.Mdtm || localSize <= 0)
        return 0;
    const int64_t held = ftp.FileSize(remote);
    if (held <= 0 || held >= localSize)
        return 0;
    // MDTM is UTC, to the second.
    const QDateTime written =
        QDateTime::fromString(QString::fromStdString(ftp.ModifiedTime(remote)).left(14),
                              QStringLiteral("yyyyMMddHHmmss"));
    if (!written.isValid())
        return 0;
    const qint64 changed = local.lastModified().toUTC().toSecsSinceEpoch();
    if (QDateTime(written.date(), written.time(), Qt::UTC).toSecsSinceEpoch() <= changed)
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
