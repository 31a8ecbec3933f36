// TShutdown's options as the requests the login manager gets.

#include "desktop/shutdown_logic.h"

#include <gtest/gtest.h>

namespace {

using platform::ShutdownKind;
using namespace shutdownlogic;

TEST(ShutdownLogic, ExitFlagsAndWhatThe9xPathAsksFor) {
    EXPECT_EQ(exitFlags(shoShutdown | shoReboot), 3);
    EXPECT_EQ(exitFlags(shoForce | shoLogoff | shoShutdown), 5);
    EXPECT_EQ(exitFlags(shoLogoff), 0);
    EXPECT_EQ(exitFlags(shoPoweroff | shoForce), 12);

    const auto forced = requestForExitFlags(5);
    EXPECT_EQ(forced.kind, ShutdownKind::PowerOff);
    EXPECT_TRUE(forced.force);
    EXPECT_EQ(forced.delaySeconds, 0);
    EXPECT_TRUE(forced.message.isEmpty());
    EXPECT_EQ(requestForExitFlags(3).kind, ShutdownKind::Reboot);
    EXPECT_EQ(requestForExitFlags(8).kind, ShutdownKind::PowerOff);
    // No flags at all: the user is logged off.
    EXPECT_EQ(requestForExitFlags(0).kind, ShutdownKind::LogOff);
    EXPECT_FALSE(requestForExitFlags(0).force);
}

TEST(ShutdownLogic, TheNTPathCarriesNoticeDelayAndRestart) {
    const auto plain = requestForNT(shoForce | shoLogoff | shoShutdown, "bye", 0);
    EXPECT_EQ(plain.kind, ShutdownKind::PowerOff);
    EXPECT_TRUE(plain.force);
    EXPECT_EQ(plain.message, "bye");
    const auto later = requestForNT(shoReboot, "", 30);
    EXPECT_EQ(later.kind, ShutdownKind::Reboot);
    EXPECT_FALSE(later.force);
    EXPECT_EQ(later.delaySeconds, 30);
    EXPECT_EQ(requestForNT(0, "", -5).delaySeconds, 0);
}

} // namespace
