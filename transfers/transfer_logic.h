#pragma once
// The rules of a transfer batch that need no window: the interrupted-download
// record, the texts of the progress window, its speed, clock and gauge.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace transfers {

// error.dat: what the next start needs to fetch an interrupted download again.
struct InterruptedDownload {
    QString localFolder;
    QString server;
    QString user;
    QString password;
    QString remoteFolder;
    QString fileName;
};
QStringList errorRecordLines(const InterruptedDownload& record);
// Writes the record whole, readable by its owner only (it holds a password).
bool writeErrorRecord(const QString& path, const InterruptedDownload& record);

// "Ściąganie pliku: name  [Rozmiar: kb KB]": one blank before the bracket
// when the local folder is a root, two otherwise; a refused size shows 0 KB.
QString downloadFileLine(const QString& name, int64_t size, bool localFolderIsRoot, int language,
                         bool replay = false);
QString downloadBatchLine(int position, int count, int language);
QString uploadBatchLine(int position, int count, int language);
// A whole-folder batch adds how much of the tree has gone: " [done z total KB]".
QString treeBytesLine(int64_t doneBytes, int64_t totalBytes, int language);

// Whole kilobytes of a byte count; nothing negative.
int64_t kilobytes(int64_t bytes);
// KB/s over the elapsed milliseconds; nothing (empty) when no time has passed.
QString speedText(int64_t bytes, int64_t elapsedMs);

// The elapsed clock: hours may grow past 99, each field at least two digits.
struct Elapsed {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    void tick();
};
QString twoDigits(int value); // Czy_jeden_znak
QString elapsedText(const Elapsed& elapsed, int language);

// A gauge holds int; byte counts of any size are scaled down until they fit.
// A maximum of 0 or below (an empty file, a size nobody told) has no scale.
class GaugeScale {
public:
    explicit GaugeScale(int64_t maximumBytes = 0);
    int maximum() const;
    int position(int64_t bytes) const;
    bool known() const { return maximum_ > 0; }

private:
    int64_t maximum_ = 0;
    int shift_ = 0;
};

// The download is complete only when the server's size, when it told one,
// matches what arrived.
bool downloadComplete(int64_t announcedSize, int64_t receivedSize);

// A name from a listing used as a local file name: no separators, no "." or
// "..", so a hostile listing cannot write outside the local folder.
bool safeLocalName(const QString& name);

} // namespace transfers
