// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "TestSupport.h"
#include "app/GeneratorParameters.h"
#include "common/Random.h"
#include "generator/AcceptanceTests.h"
#include "generator/FileScanProbe.h"
#include "generator/WindowDraws.h"

using namespace generator;

namespace {

Attempt attemptOf(std::vector<int> numbers) {
    Attempt attempt;
    attempt.bits = bitsOf(numbers);
    attempt.count = static_cast<int>(numbers.size());
    for (int n : numbers) {
        attempt.sum += n;
    }
    return attempt;
}

// A probe that must not be reached, for tests of the cheap tests.
class CountingProbe : public HistoryProbe {
public:
    bool passes(const Attempt&, common::DayNumber from, common::DayNumber to,
                int threshold) override {
        calls.push_back({from, to, static_cast<double>(threshold)});
        return answer;
    }
    std::vector<std::array<double, 3>> calls;
    bool answer = true;
};

struct Fixture {
    Parameters p = app::GeneratorParameters::defaults();
    ComparisonTable table;
    CountingProbe probe;
    HistoryTests history{p, probe, nullptr};
    AcceptanceTests::ReferenceBits refs{};

    AcceptanceTests tests(int k) { return AcceptanceTests(p, refs, table, history, k); }
};

} // namespace

TEST(CrossSumValue, ScalesToTwentyNumbersHalvesToEven) {
    EXPECT_EQ(AcceptanceTests::crossSumValue(55, 10), 110);
    EXPECT_EQ(AcceptanceTests::crossSumValue(3, 2), 30);
    EXPECT_EQ(AcceptanceTests::crossSumValue(49, 8), 122); // 122.5
    EXPECT_EQ(AcceptanceTests::crossSumValue(51, 8), 128); // 127.5
    EXPECT_EQ(AcceptanceTests::crossSumValue(0, 5), 0);
    EXPECT_EQ(AcceptanceTests::crossSumValue(100, 3), 667); // 666.67
}

TEST(CrossSumTest, DefaultBoundsAcceptOneToTenAndRefuseOneTwo) {
    Fixture f;
    f.p.checkBox9 = f.p.checkBox17 = false;
    f.p.checkBox18 = false;
    EXPECT_EQ(f.tests(10).firstFailing(attemptOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 1), 0);
    EXPECT_EQ(f.tests(2).firstFailing(attemptOf({1, 2}), 1), 4);
    f.p.upDown15 = 1000;
    EXPECT_EQ(f.tests(2).firstFailing(attemptOf({60, 70}), 1), 4); // 1300 > 1000
}

TEST(Primzahlen, CountsThePrimeSetWithOne) {
    EXPECT_EQ(AcceptanceTests::primzahlen(attemptOf({1, 4, 9})), 1);
    EXPECT_EQ(AcceptanceTests::primzahlen(attemptOf({2, 3, 5, 67, 69, 70})), 4);
    int members = 0;
    for (int n = 1; n <= 70; ++n) {
        members += AcceptanceTests::primzahlen(attemptOf({n}));
    }
    EXPECT_EQ(members, 20);
}

TEST(ConsecutiveNumbers, PairsAndTriplesAcrossTheWordBoundary) {
    EXPECT_TRUE(AcceptanceTests::hasConsecutiveTriple(bitsOf(std::vector{5, 6, 7, 20})));
    EXPECT_FALSE(AcceptanceTests::hasConsecutiveTriple(bitsOf(std::vector{5, 6, 20, 21})));
    EXPECT_TRUE(AcceptanceTests::hasConsecutivePair(bitsOf(std::vector{5, 6, 20, 21})));
    EXPECT_FALSE(AcceptanceTests::hasConsecutivePair(bitsOf(std::vector{1, 3, 5, 70})));
    EXPECT_TRUE(AcceptanceTests::hasConsecutivePair(bitsOf(std::vector{64, 65})));
    EXPECT_TRUE(AcceptanceTests::hasConsecutiveTriple(bitsOf(std::vector{63, 64, 65})));
    EXPECT_TRUE(AcceptanceTests::hasConsecutiveTriple(bitsOf(std::vector{68, 69, 70})));
}

