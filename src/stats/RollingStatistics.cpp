// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/RollingStatistics.h"

#include "stats/OverdueNumbers.h"

namespace stats {

std::pair<int, int> RollingStatistics::positions(const history::DrawHistory& history,
                                                 const EvaluationWindow& window) {
    const WindowEffects& effects = window.effects();
    const int first = window.startIncluded() ? history.firstOnOrAfter(effects.start)
                                             : history.firstAfter(effects.start);
    return {first, std::max(first, history.firstAfter(effects.end))};
}

template <typename Add, typename Remove, typename Reset>
void RollingStatistics::move(Span* span, const history::DrawHistory& history, int key, int first,
                             int last, Add add, Remove remove, Reset reset) {
    // Draws only come in at the newest end and leave at the oldest; any other
    // change is a new window.
    if (span->history != history.identity() || span->key != key || first < span->first ||
        last < span->last || first > span->last) {
        reset();
        *span = Span{history.identity(), key, first, first};
    }
    for (; span->last < last; ++span->last) {
        add(span->last);
    }
    for (; span->first < first; ++span->first) {
        remove(span->first);
    }
}

StatOutcome RollingStatistics::numberDistribution(const history::DrawHistory& history,
                                                  common::DayNumber start, common::DayNumber end) {
    if (!history.datesAscending()) {
        return NumberDistribution::run(history, start, end);
    }
    const EvaluationWindow window = NumberDistribution::window(start, end);
    const auto [first, last] = positions(history, window);
    move(
        &m_numbersSpan, history, 0, first, last, [&](int i) { m_numbers.add(history.at(i), 1); },
        [&](int i) { m_numbers.add(history.at(i), -1); }, [&] { m_numbers = {}; });
    return NumberDistribution::outcome(m_numbers, window);
}

StatOutcome RollingStatistics::overdueNumbers(const history::DrawHistory& history,
                                              common::DayNumber start, common::DayNumber end) {
    if (!history.datesAscending()) {
        return OverdueNumbers::run(history, start, end);
    }
    const EvaluationWindow window = OverdueNumbers::window(start, end);
    const auto [first, last] = positions(history, window);
    // A number's last position stays where it was when older draws leave:
    // positions before the window's first read as not in the window.
    move(
        &m_overdueSpan, history, 0, first, last,
        [&](int i) {
            history.setAt(i).forEach(
                [&](int n) { m_lastPositions[static_cast<std::size_t>(n)] = i; });
        },
        [](int) {}, [&] { m_lastPositions.fill(-1); });
    return OverdueNumbers::outcome(m_lastPositions, first, last, window);
}

RunSearchOutcome RollingStatistics::runSearch(const history::DrawHistory& history,
                                              RunSearch::Kind kind, common::DayNumber start,
                                              common::DayNumber end, int numbersPerTip) {
    if (!history.datesAscending()) {
        return RunSearch::run(history, kind, start, end, numbersPerTip);
    }
    // One slot per run length: pairs, triples, quadruples.
    const auto slot =
        static_cast<std::size_t>(kind) - static_cast<std::size_t>(RunSearch::Kind::Pairs);
    RunSearch::Tally& tally = m_runs[slot];
    const EvaluationWindow window = RunSearch::window(kind, start, end);
    const auto [first, last] = positions(history, window);
    move(
        &m_runSpans[slot], history, numbersPerTip, first, last,
        [&](int i) { tally.add(history.setAt(i), kind, numbersPerTip, 1); },
        [&](int i) { tally.add(history.setAt(i), kind, numbersPerTip, -1); }, [&] { tally = {}; });
    return RunSearch::outcome(history, kind, tally, last > first ? last - 1 : -1, numbersPerTip,
                              window);
}

} // namespace stats
