#pragma once

#include "history/DrawHistory.h"
#include "stats/StatOutcome.h"

namespace stats {

// How often each number 1..70 was drawn in the evaluation window (start day
// included), with the draw count and the average cross sum in the caption.
class NumberDistribution {
public:
    static StatOutcome run(const history::DrawHistory& history, common::DayNumber start,
                           common::DayNumber end);

    static QString caption(int draws, double crossSumTotal);
};

} // namespace stats
