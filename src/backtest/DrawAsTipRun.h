// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "backtest/BacktestKind.h"
#include "backtest/BacktestResult.h"
#include "backtest/CursorWalk.h"

namespace backtest {

// The cycles of the five tests that take the numbers of the draw under the
// cursor as the only tip and score them against neighbouring draws. One
// cycle moves the cursor as the test prescribes and ends one draw further.
// A cycle that does not advance the cursor (the end of the history) ends the
// run; it is counted only when each of its scored steps reached a draw of its
// own (the newest draw against the three before it), since otherwise it
// would score the probe against its own draw or a draw already scored.
class DrawAsTipRun {
public:
    DrawAsTipRun(BacktestKind kind, CursorWalk start);

    // Performs the next cycle; false when the run has ended (nothing counted).
    bool cycle();
    // Runs cycles until the run ends or maxCycles more have been performed;
    // false when the run has ended.
    bool run(int maxCycles);

    const BacktestResult& result() const { return m_result; }
    const CursorWalk& walk() const { return m_walk; }
    // Where the cursor and the pickers stood when the last counted cycle began.
    const std::optional<CursorWalk::State>& lastCycleStart() const { return m_lastStart; }
    bool ended() const { return m_ended; }

    // The probe tip of a draw: its numbers in draw order, two digits at least.
    static QString probeLine(const history::TZiehung& draw);

private:
    BacktestKind m_kind;
    std::vector<Move> m_moves;
    CursorWalk m_walk;
    BacktestResult m_result;
    std::optional<CursorWalk::State> m_lastStart;
    bool m_ended = false;
};

} // namespace backtest
