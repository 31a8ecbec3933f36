#include "transfers/session_keeper.h"

#include <exception>

namespace transfers {

SessionKeeper::SessionKeeper(std::function<bool()> isOpen, std::function<void()> reopen)
    : isOpen_(std::move(isOpen)), reopen_(std::move(reopen)) {}

bool SessionKeeper::ready() {
    if (lost_)
        return false;
    if (isOpen_())
        return true;
    try {
        reopen_();
    } catch (const std::exception& e) {
        lose(QString::fromUtf8(e.what()));
        return false;
    }
    if (isOpen_())
        return true;
    lose(QStringLiteral("Connection lost."));
    return false;
}

void SessionKeeper::lose(const QString& reason) {
    lost_ = true;
    lostReason_ = reason;
}

} // namespace transfers
