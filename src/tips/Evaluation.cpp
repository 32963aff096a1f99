// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/Evaluation.h"

#include "common/Formats.h"
#include "tips/PrizeTable.h"

namespace tips {

Evaluation::Histogram Evaluation::histogram(const QStringList& hitColumn) {
    Histogram counts{};
    for (const QString& line : hitColumn) {
        qint64 hits = 0;
        if (common::parseInteger(line, &hits) && hits >= 0 && hits <= 10) {
            ++counts[static_cast<std::size_t>(hits)];
        }
    }
    return counts;
}

QString Evaluation::message(const Histogram& histogram, int tipSize, int stake) {
    QString text = QStringLiteral("you have \n");
    for (const PrizeClass& prize : PrizeTable::classes(tipSize)) {
        const qint64 count = histogram[static_cast<std::size_t>(prize.hits)];
        if (count <= 0) {
            continue;
        }
        text += QString::number(count) + PrizeTable::label(prize.hits) + QLatin1Char('\t') +
                QString::number(stake * count * prize.factor) + QLatin1Char('\n');
    }
    text += QStringLiteral("\nsans garantie");
    return text;
}

} // namespace tips
