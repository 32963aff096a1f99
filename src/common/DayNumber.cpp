// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DayNumber.h"

#include "common/Rounding.h"

namespace common {

QDate epoch() {
    return QDate(1899, 12, 30);
}

DayNumber toDayNumber(const QDate& date) {
    return static_cast<DayNumber>(epoch().daysTo(date));
}

QDate toDate(DayNumber day) {
    return epoch().addDays(wholeDay(day));
}

qint64 wholeDay(DayNumber day) {
    return roundHalfEven(day);
}

} // namespace common
