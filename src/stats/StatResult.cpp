// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/StatResult.h"

#include <algorithm>
#include <array>
#include <cmath>

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

double StatResult::shownMinimum() const {
    double low = rangeMinimum();
    double high = rangeMaximum();
    for (const ChanceLine& line : chance) {
        for (double y : line.y) {
            low = std::min(low, y);
            high = std::max(high, y);
        }
    }
    if (low <= 0) {
        return low;
    }
    // A bar grows from the axis' foot: an axis that starts at the least count
    // leaves that bar without height and makes the others look many times
    // taller than it.
    const double room = std::max(1.0, 0.1 * (high - low));
    return std::max(0.0, std::floor(low - room));
}

double StatResult::shownMaximum() const {
    double high = rangeMaximum();
    for (const ChanceLine& line : chance) {
        for (double y : line.y) {
            high = std::max(high, y);
        }
    }
    // Room above the tallest bar for its value label.
    const double low = shownMinimum();
    return std::max(high + std::max(1.0, 0.04 * (high - low)), low + 1);
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
