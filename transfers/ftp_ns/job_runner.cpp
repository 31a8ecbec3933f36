#include "transfers/ftp_ns/job_runner.h"

#include "ftp/id_exception.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "transfers/part_file.h"
#include "transfers/session_keeper.h"
#include "transfers/transfer_logic.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <cstdio>
#include <cstring>

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

void Utf8CheckStream::Write(const char* buffer, int64_t count) {
    if (overflowed_)
        return;
    size_ += count;
    if (size_ > cap_) {
        overflowed_ = true;
        ftp_.AbortTransfer();
        return;
    }
    for (int64_t i = 0; i < count && valid_ && !ended_; ++i) {
        const auto c = static_cast<unsigned char>(buffer[i]);
        if (pending_ > 0) {
            // The second byte of some characters has a narrower range (no overlong
            // forms, no surrogates, nothing past U+10FFFF).
            unsigned char low = 0x80, high = 0xBF;
            if (seen_ == 0) {
                if (lead_ == 0xE0)
                    low = 0xA0;
                else if (lead_ == 0xED)
                    high = 0x9F;
                else if (lead_ == 0xF0)
                    low = 0x90;
                else if (lead_ == 0xF4)
                    high = 0x8F;
            }
            if (c < low || c > high) {
                valid_ = false;
                break;
            }
            ++seen_;
            --pending_;
            continue;
        }
        lead_ = c;
        seen_ = 0;
        if (c == 0)
            ended_ = true;
        else if (c < 0x80)
            continue;
        else if (c >= 0xC2 && c <= 0xDF)
            pending_ = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            pending_ = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            pending_ = 3;
        else
            valid_ = false;
    }
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

void FtpNsRunner::learnNameEncoding() {
    // Names in the job file are text; the folder's listing tells which bytes the server
    // uses for them. The listing is only a hint: an empty folder may refuse it, a huge
    // one is cut off, and the files are transferred either way.
    Utf8CheckStream check(ftp_, ftp_.MaxListingSize);
    try {
        ftp_.ListDirectoryToStream(check, {}, false);
        if (!check.overflowed())
            utf8Names_ = check.valid();
    } catch (const EIdException&) {
    }
}

void FtpNsRunner::openSession() {
    if (onStatus)
        onStatus(QStringLiteral("%1:%2").arg(job_.server).arg(job_.port));
    try {
        ftp_.OpenSession(true);
        if (!job_.remoteFolder.isEmpty())
            changeToFolder();
    } catch (...) {
        if (ftp_.Socket.HandleAllocated)
            ftp_.CloseConnection();
        throw;
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
        openSession();
        learnNameEncoding();
    } catch (const std::exception& e) {
        keeper_.lose(QString::fromUtf8(e.what()));
    }
    for (int i = 0; i < job_.files.size(); ++i) {
        const QString& entry = job_.files[i];
        if (aborted_) {
            report({entry, false, QStringLiteral("aborted")});
            continue;
        }
        if (!keeper_.ready()) {
            report({entry, false, keeper_.lostReason()});
            continue;
        }
        report(transferOne(i, entry));
    }
    try {
        if (ftp_.Socket.HandleAllocated)
            ftp_.CloseSession();
    } catch (const std::exception&) {
    }
    return results;
}

void FtpNsRunner::upload(const QString& entry, int index) {
    QFileInfo info(entry);
    if (onFileStarted)
        onFileStarted(index, info.fileName(), info.isFile() ? info.size() : -1);
    if (!info.isFile())
        throw EFOpenError(entry.toStdString(), "No such file.");
    const std::string remote = remoteName(info.fileName());
    try {
        ftp_.UploadFile(QFile::encodeName(entry).toStdString(), remote);
        if (!aborted_)
            return;
    } catch (const std::exception&) {
        if (!ftp_.LastTransfer().Started)
            throw; // refused before anything was written: the old remote file stands
        removeBrokenUpload(remote);
        throw;
    }
    // Aborted, yet the call returned: the server may hold part of the file.
    removeBrokenUpload(remote);
}

void FtpNsRunner::removeBrokenUpload(const std::string& remote) {
    cleanupNote_.clear();
    try {
        if (keeper_.ready()) {
            ftp_.DeleteRemoteFile(remote);
            return;
        }
    } catch (const std::exception&) {
    }
    cleanupNote_ = QStringLiteral("; the incomplete file stays on the server");
}

void FtpNsRunner::download(const QString& entry, int index) {
    if (!transfers::safeLocalName(entry)) {
        if (onFileStarted)
            onFileStarted(index, entry, -1);
        throw EIdException("Not a plain file name.");
    }
    const std::string remote = remoteName(entry);
    const int64_t size = ftp_.FileSize(remote);
    if (onFileStarted)
        onFileStarted(index, entry, size);
    // The earlier copy stays until the new one is whole.
    transfers::downloadThroughPart(ftp_, remote, job_.remoteFolder,
                                   platform::joinPath(job_.localFolder, entry), size,
                                   [this] { return aborted_; });
}

FtpNsFileResult FtpNsRunner::transferOne(int index, const QString& entry) {
    FtpNsFileResult r{entry, false, {}};
    cleanupNote_.clear();
    try {
        if (job_.kind == FtpNsJob::Upload)
            upload(entry, index);
        else
            download(entry, index);
        r.ok = !aborted_;
        if (aborted_)
            r.message = QStringLiteral("aborted") + cleanupNote_;
    } catch (const std::exception& e) {
        r.message =
            (aborted_ ? QStringLiteral("aborted") : QString::fromUtf8(e.what())) + cleanupNote_;
    }
    return r;
}
