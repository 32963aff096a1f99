// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/WindowDraws.h"

#include <algorithm>
#include <bit>

namespace generator {

namespace {

// One bit per draw of a 64-draw word: the hits of an attempt counted in five
// bit planes (counts up to 31), then compared with the threshold.
struct PlaneCount {
    std::array<std::uint64_t, 5> planes{};

    void add(std::uint64_t x) {
        for (std::uint64_t& plane : planes) {
            const std::uint64_t carry = plane & x;
            plane ^= x;
            x = carry;
        }
    }
    std::uint64_t atLeast(int threshold) const {
        std::uint64_t greater = 0;
        std::uint64_t equal = ~std::uint64_t{0};
        for (int bit = 4; bit >= 0; --bit) {
            const std::uint64_t plane = planes[static_cast<std::size_t>(bit)];
            if ((threshold >> bit) & 1) {
                equal &= plane;
            } else {
                greater |= equal & plane;
                equal &= ~plane;
            }
        }
        return greater | equal;
    }
};

constexpr int kCountable = 31;

} // namespace

bool WindowDraws::noneCounted(int first, int last, const Attempt& attempt, int threshold) const {
    std::array<const std::uint64_t*, 70> rows{};
    int count = 0;
    // The attempt's numbers straight from its set bits, as it is taken for
    // every attempt of every history test.
    for (int half = 0; half < 2; ++half) {
        auto word = static_cast<std::uint64_t>(attempt.bits >> (64 * half));
        for (; word != 0; word &= word - 1) {
            const int number = 64 * half + std::countr_zero(word) + 1;
            rows[static_cast<std::size_t>(count++)] = m_history.numberPositions(number);
        }
    }
    const int firstWord = first / 64;
    const int lastWord = (last - 1) / 64;
    for (int word = firstWord; word <= lastWord; ++word) {
        PlaneCount hits;
        for (int i = 0; i < count; ++i) {
            hits.add(rows[static_cast<std::size_t>(i)][word]);
        }
        std::uint64_t inRange = ~std::uint64_t{0};
        if (word == firstWord) {
            inRange &= ~std::uint64_t{0} << (first % 64);
        }
        if (word == lastWord && last % 64 != 0) {
            inRange &= (std::uint64_t{1} << (last % 64)) - 1;
        }
        if (hits.atLeast(threshold) & inRange) {
            return false;
        }
    }
    return true;
}

namespace {

// The attempt's numbers among a draw's twenty, whatever the draw holds.
template <typename Numbers> int hitsAmong(const Numbers& numbers, Bits bits) {
    int hits = 0;
    for (const int number : numbers) {
        hits += (number >= 1 && number <= 70 && (bits & bitOf(number))) ? 1 : 0;
    }
    return hits;
}

} // namespace

int WindowDraws::irregularHits(const history::TZiehung& record, const Attempt& attempt) {
    return hitsAmong(record.zahlen, attempt.bits);
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
        if (hitsAmong(draw, attempt.bits) >= threshold) {
            return false;
        }
    }
    return true;
}

bool WindowDraws::passesInPlace(const Window& w, const Attempt& attempt, int threshold) const {
    if (threshold <= 0) {
        return w.first >= w.last;
    }
    if (w.first >= w.last) {
        return true;
    }
    // The regular draws are counted 64 at a time; a tip of more than 31
    // numbers (none the generator makes) would overflow the count.
    if (threshold <= attempt.count) {
        if (attempt.count > kCountable) {
            for (int p = w.first; p < w.last; ++p) {
                if (irregularHits(m_history.at(p), attempt) >= threshold) {
                    return false;
                }
            }
            return true;
        }
        if (!noneCounted(w.first, w.last, attempt, threshold)) {
            return false;
        }
    }
    // Draws holding a number twice count it twice, as the tip check does.
    const std::span<const int> irregular = m_history.irregularPositions();
    for (auto it = std::lower_bound(irregular.begin(), irregular.end(), w.first);
         it != irregular.end() && *it < w.last; ++it) {
        if (irregularHits(m_history.at(*it), attempt) >= threshold) {
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
