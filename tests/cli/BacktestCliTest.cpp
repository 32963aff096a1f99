// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>

#include "CliRun.h"
#include "TestSupport.h"
#include "common/TextFile.h"

using testsupport::makeRecord;

namespace {

using RunResult = testsupport::CliOutput;

class BacktestCliTest : public ::testing::Test {
protected:
    BacktestCliTest() {
        std::vector<history::TZiehung> records;
        for (int i = 0; i < 4; ++i) {
            std::vector<int> numbers;
            for (int n = 1; n <= 20; ++n) {
                numbers.push_back(n + 5 * i); // each draw shares 15 numbers with the next
            }
            records.push_back(makeRecord(QDate(2023, 3, 1).addDays(i), 0, numbers));
        }
        home.writeHistory(records);
    }
    RunResult run(QStringList arguments) {
        return testsupport::runCli(home, {"--no-save", "--today", "10.06.2025"}, arguments);
    }
    testsupport::TempHome home;
};

TEST_F(BacktestCliTest, PrintsTheLogAsSaved) {
    const RunResult result = run({"date", "01.03.2023", "backtest", "3"});
    ASSERT_EQ(result.status, 0) << result.out.toStdString();
    QStringList saved;
    ASSERT_TRUE(common::TextFile::readLines(home.file(QStringLiteral("Analyse.txt")), &saved));
    EXPECT_EQ(saved.size(), 23);
    EXPECT_EQ(saved[16], QStringLiteral("15x         => \t3"));
    EXPECT_EQ(saved.last(), QStringLiteral("á 3 tirer"));
    EXPECT_TRUE(result.out.endsWith(saved.join(QLatin1Char('\n')) + QLatin1Char('\n')));
}

TEST_F(BacktestCliTest, ReportsTheRunsErrorAndRejectsUnknownTests) {
    RunResult result = run({"date", "01.03.2023", "backtest", "1", "abc"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("Erreur - chiffre porte-bonheur")));
    EXPECT_FALSE(result.out.contains(QStringLiteral("Erreur")));
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("Analyse.txt"))));
    EXPECT_EQ(run({"backtest", "8"}).status, 2);
    EXPECT_EQ(run({"backtest", "x"}).status, 2);
    // Started on today's date: no cycle, a log all zero.
    result = run({"date", "10.06.2025", "backtest", "5"});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.contains(QStringLiteral("00x         => \t0\n")));
    EXPECT_TRUE(result.out.endsWith(QStringLiteral("à 0 tirer\n")));
}

TEST_F(BacktestCliTest, ASeedListThatIsNoListIsAUsageError) {
    for (const QStringList& args :
         {QStringList{"strategy", "--seeds", "5-1"}, QStringList{"strategy", "--seeds", "a"},
          QStringList{"strategy", "--seeds"}, QStringList{"strategy", "--seeds", "1-1001"},
          QStringList{"strategy", "7", "8"}}) {
        const RunResult result = run(args);
        EXPECT_EQ(result.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("strategy: ")));
    }
}

} // namespace
