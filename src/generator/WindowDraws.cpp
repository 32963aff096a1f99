#include "generator/WindowDraws.h"

#include <algorithm>

namespace generator {

// The hits of an attempt are popcounts; where the processor has an
// instruction for it, this loop uses it (chosen when the program starts).
#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__)
__attribute__((target_clones("popcnt", "default")))
#endif
bool WindowDraws::noneReaches(const history::NumberSet* sets, std::size_t count, Bits attempt,
                              int threshold) {
    const auto low = static_cast<std::uint64_t>(attempt);
    const auto high = static_cast<std::uint64_t>(attempt >> 64);
    for (std::size_t i = 0; i < count; ++i) {
        if (__builtin_popcountll(low & sets[i].low) + __builtin_popcountll(high & sets[i].high) >=
            threshold) {
            return false;
        }
    }
    return true;
}

int WindowDraws::irregularHits(const history::TZiehung& record, const Attempt& attempt) {
    int hits = 0;
    for (int number : record.zahlen) {
        hits += (number >= 1 && number <= 70 && (attempt.bits & bitOf(number))) ? 1 : 0;
    }
    return hits;
}

bool WindowDraws::passes(const Attempt& attempt, common::DayNumber from, common::DayNumber to,
                         int threshold) {
    const Window& w = window(from, to);
    if (m_history.datesAscending()) {
        return passesInPlace(w, attempt, threshold);
    }
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

bool WindowDraws::passesInPlace(const Window& w, const Attempt& attempt, int threshold) const {
    if (threshold <= 0) {
        return w.first >= w.last;
    }
    // The regular draws between the irregular ones are read as bit sets.
    const std::span<const int> irregular = m_history.irregularPositions();
    auto next = std::lower_bound(irregular.begin(), irregular.end(), w.first);
    const history::NumberSet* sets = m_history.sets().data();
    int position = w.first;
    while (position < w.last) {
        const int end = next != irregular.end() ? std::min(*next, w.last) : w.last;
        if (threshold <= attempt.count &&
            !noneReaches(sets + position, static_cast<std::size_t>(end - position), attempt.bits,
                         threshold)) {
            return false;
        }
        if (end < w.last) {
            if (irregularHits(m_history.at(end), attempt) >= threshold) {
                return false;
            }
            ++next;
        }
        position = end + 1;
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
    if (m_history.datesAscending()) {
        w.first = m_history.firstAfter(from);
        w.last = std::max(w.first, m_history.firstAfter(to));
    } else {
        fill(w);
    }
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
