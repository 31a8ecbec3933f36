#include "transfers/file_digest.h"

#include "ftp/id_ftp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace transfers {

namespace {

std::optional<QCryptographicHash::Algorithm> algorithmOf(const std::string& name) {
    if (name == "SHA-256")
        return QCryptographicHash::Sha256;
    if (name == "SHA-512")
        return QCryptographicHash::Sha512;
    if (name == "SHA-1")
        return QCryptographicHash::Sha1;
    if (name == "MD5")
        return QCryptographicHash::Md5;
    return std::nullopt;
}

} // namespace

DigestCheck compareDigest(TIdFTP& ftp, const std::string& remoteName, const QString& localPath) {
    TIdHashChoice used;
    const std::string remote = ftp.RemoteHash(remoteName, used);
    const auto algorithm = algorithmOf(used.Algorithm);
    if (remote.empty() || !algorithm)
        return DigestCheck::NotOffered;
    QFile file(localPath);
    QCryptographicHash hash(*algorithm);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return DigestCheck::Different;
    return hash.result().toHex().toStdString() == remote ? DigestCheck::Same
                                                         : DigestCheck::Different;
}

bool uploadMaybeResumed(TIdFTP& ftp, const QString& localPath, const std::string& remote,
                        int64_t offset) {
    const std::string local = QFile::encodeName(localPath).toStdString();
    if (offset <= 0) {
        ftp.UploadFile(local, remote, false);
        return true;
    }
    ftp.ResumeUpload(local, remote, offset);
    if (ftp.LastTransfer().Aborted)
        return true; // the caller fails a stopped file on its own
    // The two halves must make the local file: its size first, then the digest.
    if (ftp.FileSize(remote) != QFileInfo(localPath).size())
        return false;
    return compareDigest(ftp, remote, localPath) != DigestCheck::Different;
}

} // namespace transfers
