// SPDX-License-Identifier: GPL-3.0-or-later
// tirvex-cli stats over the checked-in archive slice, compared with a plain
// recount of the history file; and set/get of the parameters with coupling.
#include <gtest/gtest.h>

#include <QTextStream>
#include <algorithm>
#include <map>

#include "CliRun.h"
#include "TestSupport.h"
#include "common/DayNumber.h"
#include "history/HistoryFile.h"

namespace {

struct RunResult {
    int status = 0;
    QStringList lines;
    QString err;
};

class StatisticsCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(run({"import", testsupport::dataFile("keno_202010_slice.csv")}).status, 0);
        ASSERT_EQ(history::HistoryFile::readAll(home.historyPath(), &records),
                  history::HistoryFile::Status::Ok);
        ASSERT_FALSE(records.empty());
    }
    RunResult run(QStringList arguments) {
        const testsupport::CliOutput output =
            testsupport::runCli(home, {"--no-save", "--today", "10.06.2025"}, arguments);
        return {output.status, output.lines(), output.err};
    }
    // The points printed after the caption and range lines, by x.
    static std::map<int, int> points(const QStringList& lines) {
        std::map<int, int> result;
        for (qsizetype i = 2; i < lines.size(); ++i) {
            const QStringList fields = lines[i].split(QLatin1Char('\t'));
            if (fields.size() != 2) {
                continue; // the verdict line
            }
            result[fields[0].toInt()] = fields.value(1).toInt();
        }
        return result;
    }
    bool inWindow(const history::TZiehung& r, const QDate& start, const QDate& end,
                  bool startIncluded) const {
        const QDate day = common::toDate(r.datum);
        return (startIncluded ? day >= start : day > start) && day <= end;
    }
    static bool holds(const history::TZiehung& r, int n) {
        return std::find(r.zahlen.begin(), r.zahlen.end(), n) != r.zahlen.end();
    }

    testsupport::TempHome home;
    std::vector<history::TZiehung> records;
};

TEST_F(StatisticsCliTest, NumbersAndRunsEqualARecount) {
    const QDate start(2022, 11, 1);
    const QDate end(2022, 11, 4);
    const QStringList window = {"date", "04.11.2022", "from", "01.11.2022"};
    const RunResult numbers = run(window + QStringList{"stats", "numbers"});
    ASSERT_EQ(numbers.status, 0) << numbers.err.toStdString();
    const RunResult pairs = run(window + QStringList{"stats", "pairs"});
    const RunResult quads = run(window + QStringList{"stats", "quads"});

    std::map<int, int> drawn;
    std::map<int, int> pairCounts;
    std::map<int, int> quadCounts;
    int draws = 0;
    int windowDraws = 0;
    for (const history::TZiehung& r : records) {
        if (inWindow(r, start, end, true)) {
            ++draws;
            for (int n = 1; n <= 70; ++n) {
                drawn[n] += holds(r, n) ? 1 : 0;
            }
        }
        if (inWindow(r, start, end, false)) {
            ++windowDraws;
            for (int n = 1; n <= 69; ++n) {
                pairCounts[n] += holds(r, n) && holds(r, n + 1) ? 1 : 0;
            }
            for (int n = 1; n <= 70; ++n) {
                quadCounts[n] +=
                    n <= 67 && holds(r, n) && holds(r, n + 1) && holds(r, n + 2) && holds(r, n + 3)
                        ? 1
                        : 0;
            }
        }
    }
    ASSERT_GT(windowDraws, 0);
    EXPECT_TRUE(numbers.lines[0].startsWith(
        QStringLiteral("la distribution en nombre     tirer: %1    traverser la somme: ")
            .arg(draws)));
    EXPECT_EQ(points(numbers.lines), drawn);
    const auto [low, high] = std::minmax_element(
        drawn.begin(), drawn.end(), [](auto& a, auto& b) { return a.second < b.second; });
    EXPECT_EQ(numbers.lines[1],
              QStringLiteral("range %1 %2 fixed").arg(low->second).arg(high->second));

    EXPECT_EQ(points(pairs.lines), pairCounts);
    int found = 0;
    for (const auto& [n, count] : pairCounts) {
        found += count;
    }
    EXPECT_EQ(pairs.lines[0],
              QStringLiteral("à %1 tire a trouvé %2 paires !").arg(windowDraws).arg(found));

    EXPECT_EQ(points(quads.lines), quadCounts);
    int most = 0;
    for (const auto& [n, count] : quadCounts) {
        most = std::max(most, count);
    }
    EXPECT_EQ(quads.lines[1], QStringLiteral("range 0 %1 auto").arg(most));
}

