// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace backtest {

// The seven backtests of the analyse page, numbered as the command line and
// the log know them.
enum class BacktestKind {
    GeneratedTips = 1,  // the tips generated once, scored against every later draw
    WalkForward = 2,    // a fresh generation scored against each next draw
    NextDraw = 3,       // a draw's numbers against the next draw
    SecondNextDraw = 4, // ... against the draw two ahead
    ThirdNextDraw = 5,  // ... against the draw three ahead
    NextThreeDraws = 6, // ... against each of the next three draws
    LastThreeDraws = 7, // ... against each of the three previous draws
};

// One cursor move of a cycle; a scored move adds the check after it to the tally.
struct Move {
    bool forward = true;
    bool scored = false;
};

class BacktestInfo {
public:
    static std::optional<BacktestKind> fromNumber(int number);
    static int number(BacktestKind kind) { return static_cast<int>(kind); }
    // Whether the tip is a draw's own numbers rather than generated tips.
    static bool usesDrawAsTip(BacktestKind kind) { return number(kind) >= 3; }
    static bool keepsExtremes(BacktestKind kind) {
        return kind == BacktestKind::NextThreeDraws || kind == BacktestKind::LastThreeDraws;
    }
    // The cursor moves of one cycle, in order; the cursor ends one draw further.
    static std::vector<Move> moves(BacktestKind kind);
    // The text shown when the run fails.
    static QString errorMessage(BacktestKind kind);
    // The window's handler name, for the command's button.
    static QString buttonName(BacktestKind kind);
};

} // namespace backtest
