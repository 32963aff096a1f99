// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "stats/StatOutcome.h"

namespace stats {

// How often each number 1..70 occurs in the tips of the tip list.
class TipDistribution {
public:
    // Each line is cut into fields as the tip check cuts it (leading blanks
    // skipped, a blank before a comma makes the field no number, at most 26
    // fields); the first field that is not an integer ends the counting for
    // all remaining lines, and what was counted so far is published. Numbers
    // outside 1..70 are not counted.
    static StatOutcome run(const QStringList& tipLines);

    static QString caption();
};

} // namespace stats
