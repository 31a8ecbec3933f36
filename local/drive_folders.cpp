#include "local/drive_folders.h"

#include <QStorageInfo>

namespace local {

QStringList mountedDriveRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    roots.sort();
    return roots;
}

int driveIndexOf(const QStringList& roots, const QString& path) {
    int best = -1;
    for (int i = 0; i < roots.size(); ++i) {
        const QString& root = roots.at(i);
        const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
        const bool holds = path == root || path.startsWith(prefix);
        if (holds && (best < 0 || root.size() > roots.at(best).size()))
            best = i;
    }
    return best;
}

} // namespace local
