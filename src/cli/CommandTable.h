// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <map>
#include <optional>

#include "app/Session.h"
#include "cli/CliPort.h"

namespace cli {

// What a command sees when it runs.
struct CommandContext {
    app::Session& session;
    CliPort& port;
    QTextStream& out;
    QTextStream& err;
    QStringList args;
};

// A command returns false when its operation failed (exit status 1).
using CommandRun = std::function<bool(CommandContext&)>;
// Checks the arguments before anything runs; an error text when invalid.
using CommandCheck = std::function<QString(const QStringList& args)>;

struct Command {
    Command() = default;
    Command(int min, int max, CommandCheck checkArgs, CommandRun runIt)
        : minArgs(min), maxArgs(max), check(std::move(checkArgs)), run(std::move(runIt)) {}

    int minArgs = 0;
    int maxArgs = 0; // -1: as many as follow, up to the next command name
    CommandCheck check;
    CommandRun run;
    // The window's command it runs, when that one touches the history, the
    // current draw or the tip list: refused by the same rule while a long
    // operation runs.
    std::optional<app::WindowCommand> windowCommand;
};

// The commands of tirvex-cli by name. Each subsystem adds its own.
class CommandTable {
public:
    Command& add(const QString& name, Command command) {
        return m_commands[name] = std::move(command);
    }
    const Command* find(const QString& name) const;
    // Runs the command unless the rule of long operations refuses it.
    static bool run(const Command& command, CommandContext& context);
    bool contains(const QString& name) const { return m_commands.count(name) > 0; }
    QStringList names() const;

private:
    std::map<QString, Command> m_commands;
};

// Argument checks shared by the commands.
QString checkDate(const QString& text);
QString checkInteger(const QString& text);
// The first argument is a tip's number on the list, 1 and up.
QString checkTipIndex(const QStringList& args);

// The commands of the draw cursor, the tip list, the tip check and import.
void addCoreCommands(CommandTable& table);
// update, enter and delete: keeping the draw history.
void addHistoryCommands(CommandTable& table);
// lucky, evaluate, save, open, print, search: the tip list's tools.
void addTipCommands(CommandTable& table);
// handoff: online play.
void addOnlineCommands(CommandTable& table);
// stats KIND: the chart statistics.
void addStatisticsCommands(CommandTable& table);
// generate, edit
void addGeneratorCommands(CommandTable& table);
// The backtests of the analyse page.
void addBacktestCommands(CommandTable& table);
void printDrawLines(CommandContext& context);
void printTips(CommandContext& context);

} // namespace cli
