#include "transfers/local_tree.h"

#include "transfers/transfer_logic.h"

#include <QDir>

namespace transfers {

namespace {

// Deeper than any real tree; bind mounts of a folder into itself stop here.
constexpr int kMaxDepth = 64;

void readFolder(const QString& path, const QStringList& names, const QString& shown, int depth,
                const std::function<bool(const QFileInfo&)>& wanted, LocalTree& tree) {
    const QDir dir(path);
    if (depth > kMaxDepth || !dir.isReadable()) {
        tree.unreadable << shown;
        return;
    }
    const int index = int(tree.folders.size());
    tree.folders.push_back({path, names});
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                          QDir::Name | QDir::IgnoreCase);
    QFileInfoList subfolders;
    for (const QFileInfo& entry : entries) {
        const QString entryShown = shown + QLatin1Char('/') + entry.fileName();
        // A link may lead anywhere, the tree itself included: none is followed.
        if (entry.isSymLink() || !uploadableName(entry.fileName())) {
            tree.skipped << entryShown;
            continue;
        }
        if (entry.isDir()) {
            subfolders << entry;
            continue;
        }
        if (!entry.isFile() || !wanted(entry))
            continue;
        tree.files.push_back({index, entry.fileName(), entryShown, entry.size()});
        tree.totalBytes += entry.size();
    }
    for (const QFileInfo& folder : subfolders)
        readFolder(folder.filePath(), QStringList(names) << folder.fileName(),
                   shown + QLatin1Char('/') + folder.fileName(), depth + 1, wanted, tree);
}

} // namespace

bool uploadableName(const QString& name) {
    return safeLocalName(name) && !name.contains(QLatin1Char('\r')) &&
           !name.contains(QLatin1Char('\n'));
}

LocalTree readLocalTree(const QString& root, const std::function<bool(const QFileInfo&)>& wanted) {
    LocalTree tree;
    const QFileInfo top(root);
    readFolder(root, {}, top.fileName(), 0, wanted, tree);
    return tree;
}

} // namespace transfers
