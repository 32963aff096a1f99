// SPDX-License-Identifier: GPL-3.0-or-later
#include "backtest/StrategyReport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
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

qint64 StrategyReport::Side::wonAt(double rate) const {
    return std::llround(rate * static_cast<double>(staked));
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
                              std::vector<history::NumberSet> tips,
                              const std::vector<int>& strategyHits,
                              const std::vector<int>& chanceHits) {
    Cycle cycle;
    cycle.date = date;
    cycle.soir = soir;
    cycle.tips = std::move(tips);
    cycle.strategy = sideOf(strategyHits);
    cycle.chance = sideOf(chanceHits);
    add(&m_strategy, cycle.strategy);
    add(&m_chance, cycle.chance);
    cycle.strategyNet = m_strategy.net();
    cycle.chanceNet = m_chance.net();
    m_cycles.push_back(std::move(cycle));
    m_bands.reset();
}

const StrategyReport::ChanceBands& StrategyReport::chanceBands() const {
    if (!m_bands) {
        m_bands = simulatedBands();
    }
    return *m_bands;
}

namespace {

StrategyReport::Band bandOf(std::vector<double>* values) {
    std::sort(values->begin(), values->end());
    const std::size_t n = values->size();
    return {(*values)[n * 25 / 1000], (*values)[n * 975 / 1000]};
}

} // namespace

namespace {

// 20 distinct numbers of 1..70, every such draw alike: the same numbers, from
// the same calls, as a chance tip of 20, without its bounds checks.
history::NumberSet randomDraw(common::Random& random) {
    history::NumberSet drawn;
    for (int count = 0; count < 20;) {
        const int index = random.next(70);
        std::uint64_t& word = index < 64 ? drawn.low : drawn.high;
        const std::uint64_t bit = std::uint64_t{1} << (index & 63);
        if ((word & bit) == 0) {
            word |= bit;
            ++count;
        }
    }
    return drawn;
}

} // namespace

StrategyReport::ChanceBands StrategyReport::simulatedBands() const {
    // The tips in one array, cycle after cycle, and where each cycle ends:
    // every run passes over all of them.
    std::vector<history::NumberSet> tips;
    std::vector<std::size_t> ends;
    ends.reserve(m_cycles.size());
    for (const Cycle& cycle : m_cycles) {
        tips.insert(tips.end(), cycle.tips.begin(), cycle.tips.end());
        ends.push_back(tips.size());
    }
    if (tips.empty()) {
        return {};
    }
    std::array<qint64, 21> prize{};
    for (int hits = 0; hits <= 20; ++hits) {
        prize[static_cast<std::size_t>(hits)] =
            tips::Odds::factor(m_numbersPerTip, std::min(hits, m_numbersPerTip));
    }
    // Each run plays every cycle's tips against a random draw of its own.
    // 4,000 runs place the band's ends to about a quarter of a percent of
    // chance; a long history gets fewer (at least 1,000), so that the runs
    // never cost much more than a year's 4,000.
    const int runs = static_cast<int>(
        std::clamp<qint64>(12'000'000 / static_cast<qint64>(ends.size()), 1000, 4000));
    common::Random random(20250604);
    std::vector<double> rates;
    std::vector<double> meanHits;
    rates.reserve(static_cast<std::size_t>(runs));
    meanHits.reserve(static_cast<std::size_t>(runs));
    const auto count = static_cast<double>(tips.size());
    for (int run = 0; run < runs; ++run) {
        qint64 won = 0;
        qint64 hitsInAll = 0;
        std::size_t tip = 0;
        for (const std::size_t end : ends) {
            const history::NumberSet drawn = randomDraw(random);
            for (; tip < end; ++tip) {
                const int hits = tips[tip].common(drawn);
                won += prize[static_cast<std::size_t>(hits)];
                hitsInAll += hits;
            }
        }
        rates.push_back(static_cast<double>(won) / count);
        meanHits.push_back(static_cast<double>(hitsInAll) / count);
    }
    return {bandOf(&rates), bandOf(&meanHits)};
}

StrategyReport::ChanceBands StrategyReport::oneTipPerDraw(int numbersPerTip, int tips) {
    // Against random draws one tip is as good as any other of its size.
    history::NumberSet tip;
    for (int number = 1; number <= numbersPerTip; ++number) {
        tip.add(number);
    }
    StrategyReport season(numbersPerTip, 1);
    for (int draw = 0; draw < tips; ++draw) {
        season.addCycle(draw + 1, 0, {tip}, {0}, {0});
    }
    return season.chanceBands();
}

