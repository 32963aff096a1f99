// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "generator/Attempt.h"

namespace generator {

// The weighted pool the attempts draw from: a list of numbers 1..70 in which
// a number's weight is how often it occurs. It never holds more than 1400
// entries; what would go beyond is not added.
class NumberPool {
public:
    static constexpr int kCapacity = 1400;

    // False when the pool is full (or the number is outside 1..70).
    bool append(int number);
    void appendTimes(int number, int times);
    // Removes every entry that is one of the given numbers.
    void removeAll(Bits numbers);
    void clear() { m_entries.clear(); }

    int size() const { return static_cast<int>(m_entries.size()); }
    int at(int index) const { return m_entries[static_cast<std::size_t>(index)]; }
    int occurrences(int number) const;
    int distinctCount() const;
    const std::vector<int>& entries() const { return m_entries; }

private:
    std::vector<int> m_entries;
};

} // namespace generator
