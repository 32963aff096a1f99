// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "TestSupport.h"
#include "app/GeneratorParameters.h"
#include "generator/PoolBuilder.h"

using namespace generator;

namespace {

// Everything off: each test switches on the sections it looks at.
Parameters bare() {
    Parameters p = app::GeneratorParameters::defaults();
    p.checkBox10 = p.checkBox14 = false;
    p.checkBox4 = p.checkBox5 = p.checkBox23 = false;
    p.checkBox15 = true;
    return p;
}

ReferenceDraws references() {
    ReferenceDraws draws{};
    for (int i = 0; i < 20; ++i) {
        draws[0][static_cast<std::size_t>(i)] = i + 1;     // 1..20
        draws[1][static_cast<std::size_t>(i)] = i + 21;    // 21..40
        draws[2][static_cast<std::size_t>(i)] = 2 * i + 2; // 2, 4, ..., 40
    }
    return draws;
}

struct Builder {
    Parameters p = bare();
    FakeHost host;
    FakeStatistics stats;
    history::DrawHistory history;
    ReferenceDraws refs = references();
    NumberPool pool;

    bool build() {
        PoolBuilder builder(p, host, stats, history, refs);
        QString error;
        return builder.build(&pool, &error);
    }
};

// Values from Min 4 to Max 24: number n gets 4 + (n - 1) % 21.
std::vector<double> spread() {
    std::vector<double> values;
    for (int n = 1; n <= 70; ++n) {
        values.push_back(4 + (n - 1) % 21);
    }
    return values;
}

} // namespace

TEST(PoolBuilder, FrequentAndRareBandsWithThePercentage) {
    Builder b;
    b.p.checkBox2 = b.p.checkBox14 = true;
    b.stats.results[Statistic::Numbers] = FakeStatistics::make(spread());
    ASSERT_TRUE(b.build());
    EXPECT_EQ(b.stats.calls[Statistic::Numbers], 1); // computed once, reused
    for (int n = 1; n <= 70; ++n) {
        const int v = 4 + (n - 1) % 21;
        int expected = 0;
        expected += v >= 18 ? 2 : 0;
        expected += v >= 21 ? 1 : 0;
        expected += v <= 10 ? 2 : 0;
        expected += v <= 7 ? 1 : 0;
        EXPECT_EQ(b.pool.occurrences(n), expected) << n;
    }
    const QStringList& lines = b.host.status[1];
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("Calcul de la distribution en nombre"));
    EXPECT_EQ(lines[1], QStringLiteral("Min: 18  Max: 24  0"));
    // Values 4..10 belong to four numbers each, 11..24 to three.
    EXPECT_EQ(lines[2], QStringLiteral("Min: 21  Max: 24  42"));
    EXPECT_EQ(lines[3], QStringLiteral("Min: 4  Max: 10  54"));
    EXPECT_EQ(lines[4], QStringLiteral("Min: 4  Max: 7  110"));
}

TEST(PoolBuilder, OverdueBandsUseTheShortSeparatorFirst) {
    Builder b;
    b.p.checkBox10 = true;
    b.p.upDown13 = 50;
    b.stats.results[Statistic::Overdue] = FakeStatistics::make(spread());
    ASSERT_TRUE(b.build());
    EXPECT_EQ(b.host.status[1][1], QStringLiteral("Min: 14 Max: 24  0"));      // 24 - 10
    EXPECT_EQ(b.host.status[1][2].left(14), QStringLiteral("Min: 19  Max: ")); // 24 - 5
    EXPECT_EQ(b.pool.occurrences(21), 3);                                      // value 24
    EXPECT_EQ(b.pool.occurrences(16), 3);                                      // value 19
    EXPECT_EQ(b.pool.occurrences(15), 2);                                      // value 18
    EXPECT_EQ(b.pool.occurrences(10), 0);                                      // value 13
}

TEST(PoolBuilder, NeighbourRunsStrictlyAboveTheLowerBound) {
    Builder b;
    b.p.checkBox1 = b.p.checkBox11 = true;
    std::vector<double> pairs(69, 25.0);
    pairs[0] = 40;  // (1, 2): frequent
    pairs[1] = 31;  // (2, 3): exactly lo, not frequent
    pairs[2] = 10;  // (3, 4): rare
    pairs[3] = 0;   // (4, 5): never drawn, never rare
    pairs[68] = 19; // (69, 70): rare, the last pair
    pairs[4] = 20;  // above the rare bound
    auto result = FakeStatistics::make(pairs);
    result.minimum = 10; // the axis spans 10..40
    b.stats.results[Statistic::Pairs] = result;
    ASSERT_TRUE(b.build());
    EXPECT_EQ(b.stats.calls[Statistic::Pairs], 1);
    EXPECT_EQ(b.pool.entries(), (std::vector<int>{1, 2, 3, 4, 69, 70}));
    EXPECT_EQ(b.host.status[1][1], QStringLiteral("Min: 31  Max: 40  0"));
    EXPECT_EQ(b.host.status[1][2], QStringLiteral("Min: 0  Max: 19  2"));
}

TEST(PoolBuilder, RareQuadruplesAloneComputeAndUseTheirSeparator) {
    Builder b;
    b.p.checkBox13 = true;
    std::vector<double> quads(70, 0.0);
    quads[66] = 1; // (67, 68, 69, 70)
    quads[67] = 1; // beyond the last quadruple: never looked at
    quads[10] = 9;
    auto result = FakeStatistics::make(quads);
    b.stats.results[Statistic::Quadruples] = result;
    ASSERT_TRUE(b.build());
    EXPECT_EQ(b.host.status[1][0], QStringLiteral("Calcul de la formation de quatre groupes"));
    EXPECT_EQ(b.host.status[1][1], QStringLiteral("Min: 0 Max: 3  0")); // Round(2.7)
    EXPECT_EQ(b.pool.entries(), (std::vector<int>{67, 68, 69, 70}));
}

