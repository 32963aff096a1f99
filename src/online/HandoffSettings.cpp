// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/HandoffSettings.h"

namespace online {

namespace {

QString text(QSettings* settings, const char* name) {
    const QVariant value = settings->value(QLatin1String(name));
    return value.canConvert<QString>() ? value.toString() : QString();
}

} // namespace

HandoffSettings HandoffSettings::read(QSettings* settings, const QString& group) {
    HandoffSettings values;
    // The form filler's installer writes these values from another process,
    // perhaps while this program runs: read the store afresh, not from what
    // this process cached at an earlier hand-off.
    settings->sync();
    settings->beginGroup(group);
    values.path = text(settings, "Path");
    values.script = text(settings, "TirvexScript");
    values.zahl1 = text(settings, "TirvexZahl1");
    values.text1 = text(settings, "TirvexText1");
    values.zahl2 = text(settings, "TirvexZahl2");
    values.text2 = text(settings, "TirvexText2");
    settings->endGroup();
    return values;
}

void HandoffSettings::write(QSettings* settings, const QString& group) const {
    settings->beginGroup(group);
    settings->setValue(QStringLiteral("TirvexScript"), script);
    settings->setValue(QStringLiteral("TirvexZahl1"), zahl1);
    settings->setValue(QStringLiteral("TirvexText1"), text1);
    settings->setValue(QStringLiteral("TirvexZahl2"), zahl2);
    settings->setValue(QStringLiteral("TirvexText2"), text2);
    settings->endGroup();
}

} // namespace online
