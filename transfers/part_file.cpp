#include "transfers/part_file.h"

#include "ftp/id_exception.h"
#include "ftp/id_ftp.h"
#include "transfers/file_digest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace transfers {

namespace {

const QByteArray kRecordHeader = "KORVANTE part file 1";

int64_t fileSize(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.size() : -1;
}

void removePart(const QString& localPath) {
    QFile::remove(partFilePath(localPath));
    QFile::remove(partRecordPath(localPath));
}

// Where the next attempt may start: the part file's size when it continues the same,
// unchanged remote file; 0 otherwise.
int64_t resumeOffset(TIdFTP& ftp, const std::string& remoteName, const QByteArray& source,
                     const QString& localPath, int64_t remoteSize) {
    const int64_t kept = fileSize(partFilePath(localPath));
    if (kept <= 0 || remoteSize <= 0 || kept >= remoteSize)
        return 0;
    const std::optional<PartRecord> record = readPartRecord(partRecordPath(localPath));
    if (!record || record->source != source || record->size != remoteSize)
        return 0;
    if (!record->modified.isEmpty() &&
        QByteArray::fromStdString(ftp.ModifiedTime(remoteName)) != record->modified)
        return 0;
    return kept;
}

// After a failure: keeps what arrived, with the record the next attempt checks, when
// the next attempt can tell the remote file has not changed.
void keepForNextAttempt(TIdFTP& ftp, const std::string& remoteName, const QByteArray& source,
                        const QString& localPath, int64_t remoteSize) {
    const int64_t kept = fileSize(partFilePath(localPath));
    if (kept <= 0 || remoteSize <= 0 || kept >= remoteSize) {
        removePart(localPath);
        return;
    }
    PartRecord record{source, remoteSize, {}};
    try {
        if (ftp.IsOpen())
            record.modified = QByteArray::fromStdString(ftp.ModifiedTime(remoteName));
    } catch (const std::exception&) {
        // A connection the failure cost tells no time: the size alone is checked.
    }
    if (!writePartRecord(partRecordPath(localPath), record))
        removePart(localPath);
}

} // namespace

QString partFilePath(const QString& localPath) {
    const QFileInfo target(localPath);
    return target.dir().filePath(QStringLiteral(".") + target.fileName() + QStringLiteral(".part"));
}

QString partRecordPath(const QString& localPath) {
    return partFilePath(localPath) + QStringLiteral(".from");
}

std::optional<PartRecord> readPartRecord(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.read(64 * 1024).split('\n');
    // header, user@host:port, folder, name, size, modified, and the last line's end
    if (lines.size() != 7 || lines[0] != kRecordHeader)
        return std::nullopt;
    bool ok = false;
    PartRecord record;
    record.source = lines[1] + '\n' + lines[2] + '\n' + lines[3];
    record.size = lines[4].toLongLong(&ok);
    record.modified = lines[5];
    if (!ok)
        return std::nullopt;
    return record;
}

bool writePartRecord(const QString& path, const PartRecord& record) {
    QFile file(path);
    // The record names the user and server: for the owner only.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray text = kRecordHeader + '\n' + record.source + '\n' +
                            QByteArray::number(qint64(record.size)) + '\n' + record.modified + '\n';
    return file.write(text) == text.size() && file.flush();
}

QByteArray partSource(const TIdFTP& ftp, const QString& remoteFolder,
                      const std::string& remoteName) {
    QByteArray folder = remoteFolder.toUtf8();
    // A name or folder with a line end cannot be recorded: such a record never matches.
    QByteArray name = QByteArray::fromStdString(remoteName);
    if (folder.contains('\n') || name.contains('\n'))
        name = QByteArrayLiteral("\n");
    return QByteArray::fromStdString(ftp.User) + '@' + QByteArray::fromStdString(ftp.Host) + ':' +
           QByteArray::number(ftp.Port) + '\n' + folder + '\n' + name;
}

void downloadThroughPart(TIdFTP& ftp, const std::string& remoteName, const QString& remoteFolder,
                         const QString& localPath, int64_t remoteSize,
                         const std::function<bool()>& stopped) {
    const QString part = partFilePath(localPath);
    const QByteArray partBytes = QFile::encodeName(part);
    const QByteArray source = partSource(ftp, remoteFolder, remoteName);
    try {
        const int64_t offset = resumeOffset(ftp, remoteName, source, localPath, remoteSize);
        if (offset == 0)
            QFile::remove(partRecordPath(localPath));
        ftp.DownloadToFile(remoteName, partBytes.toStdString(), true, offset);
        // A stop fails the file whatever the size query said: with no size to compare,
        // a cut file would pass as whole.
        if ((stopped && stopped()) || ftp.LastTransfer().Aborted)
            throw EIdAborted();
        const int64_t arrived = fileSize(part);
        if (remoteSize >= 0 && arrived != remoteSize)
            throw EIdTransferIncomplete(arrived, remoteSize);
        // Two halves of different files can have the right size together: where the
        // server offers a digest, a continued file must match it too.
        if (ftp.LastTransfer().RestartedAt > 0 &&
            compareDigest(ftp, remoteName, part) == DigestCheck::Different) {
            removePart(localPath);
            throw EIdException("The file's digest differs from the server's.");
        }
    } catch (const EInOutError&) {
        // A local write failed (a full disk, most likely): keeping the bytes would only
        // hold the space the next file needs.
        removePart(localPath);
        throw;
    } catch (...) {
        keepForNextAttempt(ftp, remoteName, source, localPath, remoteSize);
        throw;
    }
    if (std::rename(partBytes.constData(), QFile::encodeName(localPath).constData()) != 0) {
        const std::string reason = std::strerror(errno);
        removePart(localPath);
        throw EInOutError(reason);
    }
    QFile::remove(partRecordPath(localPath));
}

} // namespace transfers
