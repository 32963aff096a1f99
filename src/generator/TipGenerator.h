// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <memory>
#include <vector>

#include "common/Random.h"
#include "generator/AcceptanceTests.h"
#include "generator/GeneratorHost.h"
#include "generator/HistoryProbe.h"
#include "generator/NumberPool.h"
#include "generator/Parameters.h"
#include "generator/PoolBuilder.h"
#include "generator/StatisticsProvider.h"
#include "history/DrawHistory.h"

namespace generator {

struct RunInput {
    const history::DrawHistory* history = nullptr;
    ReferenceDraws references{}; // current draw, previous, the one before
    QStringList tipLines;        // the list as it stands before the run
};

struct RunResult {
    enum class Outcome {
        Completed,    // every tip found (or none was needed)
        LimitReached, // a tip could not be found within LaufMax attempts
        Stopped,      // the user stopped the run
        Cancelled,    // the pool review was cancelled: nothing generated
        Failed        // the pool could not be built; a message said why
    };
    Outcome outcome = Outcome::Completed;
    bool listCleared = false;
    QStringList tips;      // the accepted tip lines, in order
    QString closingStatus; // the last text of status panel 0
    int laufMax = 0;
    long long attempts = 0;
    std::vector<int> pool;
    // What the acceptance tests did: for each test 1..12 the attempts it was
    // the first to refuse, the attempts that passed them all, and the
    // attempts each tip searched for took. Refused and passed attempts add up
    // to all attempts.
    std::array<long long, AcceptanceTests::kTests + 1> rejectedBy{};
    long long passed = 0;
    std::vector<long long> attemptsPerTip;
};

// One generator run: builds the pool, then searches tip after tip by random
// attempts until N tips are on the list, the attempt limit is reached or the
// user stops. It lets pending input run now and then (every few thousand
// attempts or 50 ms), which is where a stop or a parameter change arrives.
class TipGenerator {
public:
    static constexpr int kRunPanel = 0;
    static constexpr int kProgressPanel = 1;
    static constexpr qint64 kEventIntervalMs = 50;

    TipGenerator(GeneratorHost& host, StatisticsProvider& statistics, common::Random& random)
        : m_host(host), m_statistics(statistics), m_random(random) {}

    // The history tests judge attempts from memory unless another probe is set.
    void setHistoryProbe(HistoryProbe* probe) { m_probe = probe; }

    RunResult run(Parameters& parameters, const RunInput& input);

    static QString attemptStatus(int t, const Attempt& attempt, int crossSum);
    static QString limitMessage(int n);

private:
    struct Saved {
        bool checkBox8;
        int upDown4;
        int upDown5;
        int upDown6;
    };

    bool review(NumberPool* pool, RunResult* result);
    bool searchTip(int t, Attempt* accepted, RunResult* result);
    void fill(Attempt* attempt);
    void pumpEvents(int t, const Attempt& last);
    void finish(const Saved& saved);

    GeneratorHost& m_host;
    StatisticsProvider& m_statistics;
    common::Random& m_random;
    HistoryProbe* m_probe = nullptr;

    // Per run
    Parameters* m_parameters = nullptr;
    std::unique_ptr<AcceptanceTests> m_tests;
    const NumberPool* m_pool = nullptr;
    int m_k = 0;
    int m_laufMax = 0;
    bool m_running = true;
    QElapsedTimer m_sincePump;
};

} // namespace generator
