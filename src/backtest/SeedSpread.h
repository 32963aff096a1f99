// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

#include "backtest/StrategyReport.h"

namespace backtest {

// The strategy report over several lucky numbers: one seed's result may be
// luck, the spread of many beside the band of chance shows whether the
// settings themselves pay. Per seed its return, net and mean hits; over the
// seeds the lowest, median and highest return and one verdict.
class SeedSpread {
public:
    struct Seed {
        qint32 seed = 0;
        int draws = 0;
        StrategyReport::Side strategy;
        StrategyReport::ChanceBands bands; // what luck gives this seed's tips
        double expectedReturn = 0;         // what the odds promise them
    };

    explicit SeedSpread(int numbersPerTip) : m_numbersPerTip(numbersPerTip) {}

    // The figures of one seed's report, in the order the seeds were given.
    void add(qint32 seed, const StrategyReport& report);
    void setStopped(bool stopped) { m_stopped = stopped; }

    const std::vector<Seed>& seeds() const { return m_seeds; }
    bool stopped() const { return m_stopped; }
    // The draws every seed has scored (fewer for a seed that was stopped).
    int draws() const;
    double lowestReturn() const;
    double medianReturn() const; // the mean of the middle two for an even count
    double highestReturn() const;
    // The odds' return for the seeds' tips, on average over the seeds.
    double expectedReturn() const;
    // Chance's 95 % band of the return: each seed's tips have their own, and
    // the spread is judged against all of them at once, from the lowest low
    // to the highest high, so that no seed's luck reads as skill.
    StrategyReport::Band chanceBand() const;

    // One line: whether the seeds' returns stand out from chance.
    QString verdict() const;
    // A header and one line per seed: seed, return rate, net, mean hits.
    QStringList seedLines() const;
    // The spread over the seeds beside chance, each a name, a tab and the value.
    QStringList spreadLines() const;
    // A title line, the verdict, the seed lines and the spread.
    QStringList text() const;
    // A header and one line per seed, ";"-separated with decimal commas.
    QStringList csv() const;

private:
    std::vector<double> sortedReturns() const;
    // The widest of the seeds' bands of a figure.
    template <typename Figure> StrategyReport::Band widest(Figure figure) const;

    int m_numbersPerTip;
    bool m_stopped = false;
    std::vector<Seed> m_seeds;
};

} // namespace backtest
