// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "common/DayNumber.h"
#include "common/Random.h"
#include "history/NumberSet.h"

namespace backtest {

// Would these settings have paid? The walk-forward's tips, draw by draw, in
// money at the stake per tip and the prize table, beside as many random tips
// of the same size on the very same draws, and beside what the odds promise
// (the expected return and mean hits). Chance and the odds are the yardstick:
// a strategy that only looks at past draws can match them, in expectation,
// and no more. How far its figures may stray by luck alone is simulated with
// random draws against its own tips: tips that share numbers win and lose
// together, so their figures stray further than independent tips' would.
class StrategyReport {
public:
    static QString fileName() { return QStringLiteral("Strategie.txt"); }
    static QString csvFileName() { return QStringLiteral("Strategie.csv"); }

    // One side of the comparison: tips played, stakes, winnings, hits.
    struct Side {
        qint64 tips = 0;
        qint64 staked = 0;
        qint64 won = 0;
        qint64 hits = 0;
        qint64 net() const { return won - staked; }
        // The winnings and the net had the return been `rate`, in whole
        // units as the prizes are.
        qint64 wonAt(double rate) const;
        qint64 netAt(double rate) const { return wonAt(rate) - staked; }
        double returnRate() const; // won / staked, 0 without stake
        double meanHits() const;
    };
    struct Cycle {
        common::DayNumber date = 0;
        int soir = 0;
        std::vector<history::NumberSet> tips; // the strategy's tips on this draw
        Side strategy;
        Side chance;
        qint64 strategyNet = 0; // cumulative, after this cycle
        qint64 chanceNet = 0;
    };

    StrategyReport(int numbersPerTip, int stake);

    // One scored draw: the strategy's tips and the hits of each on it, and
    // the hits of as many chance tips.
    void addCycle(common::DayNumber date, int soir, std::vector<history::NumberSet> tips,
                  const std::vector<int>& strategyHits, const std::vector<int>& chanceHits);
    void setStopped(bool stopped) { m_stopped = stopped; }

    int cycles() const { return static_cast<int>(m_cycles.size()); }
    const std::vector<Cycle>& cycleList() const { return m_cycles; }
    const Side& strategy() const { return m_strategy; }
    const Side& chance() const { return m_chance; }
    int numbersPerTip() const { return m_numbersPerTip; }
    bool stopped() const { return m_stopped; }

    // What luck alone gives the strategy's tips in 95 % of cases (the 2.5 %
    // and 97.5 % points) when every draw is random: the return as a rate and
    // the mean hits per tip. Simulated on the first call after a cycle was
    // added, from a fixed seed, so a report's figures never vary; a report is
    // read by one thread at a time.
    struct Band {
        double low = 0;
        double high = 0;
    };
    struct ChanceBands {
        Band returnRate;
        Band meanHits;
    };
    const ChanceBands& chanceBands() const;
    // The same for `tips` tips of numbersPerTip numbers, one on each of as
    // many draws: the spread of a season of play, whatever the tips.
    static ChanceBands oneTipPerDraw(int numbersPerTip, int tips);
    // What the odds promise the strategy's own tips on average: the return
    // at the prize table and the hits. Tips of the report's size get the
    // table's expectation; a kept list of shorter tips (the generator may
    // append to the list instead of emptying it) gets its own.
    struct Expectation {
        double returnRate = 0;
        double meanHits = 0;
    };
    Expectation expectation() const;
    // Below this many draws no conclusion is drawn.
    static constexpr int kFewestDraws = 100;
    // One line: whether the strategy's return stands out from chance.
    QString verdict() const;

    // The figures, each a name, a tab and the value; where chance's figure
    // would vary, a tab and its 95 % interval for as many tips.
    QStringList summary() const;
    // The text report: a title line that says whether the run was stopped,
    // then the figures.
    QStringList text() const;
    // A header and one line per cycle, ";"-separated with decimal commas.
    QStringList csv() const;

    // A random tip of k distinct numbers of 1..70, every such tip equally likely.
    static history::NumberSet chanceTip(common::Random& random, int k);

private:
    ChanceBands simulatedBands() const;
    Side sideOf(const std::vector<int>& hits) const;

    int m_numbersPerTip;
    int m_stake;
    bool m_stopped = false;
    Side m_strategy;
    Side m_chance;
    std::vector<Cycle> m_cycles;
    mutable std::optional<ChanceBands> m_bands;
};

} // namespace backtest
