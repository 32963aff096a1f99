// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tips/EvaluationSheet.h"

using tips::EvaluationSheet;
using tips::HitTally;

TEST(EvaluationSheet, RowSumsAndGrandTotalIncludeRowsNineAndTen) {
    HitTally tally;
    EvaluationSheet sheet(&tally);
    EXPECT_EQ(sheet.total(), QStringLiteral("Summe"));
    tally.setText(3, "4");
    tally.setText(9, "1");
    tally.setText(10, "2");
    sheet.setQuotaText(3, "2,5");
    sheet.setQuotaText(9, "100");
    sheet.setQuotaText(10, "1000");
    EXPECT_EQ(sheet.rowSum(3), QStringLiteral("10,00"));
    EXPECT_EQ(sheet.rowSum(9), QStringLiteral("100,00"));
    EXPECT_EQ(sheet.rowSum(10), QStringLiteral("2000,00"));
    EXPECT_EQ(sheet.rowSum(1), QStringLiteral("0,00"));
    EXPECT_EQ(sheet.total(), QStringLiteral("2110,00"));
    EXPECT_TRUE(sheet.errors().isEmpty());
}

TEST(EvaluationSheet, QuotaFieldEnabledOnlyForPositiveCounts) {
    HitTally tally;
    EvaluationSheet sheet(&tally);
    sheet.setCountText(1, "3");
    sheet.setCountText(2, "0");
    sheet.setCountText(4, "-1");
    sheet.setCountText(5, "x");
    EXPECT_TRUE(sheet.quotaEnabled(1));
    EXPECT_FALSE(sheet.quotaEnabled(2));
    EXPECT_FALSE(sheet.quotaEnabled(4));
    EXPECT_FALSE(sheet.quotaEnabled(5));
    // The counts are the tally: the dialog edits what the check counts.
    EXPECT_EQ(tally.text(1), QStringLiteral("3"));
}

TEST(EvaluationSheet, TextThatIsNoNumberSpoilsOnlyItsRow) {
    HitTally tally;
    EvaluationSheet sheet(&tally);
    tally.setText(1, "2");
    tally.setText(2, "3");
    sheet.setQuotaText(1, "1,5");
    sheet.setQuotaText(2, "abc");
    tally.setText(4, "");
    sheet.recalculate();
    EXPECT_EQ(sheet.rowSum(1), QStringLiteral("3,00"));
    EXPECT_EQ(sheet.rowSum(2), QString());
    EXPECT_EQ(sheet.rowSum(4), QString());
    EXPECT_EQ(sheet.total(), QStringLiteral("3,00"));
    EXPECT_EQ(sheet.errors().size(), 2);
    EXPECT_TRUE(sheet.errors().join(' ').contains(QStringLiteral("« abc »")));
    // The texts stay as typed.
    EXPECT_EQ(sheet.quotaText(2), QStringLiteral("abc"));
    EXPECT_EQ(tally.text(4), QString());
    // Fixing the field brings the row back.
    sheet.setQuotaText(2, "2");
    tally.setText(4, "0");
    sheet.recalculate();
    EXPECT_EQ(sheet.rowSum(2), QStringLiteral("6,00"));
    EXPECT_EQ(sheet.total(), QStringLiteral("9,00"));
    EXPECT_TRUE(sheet.errors().isEmpty());
}

TEST(EvaluationSheet, AverageQuotas) {
    HitTally tally;
    EvaluationSheet sheet(&tally);
    for (int hits = 1; hits <= 10; ++hits) {
        tally.setText(hits, "1");
    }
    const QString message = sheet.setAverageQuotas();
    EXPECT_TRUE(message.startsWith("Diese Quoten sind etwa Werte um den Gewinn abzuschätzen"));
    const QStringList quotas{"1", "1", "1", "1", "1", "10", "100", "1000", "10000", "100000"};
    for (int hits = 1; hits <= 10; ++hits) {
        EXPECT_EQ(sheet.quotaText(hits), quotas[hits - 1]);
    }
    EXPECT_EQ(sheet.total(), QStringLiteral("111115,00"));
}

TEST(EvaluationSheet, FixedFormatWithSignificantDigits) {
    const std::vector<std::tuple<double, int, QString>> cases = {
        {0, 7, "0,00"},
        {2.5, 7, "2,50"},
        {1234567, 7, "1234567,00"},
        {123456.78, 7, "123456,80"}, // seven significant digits first
        {12345678, 7, "1,234568E+07"},
        {-1234.5, 7, "-1234,50"},
        {123456789, 9, "123456789,00"},
        {1234567890, 9, "1,23456789E+09"},
    };
    for (const auto& [value, precision, text] : cases) {
        EXPECT_EQ(EvaluationSheet::formatFixed(value, precision, 2), text) << value;
    }
    double back = 0;
    ASSERT_TRUE(EvaluationSheet::parseDecimal("1,234568E+07", &back));
    EXPECT_DOUBLE_EQ(back, 12345680);
    EXPECT_FALSE(EvaluationSheet::parseDecimal("1.5", &back));
    EXPECT_FALSE(EvaluationSheet::parseDecimal("", &back));
    EXPECT_FALSE(EvaluationSheet::parseDecimal("1,2,3", &back));
}

TEST(EvaluationSheet, HugeRowsStillAddUp) {
    HitTally tally;
    EvaluationSheet sheet(&tally);
    tally.setText(10, "120");
    sheet.setQuotaText(10, "1000000");
    EXPECT_EQ(sheet.rowSum(10), QStringLiteral("1,200000E+08"));
    EXPECT_EQ(sheet.total(), QStringLiteral("120000000,00"));
}
