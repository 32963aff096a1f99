#pragma once

#include <QStringList>
#include <QTextStream>

#include "cli/CommandTable.h"

namespace cli {

// Runs one tirvex-cli invocation: options, then the commands in order on one
// session, with the window's creation before and its closing after.
class CliRunner {
public:
    CliRunner(QTextStream& out, QTextStream& err);
    CommandTable& commands() { return m_table; }

    // Returns the exit status: 0 done, 1 an operation failed, 2 bad usage.
    int run(const QStringList& arguments, const QString& executableDir);

private:
    struct Invocation {
        QString home;
        QString settingsFile;
        QDate today;
        std::optional<quint32> seed;
        std::optional<QString> service;
        bool save = true;
        bool yes = false;
        std::vector<std::pair<QString, QStringList>> commands;
    };
    QString parse(const QStringList& arguments, Invocation* invocation) const;

    QTextStream& m_out;
    QTextStream& m_err;
    CommandTable m_table;
};

} // namespace cli
