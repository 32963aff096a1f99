// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValueAxis>

namespace charts {

// Counts have no fractions: an axis over [low, high] gets its ticks on whole
// numbers, 1, 2 or 5 times a power of ten apart, at most eight of them.
double wholeTickStep(double span);
void setWholeTicks(QValueAxis* axis, double low, double high);

} // namespace charts
