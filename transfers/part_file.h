#pragma once
// Downloads land in a hidden part file beside the target ("." + name + ".part") that
// replaces the target only when it is whole. A download that fails or is stopped keeps
// its part file, with a small record beside it (".part.from": the server, the remote
// file, its size and modification time), and the next download of the same file from
// the same server continues it with REST when the remote file has not changed.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class TIdFTP;

namespace transfers {

QString partFilePath(const QString& localPath);
QString partRecordPath(const QString& localPath);

struct PartRecord {
    QByteArray source;   // the server and the remote file (see partSource)
    int64_t size = -1;   // the remote size when the part file was made
    QByteArray modified; // the MDTM answer then; empty when the server gave none
};
std::optional<PartRecord> readPartRecord(const QString& path);
bool writePartRecord(const QString& path, const PartRecord& record);

// The user, server, port, remote folder and raw remote name, as one comparable value.
QByteArray partSource(const TIdFTP& ftp, const QString& remoteFolder,
                      const std::string& remoteName);

// Downloads `remoteName` into `localPath` through its part file, continuing a part file
// that an earlier attempt left of the same remote file when the server still has it
// unchanged (same size, and same modification time when the server told one). The
// target is replaced only when `remoteSize` bytes arrived (any number when the size is
// unknown). Throws on failure (EIdAborted when `stopped` says the user stopped it); a
// failed download keeps what arrived for the next attempt when the remote size is known.
void downloadThroughPart(TIdFTP& ftp, const std::string& remoteName, const QString& remoteFolder,
                         const QString& localPath, int64_t remoteSize,
                         const std::function<bool()>& stopped);

} // namespace transfers
