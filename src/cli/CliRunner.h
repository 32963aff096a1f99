// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>

#include "app/FirstStart.h"
#include "cli/CommandTable.h"

namespace cli {

class CliPort;

// Runs one tirvex-cli invocation: options, then the commands in order on one
// session, with the window's creation before and its closing after.
class CliRunner {
public:
    CliRunner(QTextStream& out, QTextStream& err);
    CommandTable& commands() { return m_table; }
    // What a run does in a Home without a history before its commands; the
    // line it reports goes to standard error, apart from the commands' output.
    void setFirstStart(app::FirstStart firstStart) { m_firstStart = std::move(firstStart); }

    // Returns the exit status: 0 done, 1 an operation failed, 2 bad usage.
    // Without --home, Home is chosen from the executable's folder.
    int run(const QStringList& arguments, const QString& executableDir);

private:
    struct Invocation {
        QString home;
        QString settingsFile;
        QDate today;
        std::optional<quint32> seed;
        // Controls set for this run only (--service, --results), in order.
        std::vector<std::pair<app::Control, QString>> overrides;
        bool save = true;
        bool yes = false;
        bool help = false;
        bool version = false;
        std::vector<std::pair<QString, QStringList>> commands;
    };
    QString parse(const QStringList& arguments, Invocation* invocation) const;
    // The commands and their arguments, after the options.
    QString parseCommands(const QStringList& arguments, Invocation* invocation) const;
    // Flushes standard output; false, said once on standard error, when what
    // was printed could not be written (a full disk, a closed pipe).
    bool outputWritten();
    // Runs one step with the port's messages held, then prints what it
    // printed: its messages to standard error when it failed.
    bool captured(CliPort& port, const std::function<bool(QTextStream& out)>& step);

    QTextStream& m_out;
    QTextStream& m_err;
    CommandTable m_table;
    std::optional<app::FirstStart> m_firstStart;
    bool m_outFailureReported = false;
};

} // namespace cli
