#include "local/folder_removal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace localfiles {

bool removeFolder(const QString& path) {
    const QFileInfo target(path);
    if (target.isSymLink())
        return QFile::remove(target.filePath());
    // Links met further down are removed as links by QDir as well.
    return QDir(target.filePath()).removeRecursively();
}

} // namespace localfiles
