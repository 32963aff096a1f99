// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/TipGenerator.h"

#include "common/Formats.h"
#include "generator/ComparisonTable.h"
#include "generator/HistoryTests.h"
#include "generator/PoolWeights.h"
#include "generator/WindowDraws.h"
#include "tips/TipLine.h"

namespace generator {

namespace {

// Attempts between two looks at the clock: cheap enough not to show in the
// attempt rate, often enough that a stop is seen within milliseconds.
constexpr long long kClockStride = 256;
const QString kFilled = QStringLiteral("Trucs ont été recalculés");

} // namespace

QString TipGenerator::attemptStatus(int t, const Attempt& attempt, int crossSum) {
    QString text = QString::number(t) + QStringLiteral(".Tip:  ");
    for (int number : attempt.numbers()) {
        text += QLatin1Char(' ') + QString::number(number);
    }
    return text + QStringLiteral(" CS: ") + QString::number(crossSum);
}

QString TipGenerator::limitMessage(int n) {
    return QStringLiteral("Modifiez les paramètres pour calculer ") + QString::number(n) +
           QStringLiteral("  Trucs ");
}

RunResult TipGenerator::run(Parameters& parameters, const RunInput& input) {
    RunResult result;
    m_parameters = &parameters;
    m_k = parameters.upDown18;
    const int n = parameters.upDown9;
    m_laufMax = parameters.upDown7 * 1000;
    const Saved saved{parameters.checkBox8, parameters.upDown4, parameters.upDown5,
                      parameters.upDown6};

    QStringList lines = input.tipLines;
    if (parameters.checkBox28) {
        lines.clear();
        result.listCleared = true;
        m_host.tipListCleared();
    }
    const int first = static_cast<int>(lines.size()) + 1;
    ComparisonTable table;
    table.load(lines, m_k);

    static const history::DrawHistory kNoHistory;
    const history::DrawHistory& history = input.history ? *input.history : kNoHistory;
    NumberPool pool;
    QString error;
    PoolBuilder builder(parameters, m_host, m_statistics, history, input.references);
    if (!builder.build(&pool, &error)) {
        m_host.message(error);
        result.outcome = RunResult::Outcome::Failed;
        finish(saved);
        return result;
    }
    if (parameters.checkBox20 && !review(&pool, &result)) {
        finish(saved);
        return result;
    }
    result.pool = pool.entries();

    result.closingStatus = QStringLiteral("start of calculation");
    m_host.showStatus(kRunPanel, result.closingStatus);
    m_laufMax = parameters.upDown7 * 1000;
    result.laufMax = m_laufMax;

    WindowDraws memoryProbe(history);
    HistoryTests historyTests(parameters, m_probe ? *m_probe : memoryProbe, &m_host);
    AcceptanceTests::ReferenceBits references{};
    for (std::size_t i = 0; i < 3; ++i) {
        references[i] = bitsOf(input.references[i]);
    }
    m_tests = std::make_unique<AcceptanceTests>(parameters, references, table, historyTests, m_k);
    m_pool = &pool;
    m_running = true;
    m_sincePump.start();

    // A pool with fewer than k different numbers can never fill an attempt.
    bool dropped = first <= n && pool.distinctCount() < m_k;
    if (dropped) {
        result.outcome = RunResult::Outcome::LimitReached;
        result.closingStatus = limitMessage(n);
        m_host.showStatus(kRunPanel, result.closingStatus);
    }
    for (int t = first; t <= n && !dropped; ++t) {
        Attempt accepted;
        if (searchTip(t, &accepted, &result)) {
            table.store(t, accepted);
            const QString line = tips::TipLine::write(accepted.numbers());
            result.tips << line;
            m_host.tipAccepted(line);
        } else {
            dropped = true;
        }
    }
    m_tests.reset();
    m_pool = nullptr;
    finish(saved);
    return result;
}

bool TipGenerator::review(NumberPool* pool, RunResult* result) {
    prefs::NumberGrid grid;
    for (int n = 1; n <= 70; ++n) {
        const int occurrences = pool->occurrences(n);
        grid.setChecked(n, occurrences > 0);
        grid.setWeightText(n, QString::number(occurrences));
    }
    const GeneratorHost::ReviewAnswer answer = m_host.reviewPool(grid);
    if (answer == GeneratorHost::ReviewAnswer::Ok) {
        return true;
    }
    if (answer == GeneratorHost::ReviewAnswer::Cancel) {
        result->outcome = RunResult::Outcome::Cancelled;
        return false;
    }
    QString message;
    if (!PoolWeights::fill(grid, pool, &message)) {
        m_host.message(message);
        result->outcome = RunResult::Outcome::Failed;
        return false;
    }
    return true;
}

void TipGenerator::fill(Attempt* attempt) {
    // Redraw until the number is not in the attempt yet: every draw takes an
    // entry uniformly, so a number's chance follows its weight.
    Bits bits = 0;
    int sum = 0;
    int count = 0;
    const int size = m_pool->size();
    const int* entries = m_pool->entries().data();
    while (count < m_k) {
        const int number = entries[m_random.next(size)];
        const Bits bit = bitOf(number);
        if (bits & bit) {
            continue;
        }
        bits |= bit;
        sum += number;
        ++count;
    }
    attempt->bits = bits;
    attempt->sum = sum;
    attempt->count = count;
}

void TipGenerator::pumpEvents(int t, const Attempt& last) {
    m_host.showStatus(kProgressPanel, attemptStatus(t, last, m_tests->crossSumValue(last.sum)));
    m_host.processEvents();
    m_running = m_host.stillRunning();
    m_sincePump.restart();
}

bool TipGenerator::searchTip(int t, Attempt* accepted, RunResult* result) {
    Parameters& p = *m_parameters;
    m_running = m_running && m_host.stillRunning();
    long long counter = 0;
    bool found = false;
    Attempt attempt;
    while (!found && counter < m_laufMax && m_running) {
        ++counter;
        if (counter == m_laufMax / 2 && p.checkBox8) {
            p.checkBox8 = false;
            m_host.parametersChanged();
        }
        fill(&attempt);
        const int failing = m_tests->firstFailing(attempt, t);
        found = failing == 0;
        if (found) {
            ++result->passed;
        } else {
            ++result->rejectedBy[static_cast<std::size_t>(failing)];
        }
        if (counter % kClockStride == 0 && m_sincePump.elapsed() >= kEventIntervalMs) {
            pumpEvents(t, attempt);
        }
    }
    result->attempts += counter;
    result->attemptsPerTip.push_back(counter);
    if (counter > 0) {
        m_host.showStatus(kProgressPanel,
                          attemptStatus(t, attempt, m_tests->crossSumValue(attempt.sum)));
    }
    result->closingStatus = counter < m_laufMax ? kFilled : limitMessage(p.upDown9);
    m_host.showStatus(kRunPanel, result->closingStatus);
    if (!m_host.stillRunning()) {
        // A stop that arrived during the last attempt drops its tip too.
        result->outcome = RunResult::Outcome::Stopped;
        return false;
    }
    if (counter >= m_laufMax) {
        result->outcome = RunResult::Outcome::LimitReached;
        return false;
    }
    *accepted = attempt;
    return true;
}

void TipGenerator::finish(const Saved& saved) {
    Parameters& p = *m_parameters;
    p.checkBox8 = saved.checkBox8;
    p.upDown4 = saved.upDown4;
    p.upDown5 = saved.upDown5;
    p.upDown6 = saved.upDown6;
    m_host.parametersChanged();
    m_parameters = nullptr;
}

} // namespace generator
