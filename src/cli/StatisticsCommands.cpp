// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatisticsCommands.h"
#include "cli/CommandTable.h"

namespace cli {

namespace {

QString checkKind(const QStringList& args) {
    if (app::StatisticsCommands::kindFromName(args[0])) {
        return QString();
    }
    return QStringLiteral("unknown statistic \"%1\" (numbers, overdue, crosssum, tips, pairs, "
                          "triples or quads)")
        .arg(args[0]);
}

// Counts and ranges are whole numbers; they print without a fraction.
QString number(double value) {
    return QString::number(value, 'g', 15);
}

bool printStatistic(CommandContext& c) {
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
