#include "session/reply_table.h"
#include "session/session_texts.h"

#include <gtest/gtest.h>

using session::BoxKind;
using session::decideListingFailure;

TEST(ReplyTable, ConnectFailuresSplitIntoUserStopTimeOutAndTheRest) {
    EXPECT_EQ(session::decideConnectFailure(225), session::ConnectFailure::BrokenByUser);
    EXPECT_EQ(session::decideConnectFailure(421), session::ConnectFailure::TimedOut);
    for (int code : {0, 530, 550, 220, 10061})
        EXPECT_EQ(session::decideConnectFailure(code), session::ConnectFailure::Other);
}

TEST(ReplyTable, EveryRowOfAFailedListing) {
    const auto userStop = decideListingFailure(225, false);
    EXPECT_EQ(userStop.message, &sessiontext::kBrokenByUser);
    EXPECT_EQ(userStop.box, BoxKind::Error);
    EXPECT_TRUE(userStop.closeBeforeMessage && userStop.closingSteps);
    EXPECT_FALSE(userStop.closeAfterMessage || userStop.retryParent);

    const auto timeout = decideListingFailure(421, false);
    EXPECT_EQ(timeout.message, &sessiontext::kTimedOut);
    EXPECT_EQ(timeout.box, BoxKind::Warning);
    EXPECT_TRUE(timeout.closeBeforeMessage && timeout.closingSteps);

    for (int code : {501, 550, 500}) {
        const auto retry = decideListingFailure(code, false);
        EXPECT_EQ(retry.message, nullptr) << code;
        EXPECT_TRUE(retry.retryParent) << code;
        EXPECT_FALSE(retry.closingSteps) << code;
        EXPECT_EQ(retry.pumpAfterRetry, code == 500) << code;
    }

    const auto noAccess = decideListingFailure(530, false);
    EXPECT_EQ(noAccess.message, &sessiontext::kNoAccess);
    EXPECT_EQ(noAccess.box, BoxKind::Error);
    EXPECT_TRUE(noAccess.closingSteps);
    EXPECT_FALSE(noAccess.closeBeforeMessage || noAccess.closeAfterMessage);

    const auto perm = decideListingFailure(553, false);
    EXPECT_EQ(perm.message, &sessiontext::kNoPermission);
    EXPECT_EQ(perm.box, BoxKind::Warning);
    EXPECT_TRUE(perm.closeAfterMessage && perm.closingSteps);
    EXPECT_FALSE(perm.closeBeforeMessage);

    const auto aborted = decideListingFailure(451, false);
    EXPECT_EQ(aborted.message, &sessiontext::kTransferAborted);
    EXPECT_EQ(aborted.box, BoxKind::Warning);
    EXPECT_TRUE(aborted.closeAfterMessage && aborted.closingSteps);
    EXPECT_FALSE(aborted.closeBeforeMessage || aborted.retryParent);

    // The codes around the named rows fall to the last one.
    for (int code : {0, 226, 420, 422, 426, 450, 452, 502, 529, 531, 551, 552, 554, 10054}) {
        const auto unknown = decideListingFailure(code, false);
        EXPECT_EQ(unknown.message, &sessiontext::kUnknownError) << code;
        EXPECT_EQ(unknown.box, BoxKind::Error);
        EXPECT_TRUE(unknown.closingSteps);
        EXPECT_FALSE(unknown.retryParent);
    }
}

TEST(ReplyTable, ParentRetryStopsAtTheRoot) {
    for (int code : {501, 550, 500}) {
        const auto bounded = decideListingFailure(code, true);
        EXPECT_FALSE(bounded.retryParent);
        EXPECT_EQ(bounded.message, &sessiontext::kUnknownError);
        EXPECT_TRUE(bounded.closingSteps);
    }
    // The bound does not touch the other rows.
    EXPECT_EQ(decideListingFailure(530, true).message, &sessiontext::kNoAccess);

    EXPECT_FALSE(session::parentRetryExhausted(false, "/", 0));
    EXPECT_FALSE(session::parentRetryExhausted(true, "/pub", 1));
    EXPECT_TRUE(session::parentRetryExhausted(true, "/", 1));
    EXPECT_TRUE(session::parentRetryExhausted(true, "", 1));
    EXPECT_TRUE(session::parentRetryExhausted(true, "/deep", session::kMaxParentRetries));
}
