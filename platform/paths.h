#pragma once
// Where the program keeps its files, and how local paths are joined.

#include <QString>

namespace platform {

// The folder of the state files: $KORVANTE_HOME, the executable's folder
// (portable) or the user's data folder; the rule is in program_folder.h.
QString programFolder();
// programFolder() + separator + name.
QString programFile(const QString& name);

// Looks a state file up in the program folder without regard to letter case
// (installations hold "S_list.dat", "s_list.dat", ...); when none exists the
// lower-case spelling is returned, which is what a new file is created as.
QString programFileAnyCase(const QString& name);

// folder + "/" + name, without doubling the separator after a root.
QString joinPath(const QString& folder, const QString& name);
// True for a file-system root ("/" here; "C:\" on Windows).
bool isRoot(const QString& path);
// The folder used where a drive root ("C:\") is the fallback: the user's home.
QString fallbackFolder();

} // namespace platform
