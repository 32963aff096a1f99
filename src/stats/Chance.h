// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace stats {

// What chance gives for the statistics of the draws: 20 numbers out of 1..70,
// drawn without replacement, every draw independent of the others.
class Chance {
public:
    static constexpr int kNumbers = 70;
    static constexpr int kDrawn = 20;

    // The share of draws that hold a given number: 20/70.
    static double numberShare() { return double(kDrawn) / kNumbers; }
    // How often a number is expected in the given draws, and the band that
    // holds a number's count in 95 % of windows.
    static double numberExpectation(int draws);
    static double numberBandLow(int draws);
    static double numberBandHigh(int draws);

    // The chance that a number stays undrawn for at least `gap` draws: (5/7)^gap.
    static double undrawnFor(int gap);
    // The gap that all 70 numbers stay under in 95 % of cases.
    static int overdueBound();

    // The exact distribution of the sum of 20 distinct numbers out of 1..70,
    // as subset counts indexed by the sum (0..1210); they add up to C(70, 20).
    static const std::vector<std::uint64_t>& crossSumCounts();
    static double crossSumProbability(int sum);

    // The chance that a draw holds all of `length` given numbers:
    // C(70 - length, 20 - length) / C(70, 20).
    static double runShare(int length);

    // The chance that a chi-square variable of `dof` degrees exceeds x.
    static double chiSquareAbove(double x, int dof);
    // The chance that a binomial count of `trials` with share p is at least k,
    // and at most k.
    static double binomialAtLeast(int k, int trials, double p);
    static double binomialAtMost(int k, int trials, double p);
    // The chance that the most extreme of `family` independent tests reaches
    // a single test's p-value (Šidák).
    static double mostExtremeOf(double p, int family);
};

} // namespace stats
