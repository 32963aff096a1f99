// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/OverdueNumbers.h"

#include <array>

namespace stats {

QString OverdueNumbers::caption() {
    return QStringLiteral(
        "Quel nombre est en retard, ce qui n`était pas depuis autant de nouveaux tirages lieu?");
}

EvaluationWindow OverdueNumbers::window(common::DayNumber start, common::DayNumber end) {
    return EvaluationWindow(start, end, EvaluationWindow::Start::Excluded,
                            EvaluationWindow::StoreEnd::Yes);
}

StatOutcome OverdueNumbers::run(const history::DrawHistory& history, common::DayNumber start,
                                common::DayNumber end) {
    const EvaluationWindow evaluation = window(start, end);
    // Walking backwards, the first window draw that holds a number is its
    // last one in file order; its distance from the newest window draw is the
    // number of draws gone by since.
    std::array<int, 71> gaps{};
    history::NumberSet seen;
    int windowDraws = 0;
    for (int i = history.size() - 1; i >= 0; --i) {
        if (!evaluation.contains(history.at(i).datum)) {
            continue;
        }
        const history::NumberSet& drawn = history.setAt(i);
        const history::NumberSet fresh{drawn.low & ~seen.low, drawn.high & ~seen.high};
        if (fresh.low != 0 || fresh.high != 0) {
            for (int n = 1; n <= 70; ++n) {
                if (fresh.contains(n)) {
                    gaps[static_cast<std::size_t>(n)] = 1 + windowDraws;
                }
            }
            seen.low |= fresh.low;
            seen.high |= fresh.high;
        }
        ++windowDraws;
    }
    for (int n = 1; n <= 70; ++n) {
        if (!seen.contains(n)) {
            gaps[static_cast<std::size_t>(n)] = 1 + windowDraws;
        }
    }
    return published(gaps, windowDraws, evaluation);
}

StatOutcome OverdueNumbers::outcome(const std::array<int, 71>& lastPositions, int first, int last,
                                    const EvaluationWindow& window) {
    std::array<int, 71> gaps{};
    for (int n = 1; n <= 70; ++n) {
        const int position = lastPositions[static_cast<std::size_t>(n)];
        gaps[static_cast<std::size_t>(n)] = position >= first ? last - position : 1 + last - first;
    }
    return published(gaps, last - first, window);
}

StatOutcome OverdueNumbers::published(const std::array<int, 71>& gaps, int windowDraws,
                                      const EvaluationWindow& window) {
    StatOutcome outcome;
    outcome.window = window.effects();
    outcome.draws = windowDraws;
    outcome.showChartPage = true;
    for (int n = 1; n <= 70; ++n) {
        outcome.result.points.push_back(
            {double(n), double(gaps[static_cast<std::size_t>(n)]), numberColor(n)});
    }
    outcome.result.fixRangeToPoints();
    outcome.result.caption = caption();
    return outcome;
}

} // namespace stats
