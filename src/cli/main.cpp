// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "app/FirstStart.h"
#include "cli/CliRunner.h"

#ifdef TIRVEX_WITH_CHARTS
#include <QApplication>

#include "cli/ChartCommand.h"
#endif

namespace {

// Pictures are drawn with the window's charts, which need a GUI application;
// without a display it draws offscreen. Other runs stay free of a display.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
#ifdef TIRVEX_WITH_CHARTS
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "chart") == 0) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            return std::make_unique<QApplication>(argc, argv);
        }
    }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Tirvex"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString executableDir = QCoreApplication::applicationDirPath();
    cli::CliRunner runner(out, err);
    runner.setFirstStart(app::FirstStart::bundledWith(executableDir));
#ifdef TIRVEX_WITH_CHARTS
    cli::addChartCommand(runner.commands());
#endif
    return runner.run(QCoreApplication::arguments().mid(1), executableDir);
}
