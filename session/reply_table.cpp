#include "session/reply_table.h"

#include "session/session_texts.h"

namespace session {

ConnectFailure decideConnectFailure(int replyCode) {
    if (replyCode == 225)
        return ConnectFailure::BrokenByUser;
    if (replyCode == 421)
        return ConnectFailure::TimedOut;
    return ConnectFailure::Other;
}

ListingFailure decideListingFailure(int replyCode, bool retryBound) {
    ListingFailure d;
    switch (replyCode) {
    case 225:
        d.message = &sessiontext::kBrokenByUser;
        d.box = BoxKind::Error;
        d.closeBeforeMessage = true;
        d.closingSteps = true;
        return d;
    case 421:
        d.message = &sessiontext::kTimedOut;
        d.box = BoxKind::Warning;
        d.closeBeforeMessage = true;
        d.closingSteps = true;
        return d;
    case 501:
    case 550:
    case 500:
        if (retryBound)
            break;
        d.retryParent = true;
        d.pumpAfterRetry = replyCode == 500;
        return d;
    case 530:
        d.message = &sessiontext::kNoAccess;
        d.box = BoxKind::Error;
        d.closingSteps = true;
        return d;
    case 553:
        d.message = &sessiontext::kNoPermission;
        d.box = BoxKind::Warning;
        d.closeAfterMessage = true;
        d.closingSteps = true;
        return d;
    case 451:
        d.message = &sessiontext::kTransferAborted;
        d.box = BoxKind::Warning;
        d.closeAfterMessage = true;
        d.closingSteps = true;
        return d;
    default:
        break;
    }
    d.message = &sessiontext::kUnknownError;
    d.box = BoxKind::Error;
    d.closingSteps = true;
    return d;
}

bool parentRetryExhausted(bool failedCallWasRetry, const QString& currentFolder, int retryDepth) {
    if (retryDepth >= kMaxParentRetries)
        return true;
    return failedCallWasRetry && (currentFolder.isEmpty() || currentFolder == u"/");
}

} // namespace session
