#pragma once
// Which folder holds the program's state files (konf.dat, the server lists,
// pas.dat, error.dat, ftp_n_s.dat, ...). One rule, decided once per run:
//
// 1. $KORVANTE_HOME when it is set (and can be written);
// 2. the executable's folder when it can be written and is not an installed
//    tree, or already holds the state files - the portable way: everything
//    next to the program;
// 3. otherwise the user's data folder, $XDG_DATA_HOME/korvante (by default
//    ~/.local/share/korvante), created owner-only on first use.
//
// A folder that ought to be used but cannot be written is never dropped
// silently: the choice names it, so start-up can say where settings go.

#include <QString>

#include <functional>

namespace platform {

struct ProgramFolderChoice {
    QString folder;        // where the state files live
    bool portable = false; // the executable's own folder
    QString unwritable;    // the folder passed over because it cannot be written
};

struct ProgramFolderInputs {
    QString homeVariable;                         // $KORVANTE_HOME
    QString executableDir;                        // the running program's folder
    QString xdgDataHome;                          // $XDG_DATA_HOME
    QString userHome;                             // the user's home folder
    std::function<bool(const QString&)> writable; // may files be created there
};

ProgramFolderChoice chooseProgramFolder(const ProgramFolderInputs& in);

// True when `executableDir` is part of an installed tree: the menu entry
// installed with the program lies in ../share/applications (from bin/) or
// ../../share/applications (from libexec/korvante/).
bool isInstalledTree(const QString& executableDir);

// Creates the folder owner-only (0700) when it does not exist yet.
bool ensurePrivateFolder(const QString& folder);

// Creating a file there works (the permission bits alone do not tell, for
// instance on a read-only mount).
bool folderWritable(const QString& folder);

// The choice for this process (decided on first use; KORVANTE_HOME changing
// between calls decides again).
ProgramFolderChoice programFolderChoice();

// The companion program `name` (FTP_ns): next to the running executable, or
// where an install puts it, ../libexec/korvante/.
QString companionProgram(const QString& name);

// The installed menu entry's name, shared by the install and the rule above.
inline constexpr const char* kDesktopEntry = "org.example.korvante.KORVANTE.desktop";

} // namespace platform
