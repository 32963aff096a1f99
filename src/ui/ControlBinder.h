// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>

#include "app/Session.h"

namespace ui {

// Keeps the widgets named after controls and the session's values in step:
// a user's change goes to Session::setControlByUser, a change announced by
// the session is shown in the widget of that name.
class ControlBinder : public QObject {
    Q_OBJECT
public:
    explicit ControlBinder(app::Session& session, QObject* parent = nullptr);

    // Binds the widget by its object name, which must name a control of the
    // table; the widget shows the current value. An unknown name is refused
    // with a warning and the widget stays unbound.
    bool bind(QWidget* widget);
    // Shows the session's value of the control in its widget, if bound.
    void refresh(app::Control id);
    void refreshAll();
    QWidget* widget(app::Control id) const { return m_widgets[index(id)]; }

private:
    static std::size_t index(app::Control id) { return static_cast<std::size_t>(id); }
    void connectUserChanges(QWidget* widget, app::Control id);
    void userChanged(app::Control id, const QString& value);

    app::Session& m_session;
    std::array<QPointer<QWidget>, app::kControlCount> m_widgets;
    bool m_updating = false;
};

} // namespace ui
