// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Formats.h"

#include <QLocale>

namespace common {

QString formatShortDate(const QDate& date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QDate parseShortDate(const QString& text) {
    return QDate::fromString(text.trimmed(), QStringLiteral("dd.MM.yyyy"));
}

QString formatDrawLineDate(const QDate& date) {
    const QString dayName = QLocale::system().dayName(date.dayOfWeek(), QLocale::ShortFormat);
    return dayName + QLatin1Char(' ') + date.toString(QStringLiteral("dd.MM.yy"));
}

QString formatDecimal(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString formatThousands(qint64 value) {
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -value : value);
    for (int i = digits.size() - 3; i > 0; i -= 3) {
        digits.insert(i, QLatin1Char('.'));
    }
    return negative ? QLatin1Char('-') + digits : digits;
}

bool parseInteger(const QString& text, qint64* value) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return false;
    }
    int start = 0;
    if (trimmed[0] == QLatin1Char('+') || trimmed[0] == QLatin1Char('-')) {
        start = 1;
    }
    if (start == trimmed.size()) {
        return false;
    }
    for (int i = start; i < trimmed.size(); ++i) {
        if (trimmed[i] < QLatin1Char('0') || trimmed[i] > QLatin1Char('9')) {
            return false;
        }
    }
    bool ok = false;
    const qint64 parsed = trimmed.toLongLong(&ok);
    if (ok && value) {
        *value = parsed;
    }
    return ok;
}

} // namespace common
