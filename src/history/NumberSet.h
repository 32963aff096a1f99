// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>

namespace history {

// A set of numbers 1..70 in two 64-bit words, so that hits between a draw and
// a tip are one AND and a popcount. Numbers outside 1..70 are never members.
struct NumberSet {
    std::uint64_t low = 0;  // numbers 1..64
    std::uint64_t high = 0; // numbers 65..70

    void add(int number) {
        if (number >= 1 && number <= 64) {
            low |= std::uint64_t{1} << (number - 1);
        } else if (number >= 65 && number <= 70) {
            high |= std::uint64_t{1} << (number - 65);
        }
    }
    bool contains(int number) const {
        if (number >= 1 && number <= 64) {
            return (low >> (number - 1)) & 1u;
        }
        if (number >= 65 && number <= 70) {
            return (high >> (number - 65)) & 1u;
        }
        return false;
    }
    int size() const { return std::popcount(low) + std::popcount(high); }
    int common(const NumberSet& other) const {
        return std::popcount(low & other.low) + std::popcount(high & other.high);
    }
    bool containsAll(const NumberSet& other) const {
        return (low & other.low) == other.low && (high & other.high) == other.high;
    }
    // Calls visit(number) for each member, smallest first.
    template <typename Visit> void forEach(Visit visit) const {
        for (std::uint64_t word = low; word != 0; word &= word - 1) {
            visit(std::countr_zero(word) + 1);
        }
        for (std::uint64_t word = high; word != 0; word &= word - 1) {
            visit(std::countr_zero(word) + 65);
        }
    }
    bool operator==(const NumberSet&) const = default;
};

} // namespace history
