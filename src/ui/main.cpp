// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include "app/FirstStart.h"
#include "app/HomeFolder.h"
#include "app/HomeLock.h"
#include "app/TipFileCommands.h"
#include "ui/ApplicationLook.h"
#include "ui/InstanceChannel.h"
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
    ui::InstanceChannel channel(home);
    if (!lock.acquire(&inUse)) {
        // A window already open on this Home comes to the front instead; the
        // message is for what holds the lock without a window (tirvex-cli,
        // a program on another computer, a folder that takes no lock).
        if (channel.askToFront()) {
            return 0;
        }
        QMessageBox::critical(nullptr, ui::MainWindow::kCaption, inUse);
        return 1;
    }
    // Without the channel a later start says that the history is in use.
    channel.listen();
    ui::MainWindow window(
        home, std::make_unique<QSettings>(QStringLiteral("Quorvane"), QStringLiteral("Tirvex")));
    QObject::connect(&channel, &ui::InstanceChannel::frontRequested, &window,
                     &ui::MainWindow::bringToFront);
    // A new Home gets the bundled archive before the first activation loads a draw.
    const app::FirstStart firstStart = app::FirstStart::bundledWith(executableDir);
    window.session().activationSteps().firstStart = [&] { firstStart.run(window.session()); };
    window.show();
    // A tip file handed over by the desktop ("Open with") is opened once the
    // window has started.
    const QStringList arguments = QApplication::arguments().mid(1);
    if (!arguments.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, file = arguments.first()] {
            window.session().tipFiles().openTipFile(file);
        });
    }
    return QApplication::exec();
}
