// SPDX-License-Identifier: GPL-3.0-or-later
// Each statistic over the real history against a plain recount of its draws,
// for windows that cover the whole history, a year starting on a day with two
// draws, the first weeks of two draws a day, and a corrected start.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfenv>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

#include "TestSupport.h"
#include "common/DayNumber.h"
#include "stats/CrossSumDistribution.h"
#include "stats/NumberDistribution.h"
#include "stats/OverdueNumbers.h"
#include "stats/RunSearch.h"

namespace {

// A draw as plain values, for recounts that share nothing with the
// statistics' own bit sets.
struct PlainDraw {
    QDate date;
    int soir = 0;
    std::array<int, 20> numbers{};

    bool has(int number) const {
        return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
    }
    int crossSum() const { return std::accumulate(numbers.begin(), numbers.end(), 0); }
};

// Every draw of the real history, oldest first, midi before soir.
const std::vector<PlainDraw>& plainDraws() {
    static const std::vector<PlainDraw> draws = [] {
        std::vector<PlainDraw> plain;
        for (const history::TZiehung& record : testsupport::realHistory()) {
            PlainDraw draw{common::toDate(record.datum), record.soir, {}};
            std::copy(record.zahlen.begin(), record.zahlen.end(), draw.numbers.begin());
            plain.push_back(draw);
        }
        return plain;
    }();
    return draws;
}

const history::DrawHistory& realDraws() {
    static const history::DrawHistory history(testsupport::realHistory());
    return history;
}

struct Window {
    QDate start;
    QDate end;
    QDate expectedStart; // after the correction of a start later than the end
};

const std::vector<Window>& windows() {
    static const std::vector<Window> list = {
        {QDate(1993, 9, 16), QDate(2025, 6, 4), QDate(1993, 9, 16)},
        {QDate(2010, 1, 1), QDate(2010, 12, 31), QDate(2010, 1, 1)},
        {QDate(2003, 9, 1), QDate(2003, 9, 20), QDate(2003, 9, 1)},
        {QDate(2012, 3, 1), QDate(2012, 2, 1), QDate(2011, 2, 1)},
        {QDate(1995, 6, 1), QDate(1996, 2, 1), QDate(1995, 6, 1)},
    };
    return list;
}

std::vector<PlainDraw> inWindow(const QDate& start, const QDate& end, bool startIncluded) {
    std::vector<PlainDraw> result;
    for (const PlainDraw& draw : plainDraws()) {
        if ((startIncluded ? draw.date >= start : draw.date > start) && draw.date <= end) {
            result.push_back(draw);
        }
    }
    return result;
}

bool primeColored(int n) {
    static const std::set<int> primes = {1,  2,  3,  5,  7,  11, 13, 17, 19, 23,
                                         29, 31, 37, 41, 43, 47, 53, 59, 61, 67};
    return primes.count(n) > 0;
}

// Rounds with the floating-point unit's own ties-to-even mode.
long long roundEven(double value) {
    std::fesetround(FE_TONEAREST);
    return std::llrint(value);
}

double day(const QDate& date) {
    return common::toDayNumber(date);
}

void expectPerNumberPoints(const stats::StatResult& result, const std::vector<int>& expected) {
    ASSERT_EQ(result.points.size(), 70u);
    int smallest = expected[1];
    int largest = expected[1];
    for (int n = 1; n <= 70; ++n) {
        const stats::StatPoint& point = result.points[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(point.x, n);
        EXPECT_EQ(point.y, expected[static_cast<std::size_t>(n)]) << "number " << n;
        EXPECT_EQ(point.color, primeColored(n) ? 255u : 32768u) << "number " << n;
        smallest = std::min(smallest, expected[static_cast<std::size_t>(n)]);
        largest = std::max(largest, expected[static_cast<std::size_t>(n)]);
    }
    EXPECT_TRUE(result.fixedRange);
    EXPECT_EQ(result.rangeMinimum(), smallest);
    EXPECT_EQ(result.rangeMaximum(), largest);
}

} // namespace

TEST(RealHistoryStats, NumberDistributionCountsStartDayAndAveragesCrossSums) {
    for (const Window& w : windows()) {
        SCOPED_TRACE(w.start.toString(Qt::ISODate).toStdString());
        const std::vector<PlainDraw> draws = inWindow(w.expectedStart, w.end, true);
        std::vector<int> counts(71, 0);
        double total = 0;
        for (const PlainDraw& draw : draws) {
            for (int n : draw.numbers) {
                ++counts[static_cast<std::size_t>(n)];
            }
            total += draw.crossSum();
        }
        const stats::StatOutcome outcome =
            stats::NumberDistribution::run(realDraws(), day(w.start), day(w.end));
        expectPerNumberPoints(outcome.result, counts);
        EXPECT_EQ(
            outcome.result.caption,
            QStringLiteral("la distribution en nombre     tirer: %1    traverser la somme: %2")
                .arg(draws.size())
                .arg(roundEven(total / static_cast<double>(draws.size()))));
        EXPECT_TRUE(outcome.marksOff);
        EXPECT_FALSE(outcome.showChartPage);
        ASSERT_TRUE(outcome.window.has_value());
        EXPECT_EQ(outcome.window->aktDatum, day(w.expectedStart));
        EXPECT_EQ(outcome.window->startCorrected, w.start != w.expectedStart);
        EXPECT_FALSE(outcome.window->dfb.has_value());
    }
}

TEST(RealHistoryStats, OverdueCountsDrawsSinceLastSeenAfterStartDay) {
    for (const Window& w : windows()) {
        SCOPED_TRACE(w.start.toString(Qt::ISODate).toStdString());
        const std::vector<PlainDraw> draws = inWindow(w.expectedStart, w.end, false);
        // The literal rule: every draw ages all numbers, its own reset to 1.
        std::vector<int> gaps(71, 1);
        for (const PlainDraw& draw : draws) {
            for (int& gap : gaps) {
                ++gap;
            }
            for (int n : draw.numbers) {
                gaps[static_cast<std::size_t>(n)] = 1;
            }
        }
        const stats::StatOutcome outcome =
            stats::OverdueNumbers::run(realDraws(), day(w.start), day(w.end));
        expectPerNumberPoints(outcome.result, gaps);
        EXPECT_EQ(outcome.result.caption,
                  QStringLiteral("Quel nombre est en retard, ce qui n`était pas depuis autant de "
                                 "nouveaux tirages lieu?"));
        EXPECT_TRUE(outcome.showChartPage);
        ASSERT_TRUE(outcome.window.has_value());
        EXPECT_EQ(outcome.window->aktDatum, day(w.expectedStart));
        EXPECT_EQ(outcome.window->dfb, day(w.end));
    }
}

TEST(RealHistoryStats, CrossSumDistributionSpansSmallestToLargestWithGaps) {
    for (const Window& w : windows()) {
        SCOPED_TRACE(w.start.toString(Qt::ISODate).toStdString());
        const std::vector<PlainDraw> draws = inWindow(w.expectedStart, w.end, false);
        std::map<int, int> bySum;
        double total = 0;
        for (const PlainDraw& draw : draws) {
            ++bySum[draw.crossSum()];
            total += draw.crossSum();
        }
        const stats::StatOutcome outcome =
            stats::CrossSumDistribution::run(realDraws(), day(w.start), day(w.end));
        const int smallest = bySum.begin()->first;
        const int largest = bySum.rbegin()->first;
        ASSERT_EQ(outcome.result.points.size(), static_cast<std::size_t>(largest - smallest + 1));
        int most = 0;
        for (int sum = smallest; sum <= largest; ++sum) {
            const stats::StatPoint& point =
                outcome.result.points[static_cast<std::size_t>(sum - smallest)];
            const int expected = bySum.count(sum) ? bySum[sum] : 0;
            most = std::max(most, expected);
            EXPECT_EQ(point.x, sum);
            EXPECT_EQ(point.y, expected) << "sum " << sum;
            EXPECT_EQ(point.color, stats::kSeriesDefault);
        }
        EXPECT_FALSE(outcome.result.fixedRange);
        EXPECT_EQ(outcome.result.rangeMinimum(), 0);
        EXPECT_EQ(outcome.result.rangeMaximum(), most);
        EXPECT_EQ(outcome.result.caption,
                  QStringLiteral("traverser la somme de distribution Match nul: %1    traverser "
                                 "la somme: %2")
                      .arg(draws.size())
                      .arg(roundEven(total / static_cast<double>(draws.size()))));
        EXPECT_FALSE(outcome.showChartPage);
        EXPECT_EQ(outcome.window->dfb, day(w.end));
    }
}

TEST(RealHistoryStats, RunSearchesCountCompleteRuns) {
    using Kind = stats::RunSearch::Kind;
    const struct {
        Kind kind;
        int length;
        int points;
        QString caption;
    } searches[] = {
        {Kind::Pairs, 2, 69, QStringLiteral("à %1 tire a trouvé %2 paires !")},
        {Kind::Triples, 3, 68, QStringLiteral("à %1 tire a trouvé %2 trois!")},
        {Kind::Quadruples, 4, 70, QStringLiteral("à %1 nuls a trouvé %2 quatre!")},
    };
    for (const Window& w : windows()) {
        const std::vector<PlainDraw> draws = inWindow(w.expectedStart, w.end, false);
        for (const auto& search : searches) {
            SCOPED_TRACE(w.start.toString(Qt::ISODate).toStdString() + " run length " +
                         std::to_string(search.length));
            std::vector<int> counts(71, 0);
            int found = 0;
            for (const PlainDraw& draw : draws) {
                for (int n = 1; n + search.length - 1 <= 70; ++n) {
                    bool all = true;
                    for (int i = 0; i < search.length; ++i) {
                        all = all && draw.has(n + i);
                    }
                    counts[static_cast<std::size_t>(n)] += all ? 1 : 0;
                    found += all ? 1 : 0;
                }
            }
            const stats::RunSearchOutcome outcome =
                stats::RunSearch::run(realDraws(), search.kind, day(w.start), day(w.end), 10);
            ASSERT_EQ(outcome.result.points.size(), static_cast<std::size_t>(search.points));
            int smallest = counts[1];
            int largest = 0;
            for (int n = 1; n <= search.points; ++n) {
                const int expected = counts[static_cast<std::size_t>(n)];
                EXPECT_EQ(outcome.result.points[static_cast<std::size_t>(n - 1)].x, n);
                EXPECT_EQ(outcome.result.points[static_cast<std::size_t>(n - 1)].y, expected)
                    << "first number " << n;
                smallest = std::min(smallest, expected);
                largest = std::max(largest, expected);
            }
            EXPECT_EQ(outcome.found, found);
            EXPECT_EQ(outcome.result.caption, search.caption.arg(draws.size()).arg(found));
            EXPECT_EQ(outcome.result.rangeMaximum(), largest);
            if (search.kind == Kind::Quadruples) {
                EXPECT_FALSE(outcome.result.fixedRange);
                EXPECT_EQ(outcome.result.rangeMinimum(), 0);
            } else {
                EXPECT_TRUE(outcome.result.fixedRange);
                EXPECT_EQ(outcome.result.rangeMinimum(), smallest);
            }
            ASSERT_TRUE(outcome.zahl.has_value());
            EXPECT_TRUE(std::equal(outcome.zahl->begin(), outcome.zahl->end(),
                                   draws.back().numbers.begin()));
            EXPECT_EQ(outcome.window->dfb.has_value(), search.kind != Kind::Pairs);
        }
    }
}
