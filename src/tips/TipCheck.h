// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "tips/HitTally.h"
#include "tips/TipList.h"

namespace tips {

// Counts a tip's hits in a draw. The first nFields fields of the tip line
// count; the first field that is not an integer ends the counting. A number
// that appears twice in the tip and is drawn counts twice.
class TipCheck {
public:
    using Draw = std::array<int, 20>;

    struct TipResult {
        int gewinn = 0;
        QStringList tippZahl; // the fields as cut, at most 26
    };

    // Zettelcheck: the hits of one tip line; tallies tips with 1..10 hits.
    static TipResult checkTip(const QString& line, const Draw& zahl, int nFields, HitTally* tally);

    struct FullResult {
        int max = 0;
        std::array<int, 21> statistik{};
        QString status;
        bool playSound = false; // some tip had three hits or more
    };

    // Komplettcheck: resets the tally and statistics; when active, removes
    // blank lines, rebuilds the hit column and reports the best hit count.
    static FullResult checkAll(TipList* list, const Draw& zahl, int nFields, bool active,
                               HitTally* tally);

    static QString maxWinText(int max);
    // A hit count as the hit column shows it.
    static QString hitText(int hits);
};

} // namespace tips
