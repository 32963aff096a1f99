// SPDX-License-Identifier: GPL-3.0-or-later
// Load at date over the whole real history: the file is read and the draw at
// the picker's date looked up, as every cursor move does.
#include <benchmark/benchmark.h>

#include "RealHistory.h"
#include "common/DayNumber.h"
#include "history/DrawCursor.h"
#include "history/HistoryFile.h"

namespace {

const QString& historyPath() {
    return bench::realHistoryPath();
}

void loadAtDate(benchmark::State& state, common::DayNumber day) {
    const QString& path = historyPath();
    history::DrawCursor cursor;
    for (auto _ : state) {
        std::vector<history::TZiehung> records;
        history::HistoryFile::readAll(path, &records);
        cursor.loadAtDate(records, day);
        benchmark::DoNotOptimize(cursor.current().position);
    }
}

void BM_LoadAtDateNewest(benchmark::State& state) {
    loadAtDate(state, common::toDayNumber(QDate(2030, 1, 1)));
}
BENCHMARK(BM_LoadAtDateNewest)->Unit(benchmark::kMillisecond);

void BM_LoadAtDateMiddle(benchmark::State& state) {
    loadAtDate(state, common::toDayNumber(QDate(2012, 10, 29)));
}
BENCHMARK(BM_LoadAtDateMiddle)->Unit(benchmark::kMillisecond);

void BM_StepForwardAtNewest(benchmark::State& state) {
    const QString& path = historyPath();
    history::DrawCursor cursor;
    for (auto _ : state) {
        std::vector<history::TZiehung> records;
        history::HistoryFile::readAll(path, &records);
        cursor.stepForward(records);
        benchmark::DoNotOptimize(cursor.current().position);
    }
}
BENCHMARK(BM_StepForwardAtNewest)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
