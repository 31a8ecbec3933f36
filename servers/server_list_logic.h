#pragma once
// The rules of the server list that need no widget: row texts, sort order,
// the printed report and the wizard's descriptions.

#include "servers/server_record.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace servers {

// The three column texts of a listed entry (display name, login type,
// password saved) in the interface language.
QStringList rowColumns(const ServerEntry& entry, int languageFlag);

// Sorts entries by display name in the order a Polish user expects (letter
// case ignored, Polish letters in their places); names equal in that order
// fall back to their exact text and then to the whole line, so the order is
// total and entries stay with their own lines.
void sortEntries(QList<ServerEntry>& entries);

// The lines of entries, in order (what ListBox2 holds).
QStringList linesOf(const QList<ServerEntry>& entries);

// The report of the loaded list printed by "Drukuj": a header naming the
// category, then seven lines per listed server (a missing field leaves out
// its line; the password itself is never printed).
QString serverListReport(int category, const QList<ServerEntry>& entries);

// The description lines the wizard shows for a category code 0..8.
QStringList wizardDescription(int code);

// Status bar panel 2 text when category `code` (0..8) is opened by a command.
QString openCategoryStatus(int code);

} // namespace servers
