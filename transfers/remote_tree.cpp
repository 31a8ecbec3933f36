#include "transfers/remote_tree.h"

#include "ftp/id_ftp.h"
#include "platform/paths.h"
#include "session/listing_line.h"
#include "transfers/transfer_logic.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace transfers {

namespace {

// Deeper than any real tree; a server whose folders contain themselves stops here.
constexpr int kMaxDepth = 64;

void readFolder(TIdFTP& ftp, const std::string& remote, const QString& local, const QString& shown,
                int depth, RemoteTree& tree) {
    // A link already standing where a folder goes would carry the files out of the tree.
    if (depth > kMaxDepth || QFileInfo(local).isSymLink()) {
        tree.skipped << shown;
        return;
    }
    std::vector<std::string> lines;
    try {
        tree.serverFolder.clear();
        ftp.ChangeDirectory(remote);
        tree.serverFolder = remote;
        ftp.ListDirectory(lines);
    } catch (const std::exception&) {
        tree.unreadable << shown;
        return;
    }
    tree.localFolders << local;
    std::vector<std::pair<std::string, QString>> folders;
    for (const std::string& raw : lines) {
        const listing::ParsedLine line = listing::parseLine(QByteArray::fromStdString(raw));
        if (line.kind != listing::LineKind::Entry || line.name == "." || line.name == "..")
            continue;
        const QString name = listing::decodeServerText(line.name);
        const QString path = shown + QLatin1Char('/') + name;
        if (line.isLink || line.format == listing::LineFormat::Unreadable || !safeLocalName(name)) {
            tree.skipped << path;
            continue;
        }
        if (line.isFolder)
            folders.emplace_back(line.name.toStdString(), name);
        else
            addTreeFile(tree, {remote, line.name.toStdString(), local, name, path, line.size});
    }
    for (const auto& [raw, name] : folders)
        readFolder(ftp, remoteChild(remote, raw), platform::joinPath(local, name),
                   shown + QLatin1Char('/') + name, depth + 1, tree);
}

} // namespace

void addTreeFile(RemoteTree& tree, TreeFile file) {
    file.size = std::max<int64_t>(file.size, 0);
    tree.totalBytes += file.size;
    tree.files.push_back(std::move(file));
}

std::string remoteChild(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

void readRemoteTree(TIdFTP& ftp, const std::string& remoteParent, const std::string& remoteName,
                    const QString& localParent, const QString& localName, RemoteTree& tree) {
    if (!safeLocalName(localName)) {
        tree.skipped << localName;
        return;
    }
    readFolder(ftp, remoteChild(remoteParent, remoteName),
               platform::joinPath(localParent, localName), localName, 0, tree);
}

} // namespace transfers
