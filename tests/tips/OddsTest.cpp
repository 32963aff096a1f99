// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tips/Odds.h"

namespace {

// Exact binomial coefficients in 128 bits: C(70, 20) needs 58.
unsigned __int128 choose(int n, int k) {
    unsigned __int128 value = 1;
    for (int i = 1; i <= k; ++i) {
        value = value * static_cast<unsigned>(n - k + i) / static_cast<unsigned>(i);
    }
    return value;
}

TEST(Odds, EveryTipSizeFromTheBinomialCoefficients) {
    const unsigned __int128 draws = choose(70, 20);
    for (int k = 2; k <= 10; ++k) {
        unsigned __int128 total = 0;
        double expected = 0;
        for (int h = 0; h <= k; ++h) {
            const unsigned __int128 ways = choose(k, h) * choose(70 - k, 20 - h);
            total += ways;
            const double p = static_cast<double>(ways) / static_cast<double>(draws);
            EXPECT_NEAR(tips::Odds::probability(k, h), p, 1e-15) << k << " " << h;
            expected += p * static_cast<double>(tips::Odds::factor(k, h));
        }
        EXPECT_TRUE(total == draws) << k; // the hit counts cover every draw
        EXPECT_NEAR(tips::Odds::expectedReturn(k), expected, 1e-12) << k;
        EXPECT_DOUBLE_EQ(tips::Odds::expectedHits(k), k * 20.0 / 70.0);
    }
}

TEST(Odds, FactorsComeFromThePrizeTableAndAreZeroElsewhere) {
    EXPECT_EQ(tips::Odds::factor(10, 10), 100000);
    EXPECT_EQ(tips::Odds::factor(10, 0), 2);
    EXPECT_EQ(tips::Odds::factor(10, 4), 0);
    EXPECT_EQ(tips::Odds::factor(2, 2), 6);
    EXPECT_EQ(tips::Odds::factor(2, 1), 0);
    EXPECT_EQ(tips::Odds::factor(8, 0), 1);
}

} // namespace
