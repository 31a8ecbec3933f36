// Names typed for the server and the letter-case change of listed names.

#include "session/remote_names.h"

#include <gtest/gtest.h>

namespace {

TEST(RemoteNames, LineBreaksAndNulNeverReachTheServer) {
    EXPECT_TRUE(remotenames::sendable("plain name.txt"));
    EXPECT_TRUE(remotenames::sendable("zażółć"));
    EXPECT_FALSE(remotenames::sendable("a\r\nDELE b"));
    EXPECT_FALSE(remotenames::sendable("a\nb"));
    EXPECT_FALSE(remotenames::sendable("a\rb"));
    EXPECT_FALSE(remotenames::sendable(std::string("a\0b", 3)));
}

TEST(RemoteNames, LetterCaseTouchesAsciiLettersOnly) {
    EXPECT_EQ(remotenames::withLetterCase("MiXed-1.TXT", false), "mixed-1.txt");
    EXPECT_EQ(remotenames::withLetterCase("MiXed-1.TXT", true), "MIXED-1.TXT");
    // UTF-8 "Źdźbło" and a Windows-1250 byte keep their bytes.
    EXPECT_EQ(remotenames::withLetterCase("\xC5\xB9"
                                          "d\xC5\xBA"
                                          "b\xC5\x82o",
                                          true),
              "\xC5\xB9"
              "D\xC5\xBA"
              "B\xC5\x82O");
    EXPECT_EQ(remotenames::withLetterCase("\xA3"
                                          "ab",
                                          true),
              "\xA3"
              "AB");
}

} // namespace
