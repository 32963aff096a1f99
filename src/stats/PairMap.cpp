// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/PairMap.h"

#include <cmath>

#include "stats/Chance.h"
#include "stats/NumberDistribution.h"

namespace stats {

PairMap PairMap::run(const history::DrawHistory& history, common::DayNumber start,
                     common::DayNumber end) {
    const EvaluationWindow window = NumberDistribution::window(start, end);
    PairMap map;
    std::array<int, 20> drawn{};
    for (int i = 0; i < history.size(); ++i) {
        if (!window.contains(history.at(i).datum)) {
            continue;
        }
        // The set holds each number once, whatever a damaged record repeats.
        const history::NumberSet& set = history.setAt(i);
        int k = 0;
        set.forEach([&](int n) {
            if (k < 20) {
                drawn[static_cast<std::size_t>(k++)] = n;
            }
        });
        for (int x = 0; x < k; ++x) {
            for (int y = x + 1; y < k; ++y) {
                const auto a = static_cast<std::size_t>(drawn[static_cast<std::size_t>(x)]);
                const auto b = static_cast<std::size_t>(drawn[static_cast<std::size_t>(y)]);
                ++map.m_counts[a][b];
                ++map.m_counts[b][a];
            }
        }
        ++map.m_draws;
    }
    map.m_window = window.effects();
    map.m_verdict = ChanceVerdict::pairs(map.m_counts, map.m_draws);
    return map;
}

double PairMap::share() {
    return Chance::runShare(2);
}

double PairMap::standardDeviation() const {
    return std::sqrt(m_draws * share() * (1 - share()));
}

double PairMap::deviation(int a, int b) const {
    const double sd = standardDeviation();
    return sd > 0 ? (count(a, b) - expected()) / sd : 0;
}

} // namespace stats
