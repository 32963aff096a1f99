// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/HitTally.h"

#include "common/Formats.h"
#include "common/Saturating.h"

namespace tips {

void HitTally::increment(int hits) {
    if (hits < 1 || hits > 10) {
        return;
    }
    setText(hits, QString::number(common::addSaturated(value(hits), 1)));
}

qint64 HitTally::value(int hits) const {
    qint64 parsed = 0;
    return common::parseInteger(text(hits), &parsed) ? parsed : 0;
}

} // namespace tips
