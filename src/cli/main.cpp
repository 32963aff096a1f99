// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "app/FirstStart.h"
#include "cli/CliRunner.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Tirvex"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString executableDir = QCoreApplication::applicationDirPath();
    cli::CliRunner runner(out, err);
    runner.setFirstStart(app::FirstStart::bundledWith(executableDir));
    return runner.run(QCoreApplication::arguments().mid(1), executableDir);
}
