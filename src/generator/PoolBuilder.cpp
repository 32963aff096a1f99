// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/PoolBuilder.h"

#include "common/Rounding.h"
#include "history/DrawCursor.h"

namespace generator {

using common::roundHalfEven;

QString PoolBuilder::bandLine(qint64 lo, const char* separator, qint64 hi, int poolSize) {
    return QStringLiteral("Min: ") + QString::number(lo) + QLatin1String(separator) +
           QString::number(hi) + QStringLiteral("  ") + QString::number(poolSize);
}

bool PoolBuilder::build(NumberPool* pool, QString* error) {
    pool->clear();
    const Parameters& p = m_parameters;
    if (p.checkBox31) {
        lastDraws(pool);
    }
    const RunKind kinds[] = {
        {Statistic::Pairs, p.checkBox1, p.checkBox11, 2, 69, "Calcul de la production de paires",
         "  Max: "},
        {Statistic::Triples, p.checkBox6, p.checkBox12, 3, 68, "Calcul de la formation triplet",
         "  Max: "},
        {Statistic::Quadruples, p.checkBox7, p.checkBox13, 4, 67,
         "Calcul de la formation de quatre groupes", " Max: "},
    };
    for (const RunKind& kind : kinds) {
        if (!neighbourRuns(kind, pool, error)) {
            return false;
        }
    }
    if ((p.checkBox2 && !frequentNumbers(pool, error)) ||
        (p.checkBox14 && !rareNumbers(pool, error)) ||
        (p.checkBox10 && !overdueNumbers(pool, error))) {
        return false;
    }
    if (p.checkBox19) {
        currentNeighbours(pool);
    }
    if (!p.checkBox15) {
        for (int n = 1; n <= 70; ++n) {
            pool->append(n);
        }
    }
    removeExcludedDraws(pool);
    if (p.checkBox30) {
        calendarDate(pool);
    }
    return true;
}

const stats::StatResult* PoolBuilder::statistic(Statistic kind, const char* message,
                                                QString* error) {
    const auto found = m_computed.find(kind);
    if (found != m_computed.end()) {
        return &found->second;
    }
    status(QString::fromUtf8(message));
    stats::StatResult result;
    if (!m_statistics.compute(kind, m_parameters, &result, error)) {
        return nullptr;
    }
    m_host.statisticShown(kind);
    return &m_computed.emplace(kind, std::move(result)).first->second;
}

void PoolBuilder::lastDraws(NumberPool* pool) const {
    const int index = m_parameters.comboBox3;
    for (int draw = 0; draw <= std::min(index, 2); ++draw) {
        for (int number : m_references[static_cast<std::size_t>(draw)]) {
            pool->append(number);
        }
    }
}

bool PoolBuilder::neighbourRuns(const RunKind& kind, NumberPool* pool, QString* error) {
    if (!kind.frequent && !kind.rare) {
        return true;
    }
    const stats::StatResult* result = statistic(kind.statistic, kind.message, error);
    if (!result) {
        return false;
    }
    const double max = result->rangeMaximum();
    const double min = result->rangeMinimum();
    // The band is the top (or bottom) 30 per cent of the value range.
    if (kind.frequent) {
        const qint64 lo = roundHalfEven(max - 3 * (max - min) / 10);
        const qint64 hi = roundHalfEven(max);
        status(bandLine(lo, "  Max: ", hi, pool->size()));
        appendRuns(*result, kind, static_cast<double>(lo), static_cast<double>(hi), pool);
    }
    if (kind.rare) {
        const qint64 hi = roundHalfEven(min + 3 * (max - min) / 10);
        status(bandLine(0, kind.rareSeparator, hi, pool->size()));
        appendRuns(*result, kind, 0, static_cast<double>(hi), pool);
    }
    return true;
}

void PoolBuilder::appendRuns(const stats::StatResult& result, const RunKind& kind, double lo,
                             double hi, NumberPool* pool) const {
    // Strictly above the lower bound: a run never drawn complete never counts.
    for (int i = 0; i < kind.count; ++i) {
        const double v = result.yAt(i);
        if (v > lo && v <= hi) {
            for (int j = i + 1; j < i + 1 + kind.length; ++j) {
                pool->append(j);
            }
        }
    }
}

void PoolBuilder::topBands(const stats::StatResult& result, int percent, const char* firstSeparator,
                           NumberPool* pool) {
    const double max = result.rangeMaximum();
    const double min = result.rangeMinimum();
    const qint64 hi = roundHalfEven(max);
    const qint64 lo1 = roundHalfEven(max - percent * (max - min) / 100);
    status(bandLine(lo1, firstSeparator, hi, pool->size()));
    for (int n = 1; n <= 70; ++n) {
        const double v = result.yAt(n - 1);
        if (v >= lo1 && v <= hi) {
            pool->appendTimes(n, 2);
        }
    }
    const qint64 lo2 = roundHalfEven(max - percent * (max - min) / 200);
    status(bandLine(lo2, "  Max: ", hi, pool->size()));
    for (int n = 1; n <= 70; ++n) {
        const double v = result.yAt(n - 1);
        if (v >= lo2 && v <= hi) {
            pool->append(n);
        }
    }
}

bool PoolBuilder::frequentNumbers(NumberPool* pool, QString* error) {
    const stats::StatResult* result =
        statistic(Statistic::Numbers, "Calcul de la distribution en nombre", error);
    if (result) {
        topBands(*result, m_parameters.upDown12, "  Max: ", pool);
    }
    return result != nullptr;
}

bool PoolBuilder::overdueNumbers(NumberPool* pool, QString* error) {
    const stats::StatResult* result =
        statistic(Statistic::Overdue, "Calcul des nombres en circulation", error);
    if (result) {
        topBands(*result, m_parameters.upDown13, " Max: ", pool);
    }
    return result != nullptr;
}

bool PoolBuilder::rareNumbers(NumberPool* pool, QString* error) {
    const stats::StatResult* result =
        statistic(Statistic::Numbers, "Calcul de la distribution en nombre", error);
    if (!result) {
        return false;
    }
    const double max = result->rangeMaximum();
    const double min = result->rangeMinimum();
    const int percent = m_parameters.upDown14;
    const qint64 lo = roundHalfEven(min);
    const qint64 hi1 = roundHalfEven(min + percent * (max - min) / 100);
    status(bandLine(lo, "  Max: ", hi1, pool->size()));
    for (int n = 1; n <= 70; ++n) {
        const double v = result->yAt(n - 1);
        if (v >= lo && v <= hi1) {
            pool->appendTimes(n, 2);
        }
    }
    const qint64 hi2 = roundHalfEven(min + percent * (max - min) / 200);
    status(bandLine(lo, "  Max: ", hi2, pool->size()));
    for (int n = 1; n <= 70; ++n) {
        const double v = result->yAt(n - 1);
        if (v >= lo && v <= hi2) {
            pool->append(n);
        }
    }
    return true;
}

void PoolBuilder::currentNeighbours(NumberPool* pool) {
    status(QStringLiteral("Calcul des nombres adjacents de dernier tirage"));
    for (int n : m_references[0]) {
        if (n > 1 && n <= 70) {
            pool->appendTimes(n - 1, 4);
        }
        if (n >= 1 && n < 70) {
            pool->appendTimes(n + 1, 4);
        }
    }
}

void PoolBuilder::removeExcludedDraws(NumberPool* pool) const {
    const Parameters& p = m_parameters;
    const bool excluded[] = {p.upDown4 == 0 && p.checkBox4, p.upDown5 == 0 && p.checkBox5,
                             p.upDown11 == 0 && p.checkBox23};
    for (std::size_t draw = 0; draw < 3; ++draw) {
        if (excluded[draw]) {
            pool->removeAll(bitsOf(m_references[draw]));
        }
    }
}

void PoolBuilder::calendarDate(NumberPool* pool) {
    const QDate day = m_parameters.dateTimePicker3;
    const QDate start = m_parameters.dateTimePicker2;
    history::DrawCursor cursor;
    bool moved = false;
    for (int year = start.year(); year <= day.year(); ++year) {
        const QDate date(year, day.month(), day.day());
        // A 29 February that the year does not have is skipped.
        if (!date.isValid() || date < start) {
            continue;
        }
        m_parameters.dateTimePicker1 = date;
        moved = true;
        if (m_history.empty()) {
            continue;
        }
        cursor.loadAtDate(m_history, common::toDayNumber(date));
        for (int n : cursor.current().zahl) {
            pool->append(n);
        }
    }
    if (moved) {
        m_host.parametersChanged();
    }
}

} // namespace generator
