// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "history/DrawHistory.h"
#include "stats/StatOutcome.h"

namespace stats {

// For each number 1..70: 1 + the number of window draws after the last window
// draw that held it (start day excluded). A number never drawn in the window
// reads 1 + the number of window draws.
class OverdueNumbers {
public:
    static StatOutcome run(const history::DrawHistory& history, common::DayNumber start,
                           common::DayNumber end);
    static EvaluationWindow window(common::DayNumber start, common::DayNumber end);
    // From the window's draws at positions first..last-1 of a history whose
    // dates ascend, and for each number the last of those positions that
    // held it (below first: not in the window).
    static StatOutcome outcome(const std::array<int, 71>& lastPositions, int first, int last,
                               const EvaluationWindow& window);

    static QString caption();

private:
    static StatOutcome published(const std::array<int, 71>& gaps, int windowDraws,
                                 const EvaluationWindow& window);
};

} // namespace stats
