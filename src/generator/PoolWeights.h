// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "generator/NumberPool.h"
#include "prefs/NumberGrid.h"

namespace generator {

// The pool a reviewed number grid asks for: every checked number as often as
// its weight says (a weight of 0 counts once, a negative one not at all).
class PoolWeights {
public:
    // Fills pool from the grid. False, with the message to show and the pool
    // unchanged, when a weight is no whole number or the weights pass the
    // pool's 1400 entries.
    static bool fill(const prefs::NumberGrid& grid, NumberPool* pool, QString* message);
};

} // namespace generator
