// The coupling of the generation parameters, through the event handlers and
// through user changes of any kind.
#include <gtest/gtest.h>

#include "app/ControlSchema.h"
#include "app/ControlValues.h"
#include "app/ParameterRules.h"

using app::ControlValues;
using app::ParameterRules;

namespace {

int pos(const ControlValues& values, const char* name) {
    return values.position(QString::fromLatin1(name));
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
        values.setPosition(QString::fromLatin1(pair.maximum), 0);
        ParameterRules::userSetPosition(values, QString::fromLatin1(pair.minimum), 3);
        EXPECT_EQ(pos(values, pair.minimum), 3);
        EXPECT_EQ(pos(values, pair.maximum), 3);

        // Lowering the maximum below the minimum takes the minimum along.
        ParameterRules::userSetPosition(values, QString::fromLatin1(pair.maximum), 1);
        EXPECT_EQ(pos(values, pair.maximum), 1);
        EXPECT_EQ(pos(values, pair.minimum), 1);

        // Moves that keep the order leave the partner alone.
        ParameterRules::userSetPosition(values, QString::fromLatin1(pair.maximum), 7);
        EXPECT_EQ(pos(values, pair.minimum), 1);
        ParameterRules::userSetPosition(values, QString::fromLatin1(pair.minimum), 0);
        EXPECT_EQ(pos(values, pair.maximum), 7);
    }
}

TEST(ParameterRulesHits, ChangingHandlersActBeforeTheChange) {
    ControlValues values;
    values.setPosition(QStringLiteral("UpDown4"), 0);
    ParameterRules::UpDown21ChangingEx(values, 3);
    EXPECT_EQ(pos(values, "UpDown4"), 3);
    EXPECT_EQ(pos(values, "UpDown21"), 0); // the change itself is the caller's

    values.setPosition(QStringLiteral("UpDown23"), 2);
    values.setPosition(QStringLiteral("UpDown11"), 2);
    ParameterRules::UpDown11ChangingEx(values, 1);
    EXPECT_EQ(pos(values, "UpDown23"), 1);
}

TEST(ParameterRulesHits, ValueOutsideTheRangeIsHeldWithinBeforeCoupling) {
    ControlValues values;
    ParameterRules::userSetPosition(values, QStringLiteral("UpDown22"), 15);
    EXPECT_EQ(pos(values, "UpDown22"), 10);
    EXPECT_EQ(pos(values, "UpDown5"), 10);
}

TEST(ParameterRulesShared, LowerBoundStaysBelowUpperBound) {
    ControlValues values; // UpDown1 = 1, UpDown3 = 4
    ParameterRules::userSetPosition(values, QStringLiteral("UpDown1"), 8);
    EXPECT_EQ(pos(values, "UpDown1"), 4);
    EXPECT_EQ(values.maximum(QStringLiteral("UpDown1")), 4);
    EXPECT_EQ(values.minimum(QStringLiteral("UpDown3")), 4);

    ParameterRules::userSetPosition(values, QStringLiteral("UpDown3"), 2);
    EXPECT_EQ(pos(values, "UpDown3"), 4);

    ParameterRules::userSetPosition(values, QStringLiteral("UpDown1"), 2);
    ParameterRules::userSetPosition(values, QStringLiteral("UpDown3"), 6);
    EXPECT_EQ(values.maximum(QStringLiteral("UpDown1")), 6);
    EXPECT_EQ(values.minimum(QStringLiteral("UpDown3")), 2);
}

TEST(ParameterRulesShared, MouseHandlersCopyTheBounds) {
    ControlValues values;
    values.setPosition(QStringLiteral("UpDown3"), 5);
    ParameterRules::UpDown3MouseDown(values);
    EXPECT_EQ(values.maximum(QStringLiteral("UpDown1")), 5);
    values.setPosition(QStringLiteral("UpDown1"), 3);
    ParameterRules::UpDown1MouseUp(values);
    EXPECT_EQ(values.minimum(QStringLiteral("UpDown3")), 3);
}

