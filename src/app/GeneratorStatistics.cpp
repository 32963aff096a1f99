// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GeneratorStatistics.h"

#include "common/DayNumber.h"
#include "stats/NumberDistribution.h"
#include "stats/OverdueNumbers.h"
#include "stats/RunSearch.h"

namespace app {

namespace {

stats::StatOutcome rollingOutcome(stats::RollingStatistics& rolling, generator::Statistic statistic,
                                  const history::DrawHistory& history, common::DayNumber start,
                                  common::DayNumber end, int numbersPerTip) {
    switch (statistic) {
    case generator::Statistic::Numbers:
        return rolling.numberDistribution(history, start, end);
    case generator::Statistic::Overdue:
        return rolling.overdueNumbers(history, start, end);
    default:
        return rolling.runSearch(history, statistic, start, end, numbersPerTip);
    }
}

stats::StatOutcome computeOutcome(generator::Statistic statistic,
                                  const history::DrawHistory& history, common::DayNumber start,
                                  common::DayNumber end, int numbersPerTip) {
    switch (statistic) {
    case generator::Statistic::Numbers:
        return stats::NumberDistribution::run(history, start, end);
    case generator::Statistic::Overdue:
        return stats::OverdueNumbers::run(history, start, end);
    default:
        return stats::RunSearch::run(history, statistic, start, end, numbersPerTip);
    }
}

} // namespace

bool GeneratorStatistics::compute(generator::Statistic statistic,
                                  const generator::Parameters& parameters,
                                  stats::StatResult* result, QString*) {
    const common::DayNumber start = common::toDayNumber(parameters.dateTimePicker2);
    const common::DayNumber end = common::toDayNumber(parameters.dateTimePicker1);
    const stats::StatOutcome outcome =
        m_rolling
            ? rollingOutcome(*m_rolling, statistic, m_history, start, end, parameters.upDown18)
            : computeOutcome(statistic, m_history, start, end, parameters.upDown18);
    if (outcome.window) {
        const stats::WindowEffects& effects = *outcome.window;
        if (effects.startCorrected) {
            m_parameters.dateTimePicker2 = common::toDate(effects.start);
            m_host.controls().setDate(Control::DateTimePicker2, m_parameters.dateTimePicker2);
        }
        m_host.current().aktDatum = effects.aktDatum;
        if (effects.dfb) {
            m_host.setDfb(*effects.dfb);
        }
    }
    stats::StatResult published = outcome.result;
    if (outcome.keepCaption) {
        published.caption = m_host.chart().caption;
    }
    if (!published.fixedRange) {
        // Resolved now, so the run and the chart read the same range.
        published.minimum = published.rangeMinimum();
        published.maximum = published.rangeMaximum();
    }
    m_host.publishChart(published);
    *result = published;
    return true;
}

} // namespace app
