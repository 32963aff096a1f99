// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPushButton>
#include <QToolButton>

#include "app/LongOperation.h"
#include "app/Session.h"

namespace ui {

WindowKeys::WindowKeys(QMainWindow& window, app::Session& session, std::function<void()> help)
    : QObject(&window), m_window(window), m_session(session) {
    addKey(QKeySequence(Qt::CTRL | Qt::Key_Q), QStringLiteral("QuitKey"), [this] {
        // The normal close: it saves, and waits for a running operation.
        m_window.close();
    });
    addKey(QKeySequence(Qt::CTRL | Qt::Key_S), QStringLiteral("SaveKey"),
           [this] { press(QStringLiteral("SpeedButton15")); });
    addKey(QKeySequence(Qt::CTRL | Qt::Key_O), QStringLiteral("OpenKey"),
           [this] { press(QStringLiteral("SpeedButton16")); });
    addKey(QKeySequence(Qt::CTRL | Qt::Key_G), QStringLiteral("GenerateKey"),
           [this] { press(QStringLiteral("BitBtn4")); });
    addKey(QKeySequence(Qt::Key_F1), QStringLiteral("HelpKey"), std::move(help));
    // A push button in a main window takes Space but lets Enter pass.
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        // The dialogs the window owns handle Enter as dialogs do.
        const bool pushed =
            qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button);
        if (pushed && button->window() == &window) {
            button->installEventFilter(this);
        }
    }
}

void WindowKeys::addKey(const QKeySequence& key, const QString& name,
                        std::function<void()> action) {
    auto* command = new QAction(&m_window);
    command->setObjectName(name);
    command->setShortcut(key);
    command->setShortcutContext(Qt::WindowShortcut);
    connect(command, &QAction::triggered, this, [action = std::move(action)] { action(); });
    m_window.addAction(command);
}

void WindowKeys::press(const QString& buttonName) {
    auto* button = m_window.findChild<QAbstractButton*>(buttonName);
    if (!button) {
        return;
    }
    if (button->isEnabled()) {
        button->click();
        return;
    }
    // Disabled only while a long operation refuses its command: say so, as
    // its handler would, since the button may be on a page out of sight.
    const app::OperationController& operations = m_session.operations();
    if (operations.isRunning()) {
        m_session.port().showMessage(app::OperationController::busyMessage(operations.running()));
    }
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!enter || !plain || !button || !button->isEnabled()) {
        return false;
    }
    button->click();
    return true;
}

} // namespace ui
