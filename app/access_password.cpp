#include "app/access_password.h"

#include "platform/paths.h"
#include "platform/text_file.h"

#include <QFile>
#include <QFileInfo>

namespace access_password {

QString filePath() {
    return platform::programFile(QStringLiteral("pas.dat"));
}

bool isSet() {
    return QFile::exists(filePath());
}

Stored readStored() {
    Stored stored;
    const QString path = filePath();
    if (QFile::exists(path)) {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly))
            return stored;
    }
    stored.readable = true;
    stored.password = textfile::readLines(path).value(0);
    return stored;
}

bool matches(const Stored& stored, const QString& typed) {
    return stored.readable && typed == stored.password;
}

bool write(const QString& password) {
    return textfile::writeLines(filePath(), {password}, textfile::Access::OwnerOnly);
}

bool remove() {
    const QString path = filePath();
    QFile::remove(path);
    return !QFileInfo::exists(path);
}

} // namespace access_password
