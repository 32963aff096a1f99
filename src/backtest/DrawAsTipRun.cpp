// SPDX-License-Identifier: GPL-3.0-or-later
#include "backtest/DrawAsTipRun.h"

#include <QStringList>

#include "tips/TipScorer.h"

namespace backtest {

DrawAsTipRun::DrawAsTipRun(BacktestKind kind, CursorWalk start)
    : m_kind(kind), m_moves(BacktestInfo::moves(kind)), m_walk(start) {
}

QString DrawAsTipRun::probeLine(const history::TZiehung& draw) {
    QStringList parts;
    for (std::uint8_t number : draw.zahlen) {
        parts << QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    }
    return parts.join(QLatin1Char(','));
}

bool DrawAsTipRun::cycle() {
    if (m_ended) {
        return false;
    }
    CursorWalk walk = m_walk;
    const history::TZiehung& probe = walk.draw();
    const history::NumberSet& probeSet = walk.drawSet();
    const bool plainProbe = tips::TipScorer::isPlainDraw(probeSet);
    std::array<int, 21> counted{};
    int matchSum = 0;
    bool everyScoredStepMoved = true;
    for (const Move& move : m_moves) {
        const int from = walk.position();
        if (move.forward) {
            walk.stepForward();
        } else {
            walk.stepBack();
        }
        if (!move.scored) {
            continue;
        }
        everyScoredStepMoved = everyScoredStepMoved && walk.position() != from;
        const int hits = plainProbe && tips::TipScorer::isPlainDraw(walk.drawSet())
                             ? probeSet.common(walk.drawSet())
                             : tips::TipScorer::countHits(probe.zahlen, walk.draw().zahlen);
        if (hits <= 20) {
            ++counted[static_cast<std::size_t>(hits)];
        }
        matchSum += hits;
    }
    if (walk.position() <= m_walk.position()) {
        m_ended = true;
        // The comparison with the three draws before the newest is real data
        // although the cursor can go no further; any other last cycle would
        // score a draw against itself or one already scored.
        if (!everyScoredStepMoved) {
            return false;
        }
    }
    m_lastStart = m_walk.state();
    m_walk = walk;
    m_result.addCheck(counted, 20);
    ++m_result.cycles;
    if (BacktestInfo::keepsExtremes(m_kind)) {
        m_result.noteMatchSum(matchSum, m_walk.picker1());
    }
    return true;
}

bool DrawAsTipRun::run(int maxCycles) {
    for (int i = 0; i < maxCycles; ++i) {
        if (!cycle()) {
            return false;
        }
    }
    return true;
}

} // namespace backtest
