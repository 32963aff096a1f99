// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/NumberPool.h"

#include <algorithm>

namespace generator {

bool NumberPool::append(int number) {
    if (number < 1 || number > 70 || size() >= kCapacity) {
        return false;
    }
    m_entries.push_back(number);
    return true;
}

void NumberPool::appendTimes(int number, int times) {
    for (int i = 0; i < times; ++i) {
        append(number);
    }
}

void NumberPool::removeAll(Bits numbers) {
    std::erase_if(m_entries, [numbers](int n) { return (numbers & bitOf(n)) != 0; });
}

int NumberPool::occurrences(int number) const {
    return static_cast<int>(std::count(m_entries.begin(), m_entries.end(), number));
}

int NumberPool::distinctCount() const {
    return countBits(bitsOf(m_entries));
}

} // namespace generator
