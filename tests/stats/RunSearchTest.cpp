// SPDX-License-Identifier: GPL-3.0-or-later
// The pair, triple and quadruple searches: the edge cases of single draws and
// agreement with probing every draw through the tip check, for every count
// of numbers per tip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "TestSupport.h"
#include "common/DayNumber.h"
#include "stats/RunSearch.h"
#include "tips/TipCheck.h"

using Kind = stats::RunSearch::Kind;
using testsupport::makeRecord;

namespace {

double day(int y, int m, int d) {
    return common::toDayNumber(QDate(y, m, d));
}

// Twenty numbers holding the given ones, filled with odd numbers that
// neither touch them nor each other, so the only runs are the given ones.
std::vector<int> drawWith(std::vector<int> numbers) {
    const std::vector<int> given = numbers;
    for (int n = 1; numbers.size() < 20; n += 2) {
        const bool touches =
            std::any_of(given.begin(), given.end(), [n](int g) { return std::abs(g - n) <= 1; });
        if (!touches) {
            numbers.push_back(n);
        }
    }
    return numbers;
}

double counter(const stats::RunSearchOutcome& outcome, int n) {
    return outcome.result.yAt(n - 1);
}

// What the searches do when they probe every first number through the tip
// check, the slow way: the reference for the bit counts.
struct LiteralSearch {
    std::vector<int> counters = std::vector<int>(71, 0);
    int found = 0;
    int draws = 0;
    int gewinn = -1;
    tips::TipCheck::Draw zahl{};
    tips::HitTally tally;

    LiteralSearch(const history::DrawHistory& history, Kind kind, double start, double end,
                  int numbersPerTip) {
        const int length = stats::RunSearch::runLength(kind);
        for (const history::TZiehung& record : history.records()) {
            if (!(record.datum > start && record.datum <= end)) {
                continue;
            }
            ++draws;
            std::copy(record.zahlen.begin(), record.zahlen.end(), zahl.begin());
            for (int n = 1; n <= stats::RunSearch::lastFirstNumber(kind); ++n) {
                // Written out here rather than taken from probeText.
                QStringList entries;
                for (int i = 0; i < 6; ++i) {
                    entries << QString::number(i < length ? n + i : 0);
                }
                gewinn = tips::TipCheck::checkTip(entries.join(QLatin1Char(',')), zahl,
                                                  numbersPerTip, &tally)
                             .gewinn;
                if (gewinn == length) {
                    ++counters[static_cast<std::size_t>(n)];
                    ++found;
                }
            }
        }
    }
};

} // namespace

TEST(RunSearchDraws, RunOfThreeCountsTwoPairsAndOneTriple) {
    const history::DrawHistory history({makeRecord(QDate(2020, 5, 2), 0, drawWith({10, 11, 12}))});
    const auto pairs =
        stats::RunSearch::run(history, Kind::Pairs, day(2020, 5, 1), day(2020, 5, 2), 10);
    const auto triples =
        stats::RunSearch::run(history, Kind::Triples, day(2020, 5, 1), day(2020, 5, 2), 10);
    const auto quads =
        stats::RunSearch::run(history, Kind::Quadruples, day(2020, 5, 1), day(2020, 5, 2), 10);
    EXPECT_EQ(counter(pairs, 10), 1);
    EXPECT_EQ(counter(pairs, 11), 1);
    EXPECT_EQ(counter(pairs, 9), 0);
    EXPECT_EQ(counter(pairs, 12), 0);
    EXPECT_EQ(counter(triples, 10), 1);
    EXPECT_EQ(triples.found, 1);
    EXPECT_EQ(quads.found, 0);
    EXPECT_EQ(pairs.result.caption, QStringLiteral("à 1 tire a trouvé 2 paires !"));
    EXPECT_EQ(triples.result.caption, QStringLiteral("à 1 tire a trouvé 1 trois!"));
    EXPECT_EQ(quads.result.caption, QStringLiteral("à 1 nuls a trouvé 0 quatre!"));
}

TEST(RunSearchDraws, QuadrupleAtTheTopCountsOnceAndKeepsSeventyPoints) {
    const history::DrawHistory history(
        {makeRecord(QDate(2020, 5, 2), 0, drawWith({67, 68, 69, 70}))});
    const auto quads =
        stats::RunSearch::run(history, Kind::Quadruples, day(2020, 5, 1), day(2020, 5, 2), 10);
    ASSERT_EQ(quads.result.points.size(), 70u);
    EXPECT_EQ(counter(quads, 67), 1);
    EXPECT_EQ(counter(quads, 68), 0);
    EXPECT_EQ(counter(quads, 69), 0);
    EXPECT_EQ(counter(quads, 70), 0);
    EXPECT_EQ(quads.found, 1);
    // The automatic range of a bar series: origin 0 to the largest count.
    EXPECT_EQ(quads.result.rangeMinimum(), 0);
    EXPECT_EQ(quads.result.rangeMaximum(), 1);
    EXPECT_EQ(quads.result.points.back().x, 70);
}

TEST(RunSearchDraws, ShortTipsCannotCompleteLongerRuns) {
    const history::DrawHistory history(
        {makeRecord(QDate(2020, 5, 2), 0, drawWith({10, 11, 12, 13}))});
    const double start = day(2020, 5, 1);
    const double end = day(2020, 5, 2);
    EXPECT_EQ(stats::RunSearch::run(history, Kind::Quadruples, start, end, 3).found, 0);
    EXPECT_EQ(stats::RunSearch::run(history, Kind::Triples, start, end, 2).found, 0);
    EXPECT_EQ(stats::RunSearch::run(history, Kind::Quadruples, start, end, 2).found, 0);
    EXPECT_EQ(stats::RunSearch::run(history, Kind::Triples, start, end, 3).found, 2);
    EXPECT_EQ(stats::RunSearch::run(history, Kind::Quadruples, start, end, 4).found, 1);
}

