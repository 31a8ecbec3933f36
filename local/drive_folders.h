#pragma once
// Drives and their current folders, as the drive selectors of the local
// panel and of the folder chooser keep them: every drive remembers the last
// folder shown on it, and a folder belongs to the mounted volume with the
// longest root that holds it.

#include <QMap>
#include <QString>
#include <QStringList>

namespace local {

// The mounted volumes' roots, sorted, each once.
QStringList mountedDriveRoots();

// Index in `roots` of the drive that holds `path`, -1 when none does.
int driveIndexOf(const QStringList& roots, const QString& path);

class DriveFolders {
public:
    // `path` is now shown on the drive whose root is `root`.
    void remember(const QString& root, const QString& path) { current_[root] = path; }
    // The folder to open when the drive is chosen: its last folder, else its root.
    QString currentFolderOf(const QString& root) const { return current_.value(root, root); }

private:
    QMap<QString, QString> current_;
};

} // namespace local
