// SPDX-License-Identifier: GPL-3.0-or-later
#include "backtest/StrategyWalk.h"

#include <vector>

#include "backtest/WalkForwardRun.h"
#include "common/Random.h"

namespace backtest {

RunOutcome StrategyWalk::run(qint32 seed) {
    // Chance draws its tips from a generator of its own, seeded once with the
    // lucky number: the walk-forward reseeds the program's generator for
    // every generation.
    common::Random chance(static_cast<std::uint32_t>(seed));
    const int k = m_report->numbersPerTip();
    const auto scoreCycle = [&](int position) {
        const history::TZiehung& scored = m_history.at(position);
        const history::NumberSet& drawn = m_history.setAt(position);
        const std::vector<int> strategyHits = m_host.tipHits();
        std::vector<history::NumberSet> tips = m_host.tipSets();
        // Each chance tip as long as the strategy's tip beside it: a kept
        // list may hold tips shorter than the report's size.
        std::vector<int> chanceHits;
        chanceHits.reserve(strategyHits.size());
        for (std::size_t i = 0; i < strategyHits.size(); ++i) {
            const int size = i < tips.size() ? tips[i].size() : k;
            chanceHits.push_back(StrategyReport::chanceTip(chance, size).common(drawn));
        }
        m_report->addCycle(scored.datum, scored.soir, std::move(tips), strategyHits, chanceHits);
    };
    WalkForwardRun walk(m_history, m_host);
    const RunOutcome outcome = walk.run(seed, scoreCycle);
    if (outcome != RunOutcome::Failed) {
        m_report->setStopped(outcome == RunOutcome::Stopped);
    }
    return outcome;
}

} // namespace backtest
