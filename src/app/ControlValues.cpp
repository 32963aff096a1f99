#include "app/ControlValues.h"

#include <algorithm>

#include "common/Formats.h"

namespace app {

namespace {
// The lowest date the date pickers accept: the first draw of the game.
const QDate kLowestDate(1993, 9, 16);
} // namespace

ControlValues::ControlValues() {
    resetToDefaults();
}

void ControlValues::resetToDefaults() {
    m_values.clear();
    for (const ControlSpec& control : ControlSchema::controls()) {
        Value v;
        v.minimum = control.minimum;
        v.maximum = control.maximum;
        if (control.kind == ControlKind::DatePicker) {
            v.lowest = kLowestDate;
            v.date = common::parseShortDate(control.defaultValue);
        } else if (control.kind == ControlKind::ComboBox && !control.items.isEmpty()) {
            // A combo box holds the text of its selected item.
            const int index = control.defaultValue.toInt();
            v.text = index >= 0 && index < control.items.size() ? control.items[index] : QString();
        } else {
            v.text = control.defaultValue;
        }
        m_values.insert(control.name, v);
    }
}

ControlValues::Value& ControlValues::value(const QString& name) {
    return m_values[name];
}

const ControlValues::Value* ControlValues::find(const QString& name) const {
    const auto it = m_values.constFind(name);
    return it == m_values.constEnd() ? nullptr : &*it;
}

void ControlValues::notify(const QString& name) const {
    if (m_listener) {
        m_listener(name);
    }
}

int ControlValues::position(const QString& name) const {
    const Value* v = find(name);
    return v ? v->text.toInt() : 0;
}

void ControlValues::setPosition(const QString& name, int position) {
    Value& v = value(name);
    const QString text =
        QString::number(std::clamp(position, v.minimum, std::max(v.minimum, v.maximum)));
    if (v.text != text) {
        v.text = text;
        notify(name);
    }
}

int ControlValues::minimum(const QString& name) const {
    const Value* v = find(name);
    return v ? v->minimum : 0;
}

int ControlValues::maximum(const QString& name) const {
    const Value* v = find(name);
    return v ? v->maximum : 0;
}

void ControlValues::setRange(const QString& name, int minimum, int maximum) {
    Value& v = value(name);
    v.minimum = minimum;
    v.maximum = maximum;
    notify(name);
    setPosition(name, v.text.toInt());
}

bool ControlValues::checked(const QString& name) const {
    const Value* v = find(name);
    return v && v->text == QLatin1String("1");
}

void ControlValues::setChecked(const QString& name, bool checked) {
    setText(name, checked ? QStringLiteral("1") : QStringLiteral("0"));
}

int ControlValues::index(const QString& name) const {
    const ControlSpec* control = ControlSchema::find(name);
    const Value* v = find(name);
    if (!control || !v) {
        return -1;
    }
    // A combo box's edit text selects the item it equals, none otherwise.
    if (!control->items.isEmpty() && control->items.contains(v->text)) {
        return static_cast<int>(control->items.indexOf(v->text));
    }
    bool ok = false;
    const int stored = v->text.toInt(&ok);
    return control->items.isEmpty() && ok ? stored : -1;
}

void ControlValues::setIndex(const QString& name, int index) {
    const ControlSpec* control = ControlSchema::find(name);
    if (control && !control->items.isEmpty()) {
        setText(name,
                index >= 0 && index < control->items.size() ? control->items[index] : QString());
    } else {
        setText(name, QString::number(index));
    }
}

QDate ControlValues::date(const QString& name) const {
    const Value* v = find(name);
    return v ? v->date : QDate();
}

bool ControlValues::setDate(const QString& name, const QDate& date) {
    Value& v = value(name);
    if (!date.isValid() || (v.lowest.isValid() && date < v.lowest)) {
        return false;
    }
    if (v.date != date) {
        v.date = date;
        notify(name);
    }
    return true;
}

QDate ControlValues::lowestDate(const QString& name) const {
    const Value* v = find(name);
    return v ? v->lowest : QDate();
}

QString ControlValues::positionText(const QString& upDownName, int position) {
    // The cross-sum bound up to 1400 is shown with a thousands separator.
    return upDownName == QLatin1String("UpDown15") ? common::formatThousands(position)
                                                   : QString::number(position);
}

QString ControlValues::text(const QString& name) const {
    if (const ControlSpec* upDown = ControlSchema::findByBuddy(name)) {
        return positionText(upDown->name, position(upDown->name));
    }
    const Value* v = find(name);
    return v ? v->text : QString();
}

void ControlValues::setText(const QString& name, const QString& text) {
    Value& v = value(name);
    if (v.text != text) {
        v.text = text;
        notify(name);
    }
}

} // namespace app
