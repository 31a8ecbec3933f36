#pragma once
// What a file is, told by its name's last four characters, and its size as
// the properties windows write it.

#include "platform/msg.h"

#include <QString>

#include <cstdint>

namespace filetypes {

enum class Window { Remote, Local };

// The type description for `fileName` in the language of `flag` (1 Polish,
// otherwise English); "Brak danych" / "No data" for an unknown ending. The
// remote window knows fewer endings than the local one.
QString typeName(const QString& fileName, Window window, int flag);

// bytes + " B/ " + kilobytes + " KB/" + megabytes + " MB", truncating.
QString sizeText(int64_t bytes);

} // namespace filetypes
