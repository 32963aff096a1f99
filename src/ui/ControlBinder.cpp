#include "ui/ControlBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "common/Formats.h"

namespace ui {

ControlBinder::ControlBinder(app::Session& session, QObject* parent)
    : QObject(parent), m_session(session) {
}

void ControlBinder::bind(QWidget* widget) {
    const QString name = widget->objectName();
    m_widgets.insert(name, widget);
    if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
        if (name == QLatin1String("UpDown15")) {
            spin->setGroupSeparatorShown(true);
            spin->setLocale(QLocale(QLocale::German)); // "." between thousands
        }
    }
    if (auto* date = qobject_cast<QDateEdit*>(widget)) {
        date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        date->setMinimumDate(m_session.controls().lowestDate(name));
        date->setCalendarPopup(true);
    }
    refresh(name);
    connectUserChanges(widget, name);
}

void ControlBinder::connectUserChanges(QWidget* widget, const QString& name) {
    if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
        // Typing reaches the session when it ends (Enter or leaving the
        // field), so the coupling rules never see half a number; the
        // arrows still count at each step.
        spin->setKeyboardTracking(false);
        const app::ControlSpec* control = app::ControlSchema::find(name);
        const QString target =
            control && control->buddy == QLatin1String("Edit1") ? QStringLiteral("Edit1") : name;
        connect(spin, &QSpinBox::valueChanged, this,
                [this, target](int value) { userChanged(target, QString::number(value)); });
        if (target == QLatin1String("Edit1")) {
            connect(spin, &QSpinBox::editingFinished, this, [this] { m_session.Edit1Exit(); });
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        connect(check, &QCheckBox::toggled, this, [this, name](bool on) {
            userChanged(name, on ? QStringLiteral("1") : QStringLiteral("0"));
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
                    [this, name](int index) { userChanged(name, QString::number(index)); });
        }
    } else if (auto* date = qobject_cast<QDateEdit*>(widget)) {
        connect(date, &QDateEdit::dateChanged, this,
                [this, name](const QDate& d) { userChanged(name, common::formatShortDate(d)); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, name](const QString& text) { userChanged(name, text); });
    }
}

void ControlBinder::userChanged(const QString& name, const QString& value) {
    if (m_updating) {
        return;
    }
    m_session.setControlByUser(name, value);
}

void ControlBinder::refresh(const QString& name) {
    QWidget* widget = m_widgets.value(name);
    if (!widget) {
        if (const app::ControlSpec* upDown = app::ControlSchema::findByBuddy(name)) {
            widget = m_widgets.value(upDown->name);
        }
        if (!widget) {
            return;
        }
    }
    const QString control = widget->objectName();
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
    for (auto it = m_widgets.constBegin(); it != m_widgets.constEnd(); ++it) {
        refresh(it.key());
    }
}

} // namespace ui
