// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tips/LuckyNumber.h"

using tips::LuckyNumber;

TEST(LuckyNumber, AnyThirtyTwoBitIntegerSeedsTheGenerator) {
    common::Random random(1);
    const auto status = LuckyNumber::apply("12345", &random);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, QStringLiteral("réglez le numéro de la chance 12345"));
    EXPECT_EQ(random.seed(), 12345u);

    // The same seed gives the same sequence.
    common::Random again(12345);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(random.next(70), again.next(70));
    }

    ASSERT_TRUE(LuckyNumber::apply("-7", &random));
    EXPECT_EQ(random.seed(), static_cast<std::uint32_t>(-7));
    EXPECT_EQ(LuckyNumber::defaultText(random), QStringLiteral("-7"));
    ASSERT_TRUE(LuckyNumber::apply("0", &random));
    EXPECT_EQ(LuckyNumber::defaultText(random), QStringLiteral("0"));
    EXPECT_TRUE(LuckyNumber::parse("2147483647"));
    EXPECT_TRUE(LuckyNumber::parse("-2147483648"));
}

TEST(LuckyNumber, OtherTextChangesNothing) {
    common::Random random(42);
    for (const char* text : {"", "abc", "12a", "1,5", "2147483648", "99999999999999999999"}) {
        EXPECT_FALSE(LuckyNumber::apply(text, &random)) << text;
        EXPECT_EQ(random.seed(), 42u) << text;
    }
}

TEST(LuckyNumber, CancelTakesTheDefaultTextAndKeepsTheSequence) {
    common::Random random(2024);
    random.next(10);
    common::Random reference = random;
    const auto status = LuckyNumber::apply(LuckyNumber::defaultText(random), &random);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, LuckyNumber::statusText(static_cast<qint32>(reference.seed())));
    EXPECT_EQ(random.next(1000), reference.next(1000));
}
