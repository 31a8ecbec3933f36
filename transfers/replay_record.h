#pragma once
// Reading the interrupted-download record error.dat back at start-up.

#include "transfers/transfer_logic.h"

#include <QStringList>

#include <optional>

namespace replay {

// The six lines as a record; nullopt when a line the replay cannot do
// without (local folder, server, user, remote folder, file name) is empty or
// missing. The password may be empty: the connect command then asks for it.
std::optional<transfers::InterruptedDownload> parseRecord(const QStringList& lines);

} // namespace replay
