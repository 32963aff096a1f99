// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

#include "stats/Chance.h"
#include "stats/ChanceVerdict.h"

using stats::Chance;
using stats::ChanceVerdict;

namespace {

using Draw = std::array<int, 20>;

// 20 distinct numbers of 1..70; number 7 is drawn with `sevenFactor` times
// its chance (the other 19 or 20 come uniformly from the rest).
Draw drawOne(std::mt19937& random, double sevenFactor = 1) {
    std::array<int, 70> pool;
    std::iota(pool.begin(), pool.end(), 1);
    Draw draw{};
    int taken = 0;
    if (sevenFactor != 1) {
        std::swap(pool[6], pool[69]); // 7 leaves the uniform pool
        if (std::bernoulli_distribution(sevenFactor * 2 / 7)(random)) {
            draw[static_cast<std::size_t>(taken++)] = 7;
        }
    }
    const int size = sevenFactor != 1 ? 69 : 70;
    for (int i = 0; taken < 20; ++i, ++taken) {
        std::uniform_int_distribution<int> pick(i, size - 1);
        std::swap(pool[static_cast<std::size_t>(i)], pool[static_cast<std::size_t>(pick(random))]);
        draw[static_cast<std::size_t>(taken)] = pool[static_cast<std::size_t>(i)];
    }
    return draw;
}

struct Tallies {
    std::array<int, 71> counts{};
    std::array<int, 71> gaps{}; // 1 + draws since last drawn
    std::vector<int> sums = std::vector<int>(1211, 0);
    std::vector<int> pairs = std::vector<int>(69, 0);
    std::array<std::array<int, 71>, 71> together{}; // any two numbers
};

// Counted as the charts count: the gaps from the newest draw backwards.
Tallies tally(const std::vector<Draw>& draws) {
    Tallies t;
    const int n = static_cast<int>(draws.size());
    t.gaps.fill(1 + n);
    for (int i = 0; i < n; ++i) {
        std::array<bool, 72> in{};
        int sum = 0;
        for (int number : draws[static_cast<std::size_t>(i)]) {
            in[static_cast<std::size_t>(number)] = true;
            ++t.counts[static_cast<std::size_t>(number)];
            t.gaps[static_cast<std::size_t>(number)] = n - i;
            sum += number;
        }
        ++t.sums[static_cast<std::size_t>(sum)];
        for (int first = 1; first <= 69; ++first) {
            t.pairs[static_cast<std::size_t>(first - 1)] += in[first] && in[first + 1];
        }
        for (int a : draws[static_cast<std::size_t>(i)]) {
            for (int b : draws[static_cast<std::size_t>(i)]) {
                t.together[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] += a != b;
            }
        }
    }
    return t;
}

TEST(ChanceTest, TheCrossSumDistributionIsExact) {
    const std::vector<std::uint64_t>& counts = Chance::crossSumCounts();
    std::uint64_t total = 0;
    double mean = 0;
    for (std::size_t s = 0; s < counts.size(); ++s) {
        total += counts[s];
        mean += double(counts[s]) * double(s);
    }
    mean /= double(total);
    double variance = 0;
    for (std::size_t s = 0; s < counts.size(); ++s) {
        variance += double(counts[s]) * (double(s) - mean) * (double(s) - mean);
    }
    variance /= double(total);
    EXPECT_EQ(total, 161884603662657876ULL); // C(70, 20)
    EXPECT_EQ(counts[210], 1);               // 1 + 2 + ... + 20 only
    EXPECT_EQ(counts[209], 0);
    EXPECT_NEAR(mean, 710, 1e-9);
    EXPECT_NEAR(variance, 20.0 * 71 * 50 / 12, 1e-6);
}

// For an even number of degrees the chi-square tail is a Poisson sum:
// P(X > x) = e^(-x/2) * sum over i < dof/2 of (x/2)^i / i!.
TEST(ChanceTest, TheChiSquareTailMatchesItsPoissonForm) {
    for (const double x : {2.0, 40.0, 69.0, 71.3, 95.0, 140.0}) {
        double term = std::exp(-x / 2);
        double tail = 0;
        for (int i = 0; i < 35; ++i) {
            tail += term;
            term *= x / 2 / (i + 1);
        }
        EXPECT_NEAR(Chance::chiSquareAbove(x, 70), tail, 1e-12 + 1e-9 * tail) << x;
    }
    EXPECT_NEAR(Chance::chiSquareAbove(3.841459, 1), 0.05, 1e-6);
}

// On histories drawn uniformly at random each verdict calls the result
// improbable about 5 % of the time: 1,000 histories give 50 ± 7, and the
// band holds 3.5 standard deviations either side. The verdicts on the most
// extreme number, gap or run judge it as the most extreme of independent
// ones; counts of overlapping runs and the gaps of one history hang together,
// so those verdicts err on the side of chance (4,000 histories gave 4.3 %,
// 3.9 % and 3.3 %) and only their upper bound is held as tightly. The pair
// map's most extreme of 2,415 pairs gave 4.6 % over 4,000 histories.
TEST(ChanceVerdictTest, UniformHistoriesAreImprobableAboutOneTimeInTwenty) {
    std::mt19937 random(20250604);
    constexpr int kHistories = 1000;
    constexpr int kDraws = 200;
    int numbers = 0, extreme = 0, overdue = 0, sums = 0, pairs = 0, together = 0;
    int inBand = 0;
    for (int h = 0; h < kHistories; ++h) {
        std::vector<Draw> draws(kDraws);
        for (Draw& draw : draws) {
            draw = drawOne(random);
        }
        const Tallies t = tally(draws);
        numbers += ChanceVerdict::numbers(t.counts, kDraws).improbable;
        int number = 0;
        extreme += ChanceVerdict::mostExtremeNumber(t.counts, kDraws, &number) < 0.05;
        overdue += ChanceVerdict::overdue(t.gaps, kDraws).improbable;
        sums += ChanceVerdict::crossSums(t.sums, kDraws).improbable;
        pairs += ChanceVerdict::runs(2, t.pairs, kDraws).improbable;
        together += ChanceVerdict::pairs(t.together, kDraws).improbable;
        for (int n = 1; n <= 70; ++n) {
            const int c = t.counts[static_cast<std::size_t>(n)];
            inBand += Chance::numberBandLow(kDraws) <= c && c <= Chance::numberBandHigh(kDraws);
        }
    }
    // The chart's band holds a number's count at least 95 % of the time (the
    // quantiles of a discrete count hold a little more).
    EXPECT_GE(inBand, 0.945 * 70 * kHistories);
    EXPECT_LE(inBand, 0.975 * 70 * kHistories);
    for (const auto& [name, count] :
         {std::pair{"numbers", numbers}, {"sums", sums}, {"together", together}}) {
        EXPECT_GE(count, 26) << name;
        EXPECT_LE(count, 74) << name;
    }
    for (const auto& [name, count] : {std::pair{"extreme", extreme},
                                      {"overdue", overdue},
                                      {"pairs", pairs},
                                      {"together", together}}) {
        EXPECT_GE(count, 15) << name;
        EXPECT_LE(count, 74) << name;
    }
}

TEST(ChanceVerdictTest, ANumberDrawnFifteenPercentMoreOftenIsFound) {
    std::mt19937 random(7);
    std::vector<Draw> draws(10000);
    for (Draw& draw : draws) {
        draw = drawOne(random, 1.15);
    }
    const Tallies t = tally(draws);
    const stats::Verdict verdict = ChanceVerdict::numbers(t.counts, 10000);
    EXPECT_TRUE(verdict.improbable) << verdict.text.toStdString();
    EXPECT_TRUE(verdict.text.startsWith(QStringLiteral("Écart improbable par hasard")));
    int number = 0;
    EXPECT_LT(ChanceVerdict::mostExtremeNumber(t.counts, 10000, &number), 0.001);
    EXPECT_EQ(number, 7);
}

TEST(ChanceVerdictTest, TooFewDrawsSaySo) {
    const stats::Verdict verdict = ChanceVerdict::crossSums(std::vector<int>(1211, 0), 3);
    EXPECT_FALSE(verdict.improbable);
    EXPECT_TRUE(verdict.text.startsWith(QStringLiteral("Trop peu de tirages pour conclure")));
}

} // namespace
