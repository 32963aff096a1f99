// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <numeric>

#include "FakeHost.h"
#include "TestSupport.h"
#include "app/GeneratorParameters.h"
#include "common/Rounding.h"
#include "generator/HistoryTests.h"
#include "generator/TipGenerator.h"
#include "history/DrawCursor.h"

using namespace generator;

// The tips of seed 12345 with the default parameters over the real draws up
// to 04.06.2025 midi (the frozen slice: they look two years back from there).
const QStringList PINNED_TIPS{QStringLiteral("05,18,19,27,33,38,50,53,63,65"),
                              QStringLiteral("05,14,27,33,35,37,43,59,61,63"),
                              QStringLiteral("02,05,09,31,33,50,54,55,59,69"),
                              QStringLiteral("19,34,41,42,52,55,56,63,65,69"),
                              QStringLiteral("01,08,14,18,19,23,33,34,64,67")};

namespace {

// Number distribution and overdue numbers computed plainly from the history.
class PlainStatistics : public StatisticsProvider {
public:
    explicit PlainStatistics(const history::DrawHistory& history) : m_history(history) {}
    bool compute(Statistic statistic, const Parameters& p, stats::StatResult* result,
                 QString*) override {
        const double start = common::toDayNumber(p.dateTimePicker2);
        const double end = common::toDayNumber(p.dateTimePicker1);
        std::vector<double> values(70, statistic == Statistic::Overdue ? 1 : 0);
        for (const history::TZiehung& record : m_history.records()) {
            if (statistic == Statistic::Numbers && record.datum >= start && record.datum <= end) {
                for (int n : record.zahlen) {
                    values[static_cast<std::size_t>(n - 1)] += 1;
                }
            } else if (statistic == Statistic::Overdue && record.datum > start &&
                       record.datum <= end) {
                for (double& v : values) {
                    v += 1;
                }
                for (int n : record.zahlen) {
                    values[static_cast<std::size_t>(n - 1)] = 1;
                }
            }
        }
        *result = FakeStatistics::make(values);
        return true;
    }

private:
    const history::DrawHistory& m_history;
};

const std::vector<int> kPrimeSet{1,  2,  3,  5,  7,  11, 13, 17, 19, 23,
                                 29, 31, 37, 41, 43, 47, 53, 59, 61, 67};

std::vector<int> numbersOf(const QString& line) {
    std::vector<int> numbers;
    for (const QString& piece : line.split(QLatin1Char(','))) {
        numbers.push_back(piece.toInt());
    }
    return numbers;
}

int hits(const std::vector<int>& tip, const std::array<std::uint8_t, 20>& draw) {
    int count = 0;
    for (int n : tip) {
        count += static_cast<int>(std::count(draw.begin(), draw.end(), n));
    }
    return count;
}

int hits(const std::vector<int>& tip, const ReferenceDraw& draw) {
    int count = 0;
    for (int n : tip) {
        count += static_cast<int>(std::count(draw.begin(), draw.end(), n));
    }
    return count;
}

struct RealRun {
    history::DrawHistory history{testsupport::frozenHistory()};
    Parameters p = app::GeneratorParameters::defaults();
    FakeHost host;
    PlainStatistics stats{history};
    common::Random random{12345};
    RunInput input;

    RealRun() {
        const history::TZiehung& last = history.at(history.size() - 1);
        p.dateTimePicker1 = common::toDate(last.datum);
        p.dateTimePicker2 = p.dateTimePicker1.addDays(-730);
        history::DrawCursor cursor;
        cursor.loadAtDate(history.records(), last.datum);
        for (ReferenceDraw& draw : input.references) {
            draw = cursor.current().zahl;
            cursor.stepBack(history.records());
        }
        input.history = &history;
    }
    RunResult run() {
        TipGenerator generator(host, stats, random);
        return generator.run(p, input);
    }
};

// A small world without history for the driver's own behaviour.
struct SmallRun {
    history::DrawHistory history;
    Parameters p = app::GeneratorParameters::defaults();
    FakeHost host;
    FakeStatistics stats;
    common::Random random{99};
    RunInput input;

