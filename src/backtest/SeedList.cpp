// SPDX-License-Identifier: GPL-3.0-or-later
#include "backtest/SeedList.h"

#include <QStringList>
#include <limits>
#include <set>

namespace backtest {

namespace {

// A seed as typed: digits only, so that the dash of a range is never a sign.
std::optional<qint64> seedValue(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 10) {
        return std::nullopt;
    }
    for (const QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
    }
    const qint64 value = trimmed.toLongLong();
    if (value > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<qint32>> refuse(QString* error, const QString& why) {
    if (error) {
        *error = why;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<qint32>> SeedList::parse(const QString& text, QString* error) {
    if (text.trimmed().isEmpty()) {
        return refuse(error, QStringLiteral("no seed given"));
    }
    std::vector<qint32> seeds;
    std::set<qint32> seen;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.split(QLatin1Char('-'));
        const std::optional<qint64> first = seedValue(ends.value(0));
        const std::optional<qint64> last = ends.size() == 2 ? seedValue(ends[1]) : first;
        if (ends.size() > 2 || !first || !last) {
            return refuse(
                error, QStringLiteral("\"%1\" is no seed nor range of seeds").arg(part.trimmed()));
        }
        if (*last < *first) {
            return refuse(error, QStringLiteral("the range \"%1\" runs down").arg(part.trimmed()));
        }
        // Counted before the range is spelt out, so a huge one costs nothing.
        if (*last - *first + 1 > kMostSeeds - static_cast<qint64>(seeds.size())) {
            return refuse(error, QStringLiteral("more than %1 seeds").arg(kMostSeeds));
        }
        for (qint64 seed = *first; seed <= *last; ++seed) {
            if (!seen.insert(static_cast<qint32>(seed)).second) {
                return refuse(error, QStringLiteral("the seed %1 is given twice").arg(seed));
            }
            seeds.push_back(static_cast<qint32>(seed));
        }
    }
    return seeds;
}

} // namespace backtest
