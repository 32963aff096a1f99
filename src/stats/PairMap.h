// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "common/DayNumber.h"
#include "history/DrawHistory.h"
#include "stats/ChanceVerdict.h"
#include "stats/EvaluationWindow.h"

namespace stats {

// How often each two numbers were drawn together over the window, beside
// chance: a draw holds a given pair with the share 20·19 / (70·69), so a
// pair's count is binomial over the window's draws.
class PairMap {
public:
    using Counts = std::array<std::array<int, 71>, 71>;

    // The window is the number distribution's: the start day included.
    static PairMap run(const history::DrawHistory& history, common::DayNumber start,
                       common::DayNumber end);

    int draws() const { return m_draws; }
    // The draws holding both a and b (a != b, 1..70); symmetric.
    int count(int a, int b) const {
        return m_counts[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
    }
    const Counts& counts() const { return m_counts; }
    static double share();
    double expected() const { return m_draws * share(); }
    double standardDeviation() const;
    // How far a pair's count lies from chance, in standard deviations.
    double deviation(int a, int b) const;
    const Verdict& verdict() const { return m_verdict; }
    const WindowEffects& window() const { return m_window; }

private:
    int m_draws = 0;
    Counts m_counts{};
    Verdict m_verdict;
    WindowEffects m_window;
};

} // namespace stats
