// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace ui {

// Tells when the main window becomes the program's active window again
// after one of the program's own windows (a dialog closing, the evaluation
// window left), as opposed to the program coming back from another
// application. It watches the activation events of all the program's
// windows and the application's own activation state.
class ActivationWatch : public QObject {
public:
    ActivationWatch(QWidget* mainWindow, std::function<void()> returnedFromOwnWindow);
    ~ActivationWatch() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_mainWindow;
    std::function<void()> m_returned;
    // Another window of the program was active since the main window was.
    bool m_ownWindowWasActive = false;
};

} // namespace ui
