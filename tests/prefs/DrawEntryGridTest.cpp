// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "prefs/DrawEntryGrid.h"

using prefs::DrawEntryGrid;

TEST(DrawEntryGrid, LeftClicksCountUpRightPressesCountDown) {
    DrawEntryGrid grid;
    grid.setWeightText(9, QStringLiteral("0"));
    grid.mousePress(9, false);
    grid.toggle(9);
    EXPECT_TRUE(grid.checked(9));
    EXPECT_EQ(grid.weightText(9), QStringLiteral("1"));
    EXPECT_EQ(grid.statusText(),
              QStringLiteral("Die Zahl 9 geht mit der Gewichtung 1 in die Berechnung ein"));
    // A right press on a checked box of weight 1: weight 0 and unchecked.
    grid.mousePress(9, true);
    EXPECT_FALSE(grid.checked(9));
    EXPECT_EQ(grid.weightText(9), QStringLiteral("0"));
    // A right press on an unchecked box changes nothing.
    grid.setWeightText(10, QStringLiteral("3"));
    grid.mousePress(10, true);
    EXPECT_FALSE(grid.checked(10));
    EXPECT_EQ(grid.weightText(10), QStringLiteral("3"));
}

TEST(DrawEntryGrid, MinusStaysForKeyboardTogglesAndBadTextsEndAtZero) {
    DrawEntryGrid grid;
    grid.setWeightText(4, QStringLiteral("2"));
    grid.setChecked(4, true); // counts up: 3
    EXPECT_EQ(grid.weightText(4), QStringLiteral("3"));
    grid.mousePress(4, true); // 2, stays checked
    EXPECT_TRUE(grid.checked(4));
    EXPECT_EQ(grid.weightText(4), QStringLiteral("2"));
    // Minus keeps its value: a keyboard toggle after the right press counts down.
    grid.toggle(4);
    grid.toggle(4);
    EXPECT_TRUE(grid.checked(4));
    EXPECT_EQ(grid.weightText(4), QStringLiteral("1"));
    // An empty weight: once clicked, weight 0 and unchecked.
    grid.mousePress(5, false);
    grid.toggle(5);
    EXPECT_FALSE(grid.checked(5));
    EXPECT_EQ(grid.weightText(5), QStringLiteral("0"));
    // A negative weight is held at 0.
    grid.setWeightText(6, QStringLiteral("-4"));
    grid.mousePress(6, true);
    EXPECT_EQ(grid.weightText(6), QStringLiteral("0"));
    // Moving over a box only explains it.
    grid.mouseMove(4);
    EXPECT_EQ(grid.statusText(),
              QStringLiteral("Die Zahl 4 geht mit der Gewichtung 1 in die Berechnung ein"));
    EXPECT_EQ(grid.weightText(4), QStringLiteral("1"));
}
