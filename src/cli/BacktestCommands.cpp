// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BacktestCommands.h"
#include "backtest/SeedList.h"
#include "cli/CommandTable.h"
#include "common/Formats.h"
#include "tips/Odds.h"

namespace cli {

namespace {

QString checkBacktest(const QStringList& args) {
    qint64 number = 0;
    if (!common::parseInteger(args[0], &number) ||
        !backtest::BacktestInfo::fromNumber(static_cast<int>(number))) {
        return QStringLiteral("backtest takes 1 to 7, not \"%1\"").arg(args[0]);
    }
    // The lucky number is passed on as typed: a text that is no integer is
    // the run's own error, reported as the window reports it.
    return QString();
}

bool backtestRun(CommandContext& c) {
    qint64 number = 0;
    common::parseInteger(c.args[0], &number);
    const backtest::BacktestKind kind =
        *backtest::BacktestInfo::fromNumber(static_cast<int>(number));
    if (c.args.size() > 1 && !backtest::BacktestInfo::usesDrawAsTip(kind)) {
        c.port.setNextInput(c.args[1]);
    }
    const app::BacktestCommands::Report report = c.session.backtests().run(kind);
    if (report.outcome == app::BacktestCommands::Outcome::Failed) {
        return false; // the message box has printed the error
    }
    for (const QString& line : report.log) {
        c.out << line << Qt::endl;
    }
    return true;
}

QString checkTipSize(const QStringList& args) {
    qint64 size = 0;
    if (!common::parseInteger(args[0], &size) || size < 2 || size > 10) {
        return QStringLiteral("odds takes a tip size 2 to 10, not \"%1\"").arg(args[0]);
    }
    return QString();
}

bool odds(CommandContext& c) {
    const int k = c.args[0].toInt();
    for (int hits = 0; hits <= k; ++hits) {
        c.out << hits << '\t' << common::formatDecimal(tips::Odds::probability(k, hits), 8) << '\t'
              << tips::Odds::factor(k, hits) << Qt::endl;
    }
    c.out << "expected return\t" << common::formatDecimal(tips::Odds::expectedReturn(k) * 100, 2)
          << " %" << Qt::endl;
    return true;
}

const QString kSeedsOption = QStringLiteral("--seeds");

QString checkStrategy(const QStringList& args) {
    if (args.value(0) != kSeedsOption) {
        // A single lucky number is passed on as typed, as backtest does.
        return args.size() > 1 ? QStringLiteral("strategy takes a lucky number or --seeds LIST")
                               : QString();
    }
    QString error;
    if (args.size() < 2 || !backtest::SeedList::parse(args[1], &error)) {
        return QStringLiteral("strategy --seeds takes seeds such as 1-20 or 1,3,5-7 (%1)")
            .arg(args.size() < 2 ? QStringLiteral("no seed given") : error);
    }
    return QString();
}

void printReport(CommandContext& c, const backtest::StrategyReport& report) {
    c.out << report.verdict() << Qt::endl;
    for (const QString& line : report.summary()) {
        c.out << line << Qt::endl;
    }
}

// Each seed's figures as strategy SEED prints them, under a line naming the
// seed, then the spread over the seeds.
bool strategySeeds(CommandContext& c) {
    const std::vector<qint32> seeds = *backtest::SeedList::parse(c.args[1]);
    const app::BacktestCommands::SeedsRun run = c.session.backtests().strategySeeds(seeds);
    if (run.outcome == app::BacktestCommands::Outcome::Failed) {
        return false; // the message box has printed the error
    }
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        c.out << "graine\t" << seeds[i] << Qt::endl;
        printReport(c, run.reports[i]);
    }
    c.out << Qt::endl;
    for (const QString& line : run.spread.text()) {
        c.out << line << Qt::endl;
    }
    return true;
}

bool strategy(CommandContext& c) {
    if (c.args.value(0) == kSeedsOption) {
        return strategySeeds(c);
    }
    if (!c.args.isEmpty()) {
        c.port.setNextInput(c.args[0]);
    }
    const app::BacktestCommands::StrategyRun run = c.session.backtests().strategyReport();
    if (run.outcome == app::BacktestCommands::Outcome::Failed) {
        return false; // the message box has printed the error
    }
    printReport(c, run.report);
    return true;
}

} // namespace

void addBacktestCommands(CommandTable& table) {
    table.add(QStringLiteral("backtest"), {1, 2, checkBacktest, backtestRun}).windowCommand =
        app::WindowCommand::Backtest;
    table.add(QStringLiteral("odds"), {1, 1, checkTipSize, odds});
    table.add(QStringLiteral("strategy"), {0, 2, checkStrategy, strategy}).windowCommand =
        app::WindowCommand::StrategyReport;
}

} // namespace cli
