// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <limits>

#include "history/DrawHistory.h"

namespace backtest {

// The current-draw cursor and the two date pickers it moves, stepped over a
// history held in memory. Each move lands where the window's step buttons
// land on a file holding the same records, so a backtest can run thousands
// of cycles without touching the file or the window.
class CursorWalk {
public:
    // Dates the pickers refuse lie below their lowest date.
    static constexpr common::DayNumber kNoLowest = -std::numeric_limits<double>::infinity();

    struct State {
        int position = 0;
        common::DayNumber picker1 = 0; // the draw date picker
        common::DayNumber picker2 = 0; // the start of the statistics window
    };

    CursorWalk(const history::DrawHistory& history, State start,
               common::DayNumber picker1Lowest = kNoLowest,
               common::DayNumber picker2Lowest = kNoLowest);

    // Step back: one record back, never below the first.
    void stepBack();
    // Step forward: one record on, staying on the newest; pulls the start of
    // the statistics window back a year when it lies after the draw date.
    void stepForward();

    const State& state() const { return m_state; }
    int position() const { return m_state.position; }
    common::DayNumber picker1() const { return m_state.picker1; }
    // The record the cursor holds (an all-zero draw on an empty history).
    const history::TZiehung& draw() const;
    // Its numbers as a set; empty on an empty history.
    const history::NumberSet& drawSet() const;
    const history::DrawHistory& history() const { return *m_history; }

private:
    int recordIndex() const;
    void showOnPicker();

    const history::DrawHistory* m_history;
    State m_state;
    common::DayNumber m_picker1Lowest;
    common::DayNumber m_picker2Lowest;
};

} // namespace backtest
