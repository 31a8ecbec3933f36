#pragma once
// A remote folder and everything below it, read for a whole-folder download: the
// folders to make locally (empty ones too) and the files to fetch, each with the raw
// absolute folder it lives in on the server. Symbolic links are not followed and
// names that would leave the local folder are refused.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

class TIdFTP;

namespace transfers {

struct TreeFile {
    std::string remoteFolder; // raw absolute path, as the server spells it
    std::string remoteName;   // raw, as the listing wrote it
    QString localFolder;
    QString localName;
    QString shownPath; // the file's path below the selected folder, for the log
    int64_t size = 0;  // as the listing gave it; 0 when it gave none exactly
};

struct RemoteTree {
    QStringList localFolders; // parents first
    std::vector<TreeFile> files;
    QStringList skipped;      // links and refused names, shown below the selected folder
    QStringList unreadable;   // folders that could not be entered or listed
    std::string serverFolder; // where the reading left the server; empty when unknown
    int64_t totalBytes = 0;   // of all files, for the progress window
};

// Adds `file` to the tree and its size to the total; an unknown (negative) size counts 0.
void addTreeFile(RemoteTree& tree, TreeFile file);

// Raw absolute path of `name` inside the raw folder `folder`.
std::string remoteChild(const std::string& folder, const std::string& name);

// Reads the folder `remoteName` of the raw folder `remoteParent` into `tree`, to land
// in `localParent`/`localName`. Leaves the server in tree.serverFolder.
void readRemoteTree(TIdFTP& ftp, const std::string& remoteParent, const std::string& remoteName,
                    const QString& localParent, const QString& localName, RemoteTree& tree);

} // namespace transfers
