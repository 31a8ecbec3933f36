#include "platform/paths.h"

#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

QString programFolder() {
    return programFolderChoice().folder;
}

QString programFile(const QString& name) {
    return joinPath(programFolder(), name);
}

QString programFileAnyCase(const QString& name) {
    const QDir dir(programFolder());
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return dir.filePath(name.toLower());
}

QString joinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

bool isRoot(const QString& path) {
    if (path.isEmpty())
        return false;
    return QDir(path).isRoot() && QFileInfo(path).isAbsolute();
}

QString fallbackFolder() {
    return QDir::homePath();
}

} // namespace platform
