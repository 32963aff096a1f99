// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/StatResult.h"

#include <algorithm>
#include <array>

namespace stats {

namespace {
bool lessY(const StatPoint& a, const StatPoint& b) {
    return a.y < b.y;
}
} // namespace

bool isPrimeColored(int number) {
    static constexpr std::array<int, 20> kPrimeSet = {1,  2,  3,  5,  7,  11, 13, 17, 19, 23,
                                                      29, 31, 37, 41, 43, 47, 53, 59, 61, 67};
    return std::find(kPrimeSet.begin(), kPrimeSet.end(), number) != kPrimeSet.end();
}

double StatResult::rangeMinimum() const {
    if (fixedRange || points.empty()) {
        return minimum;
    }
    // A bar series scales from its origin: the axis never starts above 0.
    return std::min(0.0, std::min_element(points.begin(), points.end(), lessY)->y);
}

double StatResult::rangeMaximum() const {
    if (fixedRange || points.empty()) {
        return maximum;
    }
    return std::max_element(points.begin(), points.end(), lessY)->y;
}

void StatResult::fixRangeToPoints() {
    fixedRange = true;
    if (points.empty()) {
        minimum = maximum = 0;
        return;
    }
    minimum = std::min_element(points.begin(), points.end(), lessY)->y;
    maximum = std::max_element(points.begin(), points.end(), lessY)->y;
}

} // namespace stats
