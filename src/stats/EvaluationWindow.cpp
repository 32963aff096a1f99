// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/EvaluationWindow.h"

#include <algorithm>

namespace stats {

EvaluationWindow::EvaluationWindow(common::DayNumber start, common::DayNumber end, Start startRule,
                                   StoreEnd storeEnd, common::DayNumber lowest)
    : m_startIncluded(startRule == Start::Included) {
    if (start > end) {
        // The start picker refuses dates before its lowest one; clamping keeps
        // the statistic on the window the user is looking at instead of one
        // built from a stale working date.
        start = std::max(end - kCorrectionDays, lowest);
        m_effects.startCorrected = true;
    }
    m_effects.start = start;
    m_effects.end = end;
    m_effects.aktDatum = start;
    if (storeEnd == StoreEnd::Yes) {
        m_effects.dfb = end;
    }
}

} // namespace stats
