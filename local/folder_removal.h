#pragma once
// Deleting a local folder with everything in it, as both the local panel and
// the folder chooser do it.

#include <QString>

namespace localfiles {

// Removes the folder and its contents. A symbolic link is removed as a link:
// the folder it points to, and what that holds, stay. False when anything
// could not be removed.
bool removeFolder(const QString& path);

} // namespace localfiles
