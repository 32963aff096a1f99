// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/PrizeTable.h"

#include <array>

#include "common/Formats.h"

namespace tips {

const std::vector<PrizeClass>& PrizeTable::classes(int tipSize) {
    static const std::array<std::vector<PrizeClass>, 11> table = {{
        {},
        {},
        {{2, 6}},
        {{3, 16}, {2, 1}},
        {{4, 22}, {3, 2}, {2, 1}},
        {{5, 100}, {4, 7}, {3, 2}},
        {{6, 500}, {5, 15}, {4, 2}, {3, 1}},
        {{7, 1000}, {6, 100}, {5, 12}, {4, 1}},
        {{8, 10000}, {7, 100}, {6, 15}, {5, 2}, {4, 1}, {0, 1}},
        {{9, 50000}, {8, 1000}, {7, 20}, {6, 5}, {5, 2}, {0, 2}},
        {{10, 100000}, {9, 1000}, {8, 100}, {7, 15}, {6, 5}, {5, 2}, {0, 2}},
    }};
    static const std::vector<PrizeClass> none;
    if (tipSize < 0 || tipSize > 10) {
        return none;
    }
    return table[static_cast<std::size_t>(tipSize)];
}

QString PrizeTable::label(int hits) {
    return hits >= 10 ? QStringLiteral(" x %1er ").arg(hits)
                      : QStringLiteral(" x  %1er ").arg(hits);
}

int PrizeTable::stake(const QString& comboText) {
    qint64 value = 0;
    if (common::parseInteger(comboText, &value) && value >= 1 && value <= 10) {
        return static_cast<int>(value);
    }
    return 1;
}

} // namespace tips
