#pragma once
// A local folder and everything below it, read for a whole-folder upload: the folders
// to make on the server (empty ones too, parents first) and the files to send, grouped
// by folder. Symbolic links are not followed; a name the server could read as a path,
// or that would carry a second command, is refused.

#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace transfers {

struct LocalTreeFolder {
    QString localPath;
    QStringList names; // the way down from the selected folder; empty for the folder itself
};

struct LocalTreeFile {
    int folder = 0; // index into LocalTree::folders
    QString name;
    QString shownPath; // the file's path below the selected folder's parent, for the log
    int64_t size = 0;
};

struct LocalTree {
    std::vector<LocalTreeFolder> folders; // [0] is the selected folder
    std::vector<LocalTreeFile> files;     // in folder order
    QStringList skipped;                  // links and refused names
    QStringList unreadable;               // folders that could not be listed
    int64_t totalBytes = 0;
};

// `wanted` picks the regular files to send (the local list's mask and attributes).
LocalTree readLocalTree(const QString& root, const std::function<bool(const QFileInfo&)>& wanted);

// A local name that may travel to the server as one path element of one command line.
bool uploadableName(const QString& name);

} // namespace transfers
