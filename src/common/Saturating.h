// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <limits>

namespace common {

// a + b held within the 64-bit range: counters and weights the user can type
// (up to 19 digits) stop at the largest value instead of wrapping round.
inline qint64 addSaturated(qint64 a, qint64 b) {
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    }
    return sum;
}

} // namespace common
