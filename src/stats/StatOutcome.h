// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "stats/EvaluationWindow.h"
#include "stats/StatResult.h"

namespace stats {

// Everything a statistic run changes in the main window, for the session to
// apply: the result for the chart, the caption rule, the page switch, the
// value labels, and the window side effects of the history statistics.
struct StatOutcome {
    StatResult result;
    // The bottom-axis caption stays as it was (a window without draws);
    // result.caption is then empty and must not be shown.
    bool keepCaption = false;
    bool showChartPage = false; // bring the chart page TabSheet5 to the front
    bool marksOff = false;      // switch the value labels of both series off
    int draws = 0;              // draws counted (history statistics)
    std::optional<WindowEffects> window;
};

} // namespace stats
