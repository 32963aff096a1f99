// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/Odds.h"

#include "tips/PrizeTable.h"

namespace tips {

namespace {

// The binomial coefficient as a double: C(70, 20) is about 1.6e17, beyond
// what a double holds exactly, but the ratios stay exact to 1e-15.
double binomial(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    double value = 1;
    for (int i = 1; i <= k; ++i) {
        value = value * (n - k + i) / i;
    }
    return value;
}

} // namespace

double Odds::probability(int tipSize, int hits) {
    return binomial(tipSize, hits) * binomial(kNumbers - tipSize, kDrawn - hits) /
           binomial(kNumbers, kDrawn);
}

qint64 Odds::factor(int tipSize, int hits) {
    for (const PrizeClass& prize : PrizeTable::classes(tipSize)) {
        if (prize.hits == hits) {
            return prize.factor;
        }
    }
    return 0;
}

double Odds::expectedReturn(int tipSize) {
    double sum = 0;
    for (int hits = 0; hits <= tipSize; ++hits) {
        sum += probability(tipSize, hits) * static_cast<double>(factor(tipSize, hits));
    }
    return sum;
}

double Odds::expectedHits(int tipSize) {
    return static_cast<double>(tipSize) * kDrawn / kNumbers;
}

} // namespace tips