    SmallRun() {
        p.checkBox10 = p.checkBox14 = p.checkBox9 = p.checkBox17 = false;
        p.checkBox4 = p.checkBox5 = p.checkBox23 = false;
        p.upDown2 = 1;
        p.upDown7 = 1;
        p.upDown18 = 4;
        p.dateTimePicker1 = QDate(2024, 1, 10);
        p.dateTimePicker2 = QDate(2023, 1, 10);
        for (int i = 0; i < 20; ++i) {
            input.references[0][static_cast<std::size_t>(i)] = i + 1;
        }
        input.history = &history;
    }
    RunResult run() {
        TipGenerator generator(host, stats, random);
        return generator.run(p, input);
    }
};

} // namespace

TEST(TipGenerator, SameSeedSameTipsPinned) {
    RealRun first;
    const RunResult a = first.run();
    RealRun second;
    const RunResult b = second.run();
    EXPECT_EQ(a.tips, b.tips);
    ASSERT_EQ(a.outcome, RunResult::Outcome::Completed);
    EXPECT_EQ(a.tips, PINNED_TIPS);
    EXPECT_EQ(first.host.accepted, a.tips);
    EXPECT_TRUE(a.listCleared);
    EXPECT_EQ(a.closingStatus, QStringLiteral("Trucs ont été recalculés"));
    const QRegularExpression written(QStringLiteral("^\\d\\d(,\\d\\d){9}$"));
    for (const QString& tip : a.tips) {
        EXPECT_TRUE(written.match(tip).hasMatch()) << tip.toStdString();
    }
}

// Every tip, checked here on its own against the raw records, satisfies every
// test that was switched on during the run.
TEST(TipGenerator, EveryTipSatisfiesEveryEnabledTest) {
    RealRun r;
    Parameters& p = r.p;
    p.upDown18 = 8;
    p.upDown9 = 12;
    p.upDown6 = 7;
    p.upDown19 = 6;
    p.upDown20 = 30;
    p.upDown4 = 1;
    p.upDown21 = 1;
    p.checkBox25 = p.checkBox26 = p.checkBox22 = true;
    p.upDown16 = 2;
    p.upDown17 = 3;
    p.upDown10 = 2;
    p.checkBox8 = true;
    p.upDown2 = 300;
    p.upDown15 = 900;
    p.upDown7 = 200;
    bool pairTestDropped = false;
    r.host.onParametersChanged = [&] { pairTestDropped = pairTestDropped || !p.checkBox8; };
    const RunResult result = r.run();
    ASSERT_EQ(result.outcome, RunResult::Outcome::Completed)
        << result.tips.size() << " " << result.attempts << " " << result.pool.size();
    ASSERT_EQ(result.tips.size(), 12);
    const double end = common::toDayNumber(p.dateTimePicker1);
    const double start = common::toDayNumber(p.dateTimePicker2);
    const double recent = end - HistoryTests::recentDays(p.upDown20);
    std::vector<std::vector<int>> earlier;
    for (const QString& line : result.tips) {
        const std::vector<int> tip = numbersOf(line);
        ASSERT_EQ(tip.size(), 8u);
        EXPECT_TRUE(std::is_sorted(tip.begin(), tip.end()));
        EXPECT_EQ(std::adjacent_find(tip.begin(), tip.end()), tip.end());
        int sum = 0, even = 0, primes = 0, triples = 0, pairs = 0;
        for (std::size_t i = 0; i < tip.size(); ++i) {
            sum += tip[i];
            even += tip[i] % 2 == 0 ? 1 : 0;
            primes += std::count(kPrimeSet.begin(), kPrimeSet.end(), tip[i]) > 0 ? 1 : 0;
            pairs += i > 0 && tip[i] == tip[i - 1] + 1;
            triples += i > 1 && tip[i] == tip[i - 2] + 2;
        }
        const auto cs = common::roundHalfEven(sum / 8.0 * 20);
        EXPECT_GE(cs, 300);
        EXPECT_LE(cs, 900);
        EXPECT_GE(even, 2);
        EXPECT_GE(8 - even, 3);
        EXPECT_EQ(triples, 0) << line.toStdString();
        if (!pairTestDropped) {
            EXPECT_GT(pairs, 0) << line.toStdString();
        }
        EXPECT_EQ(hits(tip, r.input.references[0]), 1);
        EXPECT_LE(hits(tip, r.input.references[1]), 1);
        EXPECT_LE(hits(tip, r.input.references[2]), 2);
        for (const history::TZiehung& record : r.history.records()) {
            if (record.datum > start && record.datum <= end) {
                EXPECT_LT(hits(tip, record.zahlen), 7);
            }
            if (record.datum > recent && record.datum <= end) {
                EXPECT_LT(hits(tip, record.zahlen), 6);
            }
        }
        for (const std::vector<int>& other : earlier) {
            std::vector<int> shared;
            std::set_intersection(tip.begin(), tip.end(), other.begin(), other.end(),
                                  std::back_inserter(shared));
            EXPECT_LE(shared.size(), 4u);
            EXPECT_GE(shared.size(), 1u);
        }
        EXPECT_GE(primes, 2);
        earlier.push_back(tip);
    }
    EXPECT_EQ(p.checkBox8, true); // restored
    // Every attempt is accounted for: refused by one test or passed.
    long long refused = 0;
    for (long long count : result.rejectedBy) {
        refused += count;
    }
    EXPECT_EQ(result.rejectedBy[0], 0);
    EXPECT_EQ(refused + result.passed, result.attempts);
    EXPECT_EQ(result.passed, 12);
    ASSERT_EQ(result.attemptsPerTip.size(), 12u);
    EXPECT_EQ(std::accumulate(result.attemptsPerTip.begin(), result.attemptsPerTip.end(), 0LL),
              result.attempts);
}

