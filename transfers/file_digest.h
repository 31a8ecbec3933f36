#pragma once
// A continued transfer is checked against the server's own digest of the file, where the
// server offers a hash command: a resumed file whose two parts do not belong together
// (the remote file changed in between without changing its size) fails instead of
// passing for whole.

#include <QString>

#include <string>

class TIdFTP;

namespace transfers {

enum class DigestCheck {
    Same,       // the server's digest equals the local file's
    Different,  // it does not: the file is not the server's
    NotOffered, // the server offers no hash command, or refused it: size alone decides
};

DigestCheck compareDigest(TIdFTP& ftp, const std::string& remoteName, const QString& localPath);

// Sends the file: whole with STOR, or from `offset` on with APPE. A continued file is
// checked afterwards by the server's size and, where offered, its digest; false when
// the server's copy is not the local file (the caller treats it as a broken upload).
// Throws as the engine does.
bool uploadMaybeResumed(TIdFTP& ftp, const QString& localPath, const std::string& remote,
                        int64_t offset);

} // namespace transfers
