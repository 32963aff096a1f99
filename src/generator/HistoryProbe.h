// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/DayNumber.h"
#include "generator/Attempt.h"

namespace generator {

// Looks for a past draw in which an attempt would have scored too much.
class HistoryProbe {
public:
    virtual ~HistoryProbe() = default;
    // True when no draw with from < date <= to has threshold or more hits
    // with the attempt. Hits count as the tip check counts them.
    virtual bool passes(const Attempt& attempt, common::DayNumber from, common::DayNumber to,
                        int threshold) = 0;
};

} // namespace generator
