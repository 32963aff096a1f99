// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include "backtest/RunOutcome.h"
#include "backtest/StrategyReport.h"
#include "backtest/WalkForwardHost.h"
#include "history/DrawHistory.h"

namespace backtest {

// The walk-forward scored for the strategy report: after each cycle the hits
// of each of the strategy's tips on the scored draw, beside as many chance
// tips of the report's size on the same draw.
class StrategyWalk {
public:
    StrategyWalk(const history::DrawHistory& history, WalkForwardHost& host, StrategyReport* report)
        : m_history(history), m_host(host), m_report(report) {}

    // The walk-forward with the lucky number seed; a stopped run marks the
    // report as stopped.
    RunOutcome run(qint32 seed);

private:
    const history::DrawHistory& m_history;
    WalkForwardHost& m_host;
    StrategyReport* m_report;
};

} // namespace backtest
