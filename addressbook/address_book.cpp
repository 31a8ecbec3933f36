#include "addressbook/address_book.h"

#include "platform/paths.h"
#include "platform/text_file.h"

#include <QFile>

namespace addressbook {

QString bookPath() {
    return platform::programFile(QStringLiteral("Adresy.dat"));
}

QStringList readAddresses(bool* exists) {
    return textfile::readLines(bookPath(), exists);
}

bool appendAddress(const QString& address) {
    return textfile::appendLines(bookPath(), {address});
}

bool rewriteAddresses(const QStringList& addresses) {
    return textfile::writeLines(bookPath(), addresses);
}

bool removeBook() {
    return QFile::remove(bookPath()) || !QFile::exists(bookPath());
}

} // namespace addressbook
