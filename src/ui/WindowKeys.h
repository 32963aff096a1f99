// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QMainWindow;

namespace app {
class Session;
}

namespace ui {

// The keys a desktop user expects in the main window: Ctrl+Q closes it,
// Ctrl+S, Ctrl+O and Ctrl+G press "enregistrer", "ouvrir" and "calculer les
// grilles", F1 opens the help, and Enter presses the push button that has the
// focus, as Space does. A key presses the button itself, so it runs the
// button's handler and is refused, as the button is, while a long operation
// runs.
class WindowKeys : public QObject {
    Q_OBJECT
public:
    WindowKeys(QMainWindow& window, app::Session& session, std::function<void()> help);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addKey(const QKeySequence& key, const QString& name, std::function<void()> action);
    void press(const QString& buttonName);

    QMainWindow& m_window;
    app::Session& m_session;
};

} // namespace ui
