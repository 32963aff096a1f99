// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "FiveDraws.h"
#include "TestSupport.h"
#include "backtest/AnalysisLog.h"
#include "backtest/DrawAsTipRun.h"
#include "backtest/TipListRun.h"
#include "history/DrawCursor.h"

using backtest::BacktestKind;
using testsupport::makeRecord;

namespace {

using testsupport::range;

history::DrawHistory fiveDraws() {
    return history::DrawHistory(testsupport::fiveDraws());
}

common::DayNumber day(int y, int m, int d) {
    return common::toDayNumber(QDate(y, m, d));
}

backtest::DrawAsTipRun runFrom(BacktestKind kind, const history::DrawHistory& history,
                               int position) {
    backtest::CursorWalk::State state{position, history.at(position).datum, 0};
    backtest::DrawAsTipRun run(kind, backtest::CursorWalk(history, state));
    while (run.cycle()) {
    }
    return run;
}

std::array<std::uint32_t, 21> tally(std::initializer_list<std::pair<int, int>> entries) {
    std::array<std::uint32_t, 21> result{};
    for (const auto& [hits, count] : entries) {
        result[static_cast<std::size_t>(hits)] = static_cast<std::uint32_t>(count);
    }
    return result;
}

TEST(DrawAsTipRunTest, EachTestScoresItsNeighboursUpToTheEndOfTheHistory) {
    const history::DrawHistory history = fiveDraws();
    // Next draw: 0>1 10, 1>2 10, 2>3 10, 3>4 6; the midi-to-soir step of one
    // day does not end the run.
    auto run = runFrom(BacktestKind::NextDraw, history, 0);
    EXPECT_EQ(run.result().cycles, 4);
    EXPECT_EQ(run.result().tally, tally({{10, 3}, {6, 1}}));
    EXPECT_EQ(run.walk().position(), 4);
    EXPECT_EQ(run.lastCycleStart()->position, 3);
    // Two ahead: 0>2 0, 1>3 0, 2>4 4.
    run = runFrom(BacktestKind::SecondNextDraw, history, 0);
    EXPECT_EQ(run.result().cycles, 3);
    EXPECT_EQ(run.result().tally, tally({{0, 2}, {4, 1}}));
    EXPECT_EQ(run.walk().position(), 3);
    // Three ahead: 0>3 10, 1>4 14.
    run = runFrom(BacktestKind::ThirdNextDraw, history, 0);
    EXPECT_EQ(run.result().cycles, 2);
    EXPECT_EQ(run.result().tally, tally({{10, 1}, {14, 1}}));
    EXPECT_EQ(run.walk().position(), 2);
}

TEST(DrawAsTipRunTest, ThreeDrawTestsKeepTheirExtremesWithTheDateAfterTheCycle) {
    const history::DrawHistory history = fiveDraws();
    // Next three: from d0 10+0+10 = 20, from d1 10+0+14 = 24.
    auto run = runFrom(BacktestKind::NextThreeDraws, history, 0);
    EXPECT_EQ(run.result().cycles, 2);
    EXPECT_EQ(run.result().tally, tally({{10, 3}, {0, 2}, {14, 1}}));
    EXPECT_EQ(run.result().smallestSum, 20);
    EXPECT_EQ(run.result().smallestDate, day(2023, 3, 1)); // d1's date
    EXPECT_EQ(run.result().largestSum, 24);
    EXPECT_EQ(run.result().largestDate, day(2023, 3, 2));
    // Last three at the first draw: the steps back stay there (20 hits
    // three times), the four steps on jump to d4. From d4 the cursor goes no
    // further, but d4 against d3, d2, d1 (6 + 4 + 14 = 24) is real data: it
    // counts, and the run ends.
    run = runFrom(BacktestKind::LastThreeDraws, history, 0);
    EXPECT_EQ(run.result().cycles, 2);
    EXPECT_EQ(run.result().tally, tally({{20, 3}, {6, 1}, {4, 1}, {14, 1}}));
    EXPECT_EQ(run.result().smallestSum, 24);
    EXPECT_EQ(run.result().largestSum, 60);
    EXPECT_EQ(run.result().largestDate, day(2023, 3, 4));
    EXPECT_EQ(run.walk().position(), 4);
    EXPECT_FALSE(run.cycle());
}

// At the newest draw only the test against the three previous draws has
// anything real left to score.
TEST(DrawAsTipRunTest, ARunAtTheNewestDrawOrOnAnEmptyHistoryHasNoCycle) {
    const history::DrawHistory history = fiveDraws();
    for (int k = 3; k <= 7; ++k) {
        const auto kind = *backtest::BacktestInfo::fromNumber(k);
        auto run = runFrom(kind, history, 4);
        EXPECT_EQ(run.result().cycles, k == 7 ? 1 : 0) << k;
        EXPECT_EQ(run.lastCycleStart().has_value(), k == 7);
        EXPECT_EQ(run.walk().position(), 4);
    }
    const history::DrawHistory empty;
    backtest::DrawAsTipRun run(BacktestKind::NextDraw, backtest::CursorWalk(empty, {}));
    EXPECT_FALSE(run.cycle());
    EXPECT_EQ(run.result().cycles, 0);
}

// The walk must land where the cursor's own moves land on the same records.
TEST(CursorWalkTest, MovesLikeTheCursorAndKeepsThePickers) {
    const history::DrawHistory history = fiveDraws();
    history::DrawCursor cursor;
    cursor.loadAtDate(history.records(), day(2023, 3, 1));
    backtest::CursorWalk walk(history,
                              {cursor.current().position, day(2023, 3, 1), day(2023, 6, 1)},
                              day(1993, 9, 16), day(1993, 9, 16));
    const std::string moves = "bfffffffbbbbbbbffbf";
    for (char move : moves) {
        if (move == 'f') {
            cursor.stepForward(history.records());
            walk.stepForward();
        } else {
            cursor.stepBack(history.records());
            walk.stepBack();
        }
        ASSERT_EQ(walk.position(), cursor.current().position);
        EXPECT_EQ(walk.draw().datum, cursor.current().datum1);
        EXPECT_EQ(walk.picker1(), cursor.current().datum1);
    }
    // The first forward step found the statistics start after the draw date
    // and pulled it back a year before that date.
    EXPECT_EQ(walk.state().picker2, day(2023, 3, 1) - 365);
}

TEST(CursorWalkTest, APickerKeepsItsDateWhenTheDrawLiesBelowItsLowest) {
    const history::DrawHistory history({makeRecord(QDate(1990, 1, 1), 0, range(1, 20)),
                                        makeRecord(QDate(1994, 1, 1), 0, range(1, 20))});
    backtest::CursorWalk walk(history, {1, day(1994, 1, 1), 0}, day(1993, 9, 16));
    walk.stepBack();
    EXPECT_EQ(walk.position(), 0);
    EXPECT_EQ(walk.picker1(), day(1994, 1, 1));
}

TEST(TipListRunTest, ScoresTheListAgainstEveryLaterDrawUpToTheLimit) {
    const history::DrawHistory history = fiveDraws();
    // 21..30 hits d1 10 times, d2 10, d3 0, d4 4 (21..24); with limit 8 the
    // ten-hit checks fall outside the tally.
    backtest::TipListRun run(
        backtest::CursorWalk(history, {0, 0, 0}),
        tips::TipScorer(
            {QStringLiteral("21,22,23,24,25,26,27,28,29,30"), QStringLiteral("01,02,03")}, 10),
        8);
    while (run.cycle()) {
    }
    EXPECT_EQ(run.result().cycles, 4);
    // 01,02,03: d1 0, d2 0, d3 3, d4 0.
    EXPECT_EQ(run.result().tally, tally({{0, 4}, {3, 1}, {4, 1}}));
}

TEST(AnalysisLogTest, TheGeneratedTipsReportListsOneLinePerCountedHit) {
    backtest::BacktestResult result;
    result.tally[0] = 12;
    result.tally[3] = 4;
    result.cycles = 17;
    const QStringList lines = backtest::AnalysisLog::lines(BacktestKind::GeneratedTips, result, 3);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Le réglage actuel a apporté: "),
                                  QStringLiteral("0x \t => 12"), QStringLiteral("1x \t => 0"),
                                  QStringLiteral("2x \t => 0"), QStringLiteral("3x \t => 4"),
                                  QStringLiteral(" "), QStringLiteral("de 17 tirer")}));
}

