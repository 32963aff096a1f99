#include "stats/TipDistribution.h"

#include <array>

#include "common/Formats.h"

namespace stats {

namespace {

// Counts the numbers of one line; false when a piece did not convert.
bool countLine(const QString& line, std::array<int, 71>* counters) {
    QString rest = line + QLatin1Char(',');
    while (!rest.isEmpty()) {
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        const QString piece = rest.left(comma);
        rest.remove(0, comma + 1);
        qint64 number = 0;
        if (!common::parseInteger(piece, &number)) {
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
