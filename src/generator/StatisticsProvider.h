// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "generator/Parameters.h"
#include "stats/StatResult.h"
#include "stats/StatisticKind.h"

namespace generator {

// The generator takes its pool sections from the numbers, overdue numbers,
// pairs, triples and quadruples.
using Statistic = stats::StatisticKind;

// Computes the statistics a run takes its pool sections from, over the
// evaluation window the parameters name, and publishes them where the chart
// shows them. The generator reads only the y values by point index and the
// range (rangeMinimum / rangeMaximum) of the result.
class StatisticsProvider {
public:
    virtual ~StatisticsProvider() = default;
    // False with the reason in *error when the history cannot be read.
    virtual bool compute(Statistic statistic, const Parameters& parameters,
                         stats::StatResult* result, QString* error) = 0;
};

} // namespace generator
