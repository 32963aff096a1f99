// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <cmath>
#include <iostream>

#include "TestSupport.h"
#include "common/DayNumber.h"
#include "common/Random.h"
#include "tips/Odds.h"
#include "tips/TipLine.h"
#include "tips/TipSearch.h"

using testsupport::makeRecord;
using tips::TipList;
using tips::TipSearch;

namespace {

common::DayNumber day(int y, int m, int d) {
    return common::toDayNumber(QDate(y, m, d));
}

std::vector<int> numbers(int from) {
    std::vector<int> result;
    for (int i = 0; i < 20; ++i) {
        result.push_back(from + i);
    }
    return result;
}

// Three days, two draws each: 1..20, 21..40, 41..60 and so on.
history::DrawHistory smallHistory() {
    std::vector<history::TZiehung> records;
    int start = 1;
    for (int d = 1; d <= 3; ++d) {
        for (int soir = 0; soir <= 1; ++soir) {
            records.push_back(makeRecord(QDate(2022, 3, d), soir, numbers(start), 2 + soir));
            start = start % 40 + 20 + (start > 40 ? -20 : 0);
        }
    }
    return history::DrawHistory(records);
}

struct SearchRun {
    TipSearch::Outcome outcome;
    QStringList messages;
    history::CurrentDraw current;
};

SearchRun search(TipList* list, int n, int threshold, const TipSearch::Range& range,
                 int stopAfter = -1) {
    SearchRun run;
    run.current.soir = 1;
    run.current.multiplicateur = 9;
    run.current.position = 77;
    tips::HitTally tally;
    TipSearch::Callbacks callbacks;
    callbacks.onHit = [&](const TipSearch::Hit& hit) {
        run.messages << hit.message;
        return stopAfter < 0 || run.messages.size() < stopAfter;
    };
    run.outcome =
        TipSearch::run(smallHistory(), list, n, threshold, range, &run.current, &tally, callbacks);
    return run;
}

} // namespace

TEST(TipSearch, ReportsEachDrawReachingTheThreshold) {
    // Draws: 1.3 midi 1..20, soir 21..40; 2.3 midi 41..60, soir 1..20 ...
    const auto history = smallHistory();
    ASSERT_EQ(history.at(1).zahlen[0], 21);
    ASSERT_EQ(history.at(2).zahlen[0], 41);
    TipList list;
    list.append("01,02,03,21");
    list.append("   ");
    list.append("41,42,43,44,45,46");
    SearchRun run = search(&list, 6, 3, TipSearch::range(day(2022, 3, 1), day(2022, 3, 2)));
    EXPECT_EQ(run.messages, QStringList({"A hit on: 01.03.2022", "A hit on: 02.03.2022",
                                         "A hit on: 02.03.2022"}));
    EXPECT_EQ(run.outcome.checked, 4);
    EXPECT_EQ(run.outcome.reported, 3);
    EXPECT_FALSE(run.outcome.stopped);
    // The search ends on the soir draw of 2.3 and leaves its check behind.
    EXPECT_EQ(run.outcome.lastPosition, 3);
    EXPECT_EQ(run.current.datum1, day(2022, 3, 2));
    EXPECT_EQ(run.current.zahl[0], history.at(3).zahlen[0]);
    EXPECT_EQ(run.current.soir, 1);
    EXPECT_EQ(run.current.multiplicateur, 9);
    EXPECT_EQ(run.current.position, 77);
    EXPECT_EQ(list.lines(), QStringList({"01,02,03,21", "41,42,43,44,45,46"}));
    EXPECT_EQ(list.hits(), QStringList({"3", "0"}));
    EXPECT_EQ(run.outcome.check.max, 3);
    EXPECT_EQ(run.outcome.check.status, QStringLiteral("Max Win:  3x"));
    EXPECT_TRUE(run.outcome.drawLine.contains(" (soir)   1  2  3"));
    EXPECT_TRUE(run.outcome.drawLine.endsWith("  x3"));
    EXPECT_EQ(run.outcome.crossSumLine, QStringLiteral("traverser la somme: 210"));
    // Per draw best hits: 3 (midi 1.3), 1 (soir 1.3: the 21), 6 (midi 2.3), 3 (soir 2.3).
    EXPECT_EQ(run.outcome.bestHitDraws[3], 2);
    EXPECT_EQ(run.outcome.bestHitDraws[1], 1);
    EXPECT_EQ(run.outcome.bestHitDraws[6], 1);
}

