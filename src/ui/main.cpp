#include <QApplication>
#include <QMessageBox>
#include <QSettings>

#include "app/HomeLock.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvanes Tirvex FRANCE"));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationName(QStringLiteral("Tirvex"));
    app::HomeLock lock(QApplication::applicationDirPath());
    QString inUse;
    if (!lock.acquire(&inUse)) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), inUse);
        return 1;
    }
    ui::MainWindow window(
        QApplication::applicationDirPath(),
        std::make_unique<QSettings>(QStringLiteral("Quorvane"), QStringLiteral("Tirvex")));
    window.show();
    return QApplication::exec();
}
