// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

#include "generator/HistoryProbe.h"
#include "history/DrawHistory.h"

namespace generator {

// The history probe that works from memory. When the history's dates ascend,
// a period is a range of positions found by its ends, and an attempt's hits
// are counted for 64 draws at a time from the history's number positions; otherwise the draws of a
// period are taken from the history once as bit sets and kept while the period stays the same. Two
// periods are kept, one per history test, so the tests do not evict each other.
class WindowDraws : public HistoryProbe {
public:
    explicit WindowDraws(const history::DrawHistory& history) : m_history(history) {}

    bool passes(const Attempt& attempt, common::DayNumber from, common::DayNumber to,
                int threshold) override;

private:
    struct Window {
        bool valid = false;
        common::DayNumber from = 0;
        common::DayNumber to = 0;
        int first = 0; // positions first..last-1, when the dates ascend
        int last = 0;
        std::vector<Bits> draws;
        // Draws holding a number twice: the tip check counts such a number
        // twice, which a bit set cannot, so they are counted one by one.
        std::vector<std::array<int, 20>> irregular;
    };
    Window& window(common::DayNumber from, common::DayNumber to);
    void fill(Window& window) const;
    bool passesInPlace(const Window& window, const Attempt& attempt, int threshold) const;
    // True when no regular draw at positions first..last-1 has threshold or
    // more of the attempt's numbers.
    bool noneCounted(int first, int last, const Attempt& attempt, int threshold) const;
    static int irregularHits(const history::TZiehung& record, const Attempt& attempt);

    const history::DrawHistory& m_history;
    std::array<Window, 2> m_windows;
    int m_nextSlot = 0;
};

} // namespace generator