StrategyReport::Expectation StrategyReport::expectation() const {
    std::map<int, qint64> tipsOfSize;
    qint64 tips = 0;
    for (const Cycle& cycle : m_cycles) {
        for (const history::NumberSet& tip : cycle.tips) {
            ++tipsOfSize[tip.size()];
            ++tips;
        }
    }
    if (tips == 0) {
        return {tips::Odds::expectedReturn(m_numbersPerTip),
                tips::Odds::expectedHits(m_numbersPerTip)};
    }
    Expectation sum;
    for (const auto& [size, count] : tipsOfSize) {
        double rate = 0;
        for (int hits = 0; hits <= std::min(size, tips::Odds::kDrawn); ++hits) {
            rate += tips::Odds::probability(size, hits) *
                    static_cast<double>(
                        tips::Odds::factor(m_numbersPerTip, std::min(hits, m_numbersPerTip)));
        }
        const double share = static_cast<double>(count) / static_cast<double>(tips);
        sum.returnRate += share * rate;
        sum.meanHits += share * tips::Odds::expectedHits(size);
    }
    return sum;
}

QString StrategyReport::verdict() const {
    const int draws = cycles();
    const Band& band = chanceBands().returnRate;
    QString figures =
        QStringLiteral("taux de retour %1, hasard attendu %2")
            .arg(roundPercent(m_strategy.returnRate()), roundPercent(expectation().returnRate));
    if (m_strategy.tips > 0) {
        figures += QStringLiteral(", intervalle à 95 % %1-%2 %")
                       .arg(common::formatDecimal(band.low * 100, 0),
                            common::formatDecimal(band.high * 100, 0));
    }
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
                              "97,5 % des cas (%2) : cela arrive aussi par malchance, une fois "
                              "sur quarante")
            .arg(draws)
            .arg(figures);
    }
    return QStringLiteral("Sur %1 tirages, la stratégie ne se distingue pas du hasard (%2)")
        .arg(draws)
        .arg(figures);
}

QStringList StrategyReport::summary() const {
    const int k = m_numbersPerTip;
    // The chance tips' own figures are one sample of luck: the interval
    // belongs to the strategy's tips, not theirs.
    const ChanceBands& bands = chanceBands();
    const Expectation expected = expectation();
    // Without a tip played luck has nothing to spread.
    const bool played = m_strategy.tips > 0;
    const auto chanceInterval = [played](const QString& low, const QString& high) {
        return played ? QStringLiteral("\thasard à 95 % : %1 à %2").arg(low, high) : QString();
    };
    const Band& range = bands.returnRate;
    const QString won = chanceInterval(QString::number(m_strategy.wonAt(range.low)),
                                       QString::number(m_strategy.wonAt(range.high)));
    const QString net = chanceInterval(QString::number(m_strategy.netAt(range.low)),
                                       QString::number(m_strategy.netAt(range.high)));
    const QString rate =
        chanceInterval(percent(bands.returnRate.low), percent(bands.returnRate.high));
    const QString hits = chanceInterval(common::formatDecimal(bands.meanHits.low, 4),
                                        common::formatDecimal(bands.meanHits.high, 4));
    return {
        line("tirages", QString::number(cycles())),
        line("grilles", QString::number(m_strategy.tips)),
        line("numéros par grille", QString::number(k)),
        line("mise", QString::number(m_strategy.staked)) +
            (played ? QStringLiteral("\tautant pour le hasard") : QString()),
        line("gains", QString::number(m_strategy.won)) + won,
        line("net", QString::number(m_strategy.net())) + net,
        line("taux de retour", percent(m_strategy.returnRate())) + rate,
        line("moyenne de numéros trouvés", common::formatDecimal(m_strategy.meanHits(), 4)) + hits,
        line("hasard gains", QString::number(m_chance.won)),
        line("hasard net", QString::number(m_chance.net())),
        line("hasard taux de retour", percent(m_chance.returnRate())),
        line("hasard moyenne de numéros trouvés", common::formatDecimal(m_chance.meanHits(), 4)),
        line("taux de retour attendu", percent(expected.returnRate)),
        line("moyenne attendue de numéros trouvés", common::formatDecimal(expected.meanHits, 4))};
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