TEST(TipGenerator, PrimeMinimumHolds) {
    RealRun r;
    r.p.checkBox22 = true;
    r.p.upDown10 = 4;
    const RunResult result = r.run();
    ASSERT_EQ(result.tips.size(), 5);
    for (const QString& line : result.tips) {
        int primes = 0;
        for (int n : numbersOf(line)) {
            primes += std::count(kPrimeSet.begin(), kPrimeSet.end(), n) > 0 ? 1 : 0;
        }
        EXPECT_GE(primes, 4) << line.toStdString();
    }
}

TEST(TipGenerator, ImpossibleParametersEndAtTheAttemptLimit) {
    SmallRun r;
    r.p.upDown9 = 5;
    r.p.checkBox25 = true;
    r.p.upDown16 = 6; // six even numbers in a tip of four
    const RunResult result = r.run();
    EXPECT_EQ(result.outcome, RunResult::Outcome::LimitReached);
    EXPECT_TRUE(result.tips.isEmpty());
    EXPECT_EQ(result.attempts, 1000); // one tip tried, the others skipped
    // The even-number test refused them all but those a test applied
    // before it (triples, cross sum) refused first.
    EXPECT_EQ(std::accumulate(result.rejectedBy.begin(), result.rejectedBy.end(), 0LL), 1000);
    EXPECT_GT(result.rejectedBy[10], 900);
    EXPECT_EQ(result.rejectedBy[11] + result.rejectedBy[12] + result.rejectedBy[8], 0);
    EXPECT_EQ(result.passed, 0);
    EXPECT_EQ(result.closingStatus,
              QStringLiteral("Modifiez les paramètres pour calculer 5  Trucs "));
    EXPECT_EQ(r.host.status[0].last(), result.closingStatus);
}

TEST(TipGenerator, APoolTooSmallEndsAtOnce) {
    SmallRun r;
    r.p.checkBox15 = true; // preferred numbers only, and none preferred
    const RunResult result = r.run();
    EXPECT_EQ(result.outcome, RunResult::Outcome::LimitReached);
    EXPECT_EQ(result.attempts, 0);
    EXPECT_EQ(result.closingStatus, TipGenerator::limitMessage(5));

    SmallRun three;
    three.p.checkBox15 = true;
    three.host.reviewAnswer = GeneratorHost::ReviewAnswer::Calculate;
    three.p.checkBox20 = true;
    three.host.editReview = [](prefs::NumberGrid& grid) {
        for (int n : {3, 9, 27}) {
            grid.setChecked(n, true);
            grid.setWeightText(n, QStringLiteral("50"));
        }
    };
    const RunResult small = three.run();
    EXPECT_EQ(small.outcome, RunResult::Outcome::LimitReached);
    EXPECT_EQ(small.attempts, 0);
}

