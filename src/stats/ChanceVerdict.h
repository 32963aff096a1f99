// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "stats/StatResult.h"
#include "stats/StatisticKind.h"

namespace stats {

// Whether what a statistic of the draws counted stands out from chance, in a
// line a player reads under the chart. `p` is the chance that independent,
// uniform draws give a result at least as far from the expectation; below 5 %
// the line calls the result improbable by chance.
struct Verdict {
    double p = 1;
    bool improbable = false;
    QString text;
};

class ChanceVerdict {
public:
    static constexpr double kLevel = 0.05;

    // counts[n]: the draws holding number n (1..70). The 70 counts of draws
    // without replacement add up to 20 per draw, so they are judged with
    // the chi-square statistic scaled for that (69 degrees); the most
    // extreme number is judged as the most extreme of 70.
    static Verdict numbers(const std::array<int, 71>& counts, int draws);
    // The most extreme count alone, as the most extreme of 70 numbers.
    static double mostExtremeNumber(const std::array<int, 71>& counts, int draws, int* number);
    // gaps[n]: 1 + the draws since number n was last drawn (as the chart
    // shows it); the longest is judged as the longest of 70.
    static Verdict overdue(const std::array<int, 71>& gaps, int draws);
    // sums[s]: the draws whose numbers add up to s; judged against the exact
    // distribution of the sum, on bands expecting at least five draws each.
    static Verdict crossSums(const std::vector<int>& sums, int draws);
    // counts[n]: the draws holding all of n, n + 1, ..., n + length - 1; the
    // most frequent run is judged as the most frequent of its family.
    static Verdict runs(int length, const std::vector<int>& counts, int draws);

    // counts[a][b]: the draws holding both a and b; the pair farthest from
    // chance is judged as the most extreme of the 2,415 pairs.
    static Verdict pairs(const std::array<std::array<int, 71>, 71>& counts, int draws);

    // The verdict on a chart's points; none for the tips' chart, which
    // counts the player's own tips.
    static std::optional<Verdict> of(StatisticKind kind, const StatResult& result, int draws);

    // "p = 0,40", "p < 0,001".
    static QString formatP(double p);
};

} // namespace stats
