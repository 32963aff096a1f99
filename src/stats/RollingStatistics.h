// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "history/DrawHistory.h"
#include "stats/NumberDistribution.h"
#include "stats/RunSearch.h"

namespace stats {

// The history statistics of an evaluation window, kept up to date while a
// walk through the history moves the window on draw by draw: each call adds
// the draws that came into the window and takes away those that left it,
// instead of counting the whole window again. The outcome is the one the
// statistic's own run gives. Where the history's dates do not ascend, or the
// window goes back, the statistic counts the window in full.
class RollingStatistics {
public:
    StatOutcome numberDistribution(const history::DrawHistory& history, common::DayNumber start,
                                   common::DayNumber end);
    StatOutcome overdueNumbers(const history::DrawHistory& history, common::DayNumber start,
                               common::DayNumber end);
    RunSearchOutcome runSearch(const history::DrawHistory& history, RunSearch::Kind kind,
                               common::DayNumber start, common::DayNumber end, int numbersPerTip);

private:
    // Positions first..last-1 of one history, and whatever is kept of them.
    struct Span {
        const void* history = nullptr;
        int key = 0;
        int first = 0;
        int last = 0;
    };
    template <typename Add, typename Remove, typename Reset>
    static void move(Span* span, const history::DrawHistory& history, int key, int first, int last,
                     Add add, Remove remove, Reset reset);
    static std::pair<int, int> positions(const history::DrawHistory& history,
                                         const EvaluationWindow& window);

    Span m_numbersSpan;
    NumberDistribution::Tally m_numbers;
    Span m_overdueSpan;
    std::array<int, 71> m_lastPositions{};
    std::array<Span, 3> m_runSpans;
    std::array<RunSearch::Tally, 3> m_runs;
};

} // namespace stats
