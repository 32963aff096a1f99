#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "app/Session.h"

namespace ui {

// Keeps the widgets named after controls and the session's values in step:
// a user's change goes to Session::setControlByUser, a change announced by
// the session is shown in the widget of that name.
class ControlBinder : public QObject {
    Q_OBJECT
public:
    explicit ControlBinder(app::Session& session, QObject* parent = nullptr);

    // Binds the widget by its object name; the widget shows the current value.
    void bind(QWidget* widget);
    // Shows the session's value of the control in its widget, if bound.
    void refresh(const QString& name);
    void refreshAll();
    QWidget* widget(const QString& name) const { return m_widgets.value(name); }

private:
    void connectUserChanges(QWidget* widget, const QString& name);
    void userChanged(const QString& name, const QString& value);

    app::Session& m_session;
    QHash<QString, QPointer<QWidget>> m_widgets;
    bool m_updating = false;
};

} // namespace ui
