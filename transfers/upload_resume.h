#pragma once
// Continuing an upload the server already holds the beginning of. Only a server whose
// FEAT offers SIZE and REST STREAM is asked anything: to every other server an upload
// is the plain STOR it always was.

#include <QString>

#include <cstdint>
#include <string>

class TIdFTP;

namespace transfers {

// The number of bytes to continue from, or 0 to send the whole file. The user is asked
// (through the platform services) only when the server's copy of `remote` is shorter
// than the local file and was written after the local file last changed, as the
// remains of an upload of this very file are: an older version of the file, which is
// older than the local change, is replaced without a question, as always.
int64_t chooseUploadResume(TIdFTP& ftp, const std::string& remote, const QString& shownName,
                           const QString& localPath);

} // namespace transfers
