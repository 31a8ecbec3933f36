#pragma once
// Copies whole category files between the program folder and a folder the
// user picks: the backup and the transfer of a server directory.

#include <QList>
#include <QString>

namespace export_import {

// The category file in a folder, found without regard to letter case
// (copies made on other systems may read "P.dat" or "S_list.dat"); empty
// when there is none.
QString findInFolder(const QString& folder, const QString& fileName);

// Categories (codes, in code order) whose files are in the folder.
QList<int> categoriesIn(const QString& folder);

// SourceMissing: the file to copy is not there or cannot be read.
enum class CopyResult { Copied, SourceMissing, NotWritten };

// Program folder -> folder. The copy is named as exports have always named
// it ("p.dat" ... "s_list.dat"), or keeps the spelling of a copy already there.
CopyResult exportCategory(int code, const QString& folder);
// Folder -> program folder, replacing the category's file whatever its spelling.
CopyResult importCategory(int code, const QString& folder);

} // namespace export_import