TEST(OverlapTest, BoundsAgainstEarlierEntriesOnly) {
    Fixture f;
    f.table.load({QStringLiteral("03,05,11,20,21,30")}, 6);
    const Attempt attempt = attemptOf({3, 5, 11, 40, 50, 60});
    EXPECT_TRUE(AcceptanceTests::overlapPasses(f.p, f.table, attempt, 2));
    // Five shared numbers: refused by the hidden switch alone.
    f.p.checkBox3 = f.p.checkBox24 = false;
    const Attempt five = attemptOf({3, 5, 11, 20, 21, 60});
    EXPECT_FALSE(AcceptanceTests::overlapPasses(f.p, f.table, five, 2));
    f.p.checkBox27 = false;
    EXPECT_TRUE(AcceptanceTests::overlapPasses(f.p, f.table, five, 2));
    // Lower bound: no shared number at all.
    f.p.checkBox24 = true;
    EXPECT_FALSE(AcceptanceTests::overlapPasses(f.p, f.table, attemptOf({40, 41, 42}), 2));
    // The first tip has nothing before it.
    EXPECT_TRUE(AcceptanceTests::overlapPasses(f.p, f.table, attemptOf({40, 41, 42}), 1));
}

TEST(ComparisonTable, OnlyTheFirstKNumbersAndStopsAtAnUnreadablePiece) {
    ComparisonTable table;
    table.load({QStringLiteral("01,02,03,04"), QStringLiteral("05,x,07"), QStringLiteral("08,09")},
               3);
    EXPECT_EQ(table.entry(1), bitsOf(std::vector{1, 2, 3}));
    EXPECT_EQ(table.entry(2), bitsOf(std::vector{5}));
    EXPECT_EQ(table.entry(3), Bits{0});
}

TEST(ReferenceHitTests, BoundsOnEachDrawInOrder) {
    Fixture f;
    f.p.checkBox9 = f.p.checkBox17 = false;
    f.refs = {bitsOf(std::vector{1, 2, 3}), bitsOf(std::vector{10, 11}),
              bitsOf(std::vector{20, 22, 24})};
    f.p.upDown2 = 1;
    const Attempt attempt = attemptOf({1, 10, 11, 20, 22, 24});
    EXPECT_EQ(f.tests(6).firstFailing(attempt, 1), 5); // one hit on the current draw, max 0
    f.p.upDown4 = 1;
    EXPECT_EQ(f.tests(6).firstFailing(attempt, 1), 6); // two on the previous, max 1
    f.p.upDown5 = 2;
    EXPECT_EQ(f.tests(6).firstFailing(attempt, 1), 7); // three, max 2
    f.p.upDown11 = 3;
    EXPECT_EQ(f.tests(6).firstFailing(attempt, 1), 0);
    f.p.upDown21 = 2; // at least two on the current draw
    EXPECT_EQ(f.tests(6).firstFailing(attempt, 1), 5);
    f.p.checkBox4 = false;
    EXPECT_EQ(f.tests(6).firstFailing(attempt, 1), 0);
}

TEST(CountTests, EvenOddAndPrimeMinimums) {
    Fixture f;
    f.p.checkBox9 = f.p.checkBox17 = f.p.checkBox4 = f.p.checkBox5 = f.p.checkBox23 = false;
    f.p.upDown2 = 1;
    const Attempt attempt = attemptOf({2, 4, 9, 15, 25}); // 2 even, 3 odd, 1 prime
    f.p.checkBox25 = true;
    f.p.upDown16 = 3;
    EXPECT_EQ(f.tests(5).firstFailing(attempt, 1), 10);
    f.p.upDown16 = 2;
    f.p.checkBox26 = true;
    f.p.upDown17 = 4;
    EXPECT_EQ(f.tests(5).firstFailing(attempt, 1), 11);
    f.p.upDown17 = 3;
    f.p.checkBox22 = true;
    f.p.upDown10 = 2;
    EXPECT_EQ(f.tests(5).firstFailing(attempt, 1), 12);
    f.p.upDown10 = 1;
    EXPECT_EQ(f.tests(5).firstFailing(attempt, 1), 0);
}

