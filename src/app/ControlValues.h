// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <vector>

#include "app/ControlSchema.h"

namespace app {

// The current value of every control of the table, typed by its kind: an
// up-down's position, a check box's state, a combo box's item, a date picker's
// date, the text of an edit, a label or a field. Every change is announced by
// id so the window (or any other view) can show it. A call that does not fit
// the control's kind changes nothing.
class ControlValues {
public:
    using Listener = std::function<void(Control id)>;

    ControlValues();
    void setListener(Listener listener) { m_listener = std::move(listener); }
    void resetToDefaults();

    // Up-downs: the position is held within the control's current range.
    int position(Control id) const;
    void setPosition(Control id, int position);
    int minimum(Control id) const;
    int maximum(Control id) const;
    void setRange(Control id, int minimum, int maximum);
    // The text of the up-down's edit box.
    QString positionText(Control id) const;
    static QString positionText(Control id, int position);

    bool checked(Control id) const;
    void setChecked(Control id, bool checked);

    // Combo boxes: the selected item index (-1 for none) and the edit text.
    int index(Control id) const;
    void setIndex(Control id, int index);

    // Date pickers refuse a date before their lowest date and return false.
    QDate date(Control id) const;
    bool setDate(Control id, const QDate& date);
    QDate lowestDate(Control id) const;

    // Edits, labels, fields and a combo box's edit text.
    QString text(Control id) const;
    void setText(Control id, const QString& text);

private:
    struct Value {
        int number = 0; // position or check state
        QString text;   // text, or the text of a combo box's selected item
        QDate date;
        int minimum = 0;
        int maximum = 0;
    };
    const Value& at(Control id) const { return m_values[static_cast<std::size_t>(id)]; }
    Value& at(Control id) { return m_values[static_cast<std::size_t>(id)]; }
    static bool is(Control id, ControlKind kind) { return ControlSchema::row(id).kind == kind; }
    void notify(Control id) const;

    std::vector<Value> m_values;
    Listener m_listener;
};

} // namespace app
