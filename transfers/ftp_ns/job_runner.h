// Runs an FTP_ns job on its own connection: log in, change to the remote folder, then
// each file in turn, binary, overwriting. A failed file is reported and the job goes
// on with the next one; an abort stops the current file and skips the rest.
#pragma once

#include "ftp/id_ftp.h"
#include "transfers/ftp_ns/job_file.h"

#include <QList>
#include <QString>
#include <functional>

struct FtpNsFileResult {
    QString name;
    bool ok = false;
    QString message; // why it failed
};

class FtpNsRunner {
public:
    explicit FtpNsRunner(FtpNsJob job);

    // Progress of the job, called on the interface thread while run() is on the stack.
    std::function<void(int index, const QString& name, qint64 size)> onFileStarted;
    std::function<void(qint64 bytesDone)> onProgress;
    std::function<void(const FtpNsFileResult& result)> onFileDone;
    std::function<void(const QString& text)> onStatus;

    // Blocks until the job is done; waits pump the application's events.
    QList<FtpNsFileResult> run();
    // Safe from a handler the pump runs in the middle of a transfer.
    void abort();
    bool aborted() const { return aborted_; }

    TIdFTP& ftp() { return ftp_; }

private:
    void changeToFolder();
    FtpNsFileResult transferOne(int index, const QString& entry);
    std::string remoteName(const QString& name) const;

    FtpNsJob job_;
    TIdFTP ftp_;
    bool aborted_ = false;
    bool utf8Names_ = true;
};

// True when every line is valid UTF-8 (the folder's names are then UTF-8, else
// Windows-1250 as the older servers keep them).
bool listingIsUtf8(const std::vector<std::string>& lines);
