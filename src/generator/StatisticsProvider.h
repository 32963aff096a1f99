#pragma once

#include <QString>

#include "generator/Parameters.h"
#include "stats/StatResult.h"

namespace generator {

enum class Statistic { NumberDistribution, OverdueNumbers, Pairs, Triples, Quadruples };

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
