// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "common/Formats.h"

namespace ui {

ControlBinder::ControlBinder(app::Session& session, QObject* parent)
    : QObject(parent), m_session(session) {
}

bool ControlBinder::bind(QWidget* widget) {
    const std::optional<app::Control> control = app::ControlSchema::find(widget->objectName());
    if (!control) {
        qWarning().noquote() << app::ControlSchema::unknownMessage(widget->objectName());
        return false;
    }
    const app::Control id = *control;
    m_widgets[index(id)] = widget;
    if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
        if (id == app::Control::UpDown15) {
            spin->setGroupSeparatorShown(true);
            spin->setLocale(QLocale(QLocale::German)); // "." between thousands
        }
    }
    if (auto* date = qobject_cast<QDateEdit*>(widget)) {
        date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        date->setMinimumDate(m_session.controls().lowestDate(id));
        date->setCalendarPopup(true);
    }
    refresh(id);
    connectUserChanges(widget, id);
    return true;
}

void ControlBinder::connectUserChanges(QWidget* widget, app::Control id) {
    if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
        // Typing reaches the session when it ends (Enter or leaving the
        // field), so the coupling rules never see half a number; the
        // arrows still count at each step.
        spin->setKeyboardTracking(false);
        if (id == app::Control::UpDown9) {
            // The tip count goes through its edit box, which puts any text right.
            connect(spin, &QSpinBox::valueChanged, this, [this](int value) {
                if (!m_updating) {
                    m_session.setEditByUser(app::Control::UpDown9, QString::number(value));
                }
            });
            connect(spin, &QSpinBox::editingFinished, this, [this] { m_session.Edit1Exit(); });
        } else {
            connect(spin, &QSpinBox::valueChanged, this,
                    [this, id](int value) { userChanged(id, QString::number(value)); });
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        connect(check, &QCheckBox::toggled, this, [this, id](bool on) {
            userChanged(id, on ? QStringLiteral("1") : QStringLiteral("0"));
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->isEditable()) {
            // The stake field: a chosen item and a typed text alike are the
            // stake; Enter must not add the text as an item of its own.
            combo->setInsertPolicy(QComboBox::NoInsert);
            connect(combo, &QComboBox::currentTextChanged, this, [this](const QString& text) {
                if (!m_updating) {
                    m_session.setStakeText(text);
                }
            });
        } else {
            connect(combo, &QComboBox::currentIndexChanged, this,
                    [this, id](int index) { userChanged(id, QString::number(index)); });
        }
    } else if (auto* date = qobject_cast<QDateEdit*>(widget)) {
        connect(date, &QDateEdit::dateChanged, this,
                [this, id](const QDate& d) { userChanged(id, common::formatShortDate(d)); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, id](const QString& text) { userChanged(id, text); });
    }
}

void ControlBinder::userChanged(app::Control id, const QString& value) {
    if (m_updating) {
        return;
    }
    m_session.setControlByUser(id, value);
}

void ControlBinder::refresh(app::Control control) {
    QWidget* widget = m_widgets[index(control)];
    if (!widget) {
        return;
    }
    const app::ControlValues& values = m_session.controls();
    m_updating = true;
    const QSignalBlocker blocker(widget);
    if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
        spin->setRange(values.minimum(control), values.maximum(control));
        spin->setValue(values.position(control));
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        check->setChecked(values.checked(control));
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int index = values.index(control);
        if (!combo->isEditable()) {
            combo->setCurrentIndex(index);
        } else if (combo->currentText() != values.text(control)) {
            // Rewriting the text under the user's typing would move the cursor.
            if (index >= 0) {
                combo->setCurrentIndex(index);
            } else {
                combo->setEditText(values.text(control));
            }
        }
    } else if (auto* date = qobject_cast<QDateEdit*>(widget)) {
        // Setting the date it shows would put the cursor back while the
        // user types the next section.
        if (date->date() != values.date(control)) {
            date->setDate(values.date(control));
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != values.text(control)) {
            edit->setText(values.text(control));
        }
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(values.text(control));
    }
    m_updating = false;
}

void ControlBinder::refreshAll() {
    for (const app::ControlSpec& control : app::ControlSchema::controls()) {
        refresh(control.id);
    }
}

} // namespace ui