TEST(PoolBuilder, NeighboursOfTheCurrentDrawAtTheEdges) {
    Builder b;
    b.p.checkBox19 = true;
    b.refs[0].fill(0);
    b.refs[0][0] = 1;
    b.refs[0][1] = 70;
    ASSERT_TRUE(b.build());
    EXPECT_EQ(b.pool.entries(), (std::vector<int>{2, 2, 2, 2, 69, 69, 69, 69}));
}

TEST(PoolBuilder, LastDrawsByComboIndexAndRemovals) {
    Builder b;
    b.p.checkBox31 = true;
    b.p.comboBox3 = 1;
    b.p.checkBox15 = false;
    ASSERT_TRUE(b.build());
    EXPECT_EQ(b.pool.size(), 40 + 70);
    EXPECT_EQ(b.pool.occurrences(40), 2);
    EXPECT_EQ(b.pool.occurrences(41), 1);

    Builder removal;
    removal.p.checkBox15 = false;
    removal.p.checkBox4 = true;  // maximum 0: the current draw's numbers go
    removal.p.checkBox23 = true; // maximum 2: nothing goes
    ASSERT_TRUE(removal.build());
    EXPECT_EQ(removal.pool.size(), 50);
    EXPECT_EQ(removal.pool.occurrences(20), 0);
    EXPECT_EQ(removal.pool.occurrences(21), 1);
}

TEST(PoolBuilder, DefaultSectionsLoseTheCurrentDraw) {
    Builder b;
    b.p = app::GeneratorParameters::defaults();
    b.stats.results[Statistic::Numbers] = FakeStatistics::make(spread());
    b.stats.results[Statistic::Overdue] = FakeStatistics::make(spread());
    ASSERT_TRUE(b.build());
    for (int n = 1; n <= 20; ++n) {
        EXPECT_EQ(b.pool.occurrences(n), 0) << n;
    }
    for (int n = 21; n <= 70; ++n) {
        const int v = 4 + (n - 1) % 21;
        const int rare = v <= 10 ? (v <= 7 ? 3 : 2) : 0;
        const int overdue = v >= 18 ? (v >= 21 ? 3 : 2) : 0;
        EXPECT_EQ(b.pool.occurrences(n), 1 + rare + overdue) << n;
    }
}

TEST(PoolBuilder, NeverMoreThanFourteenHundredEntries) {
    Builder b;
    b.p.checkBox19 = true;
    b.p.checkBox31 = true;
    b.p.checkBox1 = b.p.checkBox6 = b.p.checkBox7 = true;
    b.p.checkBox2 = b.p.checkBox10 = b.p.checkBox14 = true;
    b.p.upDown12 = b.p.upDown13 = 75;
    b.p.checkBox15 = false;
    b.stats.results[Statistic::Pairs] = FakeStatistics::make(std::vector<double>(69, 5));
    b.stats.results[Statistic::Triples] = FakeStatistics::make(std::vector<double>(68, 5));
    b.stats.results[Statistic::Quadruples] = FakeStatistics::make(std::vector<double>(70, 5));
    b.stats.results[Statistic::Numbers] = FakeStatistics::make(std::vector<double>(70, 5));
    b.stats.results[Statistic::Overdue] = FakeStatistics::make(std::vector<double>(70, 5));
    // Equal values: every run is "frequent" only when lo < v, which fails;
    // the number bands take all 70 numbers three times each, twice.
    b.p.checkBox30 = true;
    std::vector<history::TZiehung> records;
    for (int year = 1994; year <= 2020; ++year) {
        records.push_back(testsupport::makeRecord(QDate(year, 6, 18), 0,
                                                  testsupport::twentyNumbers(year % 70 + 1)));
    }
    b.history = history::DrawHistory(records);
    b.p.dateTimePicker2 = QDate(1994, 1, 1);
    b.p.dateTimePicker3 = QDate(2020, 6, 18);
    ASSERT_TRUE(b.build());
    EXPECT_EQ(b.pool.size(), NumberPool::kCapacity);
}

TEST(PoolBuilder, CalendarDateSkipsAMissingLeapDayAndMovesTheEndPicker) {
    Builder b;
    b.p.checkBox30 = true;
    std::vector<history::TZiehung> records;
    for (const QDate& day :
         {QDate(2015, 3, 1), QDate(2016, 2, 29), QDate(2017, 3, 1), QDate(2020, 2, 29)}) {
        records.push_back(
            testsupport::makeRecord(day, 0, testsupport::twentyNumbers(day.year() % 7 + 1, 1)));
    }
    b.history = history::DrawHistory(records);
    b.p.dateTimePicker2 = QDate(2015, 6, 1); // after 29.02 of 2015: starts in 2016
    b.p.dateTimePicker3 = QDate(2020, 2, 29);
    ASSERT_TRUE(b.build());
    // 2016 and 2020 only: 2017..2019 have no 29 February.
    EXPECT_EQ(b.pool.size(), 40);
    EXPECT_EQ(b.pool.at(0), 2016 % 7 + 1);
    EXPECT_EQ(b.pool.at(20), 2020 % 7 + 1);
    EXPECT_EQ(b.p.dateTimePicker1, QDate(2020, 2, 29));
    EXPECT_GE(b.host.parameterChanges, 1);
}

TEST(PoolBuilder, AnUnreadableHistoryStopsTheBuild) {
    Builder b;
    b.p.checkBox2 = true;
    b.stats.fail = true;
    EXPECT_FALSE(b.build());
}
