// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatisticsCommands.h"
#include "cli/CommandTable.h"
#include "common/Formats.h"

namespace cli {

namespace {

QString checkKind(const QStringList& args) {
    if (app::StatisticsCommands::isStatisticName(args[0])) {
        return QString();
    }
    return QStringLiteral("unknown statistic \"%1\" (%2)")
        .arg(args[0], app::StatisticsCommands::statisticNames());
}

// Counts and ranges are whole numbers; they print without a fraction.
QString number(double value) {
    return QString::number(value, 'g', 15);
}

// The 70 x 70 counts, a row per first number, then chance's figures and the
// verdict on the most extreme pair.
bool printPairMap(CommandContext& c) {
    const std::optional<stats::PairMap> map = c.session.statistics().pairMap();
    if (!map) {
        return false;
    }
    QStringList header{QString()};
    for (int b = 1; b <= 70; ++b) {
        header << QString::number(b);
    }
    c.out << header.join(QLatin1Char('\t')) << Qt::endl;
    for (int a = 1; a <= 70; ++a) {
        QStringList row{QString::number(a)};
        for (int b = 1; b <= 70; ++b) {
            row << (a == b ? QStringLiteral("-") : QString::number(map->count(a, b)));
        }
        c.out << row.join(QLatin1Char('\t')) << Qt::endl;
    }
    c.out << QStringLiteral("tirages %1 ; attendu par paire %2 ; écart-type %3")
                 .arg(map->draws())
                 .arg(common::formatDecimal(map->expected(), 1))
                 .arg(common::formatDecimal(map->standardDeviation(), 1))
          << Qt::endl;
    c.out << map->verdict().text << Qt::endl;
    return true;
}

bool printStatistic(CommandContext& c) {
    if (c.args[0] == app::StatisticsCommands::pairMapName()) {
        return printPairMap(c);
    }
    const auto kind = app::StatisticsCommands::kindFromName(c.args[0]);
    stats::StatResult result;
    if (!c.session.statistics().run(*kind, &result)) {
        return false;
    }
    c.out << result.caption << Qt::endl;
    c.out << QStringLiteral("range ") << number(result.rangeMinimum()) << ' '
          << number(result.rangeMaximum())
          << (result.fixedRange ? QStringLiteral(" fixed") : QStringLiteral(" auto")) << Qt::endl;
    for (const stats::StatPoint& point : result.points) {
        c.out << number(point.x) << '\t' << number(point.y) << Qt::endl;
    }
    if (const auto& verdict = c.session.statistics().verdict()) {
        c.out << verdict->text << Qt::endl;
    }
    return true;
}

} // namespace

void addStatisticsCommands(CommandTable& table) {
    table.add(QStringLiteral("stats"), {1, 1, checkKind, printStatistic});
}

} // namespace cli
