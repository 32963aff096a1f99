#pragma once

#include <cmath>
#include <cstdint>

namespace common {

// Nearest integer; a value exactly halfway goes to the even neighbour
// (122.5 -> 122, 123.5 -> 124). std::nearbyint follows the current rounding
// mode, so the halfway case is decided explicitly here.
inline std::int64_t roundHalfEven(double value) {
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    auto result = static_cast<std::int64_t>(floorValue);
    if (diff > 0.5 || (diff == 0.5 && (result % 2 != 0))) {
        ++result;
    }
    return result;
}

} // namespace common
