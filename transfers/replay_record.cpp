#include "transfers/replay_record.h"

namespace replay {

std::optional<transfers::InterruptedDownload> parseRecord(const QStringList& lines) {
    const auto line = [&lines](int i) { return lines.value(i); };
    transfers::InterruptedDownload record{line(0), line(1), line(2), line(3), line(4), line(5)};
    for (const QString* needed : {&record.localFolder, &record.server, &record.user,
                                  &record.remoteFolder, &record.fileName})
        if (needed->trimmed().isEmpty())
            return std::nullopt;
    return record;
}

} // namespace replay
