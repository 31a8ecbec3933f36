#include "local/network_mounts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace netmounts {
namespace {

QString unescape(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = false;
            const int code = digits.toInt(&ok, 8);
            if (ok && digits.size() == 3) {
                out.append(char(code));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QString::fromUtf8(out);
}

// gvfs mounts of devices rather than of other computers.
bool isDeviceShare(const QString& name) {
    for (const char* prefix : {"mtp:", "gphoto2:", "archive:", "afc:", "burn:", "cdda:"})
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    return false;
}

QString comparable(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.exists() ? info.canonicalFilePath() : QString();
    return QDir::cleanPath(canonical.isEmpty() ? path : canonical);
}

bool holds(const QString& mountPoint, const QString& path) {
    if (mountPoint == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == mountPoint || path.startsWith(mountPoint + QLatin1Char('/'));
}

} // namespace

QString mountTablePath() {
    const QString chosen = qEnvironmentVariable("KORVANTE_MOUNT_TABLE");
    return chosen.isEmpty() ? QStringLiteral("/proc/self/mounts") : chosen;
}

QList<Mount> parseMountTable(const QByteArray& text) {
    QList<Mount> mounts;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3 || fields[0].startsWith('#'))
            continue;
        mounts.append({unescape(fields[0]), unescape(fields[1]), unescape(fields[2])});
    }
    return mounts;
}

QList<Mount> readMountTable(const QString& path) {
    QFile file(path);
    // /proc files report no size: read until the end rather than by size.
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseMountTable(file.readAll());
}

bool isNetworkType(const QString& type) {
    static const QSet<QString> network = {
        QStringLiteral("cifs"),
        QStringLiteral("smb3"),
        QStringLiteral("smbfs"),
        QStringLiteral("nfs"),
        QStringLiteral("nfs4"),
        QStringLiteral("ncpfs"),
        QStringLiteral("ncp"),
        QStringLiteral("afs"),
        QStringLiteral("ceph"),
        QStringLiteral("glusterfs"),
        QStringLiteral("davfs"),
        QStringLiteral("coda"),
        QStringLiteral("lustre"),
        QStringLiteral("fuse.sshfs"),
        QStringLiteral("fuse.curlftpfs"),
        QStringLiteral("fuse.rclone"),
        QStringLiteral("fuse.s3fs"),
        QStringLiteral("fuse.glusterfs"),
        QStringLiteral("fuse.smbnetfs"),
        QStringLiteral("fuse.davfs2"),
        QStringLiteral("fuse.gvfsd-fuse"),
    };
    return network.contains(type);
}

bool isGvfs(const QString& type) {
    return type == QLatin1String("fuse.gvfsd-fuse");
}

QList<Mount> networkShares(const QList<Mount>& table) {
    QList<Mount> shares;
    for (const Mount& mount : table) {
        if (!isNetworkType(mount.type))
            continue;
        if (!isGvfs(mount.type)) {
            shares.append(mount);
            continue;
        }
        const QStringList inside =
            QDir(mount.mountPoint).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& name : inside)
            if (!isDeviceShare(name))
                shares.append({name, QDir(mount.mountPoint).filePath(name), mount.type});
    }
    return shares;
}

bool isOnNetwork(const QList<Mount>& table, const QString& path) {
    if (path.isEmpty())
        return false;
    const QString target = comparable(path);
    const Mount* deepest = nullptr;
    int deepestLength = -1;
    for (const Mount& mount : table) {
        const QString point = comparable(mount.mountPoint);
        if (holds(point, target) && point.size() > deepestLength) {
            deepest = &mount;
            deepestLength = int(point.size());
        }
    }
    if (!deepest || !isNetworkType(deepest->type))
        return false;
    if (!isGvfs(deepest->type))
        return true;
    // Inside gvfs: only below one of its network shares.
    const QString point = comparable(deepest->mountPoint);
    const QString share = target.mid(point.size() + 1).section(QLatin1Char('/'), 0, 0);
    return !share.isEmpty() && !isDeviceShare(share);
}

} // namespace netmounts
