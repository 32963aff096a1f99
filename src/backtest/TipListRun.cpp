// SPDX-License-Identifier: GPL-3.0-or-later
#include "backtest/TipListRun.h"

namespace backtest {

bool TipListRun::cycle() {
    if (m_ended) {
        return false;
    }
    const CursorWalk::State start = m_walk.state();
    CursorWalk next = m_walk;
    next.stepForward();
    if (next.position() <= start.position) {
        m_ended = true;
        return false;
    }
    m_walk = next;
    m_lastStart = start;
    m_result.addCheck(m_scorer.statistik(m_walk.draw(), m_walk.drawSet()), m_limit);
    ++m_result.cycles;
    return true;
}

bool TipListRun::run(int maxCycles) {
    for (int i = 0; i < maxCycles; ++i) {
        if (!cycle()) {
            return false;
        }
    }
    return true;
}

} // namespace backtest
