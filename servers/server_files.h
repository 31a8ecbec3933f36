#pragma once
// The server directory on disk: eight category files in the program folder,
// one saved server per line (see server_record.h). Every letter-case spelling
// installations used for a category ("P.dat", "p.dat", ...) resolves to the
// one file that is there, whatever its case.

#include "platform/msg.h"
#include "servers/server_record.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace servers {

inline constexpr int kCategoryCount = 8; // codes 0..7 have a file
inline constexpr int kAllServers = 8;    // the view over all eight files
inline constexpr int kAskAtStart = 9;    // start setting: the setup wizard chooses
inline constexpr int kInne = 7;

struct Category {
    int code;
    const char* name;     // shown in the dialogs and status texts, Polish in both languages
    Msg menuCaption;      // the kat1 submenu item
    const char* fileName; // canonical spelling (export and import use it)
    // Spellings written by the operations over the years; all resolve to one file.
    const char* loadName;   // loading into the main list
    const char* addName;    // the new-server dialog
    const char* editName;   // the edit dialog
    const char* deleteName; // rewrite after a deletion, emptying
};

// Categories 0..7 in code order.
const std::array<Category, kCategoryCount>& categories();
// nullptr for codes outside 0..7.
const Category* category(int code);
// "FIRMY" ... "INNE" for 0..7, "WSZYSTKIE SERWERY" for 8, empty otherwise.
QString categoryName(int code);
// The code of a category by its name ("FIRMY" -> 0); nullopt when unknown.
std::optional<int> categoryByName(const QString& name);

// Path of a category's file in the program folder, found without regard to
// letter case; a file not there yet gets the lower-case spelling.
QString categoryFilePath(int code);
bool categoryFileExists(int code);

struct ReadResult {
    QStringList lines;
    bool exists = false;
    bool ok = true; // false: the file is there but could not be read
};
// The lines of a category file (LF or CR LF end a line, a lone CR is
// dropped, Ctrl-Z ends the file, the last line may lack its end).
ReadResult readCategoryLines(int code);
// The same lines as entries that know their file.
QList<ServerEntry> entriesFromLines(const QStringList& lines, int sourceCategory);
QList<ServerEntry> readCategoryEntries(int code, bool* ok = nullptr);

// The line that opens S_list.dat when the new-server dialog creates it.
QString defaultSampleEntry();

enum class AppendStyle {
    // New-server dialog: a CR before the record; a new INNE file gets the
    // sample entry as its first line.
    NewServerDialog,
    // Edit dialog moving a server: the record alone.
    EditDialogMove,
};
// Appends one record line to a category file, creating it (owner-only) when
// missing. A last line left without its line end is closed first, so the
// new record never merges with it.
bool appendRecord(int code, const QString& record, AppendStyle style);

// Rewrites a category file from lines, each followed by CR LF, through an
// atomic rename. Only when the file exists: returns false and writes nothing
// otherwise.
bool rewriteCategory(int code, const QStringList& lines);

// Empties one category file to zero bytes (only when it exists), or all
// eight in code order.
bool emptyCategory(int code);
bool emptyAllCategories();

// After servers were deleted: tls.dat keeps the modes of the servers still
// saved in some category file and forgets the others.
bool forgetSecurityOfDeletedServers();

} // namespace servers
