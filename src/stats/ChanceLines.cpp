// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/ChanceLines.h"

#include <cmath>

#include "stats/Chance.h"
#include "stats/RunSearch.h"

namespace stats {

namespace {

ChanceLine level(const QString& name, std::size_t points, double y, bool band = false) {
    return ChanceLine{name, std::vector<double>(points, y), band};
}

} // namespace

std::vector<ChanceLine> ChanceLines::of(StatisticKind kind, const StatResult& result, int draws) {
    if (result.points.empty() || draws <= 0) {
        return {};
    }
    switch (kind) {
    case StatisticKind::Numbers:
        return numbers(result, draws);
    case StatisticKind::Overdue:
        return overdue(result);
    case StatisticKind::CrossSums:
        return crossSums(result, draws);
    case StatisticKind::Pairs:
    case StatisticKind::Triples:
    case StatisticKind::Quadruples:
        return runs(RunSearch::runLength(kind), result, draws);
    case StatisticKind::Tips:
        break;
    }
    return {};
}

std::vector<ChanceLine> ChanceLines::numbers(const StatResult& result, int draws) {
    const std::size_t n = result.points.size();
    return {level(QStringLiteral("attendu par hasard"), n, Chance::numberExpectation(draws)),
            level(QStringLiteral("95 % du hasard"), n, Chance::numberBandLow(draws), true),
            level(QString(), n, Chance::numberBandHigh(draws), true)};
}

std::vector<ChanceLine> ChanceLines::overdue(const StatResult& result) {
    // The chart shows 1 + the draws a number has been absent; 95 % of the
    // time no number is absent for the bound's draws or more.
    const int bound = Chance::overdueBound();
    return {level(QStringLiteral("95 % du hasard : absent depuis moins de %1 tirages").arg(bound),
                  result.points.size(), bound + 1.0, true)};
}

std::vector<ChanceLine> ChanceLines::crossSums(const StatResult& result, int draws) {
    ChanceLine curve{QStringLiteral("attendu par hasard"), {}, false};
    for (const StatPoint& point : result.points) {
        curve.y.push_back(draws * Chance::crossSumProbability(static_cast<int>(point.x)));
    }
    return {curve};
}

std::vector<ChanceLine> ChanceLines::runs(int length, const StatResult& result, int draws) {
    // A run that cannot exist (its last number beyond 70) expects nothing.
    ChanceLine expected{QStringLiteral("attendu par hasard"), {}, false};
    const double count = draws * Chance::runShare(length);
    for (const StatPoint& point : result.points) {
        expected.y.push_back(std::lround(point.x) + length - 1 <= Chance::kNumbers ? count : 0);
    }
    return {expected};
}

} // namespace stats