// One tip's hits on random draws are hypergeometric; a copy of the tip
// changes nothing, since the best of two equal tips is either one.
TEST(TipSearch, ChanceOfTheBestHitsFollowsTheOdds) {
    const QString tip = QStringLiteral("03,14,15,22,35,41,50,58,62,69");
    for (const QStringList& lines : {QStringList{tip}, QStringList{tip, tip}}) {
        const std::array<double, 21> expected =
            tips::TipSearch::chanceBestHits(tips::TipScorer(lines, 10), 1000);
        double total = 0;
        for (int h = 0; h <= 10; ++h) {
            const double p = tips::Odds::probability(10, h);
            // 20,000 simulated draws: four standard errors of the share.
            EXPECT_NEAR(expected[static_cast<std::size_t>(h)] / 1000, p,
                        4 * std::sqrt(p * (1 - p) / 20000) + 1e-9)
                << h;
            total += expected[static_cast<std::size_t>(h)];
        }
        EXPECT_NEAR(total, 1000, 1e-6);
    }
}

TEST(TipSearch, OneDayMiddayBeforeEvening) {
    TipList list;
    list.append("01,02,21,22");
    const auto range = TipSearch::range(day(2022, 3, 1), day(2022, 3, 1));
    SearchRun run = search(&list, 4, 2, range);
    EXPECT_EQ(run.messages, QStringList({"A hit on: 01.03.2022", "A hit on: 01.03.2022"}));
    EXPECT_EQ(run.outcome.lastPosition, 1);
}

TEST(TipSearch, ThresholdEdges) {
    const auto range = TipSearch::range(day(2022, 3, 1), day(2022, 3, 3));
    TipList empty;
    EXPECT_TRUE(search(&empty, 10, 1, range).messages.isEmpty());
    EXPECT_EQ(search(&empty, 10, 0, range).messages.size(), 6);
    EXPECT_EQ(search(&empty, 10, -5, range).messages.size(), 6);
    TipList list;
    list.append("01,02,03,04,05,06,07,08,09,10");
    // Never more hits than counted numbers.
    EXPECT_TRUE(search(&list, 5, 6, range).messages.isEmpty());
    EXPECT_FALSE(search(&list, 5, 5, range).messages.isEmpty());
}

TEST(TipSearch, HitCallbackCanStopTheWalk) {
    TipList list;
    SearchRun run = search(&list, 10, 0, TipSearch::range(day(2022, 3, 1), day(2022, 3, 3)), 2);
    EXPECT_EQ(run.messages.size(), 2);
    EXPECT_TRUE(run.outcome.stopped);
    EXPECT_EQ(run.outcome.lastPosition, 1);
    EXPECT_EQ(run.current.datum1, day(2022, 3, 1));
}

TEST(TipSearch, RangeAndInputs) {
    const auto corrected = TipSearch::range(day(2022, 5, 1), day(2022, 3, 1));
    EXPECT_TRUE(corrected.fromMoved);
    EXPECT_EQ(corrected.from, day(2022, 3, 1) - 365);
    EXPECT_FALSE(TipSearch::range(day(2022, 3, 1), day(2022, 3, 1)).fromMoved);

    // An empty range checks nothing and changes nothing.
    TipList list;
    list.append("01,02");
    list.hits() << "7";
    SearchRun run = search(&list, 10, 0, TipSearch::range(day(2023, 1, 1), day(2023, 2, 1)));
    EXPECT_TRUE(run.messages.isEmpty());
    EXPECT_EQ(run.outcome.lastPosition, -1);
    EXPECT_EQ(list.hits(), QStringList({"7"}));
    EXPECT_EQ(run.current.datum1, 0);

    EXPECT_EQ(TipSearch::parseThreshold(" 4"), 4);
    EXPECT_EQ(TipSearch::parseThreshold("-1"), -1);
    EXPECT_FALSE(TipSearch::parseThreshold("4x"));
    EXPECT_FALSE(TipSearch::parseThreshold(""));
    EXPECT_TRUE(TipSearch::conversionError("4x").contains(QStringLiteral("« 4x »")));
}

