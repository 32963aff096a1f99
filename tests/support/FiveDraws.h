// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "TestSupport.h"
#include "history/TZiehung.h"

namespace testsupport {

// The numbers from..to.
inline std::vector<int> range(int from, int to) {
    std::vector<int> numbers;
    for (int n = from; n <= to; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

// Five draws whose overlaps are easy to count by hand: d0 1..20, d1 11..30,
// d2 21..40, d3 1..10 + 31..40, d4 5..24; d0 and d1 share a day (midi, soir).
inline std::vector<history::TZiehung> fiveDraws() {
    std::vector<int> d3 = range(1, 10);
    for (int n : range(31, 40)) {
        d3.push_back(n);
    }
    using testsupport::makeRecord;
    return {makeRecord(QDate(2023, 3, 1), 0, range(1, 20)),
            makeRecord(QDate(2023, 3, 1), 1, range(11, 30)),
            makeRecord(QDate(2023, 3, 2), 0, range(21, 40)), makeRecord(QDate(2023, 3, 3), 1, d3),
            makeRecord(QDate(2023, 3, 4), 0, range(5, 24))};
}

} // namespace testsupport
