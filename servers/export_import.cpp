#include "servers/export_import.h"

#include "platform/paths.h"
#include "platform/text_file.h"
#include "servers/server_files.h"

#include <QDir>
#include <QFile>

namespace export_import {

namespace {

// Copies bytes as they are; the copy holds passwords, so it is the owner's only.
CopyResult copyFile(const QString& source, const QString& target) {
    if (source.isEmpty())
        return CopyResult::SourceMissing;
    // A source that cannot be read must not replace the target with nothing.
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return CopyResult::SourceMissing;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return CopyResult::SourceMissing;
    return textfile::writeBytes(target, bytes, textfile::Access::OwnerOnly)
               ? CopyResult::Copied
               : CopyResult::NotWritten;
}

} // namespace

QString findInFolder(const QString& folder, const QString& fileName) {
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return platform::joinPath(folder, entry);
    return {};
}

QList<int> categoriesIn(const QString& folder) {
    QList<int> codes;
    for (const servers::Category& c : servers::categories())
        if (!findInFolder(folder, QString::fromLatin1(c.fileName)).isEmpty())
            codes.append(c.code);
    return codes;
}

CopyResult exportCategory(int code, const QString& folder) {
    const servers::Category* c = servers::category(code);
    if (!c)
        return CopyResult::SourceMissing;
    const QString fileName = QString::fromLatin1(c->fileName);
    QString target = findInFolder(folder, fileName);
    if (target.isEmpty())
        target = platform::joinPath(folder, fileName);
    return copyFile(servers::categoryFilePath(code), target);
}

CopyResult importCategory(int code, const QString& folder) {
    const servers::Category* c = servers::category(code);
    if (!c)
        return CopyResult::SourceMissing;
    return copyFile(findInFolder(folder, QString::fromLatin1(c->fileName)),
                    servers::categoryFilePath(code));
}

} // namespace export_import
