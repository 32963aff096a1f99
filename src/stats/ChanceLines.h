// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "stats/StatResult.h"
#include "stats/StatisticKind.h"

namespace stats {

// What chance gives beside the bars of a statistic of the draws, for the same
// window: the expected count and the 95 % band of a number, the overdue that
// 95 % of cases stay under, the exact curve of the cross sums and the expected
// count of a run. None for the tips' chart, which counts the player's tips.
class ChanceLines {
public:
    static std::vector<ChanceLine> of(StatisticKind kind, const StatResult& result, int draws);

private:
    static std::vector<ChanceLine> numbers(const StatResult& result, int draws);
    static std::vector<ChanceLine> overdue(const StatResult& result);
    static std::vector<ChanceLine> crossSums(const StatResult& result, int draws);
    static std::vector<ChanceLine> runs(int length, const StatResult& result, int draws);
};

} // namespace stats
