#include "transfers/background_job.h"

#include "platform/paths.h"
#include "platform/text_file.h"

namespace background {
namespace {

QStringList header(const QString& kind, const Connection& connection, const QString& folder) {
    return {kind,
            connection.server,
            connection.password,
            connection.user,
            folder,
            connection.port,
            connection.passive ? QStringLiteral("1") : QStringLiteral("0")};
}

} // namespace

QString downloadFolders(const QString& localFolder, const QString& remoteFolder) {
    return platform::joinPath(localFolder, QStringLiteral("*")) + remoteFolder;
}

QStringList uploadJob(const Connection& connection, const QString& remoteFolder,
                      const QString& localFolder, const QStringList& names) {
    QStringList lines = header(QStringLiteral("1"), connection, remoteFolder);
    for (const QString& name : names)
        lines << platform::joinPath(localFolder, name);
    return lines;
}

QStringList downloadJob(const Connection& connection, const QString& localFolder,
                        const QString& remoteFolder, const QStringList& names) {
    return header(QStringLiteral("0"), connection, downloadFolders(localFolder, remoteFolder)) +
           names;
}

bool writeJob(const QString& path, const QStringList& lines) {
    return textfile::writeLines(path, lines, textfile::Access::OwnerOnly);
}

} // namespace background
