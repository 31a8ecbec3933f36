#include "transfers/transfer_logic.h"

#include "platform/text_file.h"
#include "transfers/transfer_texts.h"

#include <climits>

namespace transfers {

QStringList errorRecordLines(const InterruptedDownload& record) {
    return {record.localFolder, record.server,       record.user,
            record.password,    record.remoteFolder, record.fileName};
}

bool writeErrorRecord(const QString& path, const InterruptedDownload& record) {
    return textfile::writeLines(path, errorRecordLines(record), textfile::Access::OwnerOnly);
}

QString downloadFileLine(const QString& name, int64_t size, bool localFolderIsRoot, int language,
                         bool replay) {
    const Msg& text = replay ? transfertext::kReplayFile : transfertext::kDownloadFile;
    const QString gap = localFolderIsRoot ? QStringLiteral(" ") : QStringLiteral("  ");
    return lang::pick(text, language).arg(name, gap, QString::number(kilobytes(size)));
}

QString downloadBatchLine(int position, int count, int language) {
    return lang::pick(transfertext::kDownloadBatch, language).arg(position).arg(count);
}

QString uploadBatchLine(int position, int count, int language) {
    return lang::pick(transfertext::kUploadBatch, language).arg(position).arg(count);
}

QString treeBytesLine(int64_t doneBytes, int64_t totalBytes, int language) {
    return lang::pick(transfertext::kTreeBytes, language)
        .arg(kilobytes(doneBytes))
        .arg(kilobytes(totalBytes));
}

int64_t kilobytes(int64_t bytes) {
    return bytes > 0 ? bytes / 1024 : 0;
}

QString speedText(int64_t bytes, int64_t elapsedMs) {
    if (elapsedMs <= 0)
        return {};
    const double perSecond = double(bytes) / 1024.0 / (double(elapsedMs) / 1000.0);
    return QString::number(perSecond, 'f', 2) + QStringLiteral(" KB/s");
}

void Elapsed::tick() {
    if (++seconds < 60)
        return;
    seconds = 0;
    if (++minutes < 60)
        return;
    minutes = 0;
    ++hours;
}

QString twoDigits(int value) {
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

QString elapsedText(const Elapsed& elapsed, int language) {
    return lang::pick(transfertext::kElapsed, language) + twoDigits(elapsed.hours) + ':' +
           twoDigits(elapsed.minutes) + ':' + twoDigits(elapsed.seconds);
}

GaugeScale::GaugeScale(int64_t maximumBytes) : maximum_(maximumBytes > 0 ? maximumBytes : 0) {
    while ((maximum_ >> shift_) > INT_MAX)
        ++shift_;
}

int GaugeScale::maximum() const {
    return int(maximum_ >> shift_);
}

int GaugeScale::position(int64_t bytes) const {
    if (bytes <= 0)
        return 0;
    if (bytes >= maximum_)
        return maximum();
    return int(bytes >> shift_);
}

bool downloadComplete(int64_t announcedSize, int64_t receivedSize) {
    return announcedSize < 0 || announcedSize == receivedSize;
}

bool safeLocalName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

} // namespace transfers
