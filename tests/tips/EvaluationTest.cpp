// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tips/Evaluation.h"
#include "tips/PrizeTable.h"

using tips::Evaluation;
using tips::PrizeTable;

TEST(EvaluationMessage, ExampleSixNumbersStakeTwo) {
    const QStringList hits{"3", "4", "0", "3", "2", "3"};
    EXPECT_EQ(Evaluation::message(hits, 6, 2),
              QStringLiteral("you have \n1 x  4er \t4\n3 x  3er \t6\n\nsans garantie"));
}

TEST(EvaluationMessage, PrizeClassesInTableOrder) {
    // N = 2, stake 10, five tips with 2 hits.
    EXPECT_EQ(Evaluation::message(QStringList(5, "2"), 2, 10),
              QStringLiteral("you have \n5 x  2er \t300\n\nsans garantie"));
    // N = 10 and no hit anywhere still pays the zero class.
    EXPECT_EQ(Evaluation::message(QStringList(4, "0"), 10, 3),
              QStringLiteral("you have \n4 x  0er \t24\n\nsans garantie"));
    EXPECT_EQ(Evaluation::message(QStringList{"3"}, 3, 1),
              QStringLiteral("you have \n1 x  3er \t16\n\nsans garantie"));
    // Highest class first, the two-digit label with one blank, zero class last.
    EXPECT_EQ(Evaluation::message(QStringList{"0", "10", "5", "5", "1"}, 10, 5),
              QStringLiteral("you have \n1 x 10er \t500000\n2 x  5er \t20\n1 x  0er \t10\n\n"
                             "sans garantie"));
}

TEST(EvaluationMessage, NothingReachedGivesTheShortMessage) {
    const QString shortMessage = QStringLiteral("you have \n\nsans garantie");
    EXPECT_EQ(Evaluation::message(QStringList{}, 6, 1), shortMessage);
    // Zero hits win nothing below eight numbers.
    EXPECT_EQ(Evaluation::message(QStringList{"0", "1", "2"}, 7, 1), shortMessage);
}

TEST(EvaluationMessage, TableOfTheCurrentSizeAppliesToOldHits) {
    // Hits counted with N = 10, evaluated after switching to N = 4.
    const QStringList hits{"4", "4", "7"};
    EXPECT_EQ(Evaluation::message(hits, 4, 1),
              QStringLiteral("you have \n2 x  4er \t44\n\nsans garantie"));
}

TEST(EvaluationMessage, ForeignLinesInTheHitColumnAreSkipped) {
    const Evaluation::Histogram h = Evaluation::histogram({"2", "x", "", "11", "-1", "2", "10"});
    EXPECT_EQ(h[2], 2);
    EXPECT_EQ(h[10], 1);
    EXPECT_EQ(h[0], 0);
}

TEST(PrizeTable, EveryClassAndFactor) {
    struct Row {
        int n;
        std::vector<std::pair<int, qint64>> classes;
    };
    const std::vector<Row> rows = {
        {10, {{10, 100000}, {9, 1000}, {8, 100}, {7, 15}, {6, 5}, {5, 2}, {0, 2}}},
        {9, {{9, 50000}, {8, 1000}, {7, 20}, {6, 5}, {5, 2}, {0, 2}}},
        {8, {{8, 10000}, {7, 100}, {6, 15}, {5, 2}, {4, 1}, {0, 1}}},
        {7, {{7, 1000}, {6, 100}, {5, 12}, {4, 1}}},
        {6, {{6, 500}, {5, 15}, {4, 2}, {3, 1}}},
        {5, {{5, 100}, {4, 7}, {3, 2}}},
        {4, {{4, 22}, {3, 2}, {2, 1}}},
        {3, {{3, 16}, {2, 1}}},
        {2, {{2, 6}}},
    };
    for (const Row& row : rows) {
        const auto& classes = PrizeTable::classes(row.n);
        ASSERT_EQ(classes.size(), row.classes.size()) << row.n;
        for (std::size_t i = 0; i < classes.size(); ++i) {
            EXPECT_EQ(classes[i].hits, row.classes[i].first) << row.n;
            EXPECT_EQ(classes[i].factor, row.classes[i].second) << row.n;
        }
    }
    EXPECT_TRUE(PrizeTable::classes(1).empty());
    EXPECT_TRUE(PrizeTable::classes(11).empty());
    EXPECT_TRUE(PrizeTable::classes(-3).empty());
    EXPECT_EQ(PrizeTable::label(0), QStringLiteral(" x  0er "));
    EXPECT_EQ(PrizeTable::label(10), QStringLiteral(" x 10er "));
}

TEST(PrizeTable, StakeFromTheEditableComboText) {
    const std::vector<std::pair<QString, int>> cases = {
        {"1", 1},   {"2", 2},
        {"3", 3},   {"5", 5},
        {"10", 10}, {"4", 4},
        {" 7 ", 7}, {"0", 1},
        {"11", 1},  {"-2", 1},
        {"", 1},    {"abc", 1},
        {"2,5", 1}, {"99999999999999999999999", 1},
    };
    for (const auto& [text, stake] : cases) {
        EXPECT_EQ(PrizeTable::stake(text), stake) << text.toStdString();
    }
    // Stake three triples every amount.
    EXPECT_EQ(Evaluation::message(QStringList{"5"}, 5, PrizeTable::stake("3")),
              QStringLiteral("you have \n1 x  5er \t300\n\nsans garantie"));
}
