#include "ui/AxisTicks.h"

#include <cmath>

namespace ui {

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
    // The axis spans exactly [low, high]; nice numbers would widen it.
    axis->setRange(low, high);
    const double step = wholeTickStep(high - low);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(std::ceil(low / step) * step);
    axis->setTickInterval(step);
}

} // namespace ui
