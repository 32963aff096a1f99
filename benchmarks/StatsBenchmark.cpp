// SPDX-License-Identifier: GPL-3.0-or-later
// Times each statistic over the whole real history, and the pair search made
// with bit sets against probing every draw through the tip check.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <stdexcept>

#include "RealHistory.h"
#include "history/DrawHistory.h"
#include "stats/CrossSumDistribution.h"
#include "stats/NumberDistribution.h"
#include "stats/OverdueNumbers.h"
#include "stats/RunSearch.h"
#include "stats/TipDistribution.h"
#include "tips/TipCheck.h"
#include "tips/TipLine.h"

namespace {

// The history as the program keeps it: the archive imported into a history
// file, read back once.
const history::DrawHistory& realHistory() {
    return bench::realHistory();
}

double firstDay() {
    return common::kFirstDrawDay;
}

double lastDay() {
    return realHistory().at(realHistory().size() - 1).datum;
}

void BM_NumberDistribution(benchmark::State& state) {
    realHistory(); // imported before the timing starts
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            stats::NumberDistribution::run(realHistory(), firstDay(), lastDay()));
    }
    state.counters["draws"] = realHistory().size();
}

void BM_OverdueNumbers(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(stats::OverdueNumbers::run(realHistory(), firstDay(), lastDay()));
    }
}

void BM_CrossSumDistribution(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            stats::CrossSumDistribution::run(realHistory(), firstDay(), lastDay()));
    }
}

void BM_TipDistribution(benchmark::State& state) {
    // A full list: 120 tips of ten numbers from the last draws.
    QStringList lines;
    for (int i = 0; i < 120; ++i) {
        const history::TZiehung& record = realHistory().at(realHistory().size() - 1 - i);
        lines << tips::TipLine::write({record.zahlen.begin(), record.zahlen.begin() + 10});
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(stats::TipDistribution::run(lines));
    }
}

void BM_RunSearch(benchmark::State& state) {
    const auto kind = static_cast<stats::RunSearch::Kind>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            stats::RunSearch::run(realHistory(), kind, firstDay(), lastDay(), 10));
    }
}

// The pair search as 69 probe tips per draw, each parsed and checked.
void BM_PairSearchLiteral(benchmark::State& state) {
    const double start = firstDay();
    const double end = lastDay();
    for (auto _ : state) {
        std::array<int, 71> counters{};
        tips::HitTally tally;
        tips::TipCheck::Draw zahl{};
        for (const history::TZiehung& record : realHistory().records()) {
            if (!(record.datum > start && record.datum <= end)) {
                continue;
            }
            std::copy(record.zahlen.begin(), record.zahlen.end(), zahl.begin());
            for (int n = 1; n <= 69; ++n) {
                const QString probe = stats::RunSearch::probeText(stats::RunSearch::Kind::Pairs, n);
                if (tips::TipCheck::checkTip(probe, zahl, 10, &tally).gewinn == 2) {
                    ++counters[static_cast<std::size_t>(n)];
                }
            }
        }
        benchmark::DoNotOptimize(counters);
    }
}

} // namespace

BENCHMARK(BM_NumberDistribution)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OverdueNumbers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CrossSumDistribution)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TipDistribution)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunSearch)
    ->Arg(static_cast<int>(stats::RunSearch::Kind::Pairs))
    ->Arg(static_cast<int>(stats::RunSearch::Kind::Triples))
    ->Arg(static_cast<int>(stats::RunSearch::Kind::Quadruples))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PairSearchLiteral)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
