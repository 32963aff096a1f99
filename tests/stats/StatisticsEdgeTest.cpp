// SPDX-License-Identifier: GPL-3.0-or-later
// Window rules, corrections and rounding on small made-up histories.
#include <gtest/gtest.h>

#include <numeric>

#include "FiveDraws.h"
#include "TestSupport.h"
#include "common/DayNumber.h"
#include "stats/CrossSumDistribution.h"
#include "stats/NumberDistribution.h"
#include "stats/OverdueNumbers.h"
#include "stats/PairMap.h"
#include "stats/TipDistribution.h"

using testsupport::makeRecord;

namespace {

double day(int y, int m, int d) {
    return common::toDayNumber(QDate(y, m, d));
}

// Twenty distinct numbers 26..45 with the first replaced so the sum is the
// one asked for (700 needs 16 instead of 26).
std::vector<int> withCrossSum(int sum) {
    std::vector<int> numbers(20);
    std::iota(numbers.begin(), numbers.end(), 26);
    numbers[0] = 26 + (sum - 710);
    return numbers;
}

history::DrawHistory historyOf(std::vector<history::TZiehung> records) {
    return history::DrawHistory(std::move(records));
}

double yOf(const stats::StatOutcome& outcome, int number) {
    return outcome.result.yAt(number - 1);
}

} // namespace

TEST(StatisticsWindow, StartDayWithBothDrawsCountsOnlyInNumberDistribution) {
    const auto history = historyOf({
        makeRecord(QDate(2020, 5, 1), 0, withCrossSum(700)),
        makeRecord(QDate(2020, 5, 1), 1, withCrossSum(702)),
        makeRecord(QDate(2020, 5, 2), 0, withCrossSum(704)),
    });
    const double start = day(2020, 5, 1);
    const double end = day(2020, 5, 2);

    const stats::StatOutcome numbers = stats::NumberDistribution::run(history, start, end);
    EXPECT_EQ(numbers.draws, 3);
    EXPECT_EQ(yOf(numbers, 30), 3);
    EXPECT_EQ(numbers.result.caption,
              QStringLiteral("la distribution en nombre     tirer: 3    traverser la somme: 702"));

    const stats::StatOutcome overdue = stats::OverdueNumbers::run(history, start, end);
    EXPECT_EQ(overdue.draws, 1);
    const stats::StatOutcome sums = stats::CrossSumDistribution::run(history, start, end);
    EXPECT_EQ(sums.draws, 1);
    ASSERT_EQ(sums.result.points.size(), 1u);
    EXPECT_EQ(sums.result.points[0].x, 704);
}

TEST(StatisticsWindow, StartAfterEndMovesStartBackAYear) {
    std::vector<history::TZiehung> records;
    for (QDate d(2019, 1, 1); d <= QDate(2020, 3, 31); d = d.addDays(1)) {
        records.push_back(makeRecord(d, 0, testsupport::twentyNumbers(1 + d.day() % 7)));
    }
    const auto history = historyOf(records);
    const stats::StatOutcome outcome =
        stats::NumberDistribution::run(history, day(2020, 3, 1), day(2020, 2, 1));
    ASSERT_TRUE(outcome.window.has_value());
    EXPECT_TRUE(outcome.window->startCorrected);
    EXPECT_EQ(outcome.window->start, day(2020, 2, 1) - 365);
    EXPECT_EQ(outcome.window->aktDatum, day(2020, 2, 1) - 365);
    // 01.02.2019 to 01.02.2020, both ends included.
    EXPECT_EQ(outcome.draws, 366);

    const stats::StatOutcome overdue =
        stats::OverdueNumbers::run(history, day(2020, 3, 1), day(2020, 2, 1));
    EXPECT_EQ(overdue.draws, 365);
    EXPECT_EQ(overdue.window->dfb, day(2020, 2, 1));
}

TEST(StatisticsWindow, CorrectionNeverGoesBeforeTheFirstDrawDay) {
    const auto history = historyOf({
        makeRecord(QDate(1993, 9, 16), 0, withCrossSum(700)),
        makeRecord(QDate(1993, 9, 23), 0, withCrossSum(702)),
        makeRecord(QDate(1994, 3, 3), 0, withCrossSum(704)),
    });
    // End minus 365 days lies before 16.09.1993: the start becomes that day.
    for (const stats::StatOutcome& outcome :
         {stats::NumberDistribution::run(history, day(1994, 6, 1), day(1994, 3, 3)),
          stats::OverdueNumbers::run(history, day(1994, 6, 1), day(1994, 3, 3)),
          stats::CrossSumDistribution::run(history, day(1994, 6, 1), day(1994, 3, 3))}) {
        ASSERT_TRUE(outcome.window.has_value());
        EXPECT_TRUE(outcome.window->startCorrected);
        EXPECT_EQ(outcome.window->start, common::kFirstDrawDay);
        EXPECT_EQ(outcome.window->aktDatum, common::kFirstDrawDay);
    }
    EXPECT_EQ(stats::NumberDistribution::run(history, day(1994, 6, 1), day(1994, 3, 3)).draws, 3);
    EXPECT_EQ(stats::OverdueNumbers::run(history, day(1994, 6, 1), day(1994, 3, 3)).draws, 2);
}

