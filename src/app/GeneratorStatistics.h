// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandHosts.h"
#include "generator/StatisticsProvider.h"
#include "history/DrawHistory.h"
#include "stats/RollingStatistics.h"

namespace app {

// The statistics a generator run takes its pool from, computed over the
// history the run read once, over the evaluation window of the run's
// pickers. Each result is put on the chart as its button would put it, and
// a start picker that lay after the end is moved back as the button does.
class GeneratorStatistics : public generator::StatisticsProvider {
public:
    // With rolling statistics (a backtest's walk) the window's counts are
    // carried on from the previous generation instead of counted anew.
    GeneratorStatistics(GenerationHost& host, const history::DrawHistory& history,
                        generator::Parameters& parameters,
                        stats::RollingStatistics* rolling = nullptr)
        : m_host(host), m_history(history), m_parameters(parameters), m_rolling(rolling) {}

    bool compute(generator::Statistic statistic, const generator::Parameters& parameters,
                 stats::StatResult* result, QString* error) override;

private:
    GenerationHost& m_host;
    const history::DrawHistory& m_history;
    generator::Parameters& m_parameters;
    stats::RollingStatistics* m_rolling;
};

} // namespace app
