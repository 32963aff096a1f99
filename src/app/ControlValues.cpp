// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlValues.h"

#include <algorithm>

#include "common/Formats.h"

namespace app {

ControlValues::ControlValues() {
    resetToDefaults();
}

void ControlValues::resetToDefaults() {
    m_values.assign(static_cast<std::size_t>(kControlCount), Value());
    for (const ControlSpec& control : ControlSchema::controls()) {
        Value& v = at(control.id);
        v.minimum = control.minimum;
        v.maximum = control.maximum;
        switch (control.kind) {
        case ControlKind::UpDown:
        case ControlKind::CheckBox:
            v.number = control.defaultValue.toInt();
            break;
        case ControlKind::DatePicker:
            v.date = common::parseShortDate(control.defaultValue);
            break;
        case ControlKind::ComboBox:
            // A combo box holds the text of its selected item.
            v.text = control.items.value(control.defaultValue.toInt());
            break;
        default:
            v.text = control.defaultValue;
            break;
        }
    }
}

void ControlValues::notify(Control id) const {
    if (m_listener) {
        m_listener(id);
    }
}

int ControlValues::position(Control id) const {
    return is(id, ControlKind::UpDown) ? at(id).number : 0;
}

void ControlValues::setPosition(Control id, int position) {
    if (!is(id, ControlKind::UpDown)) {
        return;
    }
    Value& v = at(id);
    const int held = std::clamp(position, v.minimum, std::max(v.minimum, v.maximum));
    if (v.number != held) {
        v.number = held;
        notify(id);
    }
}

int ControlValues::minimum(Control id) const {
    return at(id).minimum;
}

int ControlValues::maximum(Control id) const {
    return at(id).maximum;
}

void ControlValues::setRange(Control id, int minimum, int maximum) {
    if (!is(id, ControlKind::UpDown)) {
        return;
    }
    Value& v = at(id);
    v.minimum = minimum;
    v.maximum = maximum;
    notify(id);
    setPosition(id, v.number);
}

QString ControlValues::positionText(Control id) const {
    return positionText(id, position(id));
}

QString ControlValues::positionText(Control id, int position) {
    // The cross-sum bound up to 1400 is shown with a thousands separator.
    return id == Control::UpDown15 ? common::formatThousands(position) : QString::number(position);
}

bool ControlValues::checked(Control id) const {
    return is(id, ControlKind::CheckBox) && at(id).number != 0;
}

void ControlValues::setChecked(Control id, bool checked) {
    if (!is(id, ControlKind::CheckBox)) {
        return;
    }
    Value& v = at(id);
    if (v.number != int(checked)) {
        v.number = int(checked);
        notify(id);
    }
}

int ControlValues::index(Control id) const {
    if (!is(id, ControlKind::ComboBox)) {
        return -1;
    }
    // A combo box's edit text selects the item it equals, none otherwise.
    return static_cast<int>(ControlSchema::row(id).items.indexOf(at(id).text));
}

void ControlValues::setIndex(Control id, int index) {
    if (is(id, ControlKind::ComboBox)) {
        setText(id, ControlSchema::row(id).items.value(index));
    }
}

QDate ControlValues::date(Control id) const {
    return at(id).date;
}

bool ControlValues::setDate(Control id, const QDate& date) {
    if (!is(id, ControlKind::DatePicker) || !date.isValid() || date < lowestDate(id)) {
        return false;
    }
    Value& v = at(id);
    if (v.date != date) {
        v.date = date;
        notify(id);
    }
    return true;
}

QDate ControlValues::lowestDate(Control id) const {
    return is(id, ControlKind::DatePicker) ? ControlSchema::firstDrawDate() : QDate();
}

QString ControlValues::text(Control id) const {
    return at(id).text;
}

void ControlValues::setText(Control id, const QString& text) {
    const ControlKind kind = ControlSchema::row(id).kind;
    if (kind == ControlKind::UpDown || kind == ControlKind::CheckBox ||
        kind == ControlKind::DatePicker) {
        return; // these hold a number or a date, set through their own calls
    }
    Value& v = at(id);
    if (v.text != text) {
        v.text = text;
        notify(id);
    }
}

} // namespace app
