// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>

namespace online {

// The form filler's own settings, which this program shares: where it is
// installed (read only) and the template and four parameters of the last
// hand-off. A missing value reads as empty text.
struct HandoffSettings {
    QString path;
    QString script;
    QString zahl1;
    QString text1;
    QString zahl2;
    QString text2;

    static constexpr const char* kGroup = "Settings";

    // Reads the values as the store holds them now, changes made by other
    // programs since the last read included.
    static HandoffSettings read(QSettings* settings, const QString& group = QLatin1String(kGroup));
    // Writes the template and the parameters; the install path is not ours.
    void write(QSettings* settings, const QString& group = QLatin1String(kGroup)) const;
};

} // namespace online
