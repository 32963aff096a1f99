// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/NumberDistribution.h"

#include <array>

#include "common/Rounding.h"

namespace stats {

QString NumberDistribution::caption(int draws, double crossSumTotal) {
    return QStringLiteral("la distribution en nombre     tirer: ") + QString::number(draws) +
           QStringLiteral("    traverser la somme: ") +
           QString::number(common::roundHalfEven(crossSumTotal / draws));
}

void NumberDistribution::Tally::add(const history::TZiehung& record, int sign) {
    int crossSum = 0;
    for (std::uint8_t number : record.zahlen) {
        // A damaged record may hold bytes beyond 70; they count in the
        // cross sum as stored but have no counter.
        if (number <= 70) {
            counters[number] += sign;
        }
        crossSum += number;
    }
    draws += sign;
    crossSumTotal += sign * crossSum;
}

EvaluationWindow NumberDistribution::window(common::DayNumber start, common::DayNumber end) {
    return EvaluationWindow(start, end, EvaluationWindow::Start::Included,
                            EvaluationWindow::StoreEnd::No);
}

StatOutcome NumberDistribution::run(const history::DrawHistory& history, common::DayNumber start,
                                    common::DayNumber end) {
    const EvaluationWindow evaluation = window(start, end);
    Tally tally;
    for (const history::TZiehung& record : history.records()) {
        if (evaluation.contains(record.datum)) {
            tally.add(record, 1);
        }
    }
    return outcome(tally, evaluation);
}

StatOutcome NumberDistribution::outcome(const Tally& tally, const EvaluationWindow& window) {
    StatOutcome outcome;
    outcome.window = window.effects();
    outcome.draws = tally.draws;
    outcome.marksOff = true;
    for (int n = 1; n <= 70; ++n) {
        outcome.result.points.push_back(
            {double(n), double(tally.counters[static_cast<std::size_t>(n)]), numberColor(n)});
    }
    outcome.result.fixRangeToPoints();
    if (tally.draws > 0) {
        outcome.result.caption = caption(outcome.draws, tally.crossSumTotal);
    } else {
        outcome.keepCaption = true;
    }
    return outcome;
}

} // namespace stats
