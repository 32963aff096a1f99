// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/NumberGrid.h"

#include "common/Formats.h"
#include "common/Saturating.h"

namespace prefs {

NumberGrid::NumberGrid() = default;

void NumberGrid::setChecked(int number, bool checked) {
    Box& target = box(number);
    if (target.checked == checked) {
        return;
    }
    target.checked = checked;
    clickRule(target);
}

void NumberGrid::clickRule(Box& target) {
    if (!target.checked) {
        return;
    }
    qint64 weight = 0;
    // A weight text that is no number starts over at one.
    target.weight = common::parseInteger(target.weight, &weight)
                        ? QString::number(common::addSaturated(weight, 1))
                        : QStringLiteral("1");
}

void NumberGrid::clearAll() {
    for (int number = 1; number <= kNumbers; ++number) {
        setChecked(number, false);
        setHighlighted(number, false);
    }
}

int NumberGrid::checkedCount() const {
    int count = 0;
    for (const Box& b : m_boxes) {
        count += b.checked ? 1 : 0;
    }
    return count;
}

} // namespace prefs
