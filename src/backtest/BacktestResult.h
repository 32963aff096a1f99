// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "common/DayNumber.h"

namespace backtest {

// What a run counted: per hit count h how many checked tips had h hits,
// the cycles performed, and for the three-draw tests the smallest and the
// largest match sum of one cycle with the date the cursor stood on after it.
struct BacktestResult {
    std::array<std::uint32_t, 21> tally{};
    int cycles = 0;
    int smallestSum = 1000;
    common::DayNumber smallestDate = 0;
    int largestSum = 0;
    common::DayNumber largestDate = 0;

    // Adds one check's per-hit-count counts for hit counts 0..limit.
    void addCheck(const std::array<int, 21>& statistik, int limit) {
        for (int h = 0; h <= limit && h <= 20; ++h) {
            tally[static_cast<std::size_t>(h)] +=
                static_cast<std::uint32_t>(statistik[static_cast<std::size_t>(h)]);
        }
    }
    // Ties keep the earlier cycle.
    void noteMatchSum(int sum, common::DayNumber date) {
        if (sum < smallestSum) {
            smallestSum = sum;
            smallestDate = date;
        }
        if (sum > largestSum) {
            largestSum = sum;
            largestDate = date;
        }
    }
};

} // namespace backtest
