// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "FiveDraws.h"
#include "TestSupport.h"
#include "backtest/StrategyWalk.h"
#include "backtest/WalkForwardRun.h"

using backtest::RunOutcome;
using backtest::WalkForwardHost;
using testsupport::makeRecord;

namespace {

using testsupport::range;

history::NumberSet setOf(const std::vector<int>& numbers) {
    history::NumberSet set;
    for (int n : numbers) {
        set.add(n);
    }
    return set;
}

history::DrawHistory fiveDraws() {
    return history::DrawHistory(testsupport::fiveDraws());
}

// Generates the same tips whatever the past (by default 1..10 and 21..30)
// and notes what each generation was given; the check counts their hits on
// the draw the cursor reaches.
class FixedTipsHost : public WalkForwardHost {
public:
    struct Seen {
        qint32 seed = 0;
        int pastSize = 0;
        stats::RollingStatistics* rolling = nullptr;
    };
    struct Progress {
        int cycles = 0;
        common::DayNumber date = 0;
        int total = 0;
    };

    FixedTipsHost(const history::DrawHistory& history, int start,
                  std::vector<history::NumberSet> tips = {setOf(range(1, 10)),
                                                          setOf(range(21, 30))})
        : m_history(history), m_position(start), m_tips(std::move(tips)) {}

    Generation generate(qint32 seed, const history::DrawHistory& past,
                        stats::RollingStatistics* rolling) override {
        seen.push_back({seed, past.size(), rolling});
        if (static_cast<int>(seen.size()) == failAt) {
            return Generation::Failed;
        }
        if (static_cast<int>(seen.size()) == cancelAt) {
            return Generation::Cancelled;
        }
        m_position = 0; // a generation may move the cursor; the step starts where it was
        return Generation::Made;
    }
    int position() const override { return m_position; }
    void stepForwardFrom(int position) override {
        m_position = std::min(position + 1, m_history.size() - 1);
        reached.push_back(m_position);
        m_counts = {};
        m_hits.clear();
        for (const history::NumberSet& tip : m_tips) {
            m_hits.push_back(tip.common(m_history.setAt(m_position)));
            ++m_counts[static_cast<std::size_t>(m_hits.back())];
        }
    }
    const std::array<int, 21>& hitCounts() const override { return m_counts; }
    std::vector<int> tipHits() const override { return m_hits; }
    std::vector<history::NumberSet> tipSets() const override { return m_tips; }
    int numbersPerTip() const override { return 10; }
    bool progress(int cycles, common::DayNumber date, int total) override {
        progressed.push_back({cycles, date, total});
        return cycles != stopAfter;
    }

