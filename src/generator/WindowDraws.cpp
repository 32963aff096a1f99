#include "generator/WindowDraws.h"

#include <algorithm>

namespace generator {

bool WindowDraws::passes(const Attempt& attempt, common::DayNumber from, common::DayNumber to,
                         int threshold) {
    const Window& w = window(from, to);
    if (threshold <= 0) {
        return w.draws.empty() && w.irregular.empty();
    }
    if (threshold <= attempt.count) {
        const Bits bits = attempt.bits;
        for (const Bits draw : w.draws) {
            if (countBits(bits & draw) >= threshold) {
                return false;
            }
        }
    }
    for (const std::array<int, 20>& draw : w.irregular) {
        int hits = 0;
        for (int number : draw) {
            hits += (number >= 1 && number <= 70 && (attempt.bits & bitOf(number))) ? 1 : 0;
        }
        if (hits >= threshold) {
            return false;
        }
    }
    return true;
}

WindowDraws::Window& WindowDraws::window(common::DayNumber from, common::DayNumber to) {
    for (Window& w : m_windows) {
        if (w.valid && w.from == from && w.to == to) {
            return w;
        }
    }
    Window& w = m_windows[static_cast<std::size_t>(m_nextSlot)];
    m_nextSlot = (m_nextSlot + 1) % static_cast<int>(m_windows.size());
    w.valid = true;
    w.from = from;
    w.to = to;
    fill(w);
    return w;
}

void WindowDraws::fill(Window& w) const {
    w.draws.clear();
    w.irregular.clear();
    for (int i = 0; i < m_history.size(); ++i) {
        const history::TZiehung& record = m_history.at(i);
        if (!(record.datum > w.from && record.datum <= w.to)) {
            continue;
        }
        const history::NumberSet& set = m_history.setAt(i);
        const auto inRange = std::count_if(record.zahlen.begin(), record.zahlen.end(),
                                           [](int n) { return n >= 1 && n <= 70; });
        if (inRange == set.size()) {
            w.draws.push_back(toBits(set));
        } else {
            std::array<int, 20> numbers{};
            std::copy(record.zahlen.begin(), record.zahlen.end(), numbers.begin());
            w.irregular.push_back(numbers);
        }
    }
}

} // namespace generator
