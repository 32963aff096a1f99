// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "backtest/StrategyReport.h"
#include "common/DayNumber.h"
#include "common/Random.h"
#include "tips/Odds.h"

namespace {

using backtest::StrategyReport;

history::NumberSet numbers(int from, int to) {
    history::NumberSet set;
    for (int n = from; n <= to; ++n) {
        set.add(n);
    }
    return set;
}

// Cycles of the given tips; the hits do not matter to chance's bands.
StrategyReport reportOf(const std::vector<history::NumberSet>& tips, int cycles) {
    StrategyReport report(10, 1);
    const std::vector<int> hits(tips.size(), 2);
    for (int cycle = 0; cycle < cycles; ++cycle) {
        report.addCycle(cycle + 1, 0, tips, hits, hits);
    }
    return report;
}

TEST(StrategyReportTest, AStoppedReportSaysSoFirst) {
    StrategyReport report(10, 1);
    report.addCycle(common::toDayNumber(QDate(2024, 1, 1)), 0,
                    {numbers(1, 10), numbers(11, 20), numbers(21, 30)}, {5, 0, 3}, {2, 2, 2});
    report.setStopped(true);
    EXPECT_TRUE(report.text().first().contains(QStringLiteral("ARRÊTÉ après 1 tirages")));
    EXPECT_EQ(report.strategy().won, 4); // 5 hits and 0 hits pay 2 each
    EXPECT_TRUE(report.summary().value(6).startsWith(QStringLiteral("taux de retour\t133,33 %\t")));
    EXPECT_TRUE(report.text().value(1).startsWith(QStringLiteral("Trop peu de tirages")));
}

// With no tip played there is no interval to give: no third column, and
// none in the verdict.
TEST(StrategyReportTest, NoTipNoInterval) {
    const StrategyReport empty(10, 1);
    for (const QString& line : empty.summary()) {
        EXPECT_EQ(line.count(QLatin1Char('\t')), 1) << line.toStdString();
    }
    EXPECT_FALSE(empty.verdict().contains(QStringLiteral("intervalle")));
    EXPECT_EQ(reportOf({numbers(1, 10)}, 1).summary().value(4).count(QLatin1Char('\t')), 2);
}

// Outside chance's band on either side, the verdict says which, and that luck
// alone lands there one time in forty.
TEST(StrategyReportTest, TheVerdictNamesTheSideAndItsOdds) {
    const auto verdictOf = [](int hits) {
        StrategyReport report(10, 1);
        for (int cycle = 1; cycle <= StrategyReport::kFewestDraws; ++cycle) {
            report.addCycle(cycle, 0, {numbers(1, 10)}, {hits}, {hits});
        }
        return report.verdict();
    };
    const QString rich = verdictOf(0); // 0 hits pay twice the stake
    EXPECT_TRUE(rich.startsWith(QStringLiteral("Sur 100 tirages, la stratégie a rapporté plus")));
    EXPECT_TRUE(rich.endsWith(QStringLiteral("par chance, une fois sur quarante")));
    const QString poor = verdictOf(1); // 1 hit pays nothing
    EXPECT_TRUE(poor.startsWith(QStringLiteral("Sur 100 tirages, la stratégie a rapporté moins")));
    EXPECT_TRUE(poor.endsWith(QStringLiteral("par malchance, une fois sur quarante")));
}

// A kept list of shorter tips is priced at the report's table: six numbers
// at the table of ten return 25.57 % (0 hits pay 2, 5 hits 2, 6 hits 5).
TEST(StrategyReportTest, TheOddsFollowTheTipsPlayed) {
    const StrategyReport report = reportOf({numbers(1, 10), numbers(11, 16)}, 3);
    const StrategyReport::Expectation expected = report.expectation();
    EXPECT_NEAR(expected.returnRate, (tips::Odds::expectedReturn(10) + 0.2556942237) / 2, 1e-9);
    EXPECT_NEAR(expected.meanHits, (10 + 6) * 20.0 / 70 / 2, 1e-12);
    EXPECT_TRUE(report.verdict().contains(QStringLiteral("hasard attendu 37,5 %")));
}

// The bands hold what the odds promise and narrow as the draws grow in
// number (the return's less than the square root would say: its rare large
// prizes make its points jump).
TEST(StrategyReportTest, TheChanceBandsHoldTheExpectationAndNarrow) {
    const StrategyReport::ChanceBands few = StrategyReport::oneTipPerDraw(10, 100);
    const StrategyReport::ChanceBands many = StrategyReport::oneTipPerDraw(10, 2000);
    for (const StrategyReport::ChanceBands* bands : {&few, &many}) {
        EXPECT_LT(bands->returnRate.low, tips::Odds::expectedReturn(10));
        EXPECT_GT(bands->returnRate.high, tips::Odds::expectedReturn(10));
        EXPECT_LT(bands->meanHits.low, tips::Odds::expectedHits(10));
        EXPECT_GT(bands->meanHits.high, tips::Odds::expectedHits(10));
    }
    EXPECT_LT(many.returnRate.high - many.returnRate.low,
              (few.returnRate.high - few.returnRate.low) / 2);
    // One tip of 10 over 2,000 draws: the mean hits' standard deviation is
    // sqrt(10 * 2/7 * 5/7 * 60/69 / 2000), about 0.0298, so the band spans
    // about 3.92 of them.
    EXPECT_NEAR(many.meanHits.high - many.meanHits.low, 3.92 * 0.0298, 0.012);
}

// Tips that share their numbers win and lose together: five copies of one
// tip stray as far as the one tip, five tips without a common number much
// less (their 50 numbers hold about 14.3 of the 20 drawn every time). A band
// for independent tips would be too narrow for the copies.
TEST(StrategyReportTest, TipsSharingNumbersWidenTheBands) {
    const history::NumberSet tip = numbers(1, 10);
    const StrategyReport::ChanceBands copies =
        reportOf({tip, tip, tip, tip, tip}, 200).chanceBands();
    const StrategyReport::ChanceBands single = reportOf({tip}, 200).chanceBands();
    const StrategyReport::ChanceBands apart =
        reportOf(
            {numbers(1, 10), numbers(11, 20), numbers(21, 30), numbers(31, 40), numbers(41, 50)},
            200)
            .chanceBands();
    const auto width = [](const StrategyReport::Band& band) { return band.high - band.low; };
    EXPECT_DOUBLE_EQ(width(copies.meanHits), width(single.meanHits));
    // 1.332 against 0.344 per draw: a ratio of about 3.9. (The return's band
    // widens as well, but its ends jump with the rare large prizes.)
    EXPECT_GT(width(copies.meanHits), 3 * width(apart.meanHits));
}

TEST(StrategyReportTest, ChanceTipsAreDistinctNumbersReachingEveryNumber) {
    common::Random random(3);
    std::set<int> seen;
    for (int i = 0; i < 500; ++i) {
        const history::NumberSet tip = StrategyReport::chanceTip(random, 7);
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
