// SPDX-License-Identifier: GPL-3.0-or-later
#include "backtest/StrategyReport.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <utility>

#include "backtest/ReportText.h"
#include "common/Formats.h"
#include "common/Random.h"
#include "tips/Odds.h"

namespace backtest {

namespace {

void add(StrategyReport::Side* total, const StrategyReport::Side& part) {
    total->tips += part.tips;
    total->staked += part.staked;
    total->won += part.won;
    total->hits += part.hits;
}

} // namespace

double StrategyReport::Side::returnRate() const {
    return staked > 0 ? static_cast<double>(won) / static_cast<double>(staked) : 0;
}

double StrategyReport::Side::meanHits() const {
    return tips > 0 ? static_cast<double>(hits) / static_cast<double>(tips) : 0;
}

StrategyReport::StrategyReport(int numbersPerTip, int stake)
    : m_numbersPerTip(numbersPerTip), m_stake(stake) {
}

StrategyReport::Side StrategyReport::sideOf(const std::vector<int>& hits) const {
    Side side;
    for (int h : hits) {
        ++side.tips;
        side.staked += m_stake;
        side.won += m_stake * tips::Odds::factor(m_numbersPerTip, h);
        side.hits += h;
    }
    return side;
}

void StrategyReport::addCycle(common::DayNumber date, int soir,
                              const std::vector<int>& strategyHits,
                              const std::vector<int>& chanceHits) {
    Cycle cycle;
    cycle.date = date;
    cycle.soir = soir;
    cycle.strategy = sideOf(strategyHits);
    cycle.chance = sideOf(chanceHits);
    add(&m_strategy, cycle.strategy);
    add(&m_chance, cycle.chance);
    cycle.strategyNet = m_strategy.net();
    cycle.chanceNet = m_chance.net();
    m_cycles.push_back(cycle);
}

StrategyReport::Band StrategyReport::chanceReturnBand(int numbersPerTip, qint64 tips) {
    // The simulation costs far more than a walk; a report over several seeds
    // asks for the same band once per seed, from several threads.
    static std::mutex mutex;
    static std::map<std::pair<int, qint64>, Band> known;
    const std::pair<int, qint64> key(numbersPerTip, tips);
    {
        const std::lock_guard<std::mutex> lock(mutex);
        const auto found = known.find(key);
        if (found != known.end()) {
            return found->second;
        }
    }
    const Band band = simulatedBand(numbersPerTip, tips);
    const std::lock_guard<std::mutex> lock(mutex);
    known.emplace(key, band);
    return band;
}

StrategyReport::Band StrategyReport::simulatedBand(int numbersPerTip, qint64 tips) {
    constexpr int kRuns = 4000;
    if (tips <= 0) {
        return {};
    }
    // Each tip's hits follow the hypergeometric odds; its prize is the
    // table's factor for them. Sampled by the cumulative odds.
    std::vector<double> cumulative;
    double sum = 0;
    for (int h = 0; h <= numbersPerTip; ++h) {
        sum += tips::Odds::probability(numbersPerTip, h);
        cumulative.push_back(sum);
    }
    common::Random random(20250604);
    std::vector<double> rates;
    rates.reserve(kRuns);
    for (int run = 0; run < kRuns; ++run) {
        qint64 won = 0;
        for (qint64 t = 0; t < tips; ++t) {
            const double u = random.next(1 << 30) / double(1 << 30) * sum;
            const int hits = static_cast<int>(
                std::upper_bound(cumulative.begin(), cumulative.end(), u) - cumulative.begin());
            won += tips::Odds::factor(numbersPerTip, std::min(hits, numbersPerTip));
        }
        rates.push_back(double(won) / double(tips));
    }
    std::sort(rates.begin(), rates.end());
    return {rates[kRuns * 25 / 1000], rates[kRuns * 975 / 1000]};
}

QString StrategyReport::verdict() const {
    const int draws = cycles();
    const Band band = chanceReturnBand(m_numbersPerTip, m_strategy.tips);
    const QString figures =
        QStringLiteral("taux de retour %1, hasard attendu %2, intervalle à 95 % %3-%4 %")
            .arg(percent(m_strategy.returnRate()),
                 percent(tips::Odds::expectedReturn(m_numbersPerTip)),
                 common::formatDecimal(band.low * 100, 0),
                 common::formatDecimal(band.high * 100, 0));
    if (draws < kFewestDraws) {
        return QStringLiteral("Trop peu de tirages pour conclure : %1 tirage(s), il en faut au "
                              "moins %2 (%3)")
            .arg(draws)
            .arg(kFewestDraws)
            .arg(figures);
    }
    const double rate = m_strategy.returnRate();
    if (rate > band.high) {
        return QStringLiteral("Sur %1 tirages, la stratégie a rapporté plus que le hasard dans "
                              "97,5 % des cas (%2) : cela arrive aussi par chance, une fois sur "
                              "quarante")
            .arg(draws)
            .arg(figures);
    }
    if (rate < band.low) {
        return QStringLiteral("Sur %1 tirages, la stratégie a rapporté moins que le hasard dans "
                              "97,5 % des cas (%2)")
            .arg(draws)
            .arg(figures);
    }
    return QStringLiteral("Sur %1 tirages, la stratégie ne se distingue pas du hasard (%2)")
        .arg(draws)
        .arg(figures);
}

QStringList StrategyReport::summary() const {
    const int k = m_numbersPerTip;
    return {
        line("tirages", QString::number(cycles())),
        line("grilles", QString::number(m_strategy.tips)),
        line("numéros par grille", QString::number(k)),
        line("mise", QString::number(m_strategy.staked)),
        line("gains", QString::number(m_strategy.won)),
        line("net", QString::number(m_strategy.net())),
        line("taux de retour", percent(m_strategy.returnRate())),
        line("moyenne de numéros trouvés", common::formatDecimal(m_strategy.meanHits(), 4)),
        line("hasard gains", QString::number(m_chance.won)),
        line("hasard net", QString::number(m_chance.net())),
        line("hasard taux de retour", percent(m_chance.returnRate())),
        line("hasard moyenne de numéros trouvés", common::formatDecimal(m_chance.meanHits(), 4)),
        line("taux de retour attendu", percent(tips::Odds::expectedReturn(k))),
        line("moyenne attendue de numéros trouvés",
             common::formatDecimal(tips::Odds::expectedHits(k), 4))};
}

QStringList StrategyReport::text() const {
    QString title = QStringLiteral("Rapport de stratégie : les grilles calculées pour chaque "
                                   "tirage, à côté d'autant de grilles au hasard");
    if (m_stopped) {
        title = QStringLiteral("Rapport de stratégie ARRÊTÉ après %1 tirages : les chiffres "
                               "ne couvrent pas toute la période")
                    .arg(cycles());
    }
    return QStringList{title, verdict()} + summary();
}

QStringList StrategyReport::csv() const {
    QStringList lines{QStringLiteral("cycle;date;tirage;grilles;numéros trouvés;gain;net cumulé;"
                                     "hasard numéros trouvés;hasard gain;hasard net cumulé")};
    int number = 0;
    for (const Cycle& cycle : m_cycles) {
        lines << QStringLiteral("%1;%2;%3;%4;%5;%6;%7;%8;%9;%10")
                     .arg(++number)
                     .arg(common::formatShortDate(common::toDate(cycle.date)))
                     .arg(cycle.soir ? QStringLiteral("soir") : QStringLiteral("midi"))
                     .arg(cycle.strategy.tips)
                     .arg(cycle.strategy.hits)
                     .arg(cycle.strategy.won)
                     .arg(cycle.strategyNet)
                     .arg(cycle.chance.hits)
                     .arg(cycle.chance.won)
                     .arg(cycle.chanceNet);
    }
    return lines;
}

history::NumberSet StrategyReport::chanceTip(common::Random& random, int k) {
    history::NumberSet tip;
    k = std::clamp(k, 0, 70);
    // Drawing again until a number is new picks every k-subset alike.
    while (tip.size() < k) {
        tip.add(random.next(70) + 1);
    }
    return tip;
}

} // namespace backtest
