#include "app/BacktestCommands.h"
#include "cli/CommandTable.h"
#include "common/Formats.h"

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

} // namespace

void addBacktestCommands(CommandTable& table) {
    table.add(QStringLiteral("backtest"), {1, 2, checkBacktest, backtestRun});
}

} // namespace cli
