// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "history/NumberSet.h"

namespace generator {

// Numbers 1..70 as bits 0..69 of one 128-bit word: hits are an AND and a
// popcount, runs of consecutive numbers a shift.
__extension__ typedef unsigned __int128 Bits;

inline Bits bitOf(int number) {
    return static_cast<Bits>(1) << (number - 1);
}
inline Bits toBits(const history::NumberSet& set) {
    return static_cast<Bits>(set.low) | (static_cast<Bits>(set.high) << 64);
}
inline int countBits(Bits bits) {
    return std::popcount(static_cast<std::uint64_t>(bits)) +
           std::popcount(static_cast<std::uint64_t>(bits >> 64));
}
// Numbers 1..70 only; anything else is never a member.
template <typename Range> Bits bitsOf(const Range& numbers) {
    Bits bits = 0;
    for (int number : numbers) {
        if (number >= 1 && number <= 70) {
            bits |= bitOf(number);
        }
    }
    return bits;
}

// One attempt: k distinct numbers and their sum.
struct Attempt {
    Bits bits = 0;
    int count = 0;
    int sum = 0;

    // The numbers in ascending order.
    std::vector<int> numbers() const {
        std::vector<int> result;
        result.reserve(static_cast<std::size_t>(count));
        for (int number = 1; number <= 70; ++number) {
            if (bits & bitOf(number)) {
                result.push_back(number);
            }
        }
        return result;
    }
};

} // namespace generator
