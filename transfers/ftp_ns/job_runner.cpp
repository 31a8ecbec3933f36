#include "transfers/ftp_ns/job_runner.h"

#include "ftp/id_exception.h"
#include "platform/paths.h"
#include "platform/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

FtpNsRunner::FtpNsRunner(FtpNsJob job) : job_(std::move(job)) {
    ftp_.Host = job_.server.toStdString();
    ftp_.Port = job_.port;
    ftp_.User = job_.user.toUtf8().toStdString();
    ftp_.Password = job_.password.toUtf8().toStdString();
    ftp_.Passive = job_.passive;
    ftp_.TransferType = ftBinary;
    ftp_.OnWork = [this](TIdComponent*, TWorkMode, int64_t count) {
        if (onProgress)
            onProgress(count);
    };
}

bool listingIsUtf8(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        (void)decoder.decode(QByteArrayView(line.data(), static_cast<qsizetype>(line.size())));
        if (decoder.hasError())
            return false;
    }
    return true;
}

std::string FtpNsRunner::remoteName(const QString& name) const {
    if (!utf8Names_) {
        bool ok = true;
        QByteArray bytes = textfile::encode1250(name, &ok);
        if (ok)
            return bytes.toStdString();
    }
    return name.toUtf8().toStdString();
}

void FtpNsRunner::abort() {
    aborted_ = true;
    if (ftp_.Socket.HandleAllocated)
        ftp_.AbortTransfer();
}

void FtpNsRunner::changeToFolder() {
    const std::string utf8 = job_.remoteFolder.toUtf8().toStdString();
    try {
        ftp_.ChangeDirectory(utf8);
    } catch (const EIdProtocolReplyError&) {
        // Older servers keep Windows-1250 names.
        bool ok = true;
        const std::string cp1250 = textfile::encode1250(job_.remoteFolder, &ok).toStdString();
        if (!ok || cp1250 == utf8)
            throw;
        ftp_.ChangeDirectory(cp1250);
    }
}

QList<FtpNsFileResult> FtpNsRunner::run() {
    QList<FtpNsFileResult> results;
    auto report = [&](const FtpNsFileResult& r) {
        if (onFileDone)
            onFileDone(r);
        results << r;
    };
    try {
        if (onStatus)
            onStatus(QStringLiteral("%1:%2").arg(job_.server).arg(job_.port));
        ftp_.OpenSession(true);
        if (!job_.remoteFolder.isEmpty())
            changeToFolder();
        // Names in the job file are text; the folder's listing tells which bytes the
        // server uses for them. An empty folder may refuse the listing.
        std::vector<std::string> names;
        try {
            ftp_.ListDirectory(names, {}, false);
            utf8Names_ = listingIsUtf8(names);
        } catch (const EIdProtocolReplyError&) {
        }
    } catch (const std::exception& e) {
        for (const QString& f : job_.files)
            report({f, false, QString::fromUtf8(e.what())});
        if (ftp_.Socket.HandleAllocated)
            ftp_.CloseConnection();
        return results;
    }
    for (int i = 0; i < job_.files.size(); ++i) {
        const QString& entry = job_.files[i];
        if (aborted_ || !ftp_.IsOpen()) {
            report({entry, false,
                    aborted_ ? QStringLiteral("aborted") : QStringLiteral("connection lost")});
            continue;
        }
        report(transferOne(i, entry));
    }
    try {
        ftp_.CloseSession();
    } catch (const std::exception&) {
    }
    return results;
}

FtpNsFileResult FtpNsRunner::transferOne(int index, const QString& entry) {
    FtpNsFileResult r{entry, false, {}};
    try {
        if (job_.kind == FtpNsJob::Upload) {
            QFileInfo info(entry);
            if (onFileStarted)
                onFileStarted(index, info.fileName(), info.isFile() ? info.size() : -1);
            if (!info.isFile())
                throw EFOpenError(entry.toStdString(), "No such file.");
            ftp_.UploadFile(QFile::encodeName(entry).toStdString(), remoteName(info.fileName()));
        } else {
            if (!isPlainFileName(entry)) {
                if (onFileStarted)
                    onFileStarted(index, entry, -1);
                throw EIdException("Not a plain file name.");
            }
            const std::string remote = remoteName(entry);
            const int64_t size = ftp_.FileSize(remote);
            if (onFileStarted)
                onFileStarted(index, entry, size);
            const QString local = platform::joinPath(job_.localFolder, entry);
            ftp_.DownloadToFile(remote, QFile::encodeName(local).toStdString(), true);
        }
        // An aborted download returns normally with a partial file.
        r.ok = !aborted_;
        if (aborted_)
            r.message = QStringLiteral("aborted");
    } catch (const std::exception& e) {
        r.message = aborted_ ? QStringLiteral("aborted") : QString::fromUtf8(e.what());
    }
    return r;
}
