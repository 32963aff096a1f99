// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/DrawHistory.h"
#include "stats/StatOutcome.h"

namespace stats {

// How many window draws (start day excluded) had each cross sum, one point
// for every sum from the smallest to the largest occurring, gaps included.
class CrossSumDistribution {
public:
    static StatOutcome run(const history::DrawHistory& history, common::DayNumber start,
                           common::DayNumber end);

    static QString caption(int draws, double crossSumTotal);
};

} // namespace stats
