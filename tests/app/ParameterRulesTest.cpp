// SPDX-License-Identifier: GPL-3.0-or-later
// The coupling of the generation parameters, through the event handlers and
// through user changes of any kind.
#include <gtest/gtest.h>

#include "app/ControlSchema.h"
#include "app/ControlValues.h"
#include "app/ParameterRules.h"

using app::ControlValues;
using app::ParameterRules;

namespace {

app::Control id(const char* name) {
    return *app::ControlSchema::find(QString::fromLatin1(name));
}

int pos(const ControlValues& values, const char* name) {
    return values.position(id(name));
}

} // namespace

TEST(ParameterRulesHits, MinimumAboveMaximumRaisesTheMaximum) {
    const struct {
        const char* minimum;
        const char* maximum;
    } pairs[] = {{"UpDown21", "UpDown4"}, {"UpDown22", "UpDown5"}, {"UpDown23", "UpDown11"}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.minimum);
        ControlValues values;
        values.setPosition(id(pair.maximum), 0);
        ParameterRules::userSetPosition(values, id(pair.minimum), 3);
        EXPECT_EQ(pos(values, pair.minimum), 3);
        EXPECT_EQ(pos(values, pair.maximum), 3);

        // Lowering the maximum below the minimum takes the minimum along.
        ParameterRules::userSetPosition(values, id(pair.maximum), 1);
        EXPECT_EQ(pos(values, pair.maximum), 1);
        EXPECT_EQ(pos(values, pair.minimum), 1);

        // Moves that keep the order leave the partner alone.
        ParameterRules::userSetPosition(values, id(pair.maximum), 7);
        EXPECT_EQ(pos(values, pair.minimum), 1);
        ParameterRules::userSetPosition(values, id(pair.minimum), 0);
        EXPECT_EQ(pos(values, pair.maximum), 7);
    }
}

TEST(ParameterRulesHits, ChangingHandlersActBeforeTheChange) {
    ControlValues values;
    values.setPosition(app::Control::UpDown4, 0);
    ParameterRules::UpDown21ChangingEx(values, 3);
    EXPECT_EQ(pos(values, "UpDown4"), 3);
    EXPECT_EQ(pos(values, "UpDown21"), 0); // the change itself is the caller's

    values.setPosition(app::Control::UpDown23, 2);
    values.setPosition(app::Control::UpDown11, 2);
    ParameterRules::UpDown11ChangingEx(values, 1);
    EXPECT_EQ(pos(values, "UpDown23"), 1);
}

TEST(ParameterRulesHits, ValueOutsideTheRangeIsHeldWithinBeforeCoupling) {
    ControlValues values;
    ParameterRules::userSetPosition(values, app::Control::UpDown22, 15);
    EXPECT_EQ(pos(values, "UpDown22"), 10);
    EXPECT_EQ(pos(values, "UpDown5"), 10);
}

TEST(ParameterRulesShared, LowerBoundStaysBelowUpperBound) {
    ControlValues values; // UpDown1 = 1, UpDown3 = 4
    ParameterRules::userSetPosition(values, app::Control::UpDown1, 8);
    EXPECT_EQ(pos(values, "UpDown1"), 4);
    EXPECT_EQ(values.maximum(app::Control::UpDown1), 4);
    EXPECT_EQ(values.minimum(app::Control::UpDown3), 4);

    ParameterRules::userSetPosition(values, app::Control::UpDown3, 2);
    EXPECT_EQ(pos(values, "UpDown3"), 4);

    ParameterRules::userSetPosition(values, app::Control::UpDown1, 2);
    ParameterRules::userSetPosition(values, app::Control::UpDown3, 6);
    EXPECT_EQ(values.maximum(app::Control::UpDown1), 6);
    EXPECT_EQ(values.minimum(app::Control::UpDown3), 2);
}

