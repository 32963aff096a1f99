// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace backtest {

// How a backtest run ended.
enum class RunOutcome {
    Completed, // the run reached the end of the history (or had nothing to do)
    Stopped,   // stopped by the user; the result holds the cycles done
    Failed     // the run could not go on; its result is of no use
};

} // namespace backtest
