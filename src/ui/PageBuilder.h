// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QBoxLayout;

namespace ui {

class ControlBinder;

// Small factory for the window's widgets: each carries its control name as
// object name, and controls of the schema are bound to the session.
class PageBuilder {
public:
    explicit PageBuilder(ControlBinder& binder) : m_binder(binder) {}
    // A widget for one schema control (check box, spin box, combo, date, edit).
    QWidget* control(const QString& name);
    // A label control kept to one line (ElidedLabel).
    QWidget* elidedLabel(const QString& name);
    // A labelled control: caption on the left, the control on the right.
    // Lets a push button shrink to its caption (plus its frame) where the
    // style would hold it at a wider minimum: tool rows must fit the window.
    static QWidget* fitToCaption(QWidget* button);
    // A caption with a name of its own gets that object name.
    QWidget* labelled(const QString& caption, const QString& controlName,
                      const QString& captionName = QString());
    static QWidget* named(QWidget* widget, const QString& name, const QString& hint = QString());

private:
    ControlBinder& m_binder;
};

} // namespace ui
