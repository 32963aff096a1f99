// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/Chance.h"

#include <algorithm>
#include <cmath>

namespace stats {

namespace {

// Q(a, x), the regularized upper incomplete gamma function: a series below
// a + 1, a continued fraction above (both converge fast there).
double upperGamma(double a, double x) {
    if (x <= 0) {
        return 1;
    }
    const double logPrefix = a * std::log(x) - x - std::lgamma(a);
    if (x < a + 1) {
        double term = 1 / a;
        double sum = term;
        for (int n = 1; n < 1000 && std::fabs(term) > std::fabs(sum) * 1e-15; ++n) {
            term *= x / (a + n);
            sum += term;
        }
        return std::clamp(1 - sum * std::exp(logPrefix), 0.0, 1.0);
    }
    // Lentz's method for the continued fraction of Q.
    constexpr double kTiny = 1e-300;
    double b = x + 1 - a;
    double c = 1 / kTiny;
    double d = 1 / b;
    double h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        d = std::fabs(d) < kTiny ? kTiny : d;
        c = b + an / c;
        c = std::fabs(c) < kTiny ? kTiny : c;
        d = 1 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1) < 1e-15) {
            break;
        }
    }
    return std::clamp(std::exp(logPrefix) * h, 0.0, 1.0);
}

double logBinomialPmf(int k, int n, double p) {
    return std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0) +
           k * std::log(p) + (n - k) * std::log1p(-p);
}

// The least k with P(X <= k) >= q for a binomial X, by walking the pmf.
int binomialQuantile(double q, int trials, double p) {
    double cumulative = 0;
    for (int k = 0; k <= trials; ++k) {
        cumulative += std::exp(logBinomialPmf(k, trials, p));
        if (cumulative >= q) {
            return k;
        }
    }
    return trials;
}

} // namespace

double Chance::numberExpectation(int draws) {
    return draws * numberShare();
}

double Chance::numberBandLow(int draws) {
    return binomialQuantile(0.025, draws, numberShare());
}

double Chance::numberBandHigh(int draws) {
    return binomialQuantile(0.975, draws, numberShare());
}

double Chance::undrawnFor(int gap) {
    return std::pow(1 - numberShare(), gap);
}

int Chance::overdueBound() {
    int gap = 1;
    while (std::pow(1 - undrawnFor(gap), kNumbers) < 0.95) {
        ++gap;
    }
    return gap;
}

const std::vector<std::uint64_t>& Chance::crossSumCounts() {
    // ways[k][s]: subsets of k numbers among those seen so far that sum to s;
    // none exceeds C(70, 20), so 64 bits hold them exactly.
    static const std::vector<std::uint64_t> counts = [] {
        constexpr int kLargest = 1210; // 51 + 52 + ... + 70
        std::vector<std::vector<std::uint64_t>> ways(kDrawn + 1,
                                                     std::vector<std::uint64_t>(kLargest + 1, 0));
        ways[0][0] = 1;
        for (int number = 1; number <= kNumbers; ++number) {
            for (int k = std::min(number, kDrawn); k >= 1; --k) {
                for (int s = kLargest; s >= number; --s) {
                    ways[k][s] += ways[k - 1][s - number];
                }
            }
        }
        return ways[kDrawn];
    }();
    return counts;
}

double Chance::crossSumProbability(int sum) {
    static const double total = [] {
        std::uint64_t t = 0;
        for (std::uint64_t c : crossSumCounts()) {
            t += c;
        }
        return double(t);
    }();
    const std::vector<std::uint64_t>& counts = crossSumCounts();
    return sum >= 0 && sum < static_cast<int>(counts.size())
               ? double(counts[static_cast<std::size_t>(sum)]) / total
               : 0;
}

double Chance::runShare(int length) {
    double share = 1;
    for (int i = 0; i < length; ++i) {
        share *= double(kDrawn - i) / (kNumbers - i);
    }
    return share;
}

double Chance::chiSquareAbove(double x, int dof) {
    return upperGamma(dof / 2.0, x / 2.0);
}

double Chance::binomialAtLeast(int k, int trials, double p) {
    if (k <= 0) {
        return 1;
    }
    double sum = 0;
    for (int i = k; i <= trials; ++i) {
        const double term = std::exp(logBinomialPmf(i, trials, p));
        sum += term;
        if (i > trials * p && term < sum * 1e-17) {
            break;
        }
    }
    return std::min(sum, 1.0);
}

double Chance::binomialAtMost(int k, int trials, double p) {
    if (k >= trials) {
        return 1;
    }
    double sum = 0;
    for (int i = k; i >= 0; --i) {
        const double term = std::exp(logBinomialPmf(i, trials, p));
        sum += term;
        if (i < trials * p && term < sum * 1e-17) {
            break;
        }
    }
    return std::min(sum, 1.0);
}

double Chance::mostExtremeOf(double p, int family) {
    // 1 - (1 - p)^family, exact also for a tiny p.
    return -std::expm1(family * std::log1p(-std::min(p, 1.0)));
}

} // namespace stats
