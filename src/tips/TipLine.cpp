// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/TipLine.h"

#include <algorithm>

namespace tips {

QString TipLine::write(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    QStringList parts;
    parts.reserve(static_cast<qsizetype>(numbers.size()));
    for (int number : numbers) {
        parts << QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    }
    return parts.join(QLatin1Char(','));
}

QStringList TipLine::fields(const QString& line) {
    QString rest = line + QLatin1Char(',');
    QStringList result;
    while (!rest.isEmpty() && result.size() < kMaxFields) {
        rest = rest.trimmed();
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        if (comma < 0) {
            // Only blanks were left after the last comma.
            if (!rest.isEmpty()) {
                result << rest;
            }
            break;
        }
        result << rest.left(comma);
        rest.remove(0, comma + 1);
    }
    return result;
}

bool TipLine::fieldValue(const QString& field, qint64* value) {
    if (field.isEmpty() || field.size() > kMaxFieldLength) {
        return false;
    }
    qsizetype start = 0;
    if (field[0] == QLatin1Char('+') || field[0] == QLatin1Char('-')) {
        start = 1;
    }
    if (start == field.size()) {
        return false;
    }
    for (qsizetype i = start; i < field.size(); ++i) {
        if (field[i] < QLatin1Char('0') || field[i] > QLatin1Char('9')) {
            return false;
        }
    }
    bool ok = false;
    *value = field.toLongLong(&ok);
    return ok;
}

namespace {

// The written form, numbers of digits joined by single commas, read without
// cutting the line into fields; false for any other line, which the general
// reading then takes (it gives the same numbers for the written form).
bool readWrittenForm(const QString& line, int maxCount, std::vector<qint64>* result) {
    const auto wanted = static_cast<std::size_t>(std::clamp(maxCount, 0, TipLine::kMaxFields));
    qint64 value = 0;
    int digits = 0;
    for (const QChar c : line) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (++digits > 18) {
                return false; // beyond what a field may hold without care
            }
            value = value * 10 + (c.unicode() - '0');
        } else if (c == QLatin1Char(',') && digits > 0) {
            if (result->size() < wanted) {
                result->push_back(value);
            }
            value = 0;
            digits = 0;
        } else {
            return false;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (result->size() < wanted) {
        result->push_back(value);
    }
    return true;
}

} // namespace

std::vector<qint64> TipLine::numbers(const QString& line, int maxCount) {
    std::vector<qint64> result;
    if (readWrittenForm(line, maxCount, &result)) {
        return result;
    }
    result.clear();
    const QStringList parts = fields(line);
    for (qsizetype i = 0; i < parts.size() && i < maxCount; ++i) {
        qint64 value = 0;
        if (!fieldValue(parts[i], &value)) {
            break;
        }
        result.push_back(value);
    }
    return result;
}

} // namespace tips
