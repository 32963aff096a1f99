// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/ChanceVerdict.h"

#include <algorithm>
#include <cmath>

#include "common/Formats.h"
#include "stats/Chance.h"

namespace stats {

namespace {

constexpr int kNumbers = Chance::kNumbers;

QString decimal(double value, int decimals) {
    return common::formatDecimal(value, decimals);
}

Verdict tooFew(const QString& what) {
    return {1, false, QStringLiteral("Trop peu de tirages pour conclure : %1").arg(what)};
}

Verdict make(double p, const QString& compatible, const QString& improbable,
             const QString& figures) {
    const bool unlikely = p < ChanceVerdict::kLevel;
    return {p, unlikely,
            (unlikely ? improbable : compatible) + QStringLiteral(" (") + figures +
                QLatin1Char(')')};
}

QString runName(int first, int length) {
    QStringList numbers;
    for (int i = 0; i < length; ++i) {
        numbers << QString::number(first + i);
    }
    return numbers.join(QLatin1Char('-'));
}

QString family(int length) {
    switch (length) {
    case 2:
        return QStringLiteral("paires");
    case 3:
        return QStringLiteral("triplets");
    default:
        return QStringLiteral("quadruplets");
    }
}

// The chance that a binomial count's two-sided p-value is at most `least`:
// the mass of the counts at least as far out on either side. With a few
// dozen expected draws the counts are coarse and this lies well below
// `least`; taking `least` itself would judge the most extreme pair too kindly.
double reachChance(double least, int trials, double share) {
    const auto twoSidedLow = [&](int c) { return 2 * Chance::binomialAtMost(c, trials, share); };
    const auto twoSidedHigh = [&](int c) { return 2 * Chance::binomialAtLeast(c, trials, share); };
    const int mean = static_cast<int>(trials * share);
    // The largest count below the mean, and the smallest above it, that are
    // as far out as `least`; their tails grow towards the mean.
    int low = -1;
    for (int lo = 0, hi = mean; lo <= hi;) {
        const int mid = (lo + hi) / 2;
        if (twoSidedLow(mid) <= least) {
            low = mid;
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
    int high = trials + 1;
    for (int lo = mean + 1, hi = trials; lo <= hi;) {
        const int mid = (lo + hi) / 2;
        if (twoSidedHigh(mid) <= least) {
            high = mid;
            hi = mid - 1;
        } else {
            lo = mid + 1;
        }
    }
    const double mass = (low >= 0 ? Chance::binomialAtMost(low, trials, share) : 0) +
                        (high <= trials ? Chance::binomialAtLeast(high, trials, share) : 0);
    return std::min(mass, 1.0);
}

} // namespace

QString ChanceVerdict::formatP(double p) {
    if (p < 0.001) {
        return QStringLiteral("p < 0,001");
    }
    return QStringLiteral("p = ") + decimal(p, p < 0.01 ? 3 : 2);
}

double ChanceVerdict::mostExtremeNumber(const std::array<int, 71>& counts, int draws, int* number) {
    const double share = Chance::numberShare();
    double least = 1;
    for (int n = 1; n <= kNumbers; ++n) {
        const int c = counts[static_cast<std::size_t>(n)];
        const double tail = std::min(Chance::binomialAtMost(c, draws, share),
                                     Chance::binomialAtLeast(c, draws, share));
        const double twoSided = std::min(1.0, 2 * tail);
        if (twoSided < least) {
            least = twoSided;
            *number = n;
        }
    }
    return Chance::mostExtremeOf(least, kNumbers);
}

Verdict ChanceVerdict::numbers(const std::array<int, 71>& counts, int draws) {
    if (draws < 5) {
        return tooFew(QStringLiteral("%1 tirage(s)").arg(draws));
    }
    const double share = Chance::numberShare();
    const double expected = Chance::numberExpectation(draws);
    double squares = 0;
    for (int n = 1; n <= kNumbers; ++n) {
        const double d = counts[static_cast<std::size_t>(n)] - expected;
        squares += d * d;
    }
    // Var(count) = n p (1 - p); the counts share a fixed total, which takes
    // one degree away and scales the sum by 69/70.
    const int dof = kNumbers - 1;
    const double chi = squares / (draws * share * (1 - share)) * dof / kNumbers;
    const double p = Chance::chiSquareAbove(chi, dof);
    int extreme = 1;
    const double extremeP = mostExtremeNumber(counts, draws, &extreme);
    const QString figures =
        QStringLiteral("χ² = %1 ; %2 ddl ; %3 ; le plus écarté : %4, %5 fois pour %6 attendues, "
                       "%7 parmi 70 numéros")
            .arg(decimal(chi, 1))
            .arg(dof)
            .arg(formatP(p))
            .arg(extreme)
            .arg(counts[static_cast<std::size_t>(extreme)])
            .arg(decimal(expected, 1))
            .arg(formatP(extremeP));
    return make(std::min(1.0, p), QStringLiteral("Écarts compatibles avec le hasard"),
                QStringLiteral("Écart improbable par hasard"), figures);
}

Verdict ChanceVerdict::pairs(const std::array<std::array<int, 71>, 71>& counts, int draws) {
    if (draws < 5) {
        return tooFew(QStringLiteral("%1 tirage(s)").arg(draws));
    }
    const double share = Chance::runShare(2);
    // Many pairs share a count: each count's tail is summed once.
    std::vector<double> tails(static_cast<std::size_t>(draws) + 1, -1);
    const auto tailOf = [&](int c) {
        double& tail = tails[static_cast<std::size_t>(std::clamp(c, 0, draws))];
        if (tail < 0) {
            tail = std::min(Chance::binomialAtMost(c, draws, share),
                            Chance::binomialAtLeast(c, draws, share));
        }
        return tail;
    };
    double least = 2;
    int first = 1;
    int second = 2;
    for (int a = 1; a <= kNumbers; ++a) {
        for (int b = a + 1; b <= kNumbers; ++b) {
            const double tail =
                tailOf(counts[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)]);
            if (2 * tail < least) {
                least = 2 * tail;
                first = a;
                second = b;
            }
        }
    }
    constexpr int kPairs = kNumbers * (kNumbers - 1) / 2;
    const double p = Chance::mostExtremeOf(reachChance(least, draws, share), kPairs);
    const double expected = draws * share;
    const int count = counts[static_cast<std::size_t>(first)][static_cast<std::size_t>(second)];
    const double sigmas = (count - expected) / std::sqrt(expected * (1 - share));
    const QString figures =
        QStringLiteral("la plus écartée : %1-%2, %3 fois pour %4 attendues, %5 σ ; %6 parmi "
                       "2 415 paires")
            .arg(first)
            .arg(second)
            .arg(count)
            .arg(decimal(expected, 1))
            .arg((sigmas >= 0 ? QStringLiteral("+") : QString()) + decimal(sigmas, 1))
            .arg(formatP(p));
    return make(p, QStringLiteral("Paires compatibles avec le hasard"),
                QStringLiteral("Paire improbable par hasard"), figures);
}

Verdict ChanceVerdict::overdue(const std::array<int, 71>& gaps, int draws) {
    if (draws < 5) {
        return tooFew(QStringLiteral("%1 tirage(s)").arg(draws));
    }
    int longest = 1;
    for (int n = 2; n <= kNumbers; ++n) {
        if (gaps[static_cast<std::size_t>(n)] > gaps[static_cast<std::size_t>(longest)]) {
            longest = n;
        }
    }
    const int undrawn = gaps[static_cast<std::size_t>(longest)] - 1;
    const double p = Chance::mostExtremeOf(Chance::undrawnFor(undrawn), kNumbers);
    const QString figures =
        QStringLiteral("le plus long : %1, absent depuis %2 tirages ; %3 parmi 70 numéros ; "
                       "95 % du temps, aucun numéro n'est absent depuis %4 tirages ou plus")
            .arg(longest)
            .arg(undrawn)
            .arg(formatP(p))
            .arg(Chance::overdueBound());
    return make(p, QStringLiteral("Retards compatibles avec le hasard"),
                QStringLiteral("Retard improbable par hasard"), figures);
}

Verdict ChanceVerdict::crossSums(const std::vector<int>& sums, int draws) {
    // Bands of consecutive sums, each expecting at least five draws; the
    // last band takes what is left.
    std::vector<std::pair<double, double>> bands; // expected, observed
    double expected = 0;
    double observed = 0;
    const int largest = static_cast<int>(Chance::crossSumCounts().size()) - 1;
    for (int s = 0; s <= largest; ++s) {
        expected += draws * Chance::crossSumProbability(s);
        observed += s < static_cast<int>(sums.size()) ? sums[static_cast<std::size_t>(s)] : 0;
        if (expected >= 5) {
            bands.emplace_back(expected, observed);
            expected = observed = 0;
        }
    }
    if (!bands.empty()) {
        bands.back().first += expected;
        bands.back().second += observed;
    }
    if (bands.size() < 3) {
        return tooFew(QStringLiteral("%1 tirage(s)").arg(draws));
    }
    double chi = 0;
    for (const auto& [e, o] : bands) {
        chi += (o - e) * (o - e) / e;
    }
    const int dof = static_cast<int>(bands.size()) - 1;
    const double p = Chance::chiSquareAbove(chi, dof);
    const QString figures = QStringLiteral("χ² = %1 ; %2 ddl ; %3 ; moyenne attendue 710")
                                .arg(decimal(chi, 1))
                                .arg(dof)
                                .arg(formatP(p));
    return make(p, QStringLiteral("Sommes compatibles avec le hasard"),
                QStringLiteral("Répartition des sommes improbable par hasard"), figures);
}

Verdict ChanceVerdict::runs(int length, const std::vector<int>& counts, int draws) {
    const int runsInFamily = kNumbers + 1 - length;
    if (draws < 5 || counts.empty()) {
        return tooFew(QStringLiteral("%1 tirage(s)").arg(draws));
    }
    const auto most = std::max_element(
        counts.begin(), counts.begin() + std::min<std::ptrdiff_t>(runsInFamily, counts.size()));
    const int first = static_cast<int>(most - counts.begin()) + 1;
    const double share = Chance::runShare(length);
    const double single = Chance::binomialAtLeast(*most, draws, share);
    const double p = Chance::mostExtremeOf(single, runsInFamily);
    const QString figures = QStringLiteral("le plus fréquent : %1, %2 fois pour %3 attendues ; "
                                           "%4 parmi %5 %6")
                                .arg(runName(first, length))
                                .arg(*most)
                                .arg(decimal(draws * share, 1))
                                .arg(formatP(p))
                                .arg(runsInFamily)
                                .arg(family(length));
    return make(p, QStringLiteral("Suites compatibles avec le hasard"),
                QStringLiteral("Suite improbable par hasard"), figures);
}

std::optional<Verdict> ChanceVerdict::of(StatisticKind kind, const StatResult& result, int draws) {
    std::array<int, 71> perNumber{};
    std::vector<int> byX;
    for (const StatPoint& point : result.points) {
        const int x = static_cast<int>(point.x);
        const int y = static_cast<int>(std::lround(point.y));
        if (x >= 1 && x <= kNumbers) {
            perNumber[static_cast<std::size_t>(x)] = y;
        }
        if (x >= 0 && x < 6000) {
            byX.resize(std::max<std::size_t>(byX.size(), static_cast<std::size_t>(x) + 1));
            byX[static_cast<std::size_t>(x)] = y;
        }
    }
    switch (kind) {
    case StatisticKind::Numbers:
        return numbers(perNumber, draws);
    case StatisticKind::Overdue:
        return overdue(perNumber, draws);
    case StatisticKind::CrossSums:
        return crossSums(byX, draws);
    case StatisticKind::Pairs:
    case StatisticKind::Triples:
    case StatisticKind::Quadruples: {
        const int length = kind == StatisticKind::Pairs     ? 2
                           : kind == StatisticKind::Triples ? 3
                                                            : 4;
        return runs(length,
                    std::vector<int>(byX.begin() + std::min<std::size_t>(1, byX.size()), byX.end()),
                    draws);
    }
    case StatisticKind::Tips:
        break;
    }
    return std::nullopt;
}

} // namespace stats
