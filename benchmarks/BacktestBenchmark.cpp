// SPDX-License-Identifier: GPL-3.0-or-later
// Backtests over the real history: the next-draw test over all draws (the
// cycles alone and the whole command with load, log and file), and the
// walk-forward test over one year with the default parameters.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "QuietPort.h"
#include "RealHistory.h"
#include "app/BacktestCommands.h"
#include "app/Session.h"
#include "backtest/DrawAsTipRun.h"

namespace {

const QString& homePath() {
    return bench::realHistoryHome();
}

void BM_NextDrawCycles(benchmark::State& state) {
    history::DrawHistory history;
    history::DrawHistory::load(homePath() + QStringLiteral("/Tirvex.dat"), &history);
    int cycles = 0;
    for (auto _ : state) {
        backtest::DrawAsTipRun run(backtest::BacktestKind::NextDraw,
                                   backtest::CursorWalk(history, {0, history.at(0).datum, 0}));
        while (run.run(256)) {
        }
        cycles = run.result().cycles;
        benchmark::DoNotOptimize(run.result().tally);
    }
    state.counters["cycles"] = cycles;
    state.counters["draws/s"] = benchmark::Counter(static_cast<double>(cycles),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_NextDrawCycles)->Unit(benchmark::kMillisecond);

void runCommand(benchmark::State& state, backtest::BacktestKind kind, const QDate& start) {
    bench::QuietPort port;
    app::Session session(port);
    session.setHome(homePath());
    session.FormCreate(nullptr);
    int cycles = 0;
    for (auto _ : state) {
        session.controls().setDate(app::Control::DateTimePicker1, start);
        const auto report = session.backtests().run(kind);
        cycles = report.result.cycles;
    }
    state.counters["cycles"] = cycles;
    state.counters["draws/s"] = benchmark::Counter(static_cast<double>(cycles),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}

void BM_NextDrawCommandWholeHistory(benchmark::State& state) {
    runCommand(state, backtest::BacktestKind::NextDraw, QDate(1993, 9, 16));
}
BENCHMARK(BM_NextDrawCommandWholeHistory)->Unit(benchmark::kMillisecond);

void BM_LastThreeDrawsCommandWholeHistory(benchmark::State& state) {
    runCommand(state, backtest::BacktestKind::LastThreeDraws, QDate(1993, 9, 16));
}
BENCHMARK(BM_LastThreeDrawsCommandWholeHistory)->Unit(benchmark::kMillisecond);

// The date of the draw count draws before the newest.
QDate drawsBeforeNewest(int count) {
    const history::DrawHistory& all = bench::realHistory();
    return common::toDate(all.at(all.size() - 1 - count).datum);
}

void BM_WalkForwardOneYear(benchmark::State& state) {
    const int draws = bench::shortRunDraws();
    runCommand(state, backtest::BacktestKind::WalkForward,
               draws > 0 ? drawsBeforeNewest(draws) : QDate(2024, 6, 4));
}
BENCHMARK(BM_WalkForwardOneYear)->Unit(benchmark::kSecond)->Iterations(1);

// The walk-forward over the whole history from its first draw, and the
// milliseconds per cycle of its first and of its last thousand cycles. A
// generation sees only the draws up to its own, so the first thousand
// cycles of the whole run are the run over the first 1001 draws; the last
// thousand start 1001 draws before the newest, with the statistics window
// still opening at the first draw.
void walkForward(benchmark::State& state, const QString& home, const QDate& start) {
    bench::QuietPort port;
    app::Session session(port);
    session.setHome(home);
    session.FormCreate(nullptr);
    int cycles = 0;
    for (auto _ : state) {
        session.controls().setDate(app::Control::DateTimePicker1, start);
        session.controls().setDate(app::Control::DateTimePicker2, QDate(1993, 9, 16));
        cycles = session.backtests().run(backtest::BacktestKind::WalkForward).result.cycles;
    }
    state.counters["cycles"] = cycles;
    // Printed as a time per cycle, with the unit chosen to fit.
    state.counters["per cycle"] = benchmark::Counter(static_cast<double>(cycles),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_WalkForwardWholeHistory(benchmark::State& state) {
    const int draws = bench::shortRunDraws();
    walkForward(state, homePath(), draws > 0 ? drawsBeforeNewest(draws) : QDate(1993, 9, 16));
}
BENCHMARK(BM_WalkForwardWholeHistory)->Unit(benchmark::kSecond)->Iterations(1);

void BM_WalkForwardFirstThousandCycles(benchmark::State& state) {
    static QTemporaryDir dir;
    const history::DrawHistory& all = bench::realHistory();
    const int draws = bench::shortRunDraws() > 0 ? bench::shortRunDraws() : 1000;
    const std::vector<history::TZiehung> first(all.records().begin(),
                                               all.records().begin() + draws + 1);
    QFile file(dir.filePath(QStringLiteral("Tirvex.dat")));
    if (!file.open(QIODevice::WriteOnly) || file.write(history::HistoryFile::encode(first)) < 0) {
        state.SkipWithError("cannot write the history");
        return;
    }
    file.close();
    walkForward(state, dir.path(), QDate(1993, 9, 16));
}
BENCHMARK(BM_WalkForwardFirstThousandCycles)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WalkForwardLastThousandCycles(benchmark::State& state) {
    const int draws = bench::shortRunDraws();
    walkForward(state, homePath(), drawsBeforeNewest(draws > 0 ? draws : 1000));
}
BENCHMARK(BM_WalkForwardLastThousandCycles)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
