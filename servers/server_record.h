#pragma once
// One saved server is one line of a category file: seven fields, each closed
// by "*" (display name, login kind, user, host, password or "^", port,
// category code). The format has no escape, so a line is kept verbatim next
// to the fields read from it; every operation on an entry uses its own line.

#include "session/anonymous_login.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace servers {

using session::kPlaceholderEmail;
// Password field meaning "password not saved".
inline constexpr char kNotSavedMarker[] = "^";
inline constexpr char kAnonymousUser[] = "anonymous";
inline constexpr int kDefaultPort = 21;

// Fields in line order: the text before each "*". Text after the last "*"
// belongs to no field; a line without "*" has no fields.
QStringList splitFields(const QString& line);

// The category code written in the line: its second-to-last character.
// nullopt when that character is not a digit.
std::optional<int> categoryOfLine(const QString& line);

// What the dialogs collect for one server.
struct ServerRecord {
    QString name;
    bool anonymous = false;
    QString user;
    QString host;
    QString password;
    bool savePassword = true;
    int port = kDefaultPort;
    int category = 7;
};

// The line for a record, fields in file order, each followed by "*".
QString buildRecord(const ServerRecord& record);

// Why a record cannot be written: the format cannot hold "*" in a value, and
// a password of exactly "^" would read back as "not saved".
enum class RecordProblem { None, StarInValue, CaretPassword, PortOutOfRange };
RecordProblem checkRecord(const ServerRecord& record);

// One line of a category file as the server lists see it.
struct ServerEntry {
    QString line;            // verbatim, as read (or as written)
    QStringList fields;      // splitFields(line)
    int sourceCategory = -1; // the file (category code) the line was read from

    // A line without any "*" is kept (so rewrites keep it) but not listed.
    bool listed() const { return !fields.isEmpty(); }
    bool hasField(int n) const { return fields.size() >= n; } // n is 1-based
    QString field(int n) const { return hasField(n) ? fields.at(n - 1) : QString(); }

    QString displayName() const { return field(1); }
    bool anonymous() const { return field(2) == QLatin1String("1"); }
    QString user() const { return field(3); }
    QString host() const { return field(4); }
    // Field 5 present and not "^".
    bool passwordSaved() const { return hasField(5) && field(5) != QLatin1String(kNotSavedMarker); }
    QString password() const { return passwordSaved() ? field(5) : QString(); }
    QString port() const { return field(6); }
};

ServerEntry parseEntry(const QString& line, int sourceCategory = -1);

} // namespace servers
