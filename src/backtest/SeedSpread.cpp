// SPDX-License-Identifier: GPL-3.0-or-later
#include "backtest/SeedSpread.h"

#include <algorithm>

#include "backtest/ReportText.h"
#include "common/Formats.h"
#include "tips/Odds.h"

namespace backtest {

namespace {

QString between(const QString& low, const QString& high) {
    return low + QStringLiteral(" à ") + high;
}

} // namespace

void SeedSpread::add(qint32 seed, const StrategyReport& report) {
    m_seeds.push_back({seed, report.cycles(), report.strategy(), report.chanceBands(),
                       report.expectation().returnRate});
}

int SeedSpread::draws() const {
    int fewest = 0;
    for (std::size_t i = 0; i < m_seeds.size(); ++i) {
        fewest = i == 0 ? m_seeds[i].draws : std::min(fewest, m_seeds[i].draws);
    }
    return fewest;
}

std::vector<double> SeedSpread::sortedReturns() const {
    std::vector<double> rates;
    for (const Seed& seed : m_seeds) {
        rates.push_back(seed.strategy.returnRate());
    }
    std::sort(rates.begin(), rates.end());
    return rates;
}

double SeedSpread::lowestReturn() const {
    const std::vector<double> rates = sortedReturns();
    return rates.empty() ? 0 : rates.front();
}

double SeedSpread::medianReturn() const {
    const std::vector<double> rates = sortedReturns();
    if (rates.empty()) {
        return 0;
    }
    const std::size_t middle = rates.size() / 2;
    return rates.size() % 2 ? rates[middle] : (rates[middle - 1] + rates[middle]) / 2;
}

double SeedSpread::highestReturn() const {
    const std::vector<double> rates = sortedReturns();
    return rates.empty() ? 0 : rates.back();
}

double SeedSpread::expectedReturn() const {
    if (m_seeds.empty()) {
        return tips::Odds::expectedReturn(m_numbersPerTip);
    }
    double sum = 0;
    for (const Seed& seed : m_seeds) {
        sum += seed.expectedReturn;
    }
    return sum / static_cast<double>(m_seeds.size());
}

template <typename Figure> StrategyReport::Band SeedSpread::widest(Figure figure) const {
    StrategyReport::Band band;
    for (std::size_t i = 0; i < m_seeds.size(); ++i) {
        const StrategyReport::Band one = figure(m_seeds[i]);
        band.low = i == 0 ? one.low : std::min(band.low, one.low);
        band.high = i == 0 ? one.high : std::max(band.high, one.high);
    }
    return band;
}

StrategyReport::Band SeedSpread::chanceBand() const {
    return widest([](const Seed& seed) { return seed.bands.returnRate; });
}

QString SeedSpread::verdict() const {
    const StrategyReport::Band band = chanceBand();
    const int seeds = static_cast<int>(m_seeds.size());
    const int draws = this->draws();
    const QString figures =
        QStringLiteral("taux de retour de %1 à %2, médiane %3, hasard attendu %4, intervalle à "
                       "95 % %5-%6 %")
            .arg(roundPercent(lowestReturn()), roundPercent(highestReturn()),
                 roundPercent(medianReturn()), roundPercent(expectedReturn()),
                 common::formatDecimal(band.low * 100, 0),
                 common::formatDecimal(band.high * 100, 0));
    if (draws < StrategyReport::kFewestDraws) {
        return QStringLiteral("Trop peu de tirages pour conclure : %1 tirage(s) par graine, il en "
                              "faut au moins %2 (%3)")
            .arg(draws)
            .arg(StrategyReport::kFewestDraws)
            .arg(figures);
    }
    int above = 0;
    int below = 0;
    // Each seed beside its own band.
    for (const Seed& seed : m_seeds) {
        above += seed.strategy.returnRate() > seed.bands.returnRate.high ? 1 : 0;
        below += seed.strategy.returnRate() < seed.bands.returnRate.low ? 1 : 0;
    }
    const QString opening =
        QStringLiteral("Sur %1 graines et %2 tirages chacune, ").arg(seeds).arg(draws);
    const QString counts = QStringLiteral("%1 graine(s) au-dessus et %2 au-dessous de "
                                          "l'intervalle du hasard")
                               .arg(above)
                               .arg(below);
    const double median = medianReturn();
    if (median > band.high) {
        return opening +
               QStringLiteral("le taux de retour médian dépasse ce que le hasard donne dans 97,5 "
                              "% des cas, %1 (%2) : la stratégie reste à confirmer sur d'autres "
                              "tirages")
                   .arg(counts, figures);
    }
    if (median < band.low) {
        return opening +
               QStringLiteral("le taux de retour médian reste sous ce que le hasard donne dans "
                              "97,5 % des cas, %1 (%2)")
                   .arg(counts, figures);
    }
    return opening + QStringLiteral("la stratégie ne se distingue pas du hasard, %1 (%2)")
                         .arg(counts, figures);
}

QStringList SeedSpread::seedLines() const {
    QStringList lines{QStringLiteral("graine\ttaux de retour\tnet\tmoyenne de numéros trouvés")};
    for (const Seed& seed : m_seeds) {
        lines << QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(seed.seed)
                     .arg(percent(seed.strategy.returnRate()))
                     .arg(seed.strategy.net())
                     .arg(common::formatDecimal(seed.strategy.meanHits(), 4));
    }
    return lines;
}

QStringList SeedSpread::spreadLines() const {
    const StrategyReport::Band band = chanceBand();
    // The net and the mean hits vary by luck too, as widely as the return.
    const StrategyReport::Band net = widest([](const Seed& seed) {
        const StrategyReport::Side& side = seed.strategy;
        return StrategyReport::Band{static_cast<double>(side.netAt(seed.bands.returnRate.low)),
                                    static_cast<double>(side.netAt(seed.bands.returnRate.high))};
    });
    const StrategyReport::Band hits = widest([](const Seed& seed) { return seed.bands.meanHits; });
    return {line("graines", QString::number(m_seeds.size())),
            line("tirages par graine", QString::number(draws())),
            line("taux de retour le plus bas", percent(lowestReturn())),
            line("taux de retour médian", percent(medianReturn())),
            line("taux de retour le plus haut", percent(highestReturn())),
            line("hasard intervalle à 95 %",
                 percent(band.low) + QStringLiteral(" - ") + percent(band.high)),
            line("hasard intervalle à 95 % du net",
                 between(QString::number(qint64(net.low)), QString::number(qint64(net.high)))),
            line("hasard intervalle à 95 % de la moyenne de numéros trouvés",
                 between(common::formatDecimal(hits.low, 4), common::formatDecimal(hits.high, 4))),
            line("taux de retour attendu", percent(expectedReturn()))};
}

QStringList SeedSpread::text() const {
    const int seeds = static_cast<int>(m_seeds.size());
    QString title = QStringLiteral("Rapport de stratégie sur %1 graines : pour chacune les grilles "
                                   "calculées pour chaque tirage, puis l'écart entre graines à "
                                   "côté du hasard")
                        .arg(seeds);
    if (m_stopped) {
        title = QStringLiteral("Rapport de stratégie sur %1 graines ARRÊTÉ : les chiffres ne "
                               "couvrent pas toute la période")
                    .arg(seeds);
    }
    return QStringList{title, verdict()} + seedLines() + spreadLines();
}

QStringList SeedSpread::csv() const {
    QStringList lines{QStringLiteral(
        "graine;tirages;grilles;mise;gains;net;taux de retour;moyenne de numéros trouvés")};
    for (const Seed& seed : m_seeds) {
        lines << QStringLiteral("%1;%2;%3;%4;%5;%6;%7;%8")
                     .arg(seed.seed)
                     .arg(seed.draws)
                     .arg(seed.strategy.tips)
                     .arg(seed.strategy.staked)
                     .arg(seed.strategy.won)
                     .arg(seed.strategy.net())
                     .arg(common::formatDecimal(seed.strategy.returnRate() * 100, 2))
                     .arg(common::formatDecimal(seed.strategy.meanHits(), 4));
    }
    return lines;
}

} // namespace backtest
