#pragma once
// The network neighbourhood of a Linux desktop: the network file systems
// mounted on it (SMB/CIFS, NFS, sshfs and other FUSE network mounts) and the
// desktop's own gvfs mounts, read from the mount table.

#include <QByteArray>
#include <QList>
#include <QString>

namespace netmounts {

struct Mount {
    QString source;     // "//server/share", "server:/export", "user@host:/path"
    QString mountPoint; // where it shows in the file system
    QString type;       // "cifs", "nfs4", "fuse.sshfs", ...
};

// The mount table to read: $KORVANTE_MOUNT_TABLE when set, otherwise the
// running process's own (/proc/self/mounts).
QString mountTablePath();
// Lines of "source mount-point type options dump pass", with the table's
// octal escapes ("\040" for a blank) decoded.
QList<Mount> parseMountTable(const QByteArray& text);
QList<Mount> readMountTable(const QString& path);

bool isNetworkType(const QString& type);
// The desktop's gvfs mount point; its subfolders are one mount each.
bool isGvfs(const QString& type);

// The shares to offer: every network mount, and every network share inside
// a gvfs mount point (devices such as phones and cameras left out).
QList<Mount> networkShares(const QList<Mount>& table);

// Whether `path` lies inside a mounted network file system: the deepest
// mount holding it decides, so a local disk mounted below a share is local.
bool isOnNetwork(const QList<Mount>& table, const QString& path);

} // namespace netmounts
