// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "common/DayNumber.h"

namespace stats {

// What preparing the evaluation window changes in the main window: the start
// picker (when the start lay after the end), the working date aktDatum and,
// for some statistics, the field dfb.
struct WindowEffects {
    common::DayNumber start = 0; // the start the statistic counted from
    common::DayNumber end = 0;
    bool startCorrected = false; // the start picker has to show `start` now
    common::DayNumber aktDatum = 0;
    std::optional<common::DayNumber> dfb;
};

// The date range from the start picker to the end picker (the current-draw
// date) over which the history statistics count draws.
class EvaluationWindow {
public:
    enum class Start { Included, Excluded };
    enum class StoreEnd { No, Yes };

    // How far back the start goes when it was set after the end.
    static constexpr int kCorrectionDays = 365;

    // Prepares the window from the two picker dates (whole days). A start after
    // the end moves to end - 365 days, but never before the pickers' lowest
    // date, so the statistic always counts a window ending at the end date.
    EvaluationWindow(common::DayNumber start, common::DayNumber end, Start startRule,
                     StoreEnd storeEnd, common::DayNumber lowest = common::kFirstDrawDay);

    bool contains(common::DayNumber day) const {
        return (m_startIncluded ? day >= m_effects.start : day > m_effects.start) &&
               day <= m_effects.end;
    }
    const WindowEffects& effects() const { return m_effects; }
    bool startIncluded() const { return m_startIncluded; }

private:
    WindowEffects m_effects;
    bool m_startIncluded;
};

} // namespace stats
