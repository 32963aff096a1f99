// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

namespace common {

// Dates are stored as day numbers: days since 30.12.1899, as a double whose
// fraction would be the time of day. This program only ever stores whole days.
using DayNumber = double;

constexpr DayNumber kFirstDrawDay = 34228; // 16.09.1993, the first draw of the game

QDate epoch();
DayNumber toDayNumber(const QDate& date);
QDate toDate(DayNumber day);
// The nearest whole day, halves to even as everywhere else in the program.
qint64 wholeDay(DayNumber day);

} // namespace common
