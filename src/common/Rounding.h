// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>

namespace common {

// Nearest integer; a value exactly halfway goes to the even neighbour
// (122.5 -> 122, 123.5 -> 124). std::nearbyint follows the current rounding
// mode, so the halfway case is decided explicitly here.
inline std::int64_t roundHalfEven(double value) {
    // A value no 64-bit integer holds (a damaged day number, an infinity) is
    // never cast: that is undefined. It counts as 0, or as the nearest end.
    constexpr double kLimit = 9.0e18;
    if (!std::isfinite(value) || std::fabs(value) >= kLimit) {
        return std::isnan(value) ? 0 : static_cast<std::int64_t>(value > 0 ? kLimit : -kLimit);
    }
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    auto result = static_cast<std::int64_t>(floorValue);
    if (diff > 0.5 || (diff == 0.5 && (result % 2 != 0))) {
        ++result;
    }
    return result;
}

} // namespace common