// The bit-set walk must find, draw by draw, what the full check finds.
TEST(TipSearch, AgreesWithTheFullCheckOnTheRealHistory) {
    const history::DrawHistory history(testsupport::realHistory());
    ASSERT_GT(history.size(), 10000);
    common::Random random(99);
    TipList list;
    for (int i = 0; i < 40; ++i) {
        std::vector<int> tip;
        for (int k = 0; k < 10; ++k) {
            tip.push_back(random.next(70) + 1);
        }
        list.append(tips::TipLine::write(tip)); // may hold repeated numbers
    }
    list.append("07,07,07,12");
    list.append("05,ab,07,70,69");
    list.append(",05,07");
    list.append("0,71,1,2,3,4,5,6,7,8,9,10,11,12");
    const int n = 8;
    const auto range = TipSearch::range(history.at(0).datum, history.at(history.size() - 1).datum);

    std::vector<int> expected;
    for (int p = 0; p < history.size(); ++p) {
        tips::TipCheck::Draw draw{};
        std::copy(history.at(p).zahlen.begin(), history.at(p).zahlen.end(), draw.begin());
        TipList copy = list;
        tips::HitTally tally;
        expected.push_back(tips::TipCheck::checkAll(&copy, draw, n, true, &tally).max);
    }
    for (int threshold : {4, 6}) {
        history::CurrentDraw current;
        tips::HitTally tally;
        TipSearch::Callbacks callbacks;
        std::vector<int> reported;
        callbacks.onHit = [&](const TipSearch::Hit& hit) {
            reported.push_back(hit.position);
            EXPECT_EQ(hit.best, expected[static_cast<std::size_t>(hit.position)]);
            return true;
        };
        TipList searched = list;
        const auto outcome =
            TipSearch::run(history, &searched, n, threshold, range, &current, &tally, callbacks);
        std::vector<int> wanted;
        for (int p = 0; p < history.size(); ++p) {
            if (expected[static_cast<std::size_t>(p)] >= threshold) {
                wanted.push_back(p);
            }
        }
        EXPECT_EQ(reported, wanted) << threshold;
        EXPECT_EQ(outcome.checked, history.size());
        int sum = 0;
        for (int count : outcome.bestHitDraws) {
            sum += count;
        }
        EXPECT_EQ(sum, history.size());
    }
}

// Not a timing assertion: prints how long 120 tips over the whole history take.
TEST(TipSearch, MeasureWholeHistoryWithHundredTwentyTips) {
    const history::DrawHistory history(testsupport::realHistory());
    common::Random random(7);
    TipList list;
    for (int i = 0; i < 120; ++i) {
        std::vector<int> tip;
        while (tip.size() < 10) {
            const int number = random.next(70) + 1;
            if (std::find(tip.begin(), tip.end(), number) == tip.end()) {
                tip.push_back(number);
            }
        }
        list.append(tips::TipLine::write(tip));
    }
    history::CurrentDraw current;
    tips::HitTally tally;
    TipSearch::Callbacks callbacks;
    int progressCalls = 0;
    callbacks.onHit = [](const TipSearch::Hit&) { return true; };
    callbacks.onProgress = [&](const TipSearch::Progress&) { ++progressCalls; };
    QElapsedTimer timer;
    timer.start();
    const auto outcome =
        TipSearch::run(history, &list, 10, 7,
                       TipSearch::range(history.at(0).datum, history.at(history.size() - 1).datum),
                       &current, &tally, callbacks);
    const qint64 elapsed = timer.nsecsElapsed();
    std::cout << "[ measured ] " << outcome.checked << " draws x 120 tips: " << elapsed / 1000
              << " us, " << outcome.reported << " hit messages\n";
    EXPECT_EQ(outcome.checked, history.size());
    EXPECT_GE(progressCalls, 1);
}
