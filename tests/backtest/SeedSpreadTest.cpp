// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "backtest/SeedList.h"
#include "backtest/SeedSpread.h"
#include "backtest/StrategyReport.h"
#include "common/DayNumber.h"

namespace {

using backtest::SeedList;
using backtest::SeedSpread;
using backtest::StrategyReport;

TEST(SeedListTest, TakesNumbersAndAscendingRanges) {
    const auto twenty = SeedList::parse(QStringLiteral("1-20"));
    ASSERT_TRUE(twenty);
    ASSERT_EQ(twenty->size(), 20u);
    EXPECT_EQ(twenty->front(), 1);
    EXPECT_EQ(twenty->back(), 20);
    EXPECT_EQ(SeedList::parse(QStringLiteral("1,3,5-7")), (std::vector<qint32>{1, 3, 5, 6, 7}));
    EXPECT_EQ(SeedList::parse(QStringLiteral(" 9 , 4711 ")), (std::vector<qint32>{9, 4711}));
    EXPECT_EQ(SeedList::parse(QStringLiteral("8-8")), (std::vector<qint32>{8}));
    EXPECT_EQ(SeedList::parse(QStringLiteral("1-1000"))->size(), 1000u);
}

TEST(SeedListTest, RefusesWhatIsNoListOfSeeds) {
    for (const char* text :
         {"", " ", "5-1", "a", "1,a", "1-", "-3", "1-2-3", "1,,2", "1.5", "1-1001",
          "1-500,600-1100", "1,1", "1-5,3", "2147483648", "1-99999999999"}) {
        QString error;
        EXPECT_FALSE(SeedList::parse(QString::fromLatin1(text), &error)) << text;
        EXPECT_FALSE(error.isEmpty()) << text;
    }
}

history::NumberSet numbers(int from, int to) {
    history::NumberSet set;
    for (int n = from; n <= to; ++n) {
        set.add(n);
    }
    return set;
}

// A report of one draw per hit count, one tip each: for ten numbers, 0 and 5
// hits pay twice the stake, 6 hits five times, the rest nothing.
StrategyReport reportOf(std::initializer_list<int> hits) {
    StrategyReport report(10, 1);
    common::DayNumber day = common::toDayNumber(QDate(2024, 1, 1));
    for (int h : hits) {
        report.addCycle(day++, 0, {numbers(1, 10)}, {h}, {h});
    }
    return report;
}

TEST(SeedSpreadTest, LowestMedianAndHighestReturnOverTheSeeds) {
    SeedSpread spread(10);
    spread.add(3, reportOf({5, 1})); // 100 %
    spread.add(1, reportOf({1, 2})); // 0 %
    spread.add(2, reportOf({5, 5})); // 200 %
    EXPECT_DOUBLE_EQ(spread.lowestReturn(), 0);
    EXPECT_DOUBLE_EQ(spread.medianReturn(), 1);
    EXPECT_DOUBLE_EQ(spread.highestReturn(), 2);
    spread.add(4, reportOf({6, 3})); // 250 %
    EXPECT_DOUBLE_EQ(spread.medianReturn(), 1.5);
    EXPECT_EQ(spread.draws(), 2);
    // The seeds stay in the order given, one line each after the header.
    const QStringList lines = spread.seedLines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1], QStringLiteral("3\t100,00 %\t0\t3,0000"));
    EXPECT_EQ(lines[4], QStringLiteral("4\t250,00 %\t3\t4,5000"));
    EXPECT_TRUE(spread.verdict().startsWith(QStringLiteral("Trop peu de tirages")));
    spread.setStopped(true);
    EXPECT_TRUE(spread.text().first().contains(QStringLiteral("ARRÊTÉ")));
}

// Seeds that all win far more (or far less) than chance allows are named
// so; the opening counts the seeds and the draws of each.
TEST(SeedSpreadTest, TheVerdictSaysOnWhichSideOfChanceTheMedianLies) {
    const auto spreadOf = [](int hits) {
        SeedSpread spread(10);
        for (qint32 seed = 1; seed <= 3; ++seed) {
            StrategyReport report(10, 1);
            for (int draw = 0; draw < StrategyReport::kFewestDraws; ++draw) {
                report.addCycle(draw + 1, 0,
                                {numbers(1, 10), numbers(11, 20), numbers(21, 30), numbers(31, 40)},
                                {hits, hits, hits, hits}, {hits, hits, hits, hits});
            }
            spread.add(seed, report);
        }
        return spread.verdict();
    };
    const QString rich = spreadOf(0);
    EXPECT_TRUE(rich.startsWith(QStringLiteral("Sur 3 graines et 100 tirages chacune, le taux de "
                                               "retour médian dépasse")))
        << rich.toStdString();
    EXPECT_TRUE(rich.contains(QStringLiteral("3 graine(s) au-dessus et 0 au-dessous")));
    EXPECT_TRUE(spreadOf(1).contains(QStringLiteral("le taux de retour médian reste sous")));
}

// Seeds whose tips stray differently by luck: the spread is judged against
// the widest of their bands.
TEST(SeedSpreadTest, TheSpreadsBandSpansEverySeedsBand) {
    StrategyReport copies(10, 1);
    StrategyReport apart(10, 1);
    for (int draw = 1; draw <= 50; ++draw) {
        copies.addCycle(draw, 0, {numbers(1, 10), numbers(1, 10)}, {2, 2}, {2, 2});
        apart.addCycle(draw, 0, {numbers(1, 10), numbers(11, 20)}, {2, 2}, {2, 2});
    }
    SeedSpread spread(10);
    spread.add(1, apart);
    spread.add(2, copies);
    const StrategyReport::Band band = spread.chanceBand();
    EXPECT_DOUBLE_EQ(band.low, std::min(copies.chanceBands().returnRate.low,
                                        apart.chanceBands().returnRate.low));
    EXPECT_DOUBLE_EQ(band.high, std::max(copies.chanceBands().returnRate.high,
                                         apart.chanceBands().returnRate.high));
    EXPECT_NE(copies.chanceBands().returnRate.high, apart.chanceBands().returnRate.high);
}

} // namespace