TEST(TipGenerator, PairTestIsDroppedAtHalfTheLimitAndRestored) {
    SmallRun r;
    r.p.upDown9 = 1;
    r.p.checkBox8 = true;
    r.p.checkBox20 = true;
    r.host.reviewAnswer = GeneratorHost::ReviewAnswer::Calculate;
    r.host.editReview = [](prefs::NumberGrid& grid) {
        for (int n = 1; n <= 70; ++n) {
            grid.setChecked(n, n % 2 == 0); // even numbers only: never a pair
        }
    };
    bool sawUnchecked = false;
    r.host.onParametersChanged = [&] { sawUnchecked = sawUnchecked || !r.p.checkBox8; };
    const RunResult result = r.run();
    ASSERT_EQ(result.tips.size(), 1);
    EXPECT_GE(result.attempts, 500);
    EXPECT_TRUE(sawUnchecked);
    EXPECT_TRUE(r.p.checkBox8);
    for (int n : numbersOf(result.tips[0])) {
        EXPECT_EQ(n % 2, 0);
    }
}

TEST(TipGenerator, ChangedUpDownsAreRestored) {
    SmallRun r;
    r.p.upDown9 = 2;
    r.host.onParametersChanged = [&] {};
    r.host.stopAfterQueries = -1;
    // The host changes parameters while the run goes (as a user could).
    r.p.upDown4 = 3;
    r.p.upDown5 = 4;
    r.p.upDown6 = 5;
    r.host.editReview = [&](prefs::NumberGrid&) {
        r.p.upDown4 = 9;
        r.p.upDown5 = 9;
        r.p.upDown6 = 1;
    };
    r.p.checkBox20 = true;
    const RunResult result = r.run();
    EXPECT_EQ(result.tips.size(), 2);
    EXPECT_EQ(r.p.upDown4, 3);
    EXPECT_EQ(r.p.upDown5, 4);
    EXPECT_EQ(r.p.upDown6, 5);
}

TEST(TipGenerator, AStopDropsTheTipBeingSearched) {
    SmallRun r;
    r.host.stopAfterQueries = 1; // running when the first tip starts, stopped after it
    const RunResult result = r.run();
    EXPECT_EQ(result.outcome, RunResult::Outcome::Stopped);
    EXPECT_TRUE(result.tips.isEmpty());
    EXPECT_EQ(result.closingStatus, QStringLiteral("Trucs ont été recalculés"));
}

TEST(TipGenerator, KeptTipsCountTowardsNAndAreComparedWith) {
    SmallRun r;
    r.p.checkBox28 = false;
    r.p.upDown9 = 3;
    r.input.tipLines = {QStringLiteral("01,02,03,04"), QStringLiteral("05,06,07,08"),
                        QStringLiteral("09,10,11,12")};
    RunResult result = r.run();
    EXPECT_TRUE(result.tips.isEmpty());
    EXPECT_FALSE(result.listCleared);
    EXPECT_EQ(result.closingStatus, QStringLiteral("start of calculation"));

    r.p.upDown9 = 5;
    r.p.upDown1 = 1; // every new tip shares a number with each kept one
    result = r.run();
    ASSERT_EQ(result.tips.size(), 2);
    QStringList all = r.input.tipLines + result.tips;
    for (int t = 3; t < 5; ++t) {
        const std::vector<int> tip = numbersOf(all[t]);
        for (int e = 0; e < t; ++e) {
            const std::vector<int> other = numbersOf(all[e]);
            std::vector<int> shared;
            std::set_intersection(tip.begin(), tip.end(), other.begin(), other.end(),
                                  std::back_inserter(shared));
            EXPECT_GE(shared.size(), 1u) << t << " " << e;
        }
    }
}