    std::vector<Seen> seen;
    std::vector<int> reached;
    std::vector<Progress> progressed;
    int failAt = 0;    // the generation that fails, counted from 1
    int cancelAt = 0;  // the generation that is cancelled
    int stopAfter = 0; // the cycle after which a stop is asked for

private:
    const history::DrawHistory& m_history;
    int m_position;
    std::vector<history::NumberSet> m_tips;
    std::array<int, 21> m_counts{};
    std::vector<int> m_hits;
};

std::array<std::uint32_t, 21> tally(std::initializer_list<std::pair<int, int>> entries) {
    std::array<std::uint32_t, 21> result{};
    for (const auto& [hits, count] : entries) {
        result[static_cast<std::size_t>(hits)] = static_cast<std::uint32_t>(count);
    }
    return result;
}

TEST(WalkForwardRunTest, EachDrawIsScoredOnTipsMadeFromTheDrawsBeforeIt) {
    const history::DrawHistory history = fiveDraws();
    FixedTipsHost host(history, 0);
    backtest::WalkForwardRun run(history, host);
    EXPECT_EQ(run.run(77), RunOutcome::Completed);
    // The tips for d1 (the evening of d0's day) saw d0 only, and so on.
    ASSERT_EQ(host.reached, (std::vector<int>{1, 2, 3, 4}));
    ASSERT_EQ(host.seen.size(), 4u);
    for (std::size_t i = 0; i < host.seen.size(); ++i) {
        EXPECT_EQ(host.seen[i].pastSize, host.reached[i]);
        EXPECT_EQ(host.seen[i].seed, 77);
        // One rolling statistic carried through the whole run.
        EXPECT_NE(host.seen[i].rolling, nullptr);
        EXPECT_EQ(host.seen[i].rolling, host.seen[0].rolling);
    }
    // 1..10 and 21..30 on d1: 0, 10; d2: 0, 10; d3: 10, 0; d4: 6, 4.
    EXPECT_EQ(run.result().cycles, 4);
    EXPECT_EQ(run.result().tally, tally({{0, 3}, {10, 3}, {6, 1}, {4, 1}}));
    ASSERT_EQ(host.progressed.size(), 4u);
    EXPECT_EQ(host.progressed[1].cycles, 2);
    EXPECT_EQ(host.progressed[1].date, history.at(2).datum);
    EXPECT_EQ(host.progressed[1].total, 4);
}

TEST(WalkForwardRunTest, StopsFailuresAndTheNewestDrawEndTheRun) {
    const history::DrawHistory history = fiveDraws();
    const auto runWith = [&](int start, auto setUp) {
        FixedTipsHost host(history, start);
        setUp(host);
        backtest::WalkForwardRun run(history, host);
        const RunOutcome outcome = run.run(1);
        return std::make_tuple(outcome, run.result().cycles, host.seen.size());
    };
    // A stop asked for during a cycle ends the run after it.
    EXPECT_EQ(runWith(0, [](FixedTipsHost& h) { h.stopAfter = 2; }),
              std::make_tuple(RunOutcome::Stopped, 2, std::size_t{2}));
    // A generation cut short is a stop, its tips unscored.
    EXPECT_EQ(runWith(0, [](FixedTipsHost& h) { h.cancelAt = 3; }),
              std::make_tuple(RunOutcome::Stopped, 2, std::size_t{3}));
    EXPECT_EQ(runWith(0, [](FixedTipsHost& h) { h.failAt = 2; }),
              std::make_tuple(RunOutcome::Failed, 1, std::size_t{2}));
    // From the newest draw nothing is generated: there is nothing to score.
    EXPECT_EQ(runWith(4, [](FixedTipsHost&) {}),
              std::make_tuple(RunOutcome::Completed, 0, std::size_t{0}));
    EXPECT_EQ(runWith(3, [](FixedTipsHost&) {}),
              std::make_tuple(RunOutcome::Completed, 1, std::size_t{1}));
}

TEST(StrategyWalkTest, EachCycleScoresTheStrategyBesideAsManyChanceTips) {
    const history::DrawHistory history = fiveDraws();
    FixedTipsHost host(history, 1, {setOf(range(1, 10))});
    backtest::StrategyReport report(10, 2);
    EXPECT_EQ(backtest::StrategyWalk(history, host, &report).run(5), RunOutcome::Completed);
    ASSERT_EQ(report.cycles(), 3);
    EXPECT_FALSE(report.stopped());
    const std::vector<qint64> strategyHits{0, 10, 6}; // 1..10 on d2, d3, d4
    for (int i = 0; i < 3; ++i) {
        const backtest::StrategyReport::Cycle& cycle = report.cycleList()[i];
        EXPECT_EQ(cycle.date, history.at(i + 2).datum);
        EXPECT_EQ(cycle.soir, history.at(i + 2).soir);
        EXPECT_EQ(cycle.strategy.hits, strategyHits[i]);
        EXPECT_EQ(cycle.strategy.tips, 1);
        EXPECT_EQ(cycle.tips, std::vector<history::NumberSet>{setOf(range(1, 10))});
        EXPECT_EQ(cycle.chance.tips, 1);
        EXPECT_EQ(cycle.chance.staked, 2);
    }

    FixedTipsHost stopping(history, 1);
    stopping.stopAfter = 1;
    backtest::StrategyReport stopped(10, 1);
    EXPECT_EQ(backtest::StrategyWalk(history, stopping, &stopped).run(5), RunOutcome::Stopped);
    EXPECT_EQ(stopped.cycles(), 1);
    EXPECT_TRUE(stopped.stopped());
}

} // namespace