TEST(AnalysisLogTest, TheOtherReportsDifferInTheirWordings) {
    backtest::BacktestResult result;
    result.tally[9] = 5;
    result.tally[20] = 1;
    result.cycles = 1234;
    result.smallestSum = 7;
    result.smallestDate = day(2024, 1, 2);
    result.largestSum = 31;
    result.largestDate = day(2024, 2, 29);
    const auto report = [&](int k) {
        return backtest::AnalysisLog::lines(*backtest::BacktestInfo::fromNumber(k), result, 10);
    };
    for (int k = 2; k <= 7; ++k) {
        const QStringList lines = report(k);
        ASSERT_EQ(lines.size(), k >= 6 ? 25 : 23) << k;
        EXPECT_EQ(lines[1], QStringLiteral("00x         => \t0"));
        EXPECT_EQ(lines[10], QStringLiteral("09x         => \t5"));
        EXPECT_EQ(lines[21], QStringLiteral("20x         => \t1"));
        EXPECT_EQ(lines[0], k == 3 ? QStringLiteral("Résultat avec les paramètres actuels")
                                   : QStringLiteral("Le réglage actuel a"));
    }
    EXPECT_EQ(report(2)[22], QStringLiteral("à 1234 tirer"));
    EXPECT_EQ(report(3)[22], QStringLiteral("á 1234 tirer"));
    EXPECT_EQ(report(5)[22], QStringLiteral("à 1234 tirer"));
    EXPECT_EQ(report(7)[22], QStringLiteral("à1234 tirer"));
    EXPECT_EQ(report(6)[23], QStringLiteral("au 02.01.2024 de 7 matchs qu`il"));
    EXPECT_EQ(report(6)[24], QStringLiteral("au 29.02.2024 de 31 matchs qu`il"));
    EXPECT_EQ(report(7)[24], QStringLiteral("au 29.02.2024 de 31 matches qu`il"));
    // Without a cycle the extremes keep their starting values and day 0.
    const QStringList none = backtest::AnalysisLog::lines(BacktestKind::LastThreeDraws, {}, 10);
    EXPECT_EQ(none[22], QStringLiteral("à0 tirer"));
    EXPECT_EQ(none[23], QStringLiteral("au 30.12.1899 de 1000 matches qu`il"));
    EXPECT_EQ(none[24], QStringLiteral("au 30.12.1899 de 0 matches qu`il"));
}

TEST(BacktestInfoTest, EveryCycleAdvancesTheCursorByOneDraw) {
    for (int k = 1; k <= 7; ++k) {
        int net = 0;
        for (const backtest::Move& move :
             backtest::BacktestInfo::moves(*backtest::BacktestInfo::fromNumber(k))) {
            net += move.forward ? 1 : -1;
        }
        EXPECT_EQ(net, 1) << k;
    }
    EXPECT_FALSE(backtest::BacktestInfo::fromNumber(0));
    EXPECT_FALSE(backtest::BacktestInfo::fromNumber(8));
    EXPECT_EQ(backtest::BacktestInfo::buttonName(BacktestKind::ThirdNextDraw),
              QStringLiteral("Button9"));
}

} // namespace
