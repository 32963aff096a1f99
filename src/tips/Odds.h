// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace tips {

// What chance alone gives a tip of 2..10 numbers when 20 of 70 are drawn:
// the probability of each hit count (hypergeometric), the prize table's
// factor for it, and the expected return per unit of stake. Keno draws are
// independent, so no strategy that only looks at past draws can do better in
// expectation; this is the baseline a backtest is to be read against.
class Odds {
public:
    static constexpr int kNumbers = 70;
    static constexpr int kDrawn = 20;

    // The chance that a tip of tipSize numbers has exactly `hits` of them drawn.
    static double probability(int tipSize, int hits);
    // The prize table's factor of the stake for that many hits; 0 where none.
    static qint64 factor(int tipSize, int hits);
    // The sum over the hit counts of probability x factor: what one unit of
    // stake pays back on average (1 would be break-even).
    static double expectedReturn(int tipSize);
    // The mean number of hits: tipSize x 20 / 70.
    static double expectedHits(int tipSize);
};

} // namespace tips
