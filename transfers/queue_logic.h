#pragma once
// The arithmetic of the transfer queue: the folder line a queued file keeps,
// the size text shown beside it and the running total the editor shows.

#include <QString>

#include <cstdint>

namespace queue {

// The folder a file is queued from, as the editor shows it: the current
// folder followed by "/" (the root gives "//").
QString folderLine(const QString& currentFolder);
// The folder to change into for a queued folder line: the line without its
// trailing "/", the root staying "/".
QString folderOf(const QString& folderLine);

// "kb KB/mb MB" for a SIZE answer; a refused size (-1) reads "0 KB/0 MB".
QString sizeText(int64_t bytes);
// The kilobytes a size text counts: the digits before its first blank.
int64_t kilobytesOf(const QString& sizeText);
// Whole kilobytes of a SIZE answer; a refused size counts nothing.
int64_t sizeKilobytes(int64_t bytes);
// "total KB/total div 1024 MB".
QString totalText(int64_t totalKilobytes);

} // namespace queue
