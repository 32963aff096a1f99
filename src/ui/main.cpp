#include <QApplication>
#include <QSettings>

#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvanes Tirvex FRANCE"));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationName(QStringLiteral("Tirvex"));
    ui::MainWindow window(
        QApplication::applicationDirPath(),
        std::make_unique<QSettings>(QStringLiteral("Quorvane"), QStringLiteral("Tirvex")));
    window.show();
    return QApplication::exec();
}
