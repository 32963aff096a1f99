#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "cli/CliRunner.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Tirvex"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    cli::CliRunner runner(out, err);
    return runner.run(QCoreApplication::arguments().mid(1), QCoreApplication::applicationDirPath());
}
