// SPDX-License-Identifier: GPL-3.0-or-later
#include "backtest/CursorWalk.h"

#include <algorithm>

namespace backtest {

namespace {
const history::TZiehung kNoDraw{};
const history::NumberSet kNoSet{};
} // namespace

CursorWalk::CursorWalk(const history::DrawHistory& history, State start,
                       common::DayNumber picker1Lowest, common::DayNumber picker2Lowest)
    : m_history(&history), m_state(start), m_picker1Lowest(picker1Lowest),
      m_picker2Lowest(picker2Lowest) {
}

int CursorWalk::recordIndex() const {
    return std::min(m_state.position, m_history->size() - 1);
}

const history::TZiehung& CursorWalk::draw() const {
    const int index = recordIndex();
    return index >= 0 ? m_history->at(index) : kNoDraw;
}

const history::NumberSet& CursorWalk::drawSet() const {
    const int index = recordIndex();
    return index >= 0 ? m_history->setAt(index) : kNoSet;
}

void CursorWalk::showOnPicker() {
    // The picker refuses a date below its lowest and keeps the old one.
    const common::DayNumber day = draw().datum;
    if (day >= m_picker1Lowest) {
        m_state.picker1 = day;
    }
}

void CursorWalk::stepBack() {
    m_state.position = std::max(0, m_state.position - 1);
    showOnPicker();
}

void CursorWalk::stepForward() {
    if (m_state.picker2 > m_state.picker1 && m_state.picker1 - 365 >= m_picker2Lowest) {
        m_state.picker2 = m_state.picker1 - 365;
    }
    m_state.position = std::min(m_state.position + 1, std::max(0, m_history->size() - 1));
    showOnPicker();
}

} // namespace backtest
