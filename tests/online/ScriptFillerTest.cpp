// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "online/ScriptFiller.h"

using online::ScriptFiller;

TEST(ScriptFiller, NumbersOfEachTipByPlace) {
    const QString templ = QStringLiteral("a=[Z1_1] b=[Z10_1] c=[Z2_2] d=[Z3_2] e=[Z1_3]");
    const QString filled = ScriptFiller::fill(templ, {"01,02,03,04,05,06,07,08,09,10", "11, 12"},
                                              10, 5, QStringLiteral("2"));
    // [Z1_1] does not match inside [Z10_1]; a short tip gives "0"; no tip gives "".
    EXPECT_EQ(filled, QStringLiteral("a=01 b=10 c=12 d=0 e="));
}

TEST(ScriptFiller, PlaceholdersOutsideTheSettingsStay) {
    const QString templ = QStringLiteral("[Z6_1][Z7_1][Z1_5][Z1_6][z1_1][Z1_1 ]");
    const QString filled = ScriptFiller::fill(templ, {"1,2,3,4,5,6,7"}, 6, 5, "1");
    EXPECT_EQ(filled, QStringLiteral("6[Z7_1][Z1_6][z1_1][Z1_1 ]"));
}

TEST(ScriptFiller, StakeAndReadyNoteEverywhere) {
    const QString filled =
        ScriptFiller::fill("[PREIS]x[PREIS] [MELDUNGFERTIG][preis]", {}, 2, 1, " 10 ");
    EXPECT_EQ(filled, QStringLiteral(" 10 x 10  Bitte überprüfen Sie jetzt den Tipp und dann "
                                     "können Sie ihn abgeben![preis]"));
}

TEST(ScriptFiller, FieldsAreTakenVerbatim) {
    // Fields as the check cuts them: leading blanks gone, the rest as typed;
    // a trailing comma leaves one empty field, only past it comes "0".
    const QString filled =
        ScriptFiller::fill("[Z1_1]|[Z2_1]|[Z3_1]|[Z4_1]|[Z5_1]", {"7,ab , 9,"}, 5, 1, "1");
    EXPECT_EQ(filled, QStringLiteral("7|ab |9||0"));
    EXPECT_EQ(ScriptFiller::filledScriptPath("/h/", QDate(2022, 11, 4)),
              QStringLiteral("/h/Tipps/20221104.qks"));
}
