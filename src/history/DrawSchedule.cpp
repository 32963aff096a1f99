// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/DrawSchedule.h"

#include <QTimeZone>

namespace history {

QDateTime DrawSchedule::inParis(const QDateTime& now) {
    static const QTimeZone paris = [] {
        const QTimeZone zone(QByteArrayLiteral("Europe/Paris"));
        return zone.isValid() ? zone : QTimeZone(3600);
    }();
    return now.toTimeZone(paris);
}

DrawSchedule::Draw DrawSchedule::latestDrawn(const QDateTime& now) {
    const QDateTime local = inParis(now);
    const int minutes = local.time().hour() * 60 + local.time().minute();
    const QDate today = local.date();
    if (minutes >= kSoirMinutes - kMarginMinutes) {
        return {today, 1};
    }
    if (minutes >= kMidiMinutes - kMarginMinutes) {
        return {today, 0};
    }
    return {today.addDays(-1), 1};
}

bool DrawSchedule::newerDrawPossible(common::DayNumber day, int soir, const QDateTime& now) {
    const Draw latest = latestDrawn(now);
    const QDate stored = common::toDate(day);
    return stored < latest.date || (stored == latest.date && soir < latest.soir);
}

} // namespace history
