// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <functional>

#include "backtest/BacktestResult.h"
#include "backtest/RunOutcome.h"
#include "backtest/WalkForwardHost.h"
#include "history/DrawHistory.h"

namespace backtest {

// The walk-forward: from the current draw to the newest, each cycle a fresh
// generation on the draws up to the cursor, scored on the draw after it. A
// generation never sees the draw it is scored on, not even the evening draw
// of the day it was made on.
class WalkForwardRun {
public:
    // Called after each counted cycle with the position of the scored draw.
    using CycleObserver = std::function<void(int position)>;

    WalkForwardRun(const history::DrawHistory& history, WalkForwardHost& host)
        : m_history(history), m_host(host) {}

    // Runs from the host's current draw until the newest draw is scored, a
    // stop is asked for (after the current cycle) or a generation fails.
    RunOutcome run(qint32 seed, const CycleObserver& afterCycle = {});

    const BacktestResult& result() const { return m_result; }

private:
    const history::DrawHistory& m_history;
    WalkForwardHost& m_host;
    BacktestResult m_result;
};

} // namespace backtest
