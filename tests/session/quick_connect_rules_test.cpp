#include "session/quick_connect_rules.h"

#include <gtest/gtest.h>

using quickconnect::Field;
using quickconnect::validate;

TEST(QuickConnectRules, RefusesTheFirstEmptyFieldInOrder) {
    auto p = validate({"", "", "", false});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->message, &quickconnect::kAddressEmpty);
    EXPECT_EQ(p->focus, Field::Address);

    p = validate({"host", "", "", false});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->message, &quickconnect::kUserEmpty);
    EXPECT_EQ(p->focus, Field::User);

    p = validate({"host", "anonymous", "", true});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->message, &quickconnect::kAnonymousPasswordEmpty);
    EXPECT_EQ(p->focus, Field::Password);

    p = validate({"host", "bob", "", false});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->message, &quickconnect::kPasswordEmpty);

    EXPECT_FALSE(validate({"host", "bob", "   ", false}));
    EXPECT_FALSE(validate({"host", "bob", "secret", false}));
}
