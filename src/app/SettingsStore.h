// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QSettings>
#include <QString>
#include <optional>

#include "app/ControlValues.h"

namespace app {

// Restores and saves every stored control and field through QSettings: the
// registry key of the program on Windows, an INI file elsewhere or when the
// caller hands one in. Names and types stay those of the schema.
class SettingsStore {
public:
    // group: "" for the program's own settings object, or a group inside a
    // shared INI file.
    SettingsStore(QSettings& settings, QString group);

    void restore(ControlValues& values) const;
    // False when the settings could not be written (a full disk, no
    // permission); the stored settings then stay as they were.
    bool save(ControlValues& values, const QDate& today) const;

    // The order in which values are written on close.
    static QStringList saveOrder();

private:
    QString key(const QString& name) const;
    void restoreOne(const ControlSpec& control, ControlValues& values) const;
    void restoreInteger(const ControlSpec& control, std::optional<qint64> stored,
                        ControlValues& values) const;
    void saveOne(const ControlSpec& control, const ControlValues& values) const;

    QSettings& m_settings;
    QString m_group;
};

} // namespace app
