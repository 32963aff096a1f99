// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/TipDistribution.h"

#include <array>

#include "tips/TipLine.h"

namespace stats {

namespace {

// Counts the numbers of one line, its fields read as the tip check reads
// them; false when a field is no number.
bool countLine(const QString& line, std::array<int, 71>* counters) {
    for (const QString& field : tips::TipLine::fields(line)) {
        qint64 number = 0;
        if (!tips::TipLine::fieldValue(field, &number)) {
            return false;
        }
        if (number >= 1 && number <= 70) {
            ++(*counters)[static_cast<std::size_t>(number)];
        }
    }
    return true;
}

} // namespace

QString TipDistribution::caption() {
    return QStringLiteral("Distribution en nombre des conseils");
}

StatOutcome TipDistribution::run(const QStringList& tipLines) {
    std::array<int, 71> counters{};
    for (const QString& line : tipLines) {
        if (!countLine(line, &counters)) {
            break;
        }
    }
    StatOutcome outcome;
    outcome.showChartPage = true;
    for (int n = 1; n <= 70; ++n) {
        outcome.result.points.push_back(
            {double(n), double(counters[static_cast<std::size_t>(n)]), numberColor(n)});
    }
    outcome.result.fixRangeToPoints();
    outcome.result.caption = caption();
    return outcome;
}

} // namespace stats
