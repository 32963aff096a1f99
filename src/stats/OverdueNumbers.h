#pragma once

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

    static QString caption();
};

} // namespace stats
