// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include "history/DrawHistory.h"
#include "stats/StatOutcome.h"
#include "stats/StatisticKind.h"
#include "tips/HitTally.h"

namespace stats {

// What a pair, triple or quadruple search leaves besides its chart: the
// current-draw numbers Zahl end on the last window draw, Gewinn on the hits
// of the last probe, and every probe with hits has been tallied.
struct RunSearchOutcome : StatOutcome {
    int found = 0; // complete runs found, the sum of all counters
    // The 20 numbers of the last window draw in record order; unset when the
    // window held no draw (Zahl then keeps its value).
    std::optional<std::array<int, 20>> zahl;
    std::optional<int> gewinn;
    // How many probes had 1..10 hits (index 0 = one hit).
    std::array<qint64, 10> tallyIncrements{};

    // Adds the increments to the hit tally as one increment per probe would.
    void applyTally(tips::HitTally* tally) const;
};

// Counts over the evaluation window (start day excluded) how often each run
// of consecutive numbers n, n+1, ... was drawn complete. Conceptually every
// first number n is probed with the tip "n,n+1,...,0,0" (six entries) checked
// against the draw on its first k entries, k the numbers per tip; the counts
// are made with bit operations on the draw sets, with the same outcome.
class RunSearch {
public:
    // Only the runs: pairs, triples and quadruples.
    using Kind = StatisticKind;

    // What the window's draws add up to; a draw leaving it is taken away
    // again (sign -1).
    struct Tally {
        std::array<int, 71> counters{};
        std::array<qint64, 10> tallyIncrements{};
        int draws = 0;
        void add(const history::NumberSet& set, Kind kind, int numbersPerTip, int sign);
    };

    static RunSearchOutcome run(const history::DrawHistory& history, Kind kind,
                                common::DayNumber start, common::DayNumber end, int numbersPerTip);
    static EvaluationWindow window(Kind kind, common::DayNumber start, common::DayNumber end);
    // lastWindowDraw: the position of the window's newest draw, -1 for none.
    static RunSearchOutcome outcome(const history::DrawHistory& history, Kind kind,
                                    const Tally& tally, int lastWindowDraw, int numbersPerTip,
                                    const EvaluationWindow& window);

    static int runLength(Kind kind);       // 2, 3, 4
    static int lastFirstNumber(Kind kind); // 69, 68, 67
    static int publishedPoints(Kind kind); // 69, 68, 70
    // The probe tip text for first number n, as the tip check reads it.
    static QString probeText(Kind kind, int n);
    static QString caption(Kind kind, int draws, int found);
};

} // namespace stats
