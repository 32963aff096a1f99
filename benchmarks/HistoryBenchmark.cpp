// Load at date over the whole real history: the file is read and the draw at
// the picker's date looked up, as every cursor move does.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "common/DayNumber.h"
#include "history/ArchiveImporter.h"
#include "history/DrawCursor.h"
#include "history/HistoryFile.h"

namespace {

const QString& historyPath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QDir data(QStringLiteral(TIRVEX_ARCHIVE_DATA));
        QStringList files;
        for (const char* name : {"keno.csv", "keno_gagnant_a_vie.csv", "keno_201811.csv",
                                 "keno_202010.csv", "2020-10_to_2025-06_keno_df_not_clean.csv"}) {
            files << data.filePath(QString::fromLatin1(name));
        }
        const QString target = dir.filePath(QStringLiteral("Tirvex.dat"));
        history::ArchiveImporter::importFiles(files, target, target + QLatin1Char('~'));
        return target;
    }();
    return path;
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
