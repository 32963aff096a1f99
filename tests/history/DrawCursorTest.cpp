// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "common/DayNumber.h"
#include "common/Formats.h"
#include "history/DrawCursor.h"

using history::DrawCursor;
using history::TZiehung;
using testsupport::makeRecord;

namespace {

common::DayNumber day(int y, int m, int d) {
    return common::toDayNumber(QDate(y, m, d));
}

// Three days: a first day with both draws, a day with midi only, a last day
// with both draws.
std::vector<TZiehung> sample() {
    return {makeRecord(QDate(2020, 3, 1), 0, testsupport::twentyNumbers(1), 2),
            makeRecord(QDate(2020, 3, 1), 1, testsupport::twentyNumbers(2), 3),
            makeRecord(QDate(2020, 3, 4), 0, testsupport::twentyNumbers(3), 5),
            makeRecord(QDate(2020, 3, 6), 0, testsupport::twentyNumbers(4), 2),
            makeRecord(QDate(2020, 3, 6), 1, testsupport::twentyNumbers(5), 10)};
}

TEST(DrawCursor, LoadAtDatePicksTheDrawOnOrAfterTheDay) {
    const auto records = sample();
    DrawCursor cursor;
    cursor.loadAtDate(records, day(2020, 3, 2)); // between two draw days
    EXPECT_EQ(cursor.current().position, 2);
    EXPECT_EQ(cursor.current().aktDatum, day(2020, 3, 2)); // the looked-up day
    EXPECT_EQ(cursor.current().datum1, day(2020, 3, 4));

    cursor.loadAtDate(records, day(2020, 3, 6)); // a day with both draws: soir
    EXPECT_EQ(cursor.current().position, 4);
    EXPECT_EQ(cursor.current().soir, 1);

    cursor.loadAtDate(records, day(2020, 3, 1)); // the very first day: the first record
    EXPECT_EQ(cursor.current().position, 0);
    EXPECT_EQ(cursor.current().soir, 0);

    cursor.loadAtDate(records, day(2021, 1, 1)); // after the newest draw
    EXPECT_EQ(cursor.current().position, 4);
}

TEST(DrawCursor, DrawLinesOfTheThreeMoves) {
    const auto records = sample();
    DrawCursor cursor;
    cursor.loadAtDate(records, day(2020, 3, 4));
    const QString numbers = QStringLiteral(
        "  3  6  9  12  15  18  21  24  27  30  33  36  39  42  45  48  51  54  57  60");
    const QString date = common::formatDrawLineDate(QDate(2020, 3, 4));
    EXPECT_EQ(cursor.drawLine(), date + QStringLiteral("  ") + QStringLiteral(" (midi) ") +
                                     numbers + QStringLiteral("  x5"));
    EXPECT_EQ(cursor.crossSumLine(), QStringLiteral("traverser la somme: 630"));

    cursor.stepForward(records);
    EXPECT_TRUE(cursor.drawLine().contains(QStringLiteral("   (midi ) ")));
    EXPECT_TRUE(cursor.drawLine().endsWith(QStringLiteral("   x2")));
    cursor.stepForward(records);
    EXPECT_TRUE(cursor.drawLine().contains(QStringLiteral(" (soir ) ")));
    EXPECT_TRUE(cursor.drawLine().endsWith(QStringLiteral("   x10")));
    cursor.stepBack(records);
    EXPECT_TRUE(cursor.drawLine().contains(QStringLiteral("   (midi) ")));

    // Three spaces after the date only for the first record of a longer history.
    cursor.loadAtDate(records, day(2019, 1, 1));
    EXPECT_TRUE(cursor.drawLine().startsWith(common::formatDrawLineDate(QDate(2020, 3, 1)) +
                                             QStringLiteral("    (midi) ")));
}

TEST(DrawCursor, StepsStayInsideTheHistory) {
    const auto records = sample();
    DrawCursor cursor;
    cursor.loadAtDate(records, day(2019, 1, 1));
    cursor.stepBack(records);
    EXPECT_EQ(cursor.current().position, 0);
    cursor.stepForward(records);
    EXPECT_EQ(cursor.current().position, 1);
    EXPECT_EQ(cursor.current().aktDatum, cursor.current().datum1);

    cursor.loadAtDate(records, day(2030, 1, 1));
    cursor.stepForward(records);
    EXPECT_EQ(cursor.current().position, 4);
}

TEST(DrawCursor, StepsKeepTheJokerOfTheLastLoad) {
    auto records = sample();
    records[2].joker = {1, 2, 3, 4, 5, 6, 7};
    records[3].jokerPlus = {7, 7, 7, 7, 7, 7, 7};
    DrawCursor cursor;
    cursor.loadAtDate(records, day(2020, 3, 4));
    cursor.stepForward(records);
    EXPECT_EQ(cursor.current().joker, (std::array<int, 7>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(cursor.current().jokerPlus, (std::array<int, 7>{7, 7, 7, 7, 7, 7, 7}));
}

TEST(DrawCursor, EmptyHistory) {
    const std::vector<TZiehung> none;
    DrawCursor cursor;
    cursor.loadAtDate(sample(), day(2020, 3, 4));
    const QString before = cursor.drawLine();
    cursor.current().position = 3;
    cursor.loadAtDate(none, day(2020, 3, 4));
    EXPECT_EQ(cursor.drawLine(), before); // lines and numbers keep their values
    EXPECT_EQ(cursor.current().position, 0);
    EXPECT_EQ(cursor.current().multiplicateur, 0);
    EXPECT_NE(cursor.current().zahl[0], 0);

    cursor.stepForward(none); // an all-zero draw becomes current
    EXPECT_EQ(cursor.current().datum1, 0);
    EXPECT_EQ(cursor.current().zahl, (std::array<int, 20>{}));
    EXPECT_EQ(cursor.current().position, 0);
}

} // namespace