TEST(HistoryTests, WindowsAndTheirOrder) {
    EXPECT_EQ(HistoryTests::recentDays(12), 14);
    EXPECT_EQ(HistoryTests::recentDays(3), 0);
    EXPECT_EQ(HistoryTests::recentDays(9), 14);
    EXPECT_EQ(HistoryTests::recentDays(356), 413);

    Fixture f;
    f.p.upDown2 = 1;
    f.p.checkBox4 = f.p.checkBox5 = f.p.checkBox23 = false;
    f.p.dateTimePicker1 = QDate(2020, 3, 1);
    f.p.dateTimePicker2 = QDate(2020, 4, 1); // after the end
    f.p.upDown20 = 12;
    const Attempt attempt = attemptOf({1, 2, 4});
    EXPECT_EQ(f.tests(3).firstFailing(attempt, 1), 0);
    ASSERT_EQ(f.probe.calls.size(), 2u);
    const double end = common::toDayNumber(QDate(2020, 3, 1));
    EXPECT_EQ(f.p.dateTimePicker2, QDate(2019, 3, 2)); // 365 days before the end
    EXPECT_EQ(f.probe.calls[0], (std::array<double, 3>{end - 365, end, 10}));
    EXPECT_EQ(f.probe.calls[1], (std::array<double, 3>{end - 14, end, 6}));
    f.probe.answer = false;
    EXPECT_EQ(f.tests(3).firstFailing(attempt, 1), 8);
    f.p.checkBox9 = false;
    EXPECT_EQ(f.tests(3).firstFailing(attempt, 1), 9);
    // A refusal by a cheap test never reaches the history.
    const std::size_t calls = f.probe.calls.size();
    EXPECT_EQ(f.tests(2).firstFailing(attemptOf({69, 70}), 1), 4);
    EXPECT_EQ(f.probe.calls.size(), calls);
}

// The in-memory probe must judge exactly like a scan of the file with the tip
// check, including draws that hold a number twice and the window's bounds.
TEST(WindowDraws, AgreesWithAFileScanOnRealDraws) {
    const auto& real = testsupport::realHistory();
    ASSERT_GT(real.size(), 3000u);
    std::vector<history::TZiehung> records(real.end() - 3000, real.end());
    records[100].zahlen[1] = records[100].zahlen[0]; // a number drawn "twice"
    records[200].zahlen[5] = 0;
    testsupport::TempHome home;
    home.writeHistory(records);
    history::DrawHistory memory(records);
    WindowDraws fast(memory);
    FileScanProbe slow(home.historyPath());

    common::Random random(4711);
    int refusals = 0;
    for (int trial = 0; trial < 300; ++trial) {
        // Windows of all lengths, starting and ending anywhere in a word.
        const double from = records[static_cast<std::size_t>(random.next(300))].datum;
        const double to = records[static_cast<std::size_t>(250 + random.next(2700))].datum;
        const int k = 2 + random.next(9);
        std::vector<int> numbers;
        Bits bits = 0;
        while (static_cast<int>(numbers.size()) < k) {
            const int n = random.next(70) + 1;
            if (!(bits & bitOf(n))) {
                bits |= bitOf(n);
                numbers.push_back(n);
            }
        }
        // Bias some attempts into a real draw so that high thresholds are met.
        if (trial % 3 == 0) {
            numbers.clear();
            const auto& draw = records[static_cast<std::size_t>(60 + trial)].zahlen;
            numbers.assign(draw.begin(), draw.begin() + k);
            std::sort(numbers.begin(), numbers.end());
            numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
            numbers.erase(std::remove(numbers.begin(), numbers.end(), 0), numbers.end());
        }
        const Attempt attempt = attemptOf(numbers);
        const int threshold = 1 + random.next(attempt.count + 1);
        const bool expected = slow.passes(attempt, from, to, threshold);
        EXPECT_EQ(fast.passes(attempt, from, to, threshold), expected) << trial;
        refusals += expected ? 0 : 1;
    }
    EXPECT_GT(refusals, 20);
    EXPECT_LT(refusals, 290);
    // The duplicated number counts twice, as the tip check counts it.
    const auto& twice = records[100].zahlen;
    const Attempt doubled = attemptOf({twice[0], twice[2]});
    const double day = records[100].datum;
    EXPECT_EQ(fast.passes(doubled, day - 1, day, 3), slow.passes(doubled, day - 1, day, 3));
    EXPECT_FALSE(fast.passes(doubled, day - 1, day, 3));
}
