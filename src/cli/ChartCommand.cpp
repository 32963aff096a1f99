// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ChartCommand.h"

#include "app/StatisticsCommands.h"
#include "charts/ChartPicture.h"

namespace cli {

namespace {

QString checkChart(const QStringList& args) {
    if (!app::StatisticsCommands::isStatisticName(args[0])) {
        return QStringLiteral("unknown chart \"%1\" (%2)")
            .arg(args[0], app::StatisticsCommands::statisticNames());
    }
    if (!args[1].endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        return QStringLiteral("the picture's file name must end in .png");
    }
    return QString();
}

bool drawChart(CommandContext& c) {
    QImage picture;
    QString verdict;
    if (c.args[0] == app::StatisticsCommands::pairMapName()) {
        const std::optional<stats::PairMap> map = c.session.statistics().pairMap();
        if (!map) {
            return false;
        }
        picture = charts::ChartPicture::of(*map);
        verdict = map->verdict().text;
    } else {
        stats::StatResult result;
        if (!c.session.statistics().run(*app::StatisticsCommands::kindFromName(c.args[0]),
                                        &result)) {
            return false;
        }
        picture = charts::ChartPicture::of(result);
        verdict = result.verdict;
    }
    QString error;
    if (!charts::ChartPicture::save(picture, c.args[1], &error)) {
        c.err << error << Qt::endl;
        return false;
    }
    c.out << c.args[1] << Qt::endl;
    if (!verdict.isEmpty()) {
        c.out << verdict << Qt::endl;
    }
    return true;
}

} // namespace

void addChartCommand(CommandTable& table) {
    table.add(QStringLiteral("chart"), {2, 2, checkChart, drawChart});
}

} // namespace cli
