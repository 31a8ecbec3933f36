#pragma once
// What the main window does when a remote command fails: the three-way table
// of a failed connect and the reply table of a failed listing refresh. Both
// are decided from the reply code the engine last read, so they behave the
// same whether or not the protocol log is shown.

#include "platform/msg.h"

namespace session {

enum class ConnectFailure {
    BrokenByUser, // 225: the user's stop answered by the server
    TimedOut,     // 421
    Other,        // refused login, bad port, unknown host, refused connection...
};

ConnectFailure decideConnectFailure(int replyCode);

enum class BoxKind { Warning, Error };

struct ListingFailure {
    const Msg* message = nullptr; // nullptr: nothing is shown
    BoxKind box = BoxKind::Error;
    bool closeBeforeMessage = false; // close the engine (when connected) first
    bool closeAfterMessage = false;  // close the engine (when connected) after the message
    bool retryParent = false;        // list ".." silently
    bool pumpAfterRetry = false;     // the 500 row lets pending messages run afterwards
    bool closingSteps = false;       // start the deferred reset
};

// `retryBound` is true when listing the parent would lead nowhere new (see
// parentRetryExhausted); the retrying rows then end the session with the
// unknown-error message instead of asking again for ever.
ListingFailure decideListingFailure(int replyCode, bool retryBound);

// True when a failed listing must not be retried one level up: the failing
// call was itself such a retry and the server already reports its root, or
// the retries have gone deeper than any real tree.
bool parentRetryExhausted(bool failedCallWasRetry, const QString& currentFolder, int retryDepth);

inline constexpr int kMaxParentRetries = 64;

} // namespace session
