// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <array>
#include <vector>

#include "common/DayNumber.h"
#include "history/DrawHistory.h"

namespace stats {
class RollingStatistics;
}

namespace backtest {

// What the walk-forward needs of the program that makes and checks the tips:
// a generation on a given past, the current-draw cursor with the check of
// the tips against the draw it reaches, and a place to show the progress
// that says whether to go on.
class WalkForwardHost {
public:
    enum class Generation {
        Made,      // the tips stand ready
        Cancelled, // stopped while generating: the run ends as stopped
        Failed     // no tips: the run fails
    };

    virtual ~WalkForwardHost() = default;

    // Makes the tips from the draws of past only, with the random generator
    // seeded with seed first. rolling carries the counts of one generation's
    // statistics window on to the next, a draw later.
    virtual Generation generate(qint32 seed, const history::DrawHistory& past,
                                stats::RollingStatistics* rolling) = 0;
    // The position of the current draw in the history.
    virtual int position() const = 0;
    // Puts the cursor on the draw at position, steps it one draw on and
    // checks the tips against the draw it reaches.
    virtual void stepForwardFrom(int position) = 0;
    // The last check: per hit count, how many tips had it.
    virtual const std::array<int, 21>& hitCounts() const = 0;
    // The last check: the hits of each tip, in the order of the tip list.
    virtual std::vector<int> tipHits() const = 0;
    // The numbers of each tip, in the same order.
    virtual std::vector<history::NumberSet> tipSets() const = 0;
    virtual int numbersPerTip() const = 0;
    // The cycles done of total, at the date of the draw reached; false once a
    // stop was asked for.
    virtual bool progress(int cycles, common::DayNumber date, int total) = 0;
};

} // namespace backtest