TEST(ParameterRulesShared, MouseHandlersCopyTheBounds) {
    ControlValues values;
    values.setPosition(app::Control::UpDown3, 5);
    ParameterRules::UpDown3MouseDown(values);
    EXPECT_EQ(values.maximum(app::Control::UpDown1), 5);
    values.setPosition(app::Control::UpDown1, 3);
    ParameterRules::UpDown1MouseUp(values);
    EXPECT_EQ(values.minimum(app::Control::UpDown3), 3);
}

TEST(ParameterRulesEvenOdd, MinimumCountsAddUpToSixAtMost) {
    ControlValues values;
    ParameterRules::userSetPosition(values, app::Control::UpDown17, 4);
    EXPECT_EQ(values.maximum(app::Control::UpDown16), 2);
    ParameterRules::userSetPosition(values, app::Control::UpDown16, 5);
    EXPECT_EQ(pos(values, "UpDown16"), 2);
    EXPECT_EQ(values.maximum(app::Control::UpDown17), 4);

    ParameterRules::userSetPosition(values, app::Control::UpDown16, 0);
    EXPECT_EQ(values.maximum(app::Control::UpDown17), 6);
    ParameterRules::userSetPosition(values, app::Control::UpDown17, 6);
    EXPECT_EQ(pos(values, "UpDown17"), 6);
    EXPECT_EQ(values.maximum(app::Control::UpDown16), 0);
}

TEST(ParameterRulesEvenOdd, HandlersSetTheirOwnTargets) {
    ControlValues values;
    values.setPosition(app::Control::UpDown17, 4);
    ParameterRules::UpDown16MouseUp(values);
    EXPECT_EQ(values.maximum(app::Control::UpDown16), 2);
    EXPECT_EQ(pos(values, "UpDown16"), 2);
    values.setPosition(app::Control::UpDown16, 1);
    ParameterRules::UpDown17MouseUp(values);
    EXPECT_EQ(values.maximum(app::Control::UpDown17), 5);
    values.setPosition(app::Control::UpDown17, 5);
    ParameterRules::UpDown17MouseDown(values);
    EXPECT_EQ(values.maximum(app::Control::UpDown16), 1);
}

TEST(ParameterRulesLaufMax, FollowsTheAttemptLimitInThousands) {
    ControlValues values;
    EXPECT_EQ(ParameterRules::laufMax(values), 10000);
    // The event before a change still sees the old position.
    EXPECT_EQ(ParameterRules::UpDown7Changing(values), 10000);
    int laufMax = 0;
    ParameterRules::userSetPosition(values, app::Control::UpDown7, 250, &laufMax);
    EXPECT_EQ(laufMax, 250000);
    ParameterRules::userSetPosition(values, app::Control::UpDown7, 20000, &laufMax);
    EXPECT_EQ(laufMax, 10000000);
    // Other controls leave it alone.
    ParameterRules::userSetPosition(values, app::Control::UpDown9, 7, &laufMax);
    EXPECT_EQ(laufMax, 10000000);
    EXPECT_EQ(pos(values, "UpDown9"), 7);
}

TEST(ParameterSchema, HiddenControlsAndCaptionsAreThere) {
    ControlValues values;
    EXPECT_EQ(values.date(app::Control::DateTimePicker3), QDate(2010, 6, 18));
    EXPECT_TRUE(app::ControlSchema::rowOf(QStringLiteral("DateTimePicker3"))->hidden);
    EXPECT_TRUE(app::ControlSchema::rowOf(QStringLiteral("Label48"))->hidden);
    EXPECT_TRUE(app::ControlSchema::rowOf(QStringLiteral("Label62"))->hidden);
    EXPECT_EQ(values.text(app::Control::Label61), QStringLiteral("Numéros par grille"));
    EXPECT_EQ(values.text(app::Control::Label58), QStringLiteral("mille"));
    EXPECT_EQ(
        app::ControlSchema::rowOf(QStringLiteral("UpDown13"))->hint,
        QStringLiteral("Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen"));
    EXPECT_EQ(values.positionText(app::Control::UpDown15), QStringLiteral("1.200"));
    EXPECT_EQ(pos(values, "UpDown15"), 1200);
}
