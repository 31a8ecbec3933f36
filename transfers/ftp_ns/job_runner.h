// Runs an FTP_ns job on its own connection: log in, change to the remote folder, then
// each file in turn, binary, overwriting. A failed file is reported and the job goes
// on with the next one (logging in again first when the failure cost the connection);
// an abort stops the current file and skips the rest. A download lands in a part file
// beside its target and replaces it only when it arrived whole; an upload that breaks
// off is deleted on the server so no truncated file stands under the final name.
#pragma once

#include "ftp/id_ftp.h"
#include "ftp/id_stream.h"
#include "transfers/ftp_ns/job_file.h"
#include "transfers/session_keeper.h"

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
    // Log in and go to the job's folder; the listing only tells the names' encoding.
    void openSession();
    void changeToFolder();
    void learnNameEncoding();
    void download(const QString& entry, int index);
    void upload(const QString& entry, int index);
    FtpNsFileResult transferOne(int index, const QString& entry);
    // Deletes what a broken upload left under the final name, over a new session when
    // the failure cost the connection; notes it when that cannot be done.
    void removeBrokenUpload(const std::string& remote);
    std::string remoteName(const QString& name) const;

    FtpNsJob job_;
    TIdFTP ftp_;
    bool aborted_ = false;
    bool utf8Names_ = true;
    QString cleanupNote_; // set when a broken upload could not be removed
    // A file whose failure cost the connection (a silent server, replies out of step)
    // fails alone: the next one logs in again.
    transfers::SessionKeeper keeper_{[this] { return ftp_.IsOpen(); }, [this] { openSession(); }};
};

// True when every line is valid UTF-8 (the folder's names are then UTF-8, else
// Windows-1250 as the older servers keep them).
bool listingIsUtf8(const std::vector<std::string>& lines);

// Takes listing bytes as they arrive and keeps only whether they are valid UTF-8, so a
// listing of any size costs no memory. Past `cap` bytes it stops the listing.
class Utf8CheckStream : public TIdStream {
public:
    Utf8CheckStream(TIdFTP& ftp, int64_t cap) : ftp_(ftp), cap_(cap) {}
    int64_t Read(char*, int64_t) override { return 0; }
    void Write(const char* buffer, int64_t count) override;
    int64_t Position() const override { return size_; }
    void Seek(int64_t) override {}
    int64_t Size() const override { return size_; }
    void Truncate() override {}

    // Valid so far, and the text did not end inside a character.
    bool valid() const { return valid_ && pending_ == 0; }
    bool overflowed() const { return overflowed_; }

private:
    TIdFTP& ftp_;
    int64_t cap_;
    int64_t size_ = 0;
    bool valid_ = true;
    bool ended_ = false; // a NUL ends the text, as in a listing
    bool overflowed_ = false;
    int pending_ = 0;        // continuation bytes still expected
    unsigned char lead_ = 0; // lead byte of the character being read, for its range rules
    int seen_ = 0;           // continuation bytes read of it
};
