// SPDX-License-Identifier: GPL-3.0-or-later
// Times the tip generator over the real history: the attempt rate through the
// cheap tests, and whole runs with the history tests judged from memory beside
// the same runs reading the history file for every attempt that gets there.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <stdexcept>

#include "RealHistory.h"
#include "app/GeneratorParameters.h"
#include "generator/FileScanProbe.h"
#include "generator/HistoryTests.h"
#include "generator/TipGenerator.h"
#include "generator/WindowDraws.h"
#include "history/DrawCursor.h"

namespace {

using namespace generator;

// The archive imported into a history file once; the file stays for the
// file-scanning runs.
struct RealHistory {
    const QString& path = bench::realHistoryPath();
    const history::DrawHistory& draws = bench::realHistory();
};

const RealHistory& real() {
    static const RealHistory loaded;
    return loaded;
}

class QuietHost : public GeneratorHost {
public:
    void showStatus(int, const QString&) override {}
    void processEvents() override {}
    bool stillRunning() override { return true; }
    ReviewAnswer reviewPool(prefs::NumberGrid&) override { return ReviewAnswer::Ok; }
    void message(const QString&) override {}
};

// Number distribution and overdue numbers, counted plainly.
class PlainStatistics : public StatisticsProvider {
public:
    bool compute(Statistic statistic, const Parameters& p, stats::StatResult* result,
                 QString*) override {
        const double start = common::toDayNumber(p.dateTimePicker2);
        const double end = common::toDayNumber(p.dateTimePicker1);
        const bool overdue = statistic == Statistic::Overdue;
        std::vector<double> values(70, overdue ? 1 : 0);
        for (const history::TZiehung& record : real().draws.records()) {
            const bool inside =
                record.datum <= end && (overdue ? record.datum > start : record.datum >= start);
            if (!inside) {
                continue;
            }
            if (overdue) {
                for (double& v : values) {
                    v += 1;
                }
            }
            for (int n : record.zahlen) {
                values[static_cast<std::size_t>(n - 1)] = overdue ? 1 : values[n - 1] + 1;
            }
        }
        result->points.clear();
        result->fixedRange = true;
        result->minimum = *std::min_element(values.begin(), values.end());
        result->maximum = *std::max_element(values.begin(), values.end());
        for (int n = 1; n <= 70; ++n) {
            result->points.push_back({static_cast<double>(n), values[n - 1]});
        }
        return true;
    }
};

struct Setup {
    Parameters p = app::GeneratorParameters::defaults();
    RunInput input;

    Setup() {
        const history::DrawHistory& draws = real().draws;
        const double last = draws.at(draws.size() - 1).datum;
        p.dateTimePicker1 = common::toDate(last);
        p.dateTimePicker2 = p.dateTimePicker1.addDays(-365);
        history::DrawCursor cursor;
        cursor.loadAtDate(draws.records(), last);
        for (ReferenceDraw& draw : input.references) {
            draw = cursor.current().zahl;
            cursor.stepBack(draws.records());
        }
        input.history = &draws;
    }
};

// Counts the questions that reach the history, for the report.
class CountingProbe : public HistoryProbe {
public:
    explicit CountingProbe(HistoryProbe& inner) : m_inner(inner) {}
    bool passes(const Attempt& a, common::DayNumber from, common::DayNumber to,
                int threshold) override {
        ++calls;
        return m_inner.passes(a, from, to, threshold);
    }
    long long calls = 0;

private:
    HistoryProbe& m_inner;
};

// One million attempts through tests 1 to 7 with default parameters; tests 10
// and 11 then refuse every attempt (twelve even and odd numbers in ten).
void BM_AttemptsThroughTests1To7(benchmark::State& state) {
    Setup setup;
    setup.p.checkBox9 = setup.p.checkBox17 = false;
    setup.p.checkBox25 = setup.p.checkBox26 = true;
    setup.p.upDown16 = setup.p.upDown17 = 6;
    setup.p.upDown7 = 1000;
    setup.p.upDown9 = 1;
    QuietHost host;
    PlainStatistics statistics;
    common::Random random(1);
    long long attempts = 0;
    for (auto _ : state) {
        TipGenerator generator(host, statistics, random);
        attempts += generator.run(setup.p, setup.input).attempts;
    }
    state.counters["attempts/s"] =
        benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kIsRate);
}

// Runs N tips of 10 numbers with default parameters (evaluation window one
// year); range(1) = 1 reads the history file for every history test;
// range(2) is the attempt limit in thousands (default 10), range(3) the
// lower bound of shared numbers (default 1).
void BM_Run(benchmark::State& state) {
    const int tips = static_cast<int>(state.range(0));
    const bool scanFile = state.range(1) == 1;
    const int limit = static_cast<int>(state.range(2));
    const int lowerBound = static_cast<int>(state.range(3));
    QuietHost host;
    PlainStatistics statistics;
    FileScanProbe fileProbe(real().path);
    long long attempts = 0;
    long long probes = 0;
    int made = 0;
    for (auto _ : state) {
        Setup setup;
        setup.p.upDown9 = tips;
        setup.p.upDown7 = limit;
        setup.p.upDown1 = lowerBound;
        common::Random random(4711);
        TipGenerator generator(host, statistics, random);
        CountingProbe counting(fileProbe);
        if (scanFile) {
            generator.setHistoryProbe(&counting);
        }
        const RunResult result = generator.run(setup.p, setup.input);
        made = static_cast<int>(result.tips.size());
        attempts += result.attempts;
        probes += counting.calls;
    }
    state.counters["attempts"] =
        benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kAvgIterations);
    state.counters["tips"] = made;
    if (scanFile) {
        state.counters["file scans"] =
            benchmark::Counter(static_cast<double>(probes), benchmark::Counter::kAvgIterations);
    }
}

// One question of the evaluation-window test (one year, threshold 10) per
// iteration: range(0) = 0 from memory, 1 reading the file.
void BM_HistoryTest(benchmark::State& state) {
    Setup setup;
    WindowDraws memory(real().draws);
    FileScanProbe file(real().path);
    HistoryProbe& probe = state.range(0) == 1 ? static_cast<HistoryProbe&>(file) : memory;
    HistoryTests tests(setup.p, probe, nullptr);
    common::Random random(3);
    std::vector<Attempt> attempts(64);
    for (Attempt& attempt : attempts) {
        while (attempt.count < 10) {
            const Bits bit = bitOf(random.next(70) + 1);
            attempt.count += (attempt.bits & bit) ? 0 : 1;
            attempt.bits |= bit;
        }
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tests.Secheroderfuenfer(attempts[i++ % attempts.size()], 10));
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_HistoryTest)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AttemptsThroughTests1To7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Run)
    ->Args({120, 0, 10, 1})
    ->Args({120, 1, 10, 1})
    ->Args({120, 0, 10000, 1})
    ->Args({120, 0, 10, 0})
    ->Args({120, 1, 10, 0})
    ->Args({10, 0, 10, 1})
    ->Args({10, 1, 10, 1})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
