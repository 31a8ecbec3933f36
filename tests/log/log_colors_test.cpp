#include "log/log_colors.h"

#include <gtest/gtest.h>

using namespace sessionlog;

TEST(LogColors, FirstNineCharactersChooseTheColour) {
    EXPECT_EQ(lineColor("Connected."), kGreen);
    EXPECT_EQ(lineColor("Disconnected."), kGreen);
    EXPECT_EQ(lineColor("Recv: 215 UNIX Type: L8<EOL>"), kFuchsia);
    EXPECT_EQ(lineColor("Recv: 230 Login successful.<EOL>"), kBlue);
    EXPECT_EQ(lineColor("Recv: 331 Username ok<EOL>"), kOlive);
    EXPECT_EQ(lineColor("Sent pass HIDDEN<EOF>"), kMaroon);
    for (const char* red :
         {"Recv: 421 x", "Recv: 500 x", "Recv: 530 x", "Recv: 553 x", "Recv: 550 x"})
        EXPECT_EQ(lineColor(red), kRed) << red;
    EXPECT_EQ(lineColor("Recv: 451 aborted"), kTeal);
    EXPECT_EQ(lineColor("Recv: 226 Transfer complete.<EOL>"), kNavy);
    EXPECT_EQ(lineColor("Sent: pass secret<EOL>"), kNavy);
    EXPECT_EQ(lineColor("recv: 530 lower case"), kNavy);
    EXPECT_EQ(lineColor(""), kNavy);
    // The log window draws unmatched lines black.
    EXPECT_EQ(lineColor("Sent: PWD<EOL>", kBlack), kBlack);
    EXPECT_EQ(lineColor("Recv: 530 x", kBlack), kRed);
}

TEST(LogColors, PasswordIsHiddenOnlyWhenSlotEightIsOne) {
    const QString pass = "Sent: pass secret<EOL>";
    EXPECT_EQ(paneText(pass, 1), "Sent pass HIDDEN<EOF>");
    EXPECT_EQ(paneText("Sent: user bob<EOL>", 1), "Sent: user bob<EOL>");
    EXPECT_EQ(paneText("Sent: PASS secret<EOL>", 1), "Sent: PASS secret<EOL>");
    for (int slot : {0, 2, -1})
        EXPECT_EQ(paneText(pass, slot), pass) << slot;
}