TEST(StatisticsWindow, EmptyWindowKeepsCaptionsAndPublishesNeutralRows) {
    const auto history = historyOf({makeRecord(QDate(2020, 5, 1), 0, withCrossSum(700))});
    const double start = day(2021, 1, 1);
    const double end = day(2021, 2, 1);

    const stats::StatOutcome numbers = stats::NumberDistribution::run(history, start, end);
    EXPECT_EQ(numbers.result.points.size(), 70u);
    EXPECT_EQ(numbers.result.rangeMaximum(), 0);
    EXPECT_TRUE(numbers.keepCaption);

    const stats::StatOutcome overdue = stats::OverdueNumbers::run(history, start, end);
    EXPECT_EQ(overdue.result.points.size(), 70u);
    EXPECT_EQ(overdue.result.rangeMinimum(), 1);
    EXPECT_EQ(overdue.result.rangeMaximum(), 1);
    EXPECT_FALSE(overdue.keepCaption);

    const stats::StatOutcome sums = stats::CrossSumDistribution::run(history, start, end);
    EXPECT_TRUE(sums.result.points.empty());
    EXPECT_TRUE(sums.keepCaption);
}

TEST(StatisticsWindow, RecordsOutsideTheWindowDoNotEndThePass) {
    // A history written out of order: the window test applies to every record.
    const auto history = historyOf({
        makeRecord(QDate(2020, 5, 3), 0, withCrossSum(700)),
        makeRecord(QDate(2019, 1, 1), 0, withCrossSum(702)),
        makeRecord(QDate(2020, 5, 4), 0, withCrossSum(704)),
    });
    EXPECT_EQ(stats::NumberDistribution::run(history, day(2020, 5, 1), day(2020, 5, 9)).draws, 2);
}

TEST(StatisticsAverages, HalvesRoundToTheEvenNeighbour) {
    const auto twoDraws = [](int first, int second) {
        return historyOf({makeRecord(QDate(2020, 5, 2), 0, withCrossSum(first)),
                          makeRecord(QDate(2020, 5, 3), 0, withCrossSum(second))});
    };
    const double start = day(2020, 5, 1);
    const double end = day(2020, 5, 3);
    // 1401 / 2 = 700.5 shows 700; 1403 / 2 = 701.5 shows 702.
    EXPECT_TRUE(
        stats::NumberDistribution::run(twoDraws(700, 701), start, end)
            .result.caption.endsWith(QStringLiteral("tirer: 2    traverser la somme: 700")));
    EXPECT_TRUE(
        stats::NumberDistribution::run(twoDraws(701, 702), start, end)
            .result.caption.endsWith(QStringLiteral("tirer: 2    traverser la somme: 702")));
    EXPECT_EQ(stats::CrossSumDistribution::run(twoDraws(700, 701), start, end).result.caption,
              QStringLiteral(
                  "traverser la somme de distribution Match nul: 2    traverser la somme: 700"));
}

TEST(StatisticsCrossSums, GapsInsideTheSpanGetZeroPoints) {
    const auto history = historyOf({
        makeRecord(QDate(2020, 5, 2), 0, withCrossSum(700)),
        makeRecord(QDate(2020, 5, 3), 0, withCrossSum(702)),
        makeRecord(QDate(2020, 5, 4), 0, withCrossSum(700)),
    });
    const stats::StatOutcome sums =
        stats::CrossSumDistribution::run(history, day(2020, 5, 1), day(2020, 5, 4));
    ASSERT_EQ(sums.result.points.size(), 3u);
    EXPECT_EQ(sums.result.points[0].x, 700);
    EXPECT_EQ(sums.result.points[0].y, 2);
    EXPECT_EQ(sums.result.points[1].x, 701);
    EXPECT_EQ(sums.result.points[1].y, 0);
    EXPECT_EQ(sums.result.points[2].x, 702);
    EXPECT_EQ(sums.result.points[2].y, 1);
}

TEST(StatisticsOverdue, NewestDrawReadsOneAndMissingNumberReadsDrawsPlusOne) {
    std::vector<history::TZiehung> records;
    for (int i = 0; i < 5; ++i) {
        std::vector<int> numbers(20);
        std::iota(numbers.begin(), numbers.end(), 10 + i); // never holds 7
        records.push_back(makeRecord(QDate(2020, 5, 2 + i), 0, numbers));
    }
    const stats::StatOutcome overdue =
        stats::OverdueNumbers::run(historyOf(records), day(2020, 5, 1), day(2020, 5, 6));
    EXPECT_EQ(yOf(overdue, 7), 6);
    EXPECT_EQ(yOf(overdue, 33), 1); // only in the newest draw
    EXPECT_EQ(yOf(overdue, 10), 5); // only in the first draw: four draws since
    EXPECT_EQ(yOf(overdue, 20), 1); // in every draw
}

