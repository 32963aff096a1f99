// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "backtest/StrategyReport.h"
#include "common/DayNumber.h"
#include "common/Random.h"
#include "tips/Odds.h"

namespace {

TEST(StrategyReportTest, AStoppedReportSaysSoFirst) {
    backtest::StrategyReport report(10, 1);
    report.addCycle(common::toDayNumber(QDate(2024, 1, 1)), 0, {5, 0, 3}, {2, 2, 2});
    report.setStopped(true);
    EXPECT_TRUE(report.text().first().contains(QStringLiteral("ARRÊTÉ après 1 tirages")));
    EXPECT_EQ(report.strategy().won, 4); // 5 hits and 0 hits pay 2 each
    EXPECT_EQ(report.summary().value(6), QStringLiteral("taux de retour\t133,33 %"));
    EXPECT_TRUE(report.text().value(1).startsWith(QStringLiteral("Trop peu de tirages")));
}

// The band holds what chance gives: tips scored at their expected return
// fall in it, and the band narrows as the tips grow in number.
TEST(StrategyReportTest, TheChanceBandHoldsTheExpectedReturnAndNarrows) {
    const auto few = backtest::StrategyReport::chanceReturnBand(5, 500);
    const auto many = backtest::StrategyReport::chanceReturnBand(5, 20000);
    const double expected = tips::Odds::expectedReturn(5);
    EXPECT_LT(few.low, expected);
    EXPECT_GT(few.high, expected);
    EXPECT_LT(many.low, expected);
    EXPECT_GT(many.high, expected);
    EXPECT_LT(many.high - many.low, (few.high - few.low) / 3);
}

TEST(StrategyReportTest, ChanceTipsAreDistinctNumbersReachingEveryNumber) {
    common::Random random(3);
    std::set<int> seen;
    for (int i = 0; i < 500; ++i) {
        const history::NumberSet tip = backtest::StrategyReport::chanceTip(random, 7);
        EXPECT_EQ(tip.size(), 7);
        for (int n = 1; n <= 70; ++n) {
            if (tip.contains(n)) {
                seen.insert(n);
            }
        }
    }
    EXPECT_EQ(seen.size(), 70u);
}

} // namespace
