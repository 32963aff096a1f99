// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EvaluationCommands.h"
#include "app/TipFileCommands.h"
#include "app/TipSearchCommands.h"
#include "cli/CommandTable.h"

namespace cli {

namespace {

QString checkOneInteger(const QStringList& args) {
    return args.isEmpty() ? QString() : checkInteger(args[0]);
}

bool lucky(CommandContext& c) {
    if (!c.args.isEmpty()) {
        c.port.setNextInput(c.args[0]);
    }
    c.session.tipFiles().SpeedButton13Click();
    c.out << c.session.statusText(1) << Qt::endl;
    return true;
}

bool save(CommandContext& c) {
    c.port.setNextFiles({c.args[0]});
    return c.session.tipFiles().SpeedButton15Click();
}

bool open(CommandContext& c) {
    c.port.setNextFiles({c.args[0]});
    if (!c.session.tipFiles().SpeedButton16Click()) {
        return false;
    }
    printDrawLines(c);
    return true;
}

bool search(CommandContext& c) {
    c.port.setNextInput(c.args[0]);
    app::TipSearchCommands& tipSearch = c.session.tipSearch();
    // Every hit message is printed and answered: go on.
    tipSearch.setHitHandler([&c](const QString& message) {
        c.out << message << Qt::endl;
        return true;
    });
    const bool done = tipSearch.SpeedButton4Click();
    tipSearch.setHitHandler(nullptr);
    return done;
}

} // namespace

void addTipCommands(CommandTable& table) {
    table.add(QStringLiteral("lucky"), {0, 1, checkOneInteger, lucky}).windowCommand =
        app::WindowCommand::LuckyNumber;
    table.add(QStringLiteral("evaluate"), {0, 0, nullptr, [](CommandContext& c) {
                                               c.session.evaluation().auswertungClick();
                                               return true;
                                           }});
    table.add(QStringLiteral("save"), {1, 1, nullptr, save});
    table.add(QStringLiteral("open"), {1, 1, nullptr, open}).windowCommand =
        app::WindowCommand::OpenTips;
    table.add(QStringLiteral("print"), {0, 0, nullptr, [](CommandContext& c) {
                                            return c.session.tipFiles().BitBtn7Click();
                                        }});
    table.add(QStringLiteral("search"), {1, 1, checkOneInteger, search}).windowCommand =
        app::WindowCommand::TipSearch;
}

} // namespace cli
