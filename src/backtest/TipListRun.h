// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "backtest/BacktestResult.h"
#include "backtest/CursorWalk.h"
#include "tips/TipScorer.h"

namespace backtest {

// The cycles of the test of tips generated once: each cycle steps the cursor
// one draw on and adds how the whole tip list scores there, for hit counts
// 0..limit. The step that no longer advances (the newest draw) ends the run
// without being counted.
class TipListRun {
public:
    TipListRun(CursorWalk start, tips::TipScorer scorer, int limit)
        : m_walk(start), m_scorer(std::move(scorer)), m_limit(limit) {}

    bool cycle();
    bool run(int maxCycles);

    const BacktestResult& result() const { return m_result; }
    const CursorWalk& walk() const { return m_walk; }
    const std::optional<CursorWalk::State>& lastCycleStart() const { return m_lastStart; }

private:
    CursorWalk m_walk;
    tips::TipScorer m_scorer;
    int m_limit;
    BacktestResult m_result;
    std::optional<CursorWalk::State> m_lastStart;
    bool m_ended = false;
};

} // namespace backtest
