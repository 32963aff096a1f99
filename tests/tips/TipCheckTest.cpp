// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "history/DrawHistory.h"
#include "tips/TipCheck.h"
#include "tips/TipLine.h"

using tips::TipCheck;
using tips::TipLine;

namespace {

std::vector<int> range(int from, int to) {
    std::vector<int> numbers;
    for (int n = from; n <= to; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

// A draw with 1..20 except 20 replaced by 70: enough to reason about by eye.
TipCheck::Draw draw() {
    TipCheck::Draw zahl{};
    for (int i = 0; i < 20; ++i) {
        zahl[static_cast<std::size_t>(i)] = i + 1;
    }
    zahl[19] = 70;
    return zahl;
}

TEST(TipLine, WrittenFormIsSortedTwoDigitsCommaSeparated) {
    EXPECT_EQ(TipLine::write({61, 3, 22, 17, 45}), QStringLiteral("03,17,22,45,61"));
    EXPECT_EQ(TipLine::write({}), QString());
}

TEST(TipLine, ReadFormCutsAtCommasAndStopsAtTheFirstNonNumber) {
    EXPECT_EQ(TipLine::numbers(QStringLiteral("05, 12,  7")), (std::vector<qint64>{5, 12, 7}));
    EXPECT_EQ(TipLine::numbers(QStringLiteral("05 ,12")), (std::vector<qint64>{}));
    EXPECT_EQ(TipLine::numbers(QStringLiteral("05,ab,07")), (std::vector<qint64>{5}));
    EXPECT_EQ(TipLine::numbers(QStringLiteral("05,07,")), (std::vector<qint64>{5, 7}));
    EXPECT_EQ(TipLine::numbers(QStringLiteral(",05")), (std::vector<qint64>{}));
    // A field longer than 20 characters is no number.
    EXPECT_EQ(TipLine::numbers(QStringLiteral("1,000000000000000000001")),
              (std::vector<qint64>{1}));
    QStringList many;
    for (int i = 1; i <= 30; ++i) {
        many << QString::number(i);
    }
    EXPECT_EQ(TipLine::fields(many.join(QLatin1Char(','))).size(), 26);
    EXPECT_EQ(TipLine::numbers(many.join(QLatin1Char(','))).size(), 26u);
    EXPECT_EQ(TipLine::numbers(many.join(QLatin1Char(',')), 10).size(), 10u);
    EXPECT_EQ(TipLine::numbers(QStringLiteral("0000000000000000007,08")),
              (std::vector<qint64>{7, 8}));
}

TEST(TipCheck, CountsHitsOfTheFirstNFields) {
    const auto zahl = draw();
    const std::pair<const char*, int> cases[] = {
        {"07,07", 2},      // a doubled number counts twice
        {"05,ab,07", 1},   // counting stops at ab
        {",05,07", 0},     // the first field is empty
        {"05,07,", 2},     // a trailing comma does no harm
        {"05 ,07", 0},     // a blank before the comma spoils the field
        {"05, 07", 2},     // blanks after the comma are skipped
        {"0,71,-5,20", 0}, // numbers outside the draw never match
        {"70,69,68", 1},
    };
    for (const auto& [line, hits] : cases) {
        EXPECT_EQ(TipCheck::checkTip(QString::fromLatin1(line), zahl, 10, nullptr).gewinn, hits)
            << line;
    }
    // Twelve numbers with N = 10: the last two do not count.
    const QString twelve = QStringLiteral("30,31,32,33,34,35,36,37,38,39,01,02");
    EXPECT_EQ(TipCheck::checkTip(twelve, zahl, 10, nullptr).gewinn, 0);
    EXPECT_EQ(TipCheck::checkTip(twelve, zahl, 10, nullptr).tippZahl.size(), 12);
    EXPECT_EQ(TipCheck::checkTip(QStringLiteral("01,02,03"), zahl, 2, nullptr).gewinn, 2);
}

TEST(TipCheck, TalliesTipsWithOneToTenHits) {
    tips::HitTally tally;
    const auto zahl = draw();
    TipCheck::checkTip(QStringLiteral("01,02,03"), zahl, 10, &tally);
    TipCheck::checkTip(QStringLiteral("04,05,06"), zahl, 10, &tally);
    TipCheck::checkTip(QStringLiteral("40,41"), zahl, 10, &tally); // 0 hits: not tallied
    EXPECT_EQ(tally.text(3), QStringLiteral("2"));
    EXPECT_EQ(tally.text(1), QStringLiteral("0"));
    tally.setText(5, QStringLiteral("abc")); // a counter edited into nonsense restarts
    TipCheck::checkTip(QStringLiteral("01,02,03,04,05"), zahl, 10, &tally);
    EXPECT_EQ(tally.text(5), QStringLiteral("1"));
}

TEST(TipCheck, FullCheckRemovesBlankLinesAndRebuildsTheHitColumn) {
    tips::TipList list;
    list.lines() = {QStringLiteral("01,02,03,04"), QString(), QStringLiteral("   "),
                    QStringLiteral("40,41"), QStringLiteral("05,06,07")};
    tips::HitTally tally;
    const auto result = TipCheck::checkAll(&list, draw(), 10, true, &tally);
    EXPECT_EQ(list.lines(), (QStringList{QStringLiteral("01,02,03,04"), QStringLiteral("40,41"),
                                         QStringLiteral("05,06,07")}));
    EXPECT_EQ(list.hits(),
              (QStringList{QStringLiteral("4"), QStringLiteral("0"), QStringLiteral("3")}));
    EXPECT_EQ(result.max, 4);
    EXPECT_EQ(result.status, QStringLiteral("Max Win:  4x"));
    EXPECT_TRUE(result.playSound);
    EXPECT_EQ(result.statistik[0], 1);
    EXPECT_EQ(result.statistik[3], 1);
    EXPECT_EQ(result.statistik[4], 1);
}

TEST(TipCheck, FullCheckWithoutHitsOrWhileInactive) {
    tips::TipList list;
    list.lines() = {QStringLiteral("40,41"), QStringLiteral("50,51")};
    tips::HitTally tally;
    auto result = TipCheck::checkAll(&list, draw(), 10, true, &tally);
    EXPECT_EQ(result.max, 0);
    EXPECT_TRUE(result.status.isEmpty());
    EXPECT_FALSE(result.playSound);
    EXPECT_EQ(result.statistik[0], 2);

    // Inactive: counters reset, the hit column stays as it was.
    list.lines() << QStringLiteral("01,02,03");
    tally.setText(2, QStringLiteral("9"));
    result = TipCheck::checkAll(&list, draw(), 10, false, &tally);
    EXPECT_EQ(result.max, 0);
    EXPECT_EQ(list.hits().size(), 2);
    EXPECT_EQ(tally.text(2), QStringLiteral("0"));

    tips::TipList empty;
    result = TipCheck::checkAll(&empty, draw(), 10, true, &tally);
    EXPECT_TRUE(empty.hits().isEmpty());
    EXPECT_TRUE(result.status.isEmpty());
}

// Unusual tips and records are counted field by field exactly as the tip
// check counts: doubles twice, numbers out of range never (unless a damaged
// record holds the same value), counting stops at the first non-number.
TEST(TipScorer, CountsAsTheTipCheckDoes) {
    std::vector<int> damaged = range(1, 19);
    damaged.push_back(7); // 7 twice, no 20
    const history::DrawHistory history({testsupport::makeRecord(QDate(2023, 1, 1), 0, range(1, 20)),
                                        testsupport::makeRecord(QDate(2023, 1, 2), 0, damaged)});
    const QStringList lines = {QStringLiteral("07,07"),
                               QStringLiteral("05,ab,07"),
                               QStringLiteral(",05,07"),
                               QStringLiteral("05,07,"),
                               QStringLiteral("01,02,03,20,71"),
                               QStringLiteral("   "),
                               QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12")};
    const tips::TipScorer scorer(lines, 10);
    ASSERT_EQ(scorer.size(), 6u); // the blank line is dropped
    const std::vector<int> plain = {2, 1, 0, 2, 4, 10};
    const std::vector<int> onDamaged = {4, 1, 0, 3, 3, 11};
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(scorer.hits(i, history.at(0), history.setAt(0)), plain[i]) << i;
        EXPECT_EQ(scorer.hits(i, history.at(1), history.setAt(1)), onDamaged[i]) << i;
    }
    const auto statistik = scorer.statistik(history.at(0), history.setAt(0));
    EXPECT_EQ(statistik[2], 2);
    EXPECT_EQ(statistik[0], 1);
    EXPECT_EQ(statistik[10], 1);
}

// The full check reads the tips as parsed when the list last changed: every
// way of changing the list, and another count of numbers per tip, is seen.
TEST(TipCheck, FullCheckFollowsEveryChangeOfTheList) {
    tips::TipList list;
    tips::HitTally tally;
    const auto hits = [&](int nFields) {
        TipCheck::checkAll(&list, draw(), nFields, true, &tally);
        return list.hits();
    };
    list.lines() = {QStringLiteral("01,02,03"), QStringLiteral("40,41")};
    EXPECT_EQ(hits(10), (QStringList{QStringLiteral("3"), QStringLiteral("0")}));
    EXPECT_EQ(hits(2), (QStringList{QStringLiteral("2"), QStringLiteral("0")}));
    list.lines()[1] = QStringLiteral("04,41");
    EXPECT_EQ(hits(2), (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
    list.append(QStringLiteral("05"));
    EXPECT_EQ(hits(2),
              (QStringList{QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("1")}));
    list.select(0);
    ASSERT_TRUE(list.removeSelected());
    EXPECT_EQ(hits(2), (QStringList{QStringLiteral("1"), QStringLiteral("1")}));
    const QStringList kept = list.lines();
    list.lines() = {QStringLiteral("06,07,08")};
    EXPECT_EQ(hits(10), QStringList{QStringLiteral("3")});
    list.lines() = kept; // the very lines checked before
    EXPECT_EQ(hits(10), (QStringList{QStringLiteral("1"), QStringLiteral("1")}));
    list.lines().insert(1, QStringLiteral("  "));
    EXPECT_EQ(hits(10), (QStringList{QStringLiteral("1"), QStringLiteral("1")}));
    EXPECT_EQ(list.count(), 2);
    list.clear();
    EXPECT_TRUE(hits(10).isEmpty());
}

TEST(TipList, TicketsAndSelection) {
    EXPECT_EQ(tips::TipList::ticketOf(7, 5), 2);
    EXPECT_EQ(tips::TipList::placeOf(7, 5), 3);
    EXPECT_EQ(tips::TipList::ticketCount(7, 5), 2);
    EXPECT_EQ(tips::TipList::ticketCount(10, 5), 2);
    tips::TipList list;
    list.lines() = {QStringLiteral("01"), QStringLiteral("02")};
    EXPECT_FALSE(list.removeSelected());
    list.select(5);
    EXPECT_EQ(list.selected(), -1);
    list.select(1);
    EXPECT_TRUE(list.removeSelected());
    EXPECT_EQ(list.lines(), QStringList{QStringLiteral("01")});
}

} // namespace
