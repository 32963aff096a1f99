// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/PoolWeights.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/Formats.h"

namespace generator {

bool PoolWeights::fill(const prefs::NumberGrid& grid, NumberPool* pool, QString* message) {
    std::vector<std::pair<int, int>> entries;
    int total = 0;
    for (int n = 1; n <= prefs::NumberGrid::kNumbers; ++n) {
        if (!grid.checked(n)) {
            continue;
        }
        qint64 weight = 0;
        if (!common::parseInteger(grid.weightText(n), &weight)) {
            *message = QStringLiteral("Le poids du numéro %1 n'est pas un nombre entier : « %2 »")
                           .arg(n)
                           .arg(grid.weightText(n));
            return false;
        }
        // Each weight is held against the limit before it is added, so that
        // nineteen-digit weights cannot wrap the sum round below it.
        if (weight > NumberPool::kCapacity) {
            *message = QStringLiteral("Le poids du numéro %1 (%2) dépasse la limite de %3 numéros.")
                           .arg(n)
                           .arg(weight)
                           .arg(NumberPool::kCapacity);
            return false;
        }
        const int times = weight == 0 ? 1 : static_cast<int>(std::max<qint64>(weight, 0));
        entries.emplace_back(n, times);
        total += times;
    }
    if (total > NumberPool::kCapacity) {
        *message = QStringLiteral("La somme des poids (%1) dépasse la limite de %2 numéros.")
                       .arg(total)
                       .arg(NumberPool::kCapacity);
        return false;
    }
    pool->clear();
    for (const auto& [number, times] : entries) {
        pool->appendTimes(number, times);
    }
    return true;
}

} // namespace generator
