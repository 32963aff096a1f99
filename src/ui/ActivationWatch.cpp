// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ActivationWatch.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <qevent.h>

namespace ui {

ActivationWatch::ActivationWatch(QWidget* mainWindow, std::function<void()> returnedFromOwnWindow)
    : QObject(mainWindow), m_mainWindow(mainWindow), m_returned(std::move(returnedFromOwnWindow)) {
    qApp->installEventFilter(this);
}

ActivationWatch::~ActivationWatch() {
    qApp->removeEventFilter(this);
}

bool ActivationWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ApplicationStateChange) {
        // Focus went to another application: whatever was active before no
        // longer says where the focus comes back from.
        if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
            Qt::ApplicationActive) {
            m_ownWindowWasActive = false;
        }
    } else if (event->type() == QEvent::WindowActivate) {
        auto* window = qobject_cast<QWidget*>(watched);
        if (!window || !window->isWindow()) {
            return false;
        }
        if (window != m_mainWindow) {
            m_ownWindowWasActive = true;
        } else if (m_ownWindowWasActive) {
            m_ownWindowWasActive = false;
            m_returned();
        }
    }
    return false;
}

} // namespace ui
