#pragma once
// Adresy.dat: one e-mail address a line, in the order they were added, kept
// in the program folder as every state file is (Windows-1250, CR LF).

#include <QString>
#include <QStringList>

namespace addressbook {

QString bookPath();
// The addresses; none when the file is missing (then *exists is false).
QStringList readAddresses(bool* exists = nullptr);
// Adds one address at the end, creating the file when missing.
bool appendAddress(const QString& address);
// Rewrites the whole book; the old file stays intact when that fails.
bool rewriteAddresses(const QStringList& addresses);
// Deletes the book; true when it is gone.
bool removeBook();

} // namespace addressbook
