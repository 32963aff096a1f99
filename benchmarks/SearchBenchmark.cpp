// SPDX-License-Identifier: GPL-3.0-or-later
// The tip search over the whole real history as "search 7" runs it with a
// full list of 120 tips, beside a floor that counts the same draws' best hits
// with AND and popcount. Each iteration runs both; "ratio" is the search's
// CPU time over the floor's.
#include <benchmark/benchmark.h>

#include <numeric>
#include <random>

#include "BesideFloor.h"
#include "QuietPort.h"
#include "RealHistory.h"
#include "app/Session.h"
#include "app/TipSearchCommands.h"
#include "tips/TipLine.h"

namespace {

// 120 tips of ten numbers, the same in every run.
std::vector<std::vector<int>> tipNumbers() {
    std::mt19937 random(4711);
    std::vector<std::vector<int>> tips(120);
    for (std::vector<int>& tip : tips) {
        std::vector<int> all(70);
        std::iota(all.begin(), all.end(), 1);
        std::shuffle(all.begin(), all.end(), random);
        tip.assign(all.begin(), all.begin() + 10);
    }
    return tips;
}

// The floor: draws on which some tip has 7 hits or more.
int plainSearch(const history::DrawHistory& draws, const std::vector<history::NumberSet>& tips) {
    int reported = 0;
    for (const history::NumberSet& drawn : draws.sets()) {
        int best = 0;
        for (const history::NumberSet& tip : tips) {
            best = std::max(best, tip.common(drawn));
        }
        reported += best >= 7;
    }
    return reported;
}

void BM_TipSearchBesidePopcount(benchmark::State& state) {
    const history::DrawHistory& draws = bench::realHistory();
    bench::QuietPort port;
    port.answer = QStringLiteral("7");
    app::Session session(port);
    session.setHome(bench::realHistoryHome());
    session.FormCreate(nullptr);
    std::vector<history::NumberSet> sets;
    QStringList lines;
    for (const std::vector<int>& numbers : tipNumbers()) {
        lines << tips::TipLine::write(numbers);
        history::NumberSet set;
        for (int n : numbers) {
            set.add(n);
        }
        sets.push_back(set);
    }
    int reported = 0;
    session.tipSearch().setHitHandler([&](const QString&) {
        ++reported;
        return true;
    });
    const QDate first = common::toDate(draws.at(0).datum);
    const QDate last = common::toDate(draws.at(draws.size() - 1).datum);
    bench::BesideFloor timing;
    int plainReported = 0;
    for (auto _ : state) {
        session.tipList().lines() = lines;
        session.controls().setDate(app::Control::DateTimePicker2, first);
        session.controls().setDate(app::Control::DateTimePicker1, last);
        reported = 0;
        timing.time([&] { session.tipSearch().SpeedButton4Click(); },
                    [&] { plainReported = plainSearch(draws, sets); });
    }
    if (reported != plainReported) {
        state.SkipWithError("the floor reports other draws than the search");
        return;
    }
    state.counters["reported"] = reported;
    timing.report(state, "search");
}
BENCHMARK(BM_TipSearchBesidePopcount)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