TEST_F(StatisticsCliTest, CrossSumsAndTipsPrintTheirRows) {
    const RunResult sums = run({"date", "04.11.2022", "from", "01.11.2022", "stats", "crosssum"});
    ASSERT_EQ(sums.status, 0);
    std::map<int, int> bySum;
    for (const history::TZiehung& r : records) {
        if (inWindow(r, QDate(2022, 11, 1), QDate(2022, 11, 4), false)) {
            int sum = 0;
            for (int n : r.zahlen) {
                sum += n;
            }
            ++bySum[sum];
        }
    }
    const std::map<int, int> printed = points(sums.lines);
    ASSERT_EQ(printed.begin()->first, bySum.begin()->first);
    ASSERT_EQ(printed.rbegin()->first, bySum.rbegin()->first);
    // Every sum in between has its point, zero when no draw had it.
    EXPECT_EQ(int(printed.size()), bySum.rbegin()->first - bySum.begin()->first + 1);
    for (const auto& [sum, count] : printed) {
        EXPECT_EQ(count, bySum.count(sum) ? bySum[sum] : 0) << sum;
    }
    EXPECT_TRUE(sums.lines[1].endsWith(QStringLiteral(" auto")));

    const RunResult tips = run({"add", "01,05,12", "add", "05,70", "stats", "tips"});
    ASSERT_EQ(tips.status, 0);
    EXPECT_EQ(tips.lines[0], QStringLiteral("Distribution en nombre des conseils"));
    EXPECT_EQ(tips.lines[1], QStringLiteral("range 0 2 fixed"));
    EXPECT_EQ(tips.lines.size(), 72);
    EXPECT_EQ(tips.lines[2 + 4], QStringLiteral("5\t2"));
}

TEST_F(StatisticsCliTest, BadKindsAndMissingHistory) {
    EXPECT_EQ(run({"stats", "everything"}).status, 2);
    EXPECT_EQ(run({"stats"}).status, 2);
    QFile::remove(home.historyPath());
    const RunResult missing = run({"stats", "pairs", "tips"});
    EXPECT_EQ(missing.status, 1);
    // The run ends at the failed statistic: nothing of the chart is printed.
    EXPECT_FALSE(missing.lines.join(QLatin1Char('\n')).contains(QStringLiteral("range")));
}

TEST_F(StatisticsCliTest, SetAndGetKeepCoupledParametersConsistent) {
    const RunResult result = run({"set",
                                  "UpDown21",
                                  "3",
                                  "get",
                                  "UpDown4",
                                  "set",
                                  "UpDown17",
                                  "4",
                                  "set",
                                  "UpDown16",
                                  "6",
                                  "get",
                                  "UpDown16",
                                  "set",
                                  "Edit55",
                                  "7",
                                  "get",
                                  "UpDown7",
                                  "get",
                                  "Edit38",
                                  "set",
                                  "CheckBox27",
                                  "0",
                                  "get",
                                  "CheckBox27",
                                  "set",
                                  "ComboBox3",
                                  "0",
                                  "get",
                                  "ComboBox3",
                                  "set",
                                  "DateTimePicker3",
                                  "01.02.2011",
                                  "get",
                                  "DateTimePicker3"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.lines, (QStringList{"3", "2", "7", "1200", "0", "0", "01.02.2011"}));
}

} // namespace

TEST_F(StatisticsCliTest, PairMapPrintsTheTableChanceAndVerdict) {
    const RunResult map = run({"date", "04.11.2022", "from", "01.11.2022", "stats", "pairmap"});
    ASSERT_EQ(map.status, 0) << map.err.toStdString();
    ASSERT_EQ(map.lines.size(), 1 + 70 + 2);
    EXPECT_EQ(map.lines[0].split(QLatin1Char('\t')).size(), 71);
    std::vector<QStringList> rows;
    for (int a = 1; a <= 70; ++a) {
        rows.push_back(map.lines[a].split(QLatin1Char('\t')));
        ASSERT_EQ(rows.back().size(), 71);
        EXPECT_EQ(rows.back()[0].toInt(), a);
        EXPECT_EQ(rows.back()[a], QStringLiteral("-"));
    }
    int draws = 0;
    int together = 0;
    for (const history::TZiehung& r : records) {
        if (inWindow(r, QDate(2022, 11, 1), QDate(2022, 11, 4), true)) {
            ++draws;
            together += holds(r, 3) && holds(r, 17) ? 1 : 0;
        }
    }
    EXPECT_EQ(rows[2][17].toInt(), together);
    EXPECT_EQ(rows[16][3].toInt(), together);
    EXPECT_TRUE(map.lines[71].startsWith(QStringLiteral("tirages %1 ;").arg(draws)));
    EXPECT_TRUE(map.lines[72].contains(QStringLiteral("2 415 paires")) ||
                map.lines[72].startsWith(QStringLiteral("Trop peu de tirages")));
}