TEST(TipDistributionTest, CountsNumbersOfAllLines) {
    const stats::StatOutcome outcome =
        stats::TipDistribution::run({QStringLiteral("01,05,12"), QStringLiteral("05,70")});
    EXPECT_EQ(yOf(outcome, 1), 1);
    EXPECT_EQ(yOf(outcome, 5), 2);
    EXPECT_EQ(yOf(outcome, 12), 1);
    EXPECT_EQ(yOf(outcome, 70), 1);
    EXPECT_EQ(yOf(outcome, 2), 0);
    EXPECT_EQ(outcome.result.rangeMinimum(), 0);
    EXPECT_EQ(outcome.result.rangeMaximum(), 2);
    EXPECT_EQ(outcome.result.caption, QStringLiteral("Distribution en nombre des conseils"));
    EXPECT_TRUE(outcome.showChartPage);
    EXPECT_FALSE(outcome.window.has_value());
}

TEST(TipDistributionTest, PieceThatIsNoNumberEndsAllCounting) {
    const stats::StatOutcome outcome = stats::TipDistribution::run(
        {QStringLiteral("03,x,07"), QStringLiteral("09,10"), QStringLiteral("0,71,-4, 08")});
    EXPECT_EQ(yOf(outcome, 3), 1);
    EXPECT_EQ(yOf(outcome, 7), 0);
    EXPECT_EQ(yOf(outcome, 9), 0);

    // Out-of-range numbers are skipped, blanks before a number are read.
    const stats::StatOutcome ranged = stats::TipDistribution::run({QStringLiteral("0,71,-4, 08")});
    EXPECT_EQ(ranged.result.rangeMaximum(), 1);
    EXPECT_EQ(yOf(ranged, 8), 1);

    // An empty line is an empty piece: nothing after it is counted.
    const stats::StatOutcome blank =
        stats::TipDistribution::run({QStringLiteral("02"), QString(), QStringLiteral("04")});
    EXPECT_EQ(yOf(blank, 2), 1);
    EXPECT_EQ(yOf(blank, 4), 0);
}

TEST(PairMapTest, CountsEachTwoNumbersDrawnTogetherInTheWindow) {
    const history::DrawHistory history = historyOf(testsupport::fiveDraws());
    const stats::PairMap all = stats::PairMap::run(history, day(2023, 3, 1), day(2023, 3, 4));
    EXPECT_EQ(all.draws(), 5);
    EXPECT_EQ(all.count(11, 12), 3); // d0, d1, d4
    EXPECT_EQ(all.count(12, 11), 3);
    EXPECT_EQ(all.count(21, 22), 3); // d1, d2, d4
    EXPECT_EQ(all.count(1, 40), 1);  // d3
    EXPECT_EQ(all.count(1, 21), 0);
    int total = 0;
    for (int a = 1; a <= 70; ++a) {
        for (int b = a + 1; b <= 70; ++b) {
            total += all.count(a, b);
        }
    }
    EXPECT_EQ(total, 5 * 190);
    EXPECT_DOUBLE_EQ(all.expected(), 5 * 20.0 * 19 / (70 * 69));
    EXPECT_GT(all.deviation(11, 12), 0);
    EXPECT_LT(all.deviation(1, 21), 0);

    // The start day counts, as in the number distribution: both draws of
    // 1 March drop out when the window starts a day later.
    const stats::PairMap later = stats::PairMap::run(history, day(2023, 3, 2), day(2023, 3, 4));
    EXPECT_EQ(later.draws(), 3);
    EXPECT_EQ(later.count(11, 12), 1);
}

TEST(StatResultTest, TheShownRangeHoldsChanceAndGivesTheLeastCountABar) {
    stats::StatResult result;
    result.points = {{1, 100}, {2, 120}, {3, 150}};
    result.fixRangeToPoints();
    result.chance = {{QStringLiteral("attendu"), {90, 90, 160}, true}};
    EXPECT_LT(result.shownMinimum(), 90);
    EXPECT_GE(result.shownMinimum(), 0);
    EXPECT_GT(result.shownMaximum(), 160);
    // What the generator reads is untouched.
    EXPECT_EQ(result.rangeMinimum(), 100);
    EXPECT_EQ(result.rangeMaximum(), 150);
    // Counts from 0 keep their foot at 0.
    result.points[0].y = 0;
    result.fixRangeToPoints();
    EXPECT_EQ(result.shownMinimum(), 0);
}
