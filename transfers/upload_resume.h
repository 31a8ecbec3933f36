#pragma once
// Continuing an upload the server already holds the beginning of. Only a server whose
// FEAT offers SIZE and REST STREAM is asked anything: to every other server an upload
// is the plain STOR it always was.

#include <QString>

#include <cstdint>
#include <string>

class TIdFTP;

namespace transfers {

// The number of bytes to continue from: the server's copy of `remote` is shorter than
// the local file and the user chose to continue it (asked through the platform
// services); 0 to send the whole file.
int64_t chooseUploadResume(TIdFTP& ftp, const std::string& remote, const QString& shownName,
                           int64_t localSize);

} // namespace transfers
