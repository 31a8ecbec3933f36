#pragma once
// pas.dat, the access password: its first line is the password exactly as
// typed. The file's existence alone switches the protection on.

#include <QString>

namespace access_password {

QString filePath();
bool isSet();

struct Stored {
    bool readable = false; // false: the file exists but cannot be read
    QString password;
};
// The first line of pas.dat (empty for an empty or missing file).
Stored readStored();
// True when the typed text is the stored password, letter case and blanks
// included. A file that cannot be read matches nothing: protection that is
// on must not be passed with a guess.
bool matches(const Stored& stored, const QString& typed);

// Writes the password as the file's one line, readable by its owner only.
bool write(const QString& password);
// Deletes pas.dat; true when no file remains.
bool remove();

} // namespace access_password
