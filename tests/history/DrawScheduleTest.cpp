// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTimeZone>

#include "history/DrawSchedule.h"

namespace {

// No request while the newest stored draw is the latest that can have been
// drawn: before the midday draw, yesterday evening's is the latest.
TEST(DrawSchedule, TheLatestDrawFollowsParisTime) {
    const QTimeZone paris(QByteArrayLiteral("Europe/Paris"));
    auto at = [&](int month, int hour, int minute) {
        return QDateTime(QDate(2026, month, 9), QTime(hour, minute), paris);
    };
    using Draw = history::DrawSchedule::Draw;
    EXPECT_EQ(history::DrawSchedule::latestDrawn(at(12, 12, 0)), (Draw{QDate(2026, 12, 8), 1}));
    EXPECT_EQ(history::DrawSchedule::latestDrawn(at(12, 12, 45)), (Draw{QDate(2026, 12, 9), 0}));
    EXPECT_EQ(history::DrawSchedule::latestDrawn(at(12, 19, 40)), (Draw{QDate(2026, 12, 9), 1}));
    // Summer time: 11:00 UTC is 13:00 in Paris.
    const QDateTime summerUtc(QDate(2026, 7, 9), QTime(11, 0), QTimeZone::utc());
    EXPECT_EQ(history::DrawSchedule::latestDrawn(summerUtc), (Draw{QDate(2026, 7, 9), 0}));
}

} // namespace
