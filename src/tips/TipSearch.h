// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "common/DayNumber.h"
#include "history/DrawCursor.h"
#include "history/DrawHistory.h"
#include "tips/HitTally.h"
#include "tips/TipCheck.h"
#include "tips/TipList.h"

namespace tips {

// Walks the history over a date range, checks the tip list against each draw
// and reports every draw on which some tip reached the threshold. The walk
// counts hits with bit sets; the draw it ends on is then checked in full, so
// the hit column, tally and statistics are exactly those of a check there.
class TipSearch {
public:
    struct Hit {
        int position = 0; // record index in the history
        common::DayNumber date = 0;
        int best = 0;    // best hit count of the list on this draw
        QString message; // "A hit on: dd.mm.yyyy"
        QString drawLine;
        QString crossSumLine;
    };
    struct Progress {
        int done = 0;  // draws of the range checked so far
        int total = 0; // draws in the range
        QString drawLine;
        QString crossSumLine;
    };
    struct Callbacks {
        // Shown for each reported draw, which is then in `current` for the
        // caller's full check; returning false stops the search.
        std::function<bool(const Hit&)> onHit;
        // Called at most every progressIntervalMs and once at the end.
        std::function<void(const Progress&)> onProgress;
        // Asked after each progress report; true ends the search there.
        std::function<bool()> stopRequested;
        int progressIntervalMs = 250;
    };
    struct Range {
        common::DayNumber from = 0; // DateTimePicker2, moved back when after `to`
        common::DayNumber to = 0;   // DateTimePicker1
        bool fromMoved = false;
    };
    struct Outcome {
        Range range;
        int checked = 0;  // draws of the range checked
        int reported = 0; // hit messages shown
        bool stopped = false;
        int lastPosition = -1;      // the draw the search ended on; -1 when none
        QString drawLine;           // Label29 / Label35 for that draw
        QString crossSumLine;       // Label13
        TipCheck::FullResult check; // full check of the last draw
        // For each best hit count 0..20, on how many draws of the range the
        // list's best tip had exactly that many hits (for the chart).
        std::array<int, 21> bestHitDraws{};
        // What chance gives for the same draws: for each best hit count, on
        // how many draws the list's best tip is expected to have it.
        std::array<double, 21> chanceBestHitDraws{};
    };

    // The expected draws per best hit count of the tips over `draws` draws
    // of 20 numbers out of 1..70 drawn at random, from simulated draws (the
    // tips share numbers, so their hits are not independent); the same
    // figures on every call.
    static std::array<double, 21> chanceBestHits(const TipScorer& tips, int draws);

    static QString inputCaption() {
        return QStringLiteral("Arrêtez-vous à la conformité des nombres x");
    }
    static QString inputPrompt() { return QStringLiteral("x numéros"); }
    static QString inputDefault(int tipSize) { return QString::number(tipSize); }
    // The threshold from the input box's answer; nothing when it is no integer.
    static std::optional<int> parseThreshold(const QString& text);
    static QString conversionError(const QString& text);

    // The range of the search: a start after the end moves to 365 days
    // before the end.
    static Range range(common::DayNumber from, common::DayNumber to);
    static QString drawLine(const history::TZiehung& record);
    static QString hitMessage(common::DayNumber date);

    // The walk. `current` receives each draw of the range (date, numbers,
    // Joker digits; soir, multiplier and position stay); `list` gets the hit
    // column of the last draw checked, `tally` its tally.
    static Outcome run(const history::DrawHistory& history, TipList* list, int tipSize,
                       int threshold, const Range& range, history::CurrentDraw* current,
                       HitTally* tally, const Callbacks& callbacks);
};

} // namespace tips