TEST(RunSearchDraws, ZahlEndsOnTheEveningDrawOfTheLastDay) {
    const std::vector<int> midi = drawWith({20, 21});
    const std::vector<int> soir = drawWith({30, 31, 32});
    const history::DrawHistory history({makeRecord(QDate(2020, 5, 2), 0, midi),
                                        makeRecord(QDate(2020, 5, 2), 1, soir),
                                        makeRecord(QDate(2020, 5, 3), 0, midi)});
    const auto pairs =
        stats::RunSearch::run(history, Kind::Pairs, day(2020, 5, 1), day(2020, 5, 2), 10);
    ASSERT_TRUE(pairs.zahl.has_value());
    EXPECT_TRUE(std::equal(soir.begin(), soir.end(), pairs.zahl->begin()));
    EXPECT_EQ(pairs.draws, 2);
    EXPECT_FALSE(pairs.window->dfb.has_value());
}

TEST(RunSearchDraws, EmptyWindowLeavesZahlAndReportsZeros) {
    const history::DrawHistory history({makeRecord(QDate(2020, 5, 2), 0, drawWith({20, 21}))});
    // The start day itself is outside the window.
    const auto triples =
        stats::RunSearch::run(history, Kind::Triples, day(2020, 5, 2), day(2020, 5, 2), 10);
    EXPECT_FALSE(triples.zahl.has_value());
    EXPECT_FALSE(triples.gewinn.has_value());
    EXPECT_EQ(triples.result.points.size(), 68u);
    EXPECT_EQ(triples.result.rangeMaximum(), 0);
    EXPECT_EQ(triples.result.caption, QStringLiteral("à 0 tire a trouvé 0 trois!"));
    EXPECT_EQ(triples.window->dfb, day(2020, 5, 2));
    EXPECT_TRUE(triples.showChartPage);
}

TEST(RunSearchDraws, ProbeTextsAreSixEntriesWithoutLeadingZeros) {
    EXPECT_EQ(stats::RunSearch::probeText(Kind::Pairs, 5), QStringLiteral("5,6,0,0,0,0"));
    EXPECT_EQ(stats::RunSearch::probeText(Kind::Triples, 68), QStringLiteral("68,69,70,0,0,0"));
    EXPECT_EQ(stats::RunSearch::probeText(Kind::Quadruples, 9), QStringLiteral("9,10,11,12,0,0"));
}

TEST(RunSearchTally, BulkIncrementsEqualSingleIncrements) {
    tips::HitTally single;
    tips::HitTally bulk;
    single.setText(2, QStringLiteral("abc"));
    bulk.setText(2, QStringLiteral("abc"));
    single.setText(5, QStringLiteral("x"));
    bulk.setText(5, QStringLiteral("x"));
    stats::RunSearchOutcome outcome;
    outcome.tallyIncrements[0] = 3;
    outcome.tallyIncrements[1] = 2;
    for (int i = 0; i < 3; ++i) {
        single.increment(1);
    }
    for (int i = 0; i < 2; ++i) {
        single.increment(2);
    }
    outcome.applyTally(&bulk);
    for (int hits = 1; hits <= 10; ++hits) {
        EXPECT_EQ(bulk.text(hits), single.text(hits)) << hits;
    }
    EXPECT_EQ(bulk.text(5), QStringLiteral("x")); // untouched without probes
}

TEST(RunSearchLiteral, BitCountsAgreeWithProbeChecksForEveryTipSize) {
    const history::DrawHistory history(testsupport::realHistory());
    // A month of two draws a day, and the sparse weekly draws of 1994.
    const std::vector<std::pair<QDate, QDate>> windows = {{QDate(2015, 3, 1), QDate(2015, 3, 31)},
                                                          {QDate(1994, 1, 1), QDate(1994, 6, 30)}};
    for (const auto& [startDate, endDate] : windows) {
        const double start = common::toDayNumber(startDate);
        const double end = common::toDayNumber(endDate);
        for (Kind kind : {Kind::Pairs, Kind::Triples, Kind::Quadruples}) {
            for (int k = 2; k <= 10; ++k) {
                SCOPED_TRACE("run length " + std::to_string(stats::RunSearch::runLength(kind)) +
                             ", numbers per tip " + std::to_string(k));
                const LiteralSearch literal(history, kind, start, end, k);
                const auto outcome = stats::RunSearch::run(history, kind, start, end, k);
                ASSERT_GT(literal.draws, 10);
                EXPECT_EQ(outcome.draws, literal.draws);
                EXPECT_EQ(outcome.found, literal.found);
                for (int n = 1; n <= stats::RunSearch::lastFirstNumber(kind); ++n) {
                    EXPECT_EQ(counter(outcome, n), literal.counters[static_cast<std::size_t>(n)])
                        << "first number " << n;
                }
                tips::HitTally bulk;
                outcome.applyTally(&bulk);
                for (int hits = 1; hits <= 10; ++hits) {
                    EXPECT_EQ(bulk.text(hits), literal.tally.text(hits)) << hits << " hits";
                }
                ASSERT_TRUE(outcome.gewinn.has_value());
                EXPECT_EQ(*outcome.gewinn, literal.gewinn);
                ASSERT_TRUE(outcome.zahl.has_value());
                EXPECT_EQ(*outcome.zahl, literal.zahl);
            }
        }
    }
}
