#include "stats/NumberDistribution.h"

#include <array>

#include "common/Rounding.h"

namespace stats {

QString NumberDistribution::caption(int draws, double crossSumTotal) {
    return QStringLiteral("la distribution en nombre     tirer: ") + QString::number(draws) +
           QStringLiteral("    traverser la somme: ") +
           QString::number(common::roundHalfEven(crossSumTotal / draws));
}

StatOutcome NumberDistribution::run(const history::DrawHistory& history, common::DayNumber start,
                                    common::DayNumber end) {
    const EvaluationWindow window(start, end, EvaluationWindow::Start::Included,
                                  EvaluationWindow::StoreEnd::No);
    std::array<int, 71> counters{};
    double draws = 0;
    double crossSumTotal = 0;
    for (const history::TZiehung& record : history.records()) {
        if (!window.contains(record.datum)) {
            continue;
        }
        int crossSum = 0;
        for (std::uint8_t number : record.zahlen) {
            // A damaged record may hold bytes beyond 70; they count in the
            // cross sum as stored but have no counter.
            if (number <= 70) {
                ++counters[number];
            }
            crossSum += number;
        }
        draws += 1;
        crossSumTotal += crossSum;
    }

    StatOutcome outcome;
    outcome.window = window.effects();
    outcome.draws = static_cast<int>(draws);
    outcome.marksOff = true;
    for (int n = 1; n <= 70; ++n) {
        outcome.result.points.push_back({double(n), double(counters[n]), numberColor(n)});
    }
    outcome.result.fixRangeToPoints();
    if (draws > 0) {
        outcome.result.caption = caption(outcome.draws, crossSumTotal);
    } else {
        outcome.keepCaption = true;
    }
    return outcome;
}

} // namespace stats
