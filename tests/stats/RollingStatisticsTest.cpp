// SPDX-License-Identifier: GPL-3.0-or-later
// Rolling statistics over a real year, draw by draw as a walk-forward moves
// its window, against each statistic counted in full at every draw.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "stats/NumberDistribution.h"
#include "stats/OverdueNumbers.h"
#include "stats/RollingStatistics.h"
#include "stats/RunSearch.h"

namespace {

std::string describe(const stats::StatOutcome& outcome) {
    std::string text = outcome.result.caption.toStdString() + " draws " +
                       std::to_string(outcome.draws) + " range " +
                       std::to_string(outcome.result.rangeMinimum()) + ".." +
                       std::to_string(outcome.result.rangeMaximum());
    for (const stats::StatPoint& point : outcome.result.points) {
        text += " " + std::to_string(point.y);
    }
    if (outcome.window) {
        text += " window " + std::to_string(outcome.window->start) + ".." +
                std::to_string(outcome.window->end) + " akt " +
                std::to_string(outcome.window->aktDatum) + " dfb " +
                std::to_string(outcome.window->dfb.value_or(-1));
    }
    return text;
}

std::string describe(const stats::RunSearchOutcome& outcome) {
    std::string text = describe(static_cast<const stats::StatOutcome&>(outcome)) + " found " +
                       std::to_string(outcome.found) + " gewinn " +
                       std::to_string(outcome.gewinn.value_or(-1)) + " zahl";
    for (int number : outcome.zahl.value_or(std::array<int, 20>{})) {
        text += " " + std::to_string(number);
    }
    for (qint64 increment : outcome.tallyIncrements) {
        text += " " + std::to_string(increment);
    }
    return text;
}

TEST(RollingStatistics, EqualsAFullCountAtEveryDrawOfARealYear) {
    const history::DrawHistory all(testsupport::realHistory());
    ASSERT_TRUE(all.datesAscending());
    const common::DayNumber from = common::toDayNumber(QDate(2023, 6, 1));
    const int first = all.firstOnOrAfter(common::toDayNumber(QDate(2024, 6, 1)));
    const int last = all.firstOnOrAfter(common::toDayNumber(QDate(2025, 6, 1)));
    ASSERT_GT(last - first, 700);

    // One walk with a fixed start (the window grows), one whose start follows
    // a year behind (draws leave it too); the tip size changes half way.
    for (const bool sliding : {false, true}) {
        stats::RollingStatistics rolling;
        for (int p = first; p < last; ++p) {
            const history::DrawHistory past = all.prefix(p + 1);
            const common::DayNumber end = all.at(p).datum;
            const common::DayNumber start = sliding ? end - 365 : from;
            const int k = p < (first + last) / 2 ? 10 : 3;
            const std::string at = " at " + std::to_string(p);
            ASSERT_EQ(describe(rolling.numberDistribution(past, start, end)),
                      describe(stats::NumberDistribution::run(past, start, end)))
                << at;
            ASSERT_EQ(describe(rolling.overdueNumbers(past, start, end)),
                      describe(stats::OverdueNumbers::run(past, start, end)))
                << at;
            for (const auto kind : {stats::RunSearch::Kind::Pairs, stats::RunSearch::Kind::Triples,
                                    stats::RunSearch::Kind::Quadruples}) {
                ASSERT_EQ(describe(rolling.runSearch(past, kind, start, end, k)),
                          describe(stats::RunSearch::run(past, kind, start, end, k)))
                    << at;
            }
        }
    }
}

// A history written by hand need not be in date order; the window is then
// counted in full, by the statistic's own rule.
TEST(RollingStatistics, AHistoryOutOfOrderIsCountedInFull) {
    std::vector<history::TZiehung> records(testsupport::realHistory().end() - 40,
                                           testsupport::realHistory().end());
    std::swap(records[5], records[30]);
    const history::DrawHistory shuffled(records);
    ASSERT_FALSE(shuffled.datesAscending());
    stats::RollingStatistics rolling;
    const common::DayNumber start = records.front().datum;
    for (int p = 10; p < 40; ++p) {
        const common::DayNumber end = records[static_cast<std::size_t>(p)].datum;
        EXPECT_EQ(describe(rolling.numberDistribution(shuffled.prefix(p + 1), start, end)),
                  describe(stats::NumberDistribution::run(shuffled.prefix(p + 1), start, end)));
    }
}

} // namespace
