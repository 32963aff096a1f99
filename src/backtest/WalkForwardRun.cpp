// SPDX-License-Identifier: GPL-3.0-or-later
#include "backtest/WalkForwardRun.h"

#include <algorithm>

#include "stats/RollingStatistics.h"

namespace backtest {

RunOutcome WalkForwardRun::run(qint32 seed, const CycleObserver& afterCycle) {
    const int last = std::max(0, m_history.size() - 1);
    const int first = m_host.position();
    // Consecutive generations see windows a draw apart: their counts are
    // carried on instead of counted anew.
    stats::RollingStatistics rolling;
    for (;;) {
        // A step from the newest draw would not advance: the run is over, and
        // a generation there would be scored against nothing.
        const int before = m_host.position();
        if (before >= last) {
            return RunOutcome::Completed;
        }
        // The generation for the next draw sees the draws up to this one
        // only: on a day with two draws, the evening draw it is scored on
        // shares the date and would otherwise be in its statistics.
        switch (m_host.generate(seed, m_history.prefix(before + 1), &rolling)) {
        case WalkForwardHost::Generation::Failed:
            return RunOutcome::Failed;
        case WalkForwardHost::Generation::Cancelled:
            return RunOutcome::Stopped;
        case WalkForwardHost::Generation::Made:
            break;
        }
        m_host.stepForwardFrom(before);
        m_result.addCheck(m_host.hitCounts(), m_host.numbersPerTip());
        ++m_result.cycles;
        const int scored = m_host.position();
        if (afterCycle) {
            afterCycle(scored);
        }
        if (!m_host.progress(m_result.cycles, m_history.at(scored).datum, last - first)) {
            return RunOutcome::Stopped;
        }
    }
}

} // namespace backtest
