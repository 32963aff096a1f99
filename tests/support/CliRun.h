// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

#include "TestSupport.h"
#include "cli/CliRunner.h"

namespace testsupport {

// What one tirvex-cli run printed, and its exit status.
struct CliOutput {
    int status = 0;
    QString out;
    QString err;
    QStringList lines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// Runs tirvex-cli in-process on the test's Home with settings in an INI file
// there, the given options first, then the commands.
inline CliOutput runCli(const TempHome& home, const QStringList& options,
                        const QStringList& commands) {
    CliOutput result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    cli::CliRunner runner(out, err);
    localSettings(home.file(QStringLiteral("s.ini")), QStringLiteral("Tirvex"));
    const QStringList arguments =
        QStringList{QStringLiteral("--home"), home.path(), QStringLiteral("--settings"),
                    home.file(QStringLiteral("s.ini"))} +
        options + commands;
    result.status = runner.run(arguments, home.path());
    return result;
}

} // namespace testsupport
