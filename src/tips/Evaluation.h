// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace tips {

// The evaluation command: turns the hit column of the tip list into the
// estimated winnings of each prize class at the chosen stake.
class Evaluation {
public:
    using Histogram = std::array<int, 11>;

    // How many tips had k hits, k = 0..10, from the hit column. Lines that are
    // not a number in 0..10 are not counted: the column is only ever written
    // by the check, so anything else is a stale or foreign line.
    static Histogram histogram(const QStringList& hitColumn);
    // The message: "you have ", one line per reached class in table order
    // (count, label, tab, amount), an empty line and "sans garantie".
    static QString message(const Histogram& histogram, int tipSize, int stake);
    static QString message(const QStringList& hitColumn, int tipSize, int stake) {
        return message(histogram(hitColumn), tipSize, stake);
    }
};

} // namespace tips