TEST(TipGenerator, PoolReview) {
    SmallRun ok;
    ok.p.checkBox20 = true;
    ok.host.editReview = [](prefs::NumberGrid& grid) {
        EXPECT_TRUE(grid.checked(1));
        EXPECT_EQ(grid.weightText(1), QStringLiteral("1"));
        grid.setChecked(1, false);
    };
    RunResult result = ok.run();
    EXPECT_TRUE(ok.host.reviewed);
    EXPECT_EQ(result.pool.size(), 70u); // OK keeps the pool as built

    SmallRun calc;
    calc.p.checkBox20 = true;
    calc.p.checkBox15 = true;
    calc.p.checkBox31 = true;
    calc.p.comboBox3 = 0; // the pool: the current draw 1..20
    calc.host.reviewAnswer = GeneratorHost::ReviewAnswer::Calculate;
    calc.host.editReview = [](prefs::NumberGrid& grid) {
        EXPECT_FALSE(grid.checked(70));
        EXPECT_EQ(grid.weightText(70), QStringLiteral("0"));
        grid.setChecked(70, true);
        grid.setWeightText(5, QStringLiteral("3"));
        grid.setChecked(6, false);
        grid.setWeightText(7, QStringLiteral("-2"));
        grid.setWeightText(8, QStringLiteral("0"));
    };
    result = calc.run();
    auto count = [&](int n) { return std::count(result.pool.begin(), result.pool.end(), n); };
    EXPECT_EQ(count(70), 1);
    EXPECT_EQ(count(5), 3);
    EXPECT_EQ(count(6), 0);
    EXPECT_EQ(count(7), 0);
    EXPECT_EQ(count(8), 1);
    EXPECT_EQ(result.pool.size(), 20u - 3 + 3 + 1);
}

TEST(TipGenerator, ReviewFailuresEndTheRunCleanly) {
    SmallRun text;
    text.p.checkBox20 = true;
    text.host.reviewAnswer = GeneratorHost::ReviewAnswer::Calculate;
    text.host.editReview = [](prefs::NumberGrid& grid) {
        grid.setWeightText(7, QStringLiteral("2,5"));
    };
    RunResult result = text.run();
    EXPECT_EQ(result.outcome, RunResult::Outcome::Failed);
    EXPECT_TRUE(result.tips.isEmpty());
    ASSERT_EQ(text.host.messages.size(), 1);
    EXPECT_TRUE(text.host.messages[0].contains(QStringLiteral(" 7 ")));

    SmallRun big;
    big.p.checkBox20 = true;
    big.host.reviewAnswer = GeneratorHost::ReviewAnswer::Calculate;
    big.host.editReview = [](prefs::NumberGrid& grid) {
        grid.setWeightText(1, QStringLiteral("1400"));
    };
    result = big.run();
    EXPECT_EQ(result.outcome, RunResult::Outcome::Failed);
    EXPECT_TRUE(big.host.messages[0].contains(QStringLiteral("1400")));

    // Weights whose sum no 64-bit integer holds do not wrap below the limit.
    SmallRun huge;
    huge.p.checkBox20 = true;
    huge.host.reviewAnswer = GeneratorHost::ReviewAnswer::Calculate;
    huge.host.editReview = [](prefs::NumberGrid& grid) {
        grid.setWeightText(1, QStringLiteral("9223372036854775807"));
        grid.setWeightText(2, QStringLiteral("9223372036854775807"));
    };
    result = huge.run();
    EXPECT_EQ(result.outcome, RunResult::Outcome::Failed);
    ASSERT_EQ(huge.host.messages.size(), 1);
    EXPECT_TRUE(huge.host.messages[0].contains(QStringLiteral("9223372036854775807")));

    SmallRun cancel;
    cancel.p.checkBox20 = true;
    cancel.host.reviewAnswer = GeneratorHost::ReviewAnswer::Cancel;
    result = cancel.run();
    EXPECT_EQ(result.outcome, RunResult::Outcome::Cancelled);
    EXPECT_TRUE(result.tips.isEmpty());
    EXPECT_TRUE(cancel.host.accepted.isEmpty());

    SmallRun broken;
    broken.p.checkBox2 = true;
    broken.stats.fail = true;
    result = broken.run();
    EXPECT_EQ(result.outcome, RunResult::Outcome::Failed);
    EXPECT_EQ(broken.host.messages.size(), 1);
}

TEST(TipGenerator, AttemptStatusText) {
    Attempt attempt;
    attempt.bits = bitsOf(std::vector{17, 5, 12});
    attempt.count = 3;
    EXPECT_EQ(TipGenerator::attemptStatus(3, attempt, 200),
              QStringLiteral("3.Tip:   5 12 17 CS: 200"));
}
