// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/DrawEntryGrid.h"

#include "common/Formats.h"
#include "common/Saturating.h"

namespace prefs {

void DrawEntryGrid::setChecked(int number, bool checked) {
    if (box(number).checked == checked) {
        return;
    }
    box(number).checked = checked;
    clickRule(number);
}

void DrawEntryGrid::mousePress(int number, bool rightButton) {
    m_minus = rightButton;
    if (rightButton) {
        clickRule(number);
    }
}

void DrawEntryGrid::clickRule(int number) {
    Box& target = box(number);
    const int step = m_minus ? -1 : 1;
    qint64 weight = 0;
    const bool valid = common::parseInteger(target.weight, &weight);
    if (!valid) {
        // Whatever the text was, it is read as no weight at all.
        target.weight = QStringLiteral("0");
    } else if (target.checked || weight < 0) {
        weight = target.checked ? common::addSaturated(weight, step) : weight;
        target.weight = QString::number(weight < 0 ? 0 : weight);
    }
    if (target.weight == QLatin1String("0")) {
        target.checked = false;
    }
    m_status = explain(number);
}

QString DrawEntryGrid::explain(int number) const {
    return QStringLiteral("Die Zahl ") + QString::number(number) +
           QStringLiteral(" geht mit der Gewichtung ") + box(number).weight +
           QStringLiteral(" in die Berechnung ein");
}

} // namespace prefs
