// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

namespace common {

// The program's fixed formats: short date "dd.mm.yyyy", "," as decimal and
// "." as thousands separator. Day names come from the user's locale.
QString formatShortDate(const QDate& date);
// Parses "dd.mm.yyyy"; an invalid QDate when the text is no such date.
QDate parseShortDate(const QString& text);
// "DDD dd.mm.yy" with the locale's abbreviated day name, as in the draw line.
QString formatDrawLineDate(const QDate& date);
// A number with "," as decimal separator and the given count of decimals.
QString formatDecimal(double value, int decimals);
// A whole number with "." between groups of thousands ("1.200").
QString formatThousands(qint64 value);
// Reads an integer the way the program's conversions do: optional blanks
// around an optional sign and decimal digits; anything else fails.
bool parseInteger(const QString& text, qint64* value);

} // namespace common
