// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace tips {

// One winning class of a tip size: tips with this many hits pay factor x stake.
struct PrizeClass {
    int hits = 0;
    qint64 factor = 0;
};

// The fixed prize table per tip size (numbers per tip, 2..10), and the stake
// per tip taken from the "Coût par Grille" combo box.
class PrizeTable {
public:
    // The classes of a tip size in message order; empty outside 2..10.
    static const std::vector<PrizeClass>& classes(int tipSize);
    // The class label of the message, " x  4er " or " x 10er ".
    static QString label(int hits);
    // The stake per tip for the combo box's text. The box is editable, so the
    // text can match none of its items: a whole number 1..10 is taken as it
    // stands, anything else falls back to 1.
    static int stake(const QString& comboText);
};

} // namespace tips
