#include <gtest/gtest.h>

#include <set>

#include "backtest/StrategyReport.h"
#include "common/DayNumber.h"
#include "common/Random.h"

namespace {

TEST(StrategyReportTest, AStoppedReportSaysSoFirst) {
    backtest::StrategyReport report(10, 1);
    report.addCycle(common::toDayNumber(QDate(2024, 1, 1)), 0, {5, 0, 3}, {2, 2, 2});
    report.setStopped(true);
    EXPECT_TRUE(report.text().first().contains(QStringLiteral("ARRÊTÉ après 1 tirages")));
    EXPECT_EQ(report.strategy().won, 4); // 5 hits and 0 hits pay 2 each
    EXPECT_EQ(report.summary().value(6), QStringLiteral("return\t133,33 %"));
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
