// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include "common/DayNumber.h"

namespace history {

// When draws take place: midi and soir each day, at fixed times in Paris.
// The update asks for nothing while the newest stored draw is the latest one
// that can have been drawn by now.
class DrawSchedule {
public:
    struct Draw {
        QDate date;
        int soir = 0;
        bool operator==(const Draw&) const = default;
    };

    // The draw times in Paris. A draw counts as possibly drawn a margin
    // before its time, so a clock that runs late or a draw moved a little
    // earlier never keeps a published draw away.
    static constexpr int kMidiMinutes = 13 * 60;
    static constexpr int kSoirMinutes = 20 * 60;
    static constexpr int kMarginMinutes = 30;

    // The latest draw that can have taken place at now.
    static Draw latestDrawn(const QDateTime& now);
    // True when a draw later than (day, soir) can have taken place at now.
    static bool newerDrawPossible(common::DayNumber day, int soir, const QDateTime& now);
    // now read in Paris time (a fixed UTC+1 where the time zone data is missing).
    static QDateTime inParis(const QDateTime& now);
};

} // namespace history
