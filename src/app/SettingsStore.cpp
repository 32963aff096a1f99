// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsStore.h"

#include <cmath>
#include <limits>
#include <optional>

#include "app/SettingsSync.h"
#include "common/DayNumber.h"
#include "common/Formats.h"

namespace app {

namespace {

// The registry keeps integers as 32-bit DWORDs, an INI file as text. A value
// of another type (a text that is no whole number, a list, a number beyond
// 32 bits) reads as absent, so its control keeps the default.
std::optional<qint64> readInteger(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool() ? 1 : 0;
    }
    if (value.typeId() == QMetaType::QStringList) {
        return std::nullopt;
    }
    bool ok = false;
    const qint64 parsed = value.toLongLong(&ok);
    if (!ok || parsed < std::numeric_limits<qint32>::min() ||
        parsed > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return parsed;
}

std::optional<double> readDouble(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return std::nullopt;
    }
    bool ok = false;
    const double parsed = value.toDouble(&ok);
    if (!ok || !std::isfinite(parsed)) {
        return std::nullopt;
    }
    return parsed;
}

// A day number a date picker can show: from 01.01.0001 to 31.12.9999.
bool isDayOfCalendar(double day) {
    return day >= -693593.0 && day <= 2958465.0;
}

std::optional<QString> readString(const QVariant& value) {
    if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    return value.toString();
}

QString storedNumberText(double value) {
    return QString::number(value, 'g', 17);
}

// How many items the selection stored under this value may point at: the
// combo box's own, and ComboBox1's for the stake field "System".
int selectableItems(const ControlSpec& control) {
    if (control.id == Control::System) {
        return static_cast<int>(ControlSchema::row(Control::ComboBox1).items.size());
    }
    return control.kind == ControlKind::ComboBox ? static_cast<int>(control.items.size()) : -1;
}

} // namespace

SettingsStore::SettingsStore(QSettings& settings, QString group)
    : m_settings(settings), m_group(std::move(group)) {
}

QString SettingsStore::key(const QString& name) const {
    return m_group.isEmpty() ? name : m_group + QLatin1Char('/') + name;
}

QStringList SettingsStore::saveOrder() {
    QStringList order;
    for (const ControlSpec& control : ControlSchema::controls()) {
        if (control.storedAs != StoredAs::None) {
            order << control.settingsName;
        }
    }
    return order;
}

void SettingsStore::restoreOne(const ControlSpec& control, ControlValues& values) const {
    const QString k = key(control.settingsName);
    if (!m_settings.contains(k)) {
        return; // the control keeps its default
    }
    const QVariant stored = m_settings.value(k);
    switch (control.storedAs) {
    case StoredAs::Bool:
        if (const auto v = readInteger(stored)) {
            values.setChecked(control.id, *v != 0);
        }
        break;
    case StoredAs::Int:
        restoreInteger(control, readInteger(stored), values);
        break;
    case StoredAs::Double:
        if (control.kind == ControlKind::DatePicker) {
            const auto v = readDouble(stored);
            if (!v || !isDayOfCalendar(*v) || !values.setDate(control.id, common::toDate(*v))) {
                values.setDate(control.id, values.lowestDate(control.id));
            }
        } else if (const auto v = readDouble(stored)) {
            values.setText(control.id, storedNumberText(*v));
        }
        break;
    case StoredAs::String:
        if (const auto v = readString(stored)) {
            values.setText(control.id, *v);
        }
        break;
    case StoredAs::None:
        break;
    }
}

void SettingsStore::restoreInteger(const ControlSpec& control, std::optional<qint64> stored,
                                   ControlValues& values) const {
    if (!stored) {
        return;
    }
    const int value = static_cast<int>(*stored);
    const int items = selectableItems(control);
    // A selection beyond the items (other than "none" where the box allows
    // it) is not one the user could have made: the default stays.
    if (items >= 0 && (value >= items || value < control.minimum)) {
        return;
    }
    if (control.kind == ControlKind::UpDown) {
        values.setPosition(control.id, value); // held within the up-down's range
    } else if (control.kind == ControlKind::ComboBox) {
        values.setIndex(control.id, value);
    } else {
        values.setText(control.id, QString::number(value));
    }
}

void SettingsStore::restore(ControlValues& values) const {
    for (const ControlSpec& control : ControlSchema::controls()) {
        if (control.storedAs == StoredAs::None) {
            continue;
        }
        restoreOne(control, values);
        // The lower bound of shared numbers may not exceed the upper bound.
        if (control.id == Control::UpDown3 &&
            values.position(Control::UpDown3) < values.position(Control::UpDown1)) {
            values.setPosition(Control::UpDown3, values.position(Control::UpDown1));
        }
    }
}

void SettingsStore::saveOne(const ControlSpec& control, const ControlValues& values) const {
    const QString k = key(control.settingsName);
    switch (control.storedAs) {
    case StoredAs::Bool:
        m_settings.setValue(k, values.checked(control.id) ? 1 : 0);
        break;
    case StoredAs::Int:
        if (control.kind == ControlKind::UpDown) {
            m_settings.setValue(k, values.position(control.id));
        } else if (control.kind == ControlKind::ComboBox) {
            m_settings.setValue(k, values.index(control.id));
        } else {
            m_settings.setValue(k, values.text(control.id).toInt());
        }
        break;
    case StoredAs::Double:
        if (control.kind == ControlKind::DatePicker) {
            m_settings.setValue(k, common::toDayNumber(values.date(control.id)));
        } else {
            m_settings.setValue(k, values.text(control.id).toDouble());
        }
        break;
    case StoredAs::String:
        m_settings.setValue(k, values.text(control.id));
        break;
    case StoredAs::None:
        break;
    }
}

bool SettingsStore::save(ControlValues& values, const QDate& today) const {
    // A statistics start within the last five days is not worth keeping.
    constexpr Control picker = Control::DateTimePicker2;
    if (values.date(picker) > today.addDays(-5)) {
        values.setDate(picker, values.lowestDate(picker));
    }
    for (const ControlSpec& control : ControlSchema::controls()) {
        saveOne(control, values);
    }
    return SettingsSync::sync(m_settings);
}

} // namespace app