TEST(ParameterRulesEvenOdd, MinimumCountsAddUpToSixAtMost) {
    ControlValues values;
    ParameterRules::userSetPosition(values, QStringLiteral("UpDown17"), 4);
    EXPECT_EQ(values.maximum(QStringLiteral("UpDown16")), 2);
    ParameterRules::userSetPosition(values, QStringLiteral("UpDown16"), 5);
    EXPECT_EQ(pos(values, "UpDown16"), 2);
    EXPECT_EQ(values.maximum(QStringLiteral("UpDown17")), 4);

    ParameterRules::userSetPosition(values, QStringLiteral("UpDown16"), 0);
    EXPECT_EQ(values.maximum(QStringLiteral("UpDown17")), 6);
    ParameterRules::userSetPosition(values, QStringLiteral("UpDown17"), 6);
    EXPECT_EQ(pos(values, "UpDown17"), 6);
    EXPECT_EQ(values.maximum(QStringLiteral("UpDown16")), 0);
}

TEST(ParameterRulesEvenOdd, HandlersSetTheirOwnTargets) {
    ControlValues values;
    values.setPosition(QStringLiteral("UpDown17"), 4);
    ParameterRules::UpDown16MouseUp(values);
    EXPECT_EQ(values.maximum(QStringLiteral("UpDown16")), 2);
    EXPECT_EQ(pos(values, "UpDown16"), 2);
    values.setPosition(QStringLiteral("UpDown16"), 1);
    ParameterRules::UpDown17MouseUp(values);
    EXPECT_EQ(values.maximum(QStringLiteral("UpDown17")), 5);
    values.setPosition(QStringLiteral("UpDown17"), 5);
    ParameterRules::UpDown17MouseDown(values);
    EXPECT_EQ(values.maximum(QStringLiteral("UpDown16")), 1);
}

TEST(ParameterRulesLaufMax, FollowsTheAttemptLimitInThousands) {
    ControlValues values;
    EXPECT_EQ(ParameterRules::laufMax(values), 10000);
    // The event before a change still sees the old position.
    EXPECT_EQ(ParameterRules::UpDown7Changing(values), 10000);
    int laufMax = 0;
    ParameterRules::userSetPosition(values, QStringLiteral("UpDown7"), 250, &laufMax);
    EXPECT_EQ(laufMax, 250000);
    ParameterRules::userSetPosition(values, QStringLiteral("UpDown7"), 20000, &laufMax);
    EXPECT_EQ(laufMax, 10000000);
    // Other controls leave it alone.
    ParameterRules::userSetPosition(values, QStringLiteral("UpDown9"), 7, &laufMax);
    EXPECT_EQ(laufMax, 10000000);
    EXPECT_EQ(pos(values, "UpDown9"), 7);
}

TEST(ParameterSchema, HiddenControlsAndCaptionsAreThere) {
    ControlValues values;
    EXPECT_EQ(values.date(QStringLiteral("DateTimePicker3")), QDate(2010, 6, 18));
    EXPECT_TRUE(app::ControlSchema::find(QStringLiteral("DateTimePicker3"))->hidden);
    EXPECT_TRUE(app::ControlSchema::find(QStringLiteral("Label48"))->hidden);
    EXPECT_TRUE(app::ControlSchema::find(QStringLiteral("Label62"))->hidden);
    EXPECT_EQ(values.text(QStringLiteral("Label61")), QStringLiteral("Numéros par grille"));
    EXPECT_EQ(values.text(QStringLiteral("Label58")), QStringLiteral("mille"));
    EXPECT_EQ(
        app::ControlSchema::find(QStringLiteral("UpDown13"))->hint,
        QStringLiteral("Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen"));
    EXPECT_EQ(values.text(QStringLiteral("Edit38")), QStringLiteral("1.200"));
    EXPECT_EQ(pos(values, "UpDown15"), 1200);
}
