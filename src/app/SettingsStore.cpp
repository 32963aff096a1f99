#include "app/SettingsStore.h"

#include <cmath>
#include <limits>
#include <optional>

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
int selectableItems(const ControlSpec& spec) {
    if (spec.name == QLatin1String("System")) {
        return static_cast<int>(ControlSchema::find(QStringLiteral("ComboBox1"))->items.size());
    }
    return spec.kind == ControlKind::ComboBox ? static_cast<int>(spec.items.size()) : -1;
}

} // namespace

SettingsStore::SettingsStore(QSettings& settings, QString group)
    : m_settings(settings), m_group(std::move(group)) {
}

QString SettingsStore::key(const QString& name) const {
    return m_group.isEmpty() ? name : m_group + QLatin1Char('/') + name;
}

QStringList SettingsStore::saveOrder() {
    QStringList order{QStringLiteral("NeuerSchein")};
    for (int i = 1; i <= 31; ++i) {
        if (i != 16 && i != 21 && i != 29) {
            order << QStringLiteral("Chekcbox%1").arg(i);
        }
    }
    order << QStringLiteral("System") << QStringLiteral("ComboBox2") << QStringLiteral("ComboBox3")
          << QStringLiteral("TippTop") << QStringLiteral("TippLeft");
    for (int i = 1; i <= 23; ++i) {
        order << QStringLiteral("UpDown%1").arg(i);
    }
    order << QStringLiteral("Preis") << QStringLiteral("URLEdit") << QStringLiteral("ProxyHostEdit")
          << QStringLiteral("ProxyPortEdit") << QStringLiteral("DateTimePicker2")
          << QStringLiteral("Land") << QStringLiteral("ServiceURL");
    return order;
}

void SettingsStore::restoreOne(const ControlSpec& spec, ControlValues& values) const {
    const QString k = key(spec.settingsName);
    if (!m_settings.contains(k)) {
        return; // the control keeps its default
    }
    const QVariant stored = m_settings.value(k);
    switch (spec.storedAs) {
    case StoredAs::Bool:
        if (const auto v = readInteger(stored)) {
            values.setChecked(spec.name, *v != 0);
        }
        break;
    case StoredAs::Int:
        restoreInteger(spec, readInteger(stored), values);
        break;
    case StoredAs::Double:
        if (spec.kind == ControlKind::DatePicker) {
            const auto v = readDouble(stored);
            if (!v || !isDayOfCalendar(*v) || !values.setDate(spec.name, common::toDate(*v))) {
                values.setDate(spec.name, values.lowestDate(spec.name));
            }
        } else if (const auto v = readDouble(stored)) {
            values.setText(spec.name, storedNumberText(*v));
        }
        break;
    case StoredAs::String:
        if (const auto v = readString(stored)) {
            values.setText(spec.name, *v);
        }
        break;
    case StoredAs::None:
        break;
    }
}

void SettingsStore::restoreInteger(const ControlSpec& spec, std::optional<qint64> stored,
                                   ControlValues& values) const {
    if (!stored) {
        return;
    }
    const int value = static_cast<int>(*stored);
    const int items = selectableItems(spec);
    // A selection beyond the items (other than "none" where the box allows
    // it) is not one the user could have made: the default stays.
    if (items >= 0 && (value >= items || value < spec.minimum)) {
        return;
    }
    if (spec.kind == ControlKind::UpDown) {
        values.setPosition(spec.name, value); // held within the up-down's range
    } else if (spec.kind == ControlKind::ComboBox) {
        values.setIndex(spec.name, value);
    } else {
        values.setText(spec.name, QString::number(value));
    }
}

void SettingsStore::restore(ControlValues& values) const {
    for (const ControlSpec& spec : ControlSchema::controls()) {
        if (spec.storedAs == StoredAs::None) {
            continue;
        }
        restoreOne(spec, values);
        // The lower bound of shared numbers may not exceed the upper bound.
        if (spec.name == QLatin1String("UpDown3") &&
            values.position(QStringLiteral("UpDown3")) <
                values.position(QStringLiteral("UpDown1"))) {
            values.setPosition(QStringLiteral("UpDown3"),
                               values.position(QStringLiteral("UpDown1")));
        }
    }
}

void SettingsStore::saveOne(const ControlSpec& spec, const ControlValues& values) const {
    const QString k = key(spec.settingsName);
    switch (spec.storedAs) {
    case StoredAs::Bool:
        m_settings.setValue(k, values.checked(spec.name) ? 1 : 0);
        break;
    case StoredAs::Int:
        if (spec.kind == ControlKind::UpDown) {
            m_settings.setValue(k, values.position(spec.name));
        } else if (spec.kind == ControlKind::ComboBox) {
            m_settings.setValue(k, values.index(spec.name));
        } else {
            m_settings.setValue(k, values.text(spec.name).toInt());
        }
        break;
    case StoredAs::Double:
        if (spec.kind == ControlKind::DatePicker) {
            m_settings.setValue(k, common::toDayNumber(values.date(spec.name)));
        } else {
            m_settings.setValue(k, values.text(spec.name).toDouble());
        }
        break;
    case StoredAs::String:
        m_settings.setValue(k, values.text(spec.name));
        break;
    case StoredAs::None:
        break;
    }
}

void SettingsStore::save(ControlValues& values, const QDate& today) const {
    // A statistics start within the last five days is not worth keeping.
    const QString picker = QStringLiteral("DateTimePicker2");
    if (values.date(picker) > today.addDays(-5)) {
        values.setDate(picker, values.lowestDate(picker));
    }
    for (const QString& name : saveOrder()) {
        for (const ControlSpec& spec : ControlSchema::controls()) {
            if (spec.settingsName == name) {
                saveOne(spec, values);
                break;
            }
        }
    }
    m_settings.sync();
}

} // namespace app
