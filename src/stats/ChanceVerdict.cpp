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
