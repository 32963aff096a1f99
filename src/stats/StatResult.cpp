#include "stats/StatResult.h"

#include <algorithm>

namespace stats {

double StatResult::rangeMinimum() const {
    if (fixedRange || points.empty()) {
        return minimum;
    }
    return std::min_element(points.begin(), points.end(),
                            [](const StatPoint& a, const StatPoint& b) { return a.y < b.y; })
        ->y;
}

double StatResult::rangeMaximum() const {
    if (fixedRange || points.empty()) {
        return maximum;
    }
    return std::max_element(points.begin(), points.end(),
                            [](const StatPoint& a, const StatPoint& b) { return a.y < b.y; })
        ->y;
}

} // namespace stats
