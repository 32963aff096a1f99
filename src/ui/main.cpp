#include <QApplication>
#include <QMessageBox>
#include <QSettings>

#include "app/FirstStart.h"
#include "app/HomeFolder.h"
#include "app/HomeLock.h"
#include "ui/ApplicationLook.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationName(QStringLiteral("Tirvex"));
    const ui::ApplicationLook look;
    const QString executableDir = QApplication::applicationDirPath();
    const QString home = app::HomeFolder::choose(executableDir);
    app::HomeLock lock(home);
    QString inUse;
    if (!lock.acquire(&inUse)) {
        QMessageBox::critical(nullptr, ui::MainWindow::kCaption, inUse);
        return 1;
    }
    ui::MainWindow window(
        home, std::make_unique<QSettings>(QStringLiteral("Quorvane"), QStringLiteral("Tirvex")));
    // A new Home gets the bundled archive before the first activation loads a draw.
    const app::FirstStart firstStart = app::FirstStart::bundledWith(executableDir);
    window.session().activationSteps().firstStart = [&] { firstStart.run(window.session()); };
    window.show();
    return QApplication::exec();
}
