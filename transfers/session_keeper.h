#pragma once
// Between the files of a batch on one connection. A file whose failure cost the
// connection (a server that ignored ABOR, replies that could not be put back in step, a
// line that dropped) fails alone: before the next file the keeper logs in again and
// returns to the batch's folder. Once that fails, every later file fails for the same
// reason, without a new attempt per file.

#include <QString>

#include <functional>

namespace transfers {

class SessionKeeper {
public:
    // isOpen: the connection still stands. reopen: logs in again and returns to the
    // batch's folder, raising what went wrong.
    SessionKeeper(std::function<bool()> isOpen, std::function<void()> reopen);

    // Before each file: true when a session is open for it.
    bool ready();
    // No session can be had for the rest of the batch (the first login failed).
    void lose(const QString& reason);
    bool lost() const { return lost_; }
    const QString& lostReason() const { return lostReason_; }

private:
    std::function<bool()> isOpen_;
    std::function<void()> reopen_;
    bool lost_ = false;
    QString lostReason_;
};

} // namespace transfers
