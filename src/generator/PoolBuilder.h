// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <map>

#include "generator/GeneratorHost.h"
#include "generator/NumberPool.h"
#include "generator/Parameters.h"
#include "generator/StatisticsProvider.h"
#include "history/DrawHistory.h"

namespace generator {

using ReferenceDraw = std::array<int, 20>;
using ReferenceDraws = std::array<ReferenceDraw, 3>; // current, previous, the one before

// Builds a run's number pool, section by section in the fixed order, each
// section only when its switch is on. Every statistic is computed at most once
// per build; the band lines in the status bar show each band's bounds and the
// pool's size before it.
class PoolBuilder {
public:
    PoolBuilder(Parameters& parameters, GeneratorHost& host, StatisticsProvider& statistics,
                const history::DrawHistory& history, const ReferenceDraws& references)
        : m_parameters(parameters), m_host(host), m_statistics(statistics), m_history(history),
          m_references(references) {}

    // False with the reason in *error when a statistic could not be computed.
    bool build(NumberPool* pool, QString* error);

    static QString bandLine(qint64 lo, const char* separator, qint64 hi, int poolSize);

private:
    struct RunKind {
        Statistic statistic;
        bool frequent;
        bool rare;
        int length;
        int count;
        const char* message;
        const char* rareSeparator;
    };

    const stats::StatResult* statistic(Statistic kind, const char* message, QString* error);
    void lastDraws(NumberPool* pool) const;
    bool neighbourRuns(const RunKind& kind, NumberPool* pool, QString* error);
    void appendRuns(const stats::StatResult& result, const RunKind& kind, double lo, double hi,
                    NumberPool* pool) const;
    bool frequentNumbers(NumberPool* pool, QString* error);
    bool rareNumbers(NumberPool* pool, QString* error);
    bool overdueNumbers(NumberPool* pool, QString* error);
    void topBands(const stats::StatResult& result, int percent, const char* firstSeparator,
                  NumberPool* pool);
    void currentNeighbours(NumberPool* pool);
    void removeExcludedDraws(NumberPool* pool) const;
    void calendarDate(NumberPool* pool);
    void status(const QString& text) { m_host.showStatus(1, text); }

    Parameters& m_parameters;
    GeneratorHost& m_host;
    StatisticsProvider& m_statistics;
    const history::DrawHistory& m_history;
    const ReferenceDraws& m_references;
    std::map<Statistic, stats::StatResult> m_computed;
};

} // namespace generator
