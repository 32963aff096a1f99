// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/AxisTicks.h"

#include <cmath>

namespace charts {

double wholeTickStep(double span) {
    constexpr double kMaxTicks = 8;
    for (double decade = 1;; decade *= 10) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            if (span / (factor * decade) <= kMaxTicks) {
                return factor * decade;
            }
        }
    }
}

void setWholeTicks(QValueAxis* axis, double low, double high) {
    // Every change below lays the axis out again, with one label per tick of
    // the range and interval it has at that moment. The changes go in the
    // order that never pairs a wide range with a fine interval: a coarser
    // interval before a wider range, a narrower range before a finer
    // interval. The other order, 0..7030 at an interval of 1 left from a
    // small chart, makes thousands of labels for a chart that shows eight.
    const double step = wholeTickStep(high - low);
    // Fixed ticks count their labels without the interval: the range goes first there too.
    const bool rangeFirst = axis->tickType() != QValueAxis::TicksDynamic ||
                            (axis->tickInterval() > 0 && step < axis->tickInterval());
    if (rangeFirst) {
        axis->setRange(low, high); // exactly [low, high]: nice numbers would widen it
    }
    axis->setTickAnchor(std::ceil(low / step) * step);
    axis->setTickInterval(step);
    axis->setTickType(QValueAxis::TicksDynamic);
    if (!rangeFirst) {
        axis->setRange(low, high);
    }
}

} // namespace charts
