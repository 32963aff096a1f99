// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "history/DrawHistory.h"
#include "stats/StatOutcome.h"

namespace stats {

// How often each number 1..70 was drawn in the evaluation window (start day
// included), with the draw count and the average cross sum in the caption.
class NumberDistribution {
public:
    // What the window's draws add up to; a draw leaving the window is
    // taken away again (sign -1).
    struct Tally {
        std::array<int, 71> counters{};
        int draws = 0;
        double crossSumTotal = 0;
        void add(const history::TZiehung& record, int sign);
    };

    static StatOutcome run(const history::DrawHistory& history, common::DayNumber start,
                           common::DayNumber end);
    static EvaluationWindow window(common::DayNumber start, common::DayNumber end);
    static StatOutcome outcome(const Tally& tally, const EvaluationWindow& window);

    static QString caption(int draws, double crossSumTotal);
};

} // namespace stats
