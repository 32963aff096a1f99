#include "backtest/StrategyReport.h"

#include <algorithm>

#include "common/Formats.h"
#include "tips/Odds.h"

namespace backtest {

namespace {

QString percent(double rate) {
    return common::formatDecimal(rate * 100, 2) + QStringLiteral(" %");
}

QString line(const char* name, const QString& value) {
    return QString::fromLatin1(name) + QLatin1Char('\t') + value;
}

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

QStringList StrategyReport::summary() const {
    const int k = m_numbersPerTip;
    return {line("cycles", QString::number(cycles())),
            line("tips", QString::number(m_strategy.tips)),
            line("numbers per tip", QString::number(k)),
            line("staked", QString::number(m_strategy.staked)),
            line("won", QString::number(m_strategy.won)),
            line("net", QString::number(m_strategy.net())),
            line("return", percent(m_strategy.returnRate())),
            line("mean hits", common::formatDecimal(m_strategy.meanHits(), 4)),
            line("chance won", QString::number(m_chance.won)),
            line("chance net", QString::number(m_chance.net())),
            line("chance return", percent(m_chance.returnRate())),
            line("chance mean hits", common::formatDecimal(m_chance.meanHits(), 4)),
            line("expected return", percent(tips::Odds::expectedReturn(k))),
            line("expected mean hits", common::formatDecimal(tips::Odds::expectedHits(k), 4))};
}

QStringList StrategyReport::text() const {
    QString title = QStringLiteral("Rapport de stratégie : les grilles calculées pour chaque "
                                   "tirage, à côté d'autant de grilles au hasard");
    if (m_stopped) {
        title = QStringLiteral("Rapport de stratégie ARRÊTÉ après %1 tirages : les chiffres "
                               "ne couvrent pas toute la période")
                    .arg(cycles());
    }
    return QStringList{title} + summary();
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
