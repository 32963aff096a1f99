// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <vector>

#include "app/CommandHosts.h"
#include "backtest/RunOutcome.h"
#include "backtest/StrategyReport.h"
#include "history/DrawHistory.h"

namespace app {

// The strategy walks of several lucky numbers side by side, one per core.
// Each seed walks on a copy of the session made before any starts, so that
// its report is the one a single run with that seed gives; the session
// itself is never touched while they run.
class SeedWalks {
public:
    struct Result {
        qint32 seed = 0;
        backtest::RunOutcome outcome = backtest::RunOutcome::Failed;
        backtest::StrategyReport report{10, 1};
        // What the walk would have shown in a message box, in order.
        QStringList messages;
    };
    // Called on the calling thread every so often with the cycles done over
    // all seeds; false asks every walk to stop after its current cycle.
    using Progress = std::function<bool(int done)>;

    SeedWalks(BacktestHost& host, const history::DrawHistory& history)
        : m_host(host), m_history(history) {}

    // The walks from the session's current draw, in the order of seeds. A
    // walk that fails stops the others.
    std::vector<Result> run(const std::vector<qint32>& seeds, const Progress& progress);

private:
    BacktestHost& m_host;
    const history::DrawHistory& m_history;
};

} // namespace app
