// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/CrossSumDistribution.h"

#include <algorithm>
#include <vector>

#include "common/Rounding.h"

namespace stats {

namespace {
// The largest sum twenty stored bytes can make, so that even a damaged record
// has a counter.
constexpr int kLargestSum = 20 * 255;
} // namespace

QString CrossSumDistribution::caption(int draws, double crossSumTotal) {
    return QStringLiteral("traverser la somme de distribution Match nul: ") +
           QString::number(draws) + QStringLiteral("    traverser la somme: ") +
           QString::number(common::roundHalfEven(crossSumTotal / draws));
}

StatOutcome CrossSumDistribution::run(const history::DrawHistory& history, common::DayNumber start,
                                      common::DayNumber end) {
    const EvaluationWindow window(start, end, EvaluationWindow::Start::Excluded,
                                  EvaluationWindow::StoreEnd::Yes);
    std::vector<int> counters(kLargestSum + 1, 0);
    int smallest = 6000;
    int largest = 0;
    double draws = 0;
    double total = 0;
    for (const history::TZiehung& record : history.records()) {
        if (!window.contains(record.datum)) {
            continue;
        }
        const int sum = record.crossSum();
        ++counters[static_cast<std::size_t>(sum)];
        smallest = std::min(smallest, sum);
        largest = std::max(largest, sum);
        draws += 1;
        total += sum;
    }

    StatOutcome outcome;
    outcome.window = window.effects();
    outcome.draws = static_cast<int>(draws);
    outcome.result.fixedRange = false;
    if (draws == 0) {
        outcome.keepCaption = true;
        return outcome;
    }
    for (int sum = smallest; sum <= largest; ++sum) {
        outcome.result.points.push_back(
            {double(sum), double(counters[static_cast<std::size_t>(sum)]), kSeriesDefault});
    }
    outcome.result.caption = caption(outcome.draws, total);
    return outcome;
}

} // namespace stats
