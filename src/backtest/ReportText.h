// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "common/Formats.h"

namespace backtest {

// The reports' figures: a rate as "42,66 %", and a line as a name, a tab and the value.
inline QString percent(double rate) {
    return common::formatDecimal(rate * 100, 2) + QStringLiteral(" %");
}

// A rate as "42,7 %", for a verdict's sentence.
inline QString roundPercent(double rate) {
    return common::formatDecimal(rate * 100, 1) + QStringLiteral(" %");
}

inline QString line(const char* name, const QString& value) {
    return QString::fromUtf8(name) + QLatin1Char('\t') + value;
}

} // namespace backtest
