#include "transfers/queue_logic.h"

namespace queue {

QString folderLine(const QString& currentFolder) {
    return currentFolder + QLatin1Char('/');
}

QString folderOf(const QString& folderLine) {
    QString folder = folderLine;
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder.isEmpty() ? QStringLiteral("/") : folder;
}

int64_t sizeKilobytes(int64_t bytes) {
    return bytes > 0 ? bytes / 1024 : 0;
}

QString sizeText(int64_t bytes) {
    const int64_t megabytes = bytes > 0 ? bytes / 1048576 : 0;
    return QString::number(sizeKilobytes(bytes)) + QStringLiteral(" KB/") +
           QString::number(megabytes) + QStringLiteral(" MB");
}

int64_t kilobytesOf(const QString& sizeText) {
    const qsizetype blank = sizeText.indexOf(QLatin1Char(' '));
    bool ok = false;
    const qint64 value = (blank < 0 ? sizeText : sizeText.left(blank)).toLongLong(&ok);
    return ok ? value : 0;
}

QString totalText(int64_t totalKilobytes) {
    return QString::number(totalKilobytes) + QStringLiteral(" KB/") +
           QString::number(totalKilobytes / 1024) + QStringLiteral(" MB");
}

} // namespace queue
