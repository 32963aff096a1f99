// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics as the window runs them: what each leaves in the session
// (chart, pickers, aktDatum, dfb, Zahl, Gewinn, tally, page), the activation
// step, and the coupling rules applied to every change the user makes.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <algorithm>

#include "RecordingPort.h"
#include "TestSupport.h"
#include "app/Session.h"
#include "app/StatisticsCommands.h"
#include "common/DayNumber.h"

using Kind = app::StatisticsCommands::Kind;
using testsupport::makeRecord;

namespace {

constexpr app::Control kPicker1 = app::Control::DateTimePicker1;
constexpr app::Control kPicker2 = app::Control::DateTimePicker2;

// Twenty numbers with the given ones, the rest odd numbers from 41 up (then
// from 1 up) that neither repeat nor touch them: the only runs are the given.
std::vector<int> drawWith(std::vector<int> numbers) {
    const std::vector<int> given = numbers;
    for (int n = 41; numbers.size() < 20; n = n == 69 ? 1 : n + 2) {
        if (std::none_of(given.begin(), given.end(), [n](int g) { return std::abs(g - n) <= 1; })) {
            numbers.push_back(n);
        }
    }
    return numbers;
}

class StatisticsCommandsTest : public ::testing::Test {
protected:
    StatisticsCommandsTest() : session(port) {
        session.setHome(home.path());
        records = {makeRecord(QDate(2022, 11, 20), 0, drawWith({1, 2, 3, 4}), 2),
                   makeRecord(QDate(2022, 11, 21), 0, drawWith({10, 11, 12}), 2),
                   makeRecord(QDate(2022, 11, 21), 1, drawWith({20, 21}), 3),
                   makeRecord(QDate(2022, 11, 22), 0, drawWith({5, 7}), 5),
                   makeRecord(QDate(2022, 11, 22), 1, drawWith({30, 31, 32, 33}), 2),
                   makeRecord(QDate(2022, 11, 23), 0, drawWith({67, 68, 69, 70}), 2)};
        home.writeHistory(records);
        window(QDate(2022, 11, 21), QDate(2022, 11, 22));
    }
    void window(const QDate& start, const QDate& end) {
        ASSERT_TRUE(session.controls().setDate(kPicker2, start));
        ASSERT_TRUE(session.controls().setDate(kPicker1, end));
    }
    app::StatisticsCommands& statistics() { return session.statistics(); }
    // How many records in [first, last] (by position) hold number n.
    int drawnCount(int n, std::size_t first, std::size_t last) const {
        int count = 0;
        for (std::size_t i = first; i <= last; ++i) {
            const auto& z = records[i].zahlen;
            count += std::count(z.begin(), z.end(), n) > 0 ? 1 : 0;
        }
        return count;
    }

    testsupport::TempHome home;
    testsupport::RecordingPort port;
    app::Session session;
    std::vector<history::TZiehung> records;
};

TEST_F(StatisticsCommandsTest, NumberDistributionCountsTheStartDayAndStaysOnThePage) {
    session.setDfb(123);
    ASSERT_TRUE(statistics().SpeedButton2Click());
    const stats::StatResult& chart = session.chart();
    ASSERT_EQ(chart.points.size(), 70u);
    for (int n = 1; n <= 70; ++n) {
        // Records 1..4 lie on 21.11 and 22.11, both days inside.
        EXPECT_EQ(chart.yAt(n - 1), drawnCount(n, 1, 4)) << n;
        EXPECT_EQ(chart.points[std::size_t(n - 1)].color,
                  stats::isPrimeColored(n) ? stats::kPrimeColor : stats::kOtherColor);
    }
    EXPECT_TRUE(chart.fixedRange);
    // Numbers never drawn in the window: the axis starts at 0 and ends at 4.
    EXPECT_EQ(chart.minimum, 0);
    EXPECT_EQ(chart.maximum, 4);
    EXPECT_TRUE(chart.caption.startsWith(QStringLiteral("la distribution en nombre     tirer: 4    "
                                                        "traverser la somme: ")));
    EXPECT_FALSE(chart.marks);
    EXPECT_FALSE(statistics().marksOn());
    EXPECT_EQ(session.current().aktDatum, common::toDayNumber(QDate(2022, 11, 21)));
    EXPECT_EQ(session.dfb(), 123); // the number distribution keeps the end to itself
    EXPECT_FALSE(port.changed.contains(QStringLiteral("PageControl1")));
    EXPECT_TRUE(port.changed.contains(QStringLiteral("Chart1")));
    EXPECT_EQ(port.busyDepth, 0);
}

TEST_F(StatisticsCommandsTest, OverdueAndCrossSumsLeaveTheStartDayOut) {
    ASSERT_TRUE(statistics().Button5Click());
    // Window draws: 22.11 midi and soir. 5 was in the first, 30 in the newest.
    EXPECT_EQ(session.chart().yAt(30 - 1), 1);
    EXPECT_EQ(session.chart().yAt(5 - 1), 2);
    EXPECT_EQ(session.chart().yAt(10 - 1), 3); // drawn only on the start day
    EXPECT_EQ(session.dfb(), common::toDayNumber(QDate(2022, 11, 22)));
    EXPECT_EQ(session.requestedPage(), QStringLiteral("TabSheet5"));
    EXPECT_TRUE(session.chart().marks); // no number distribution has run yet

    port.changed.clear();
    ASSERT_TRUE(statistics().SpeedButton9Click());
    const stats::StatResult& chart = session.chart();
    EXPECT_FALSE(chart.fixedRange);
    EXPECT_TRUE(chart.caption.startsWith(
        QStringLiteral("traverser la somme de distribution Match nul: 2    traverser la somme: ")));
    EXPECT_EQ(chart.minimum, 0);
    EXPECT_EQ(chart.maximum, 1); // two different sums, once each
    EXPECT_FALSE(port.changed.contains(QStringLiteral("PageControl1")));
}

TEST_F(StatisticsCommandsTest, StartAfterEndMovesTheStartPickerAYearBack) {
    window(QDate(2023, 3, 1), QDate(2023, 2, 1));
    ASSERT_TRUE(statistics().Button3Click());
    const QDate corrected = QDate(2023, 2, 1).addDays(-365);
    EXPECT_EQ(session.controls().date(kPicker2), corrected);
    EXPECT_EQ(session.current().aktDatum, common::toDayNumber(corrected));
    EXPECT_EQ(session.dfb(), common::toDayNumber(QDate(2023, 2, 1)));
    EXPECT_TRUE(port.changed.contains(app::ControlSchema::name(kPicker2)));
    // Every draw of the history lies in the corrected window.
    EXPECT_EQ(session.chart().caption, QStringLiteral("à 6 tire a trouvé 7 trois!"));
}

TEST_F(StatisticsCommandsTest, RunSearchLeavesZahlGewinnAndTheTally) {
    session.current().zahl.fill(0);
    window(QDate(2022, 11, 20), QDate(2022, 11, 22));
    ASSERT_TRUE(statistics().SpeedButton1Click());
    const stats::StatResult& chart = session.chart();
    ASSERT_EQ(chart.points.size(), 69u);
    EXPECT_EQ(chart.yAt(10 - 1), 1);
    EXPECT_EQ(chart.yAt(11 - 1), 1);
    EXPECT_EQ(chart.yAt(1 - 1), 0); // 20.11 is the start day
    EXPECT_EQ(chart.caption, QStringLiteral("à 4 tire a trouvé 6 paires !"));
    // Zahl holds the evening draw of 22.11, the last of the window.
    std::array<int, 20> last{};
    std::copy(records[4].zahlen.begin(), records[4].zahlen.end(), last.begin());
    EXPECT_EQ(session.current().zahl, last);
    EXPECT_EQ(session.gewinn(), 1); // the last probe, 69 and 70: only 69 was drawn
    EXPECT_GT(session.hitTally().value(1), 0);
    EXPECT_GT(session.hitTally().value(2), 0);
    EXPECT_TRUE(port.changed.contains(QStringLiteral("HitTally")));
    EXPECT_EQ(session.dfb(), 0); // pairs keep the end to themselves
    EXPECT_EQ(session.requestedPage(), QStringLiteral("TabSheet5"));
}

TEST_F(StatisticsCommandsTest, QuadrupleRangeIsThereWithoutAChart) {
    window(QDate(2022, 11, 19), QDate(2022, 11, 23));
    stats::StatResult result;
    ASSERT_TRUE(statistics().run(Kind::Quadruples, &result));
    ASSERT_EQ(result.points.size(), 70u);
    EXPECT_FALSE(result.fixedRange);
    EXPECT_EQ(result.rangeMinimum(), 0);
    EXPECT_EQ(result.rangeMaximum(), 1);
    EXPECT_EQ(result.maximum, 1);
    EXPECT_EQ(result.yAt(67 - 1), 1);
    for (int n : {68, 69, 70}) {
        EXPECT_EQ(result.yAt(n - 1), 0);
    }
    EXPECT_EQ(session.chart().maximum, 1);

    // With three numbers per tip no quadruple can be found.
    ASSERT_TRUE(session.setControlByUser(QStringLiteral("UpDown18"), QStringLiteral("3")));
    ASSERT_TRUE(statistics().Button4Click());
    EXPECT_EQ(session.chart().caption, QStringLiteral("à 6 nuls a trouvé 0 quatre!"));
}

TEST_F(StatisticsCommandsTest, AGivenHistoryIsUsedInsteadOfTheFile) {
    QFile::remove(home.historyPath());
    stats::StatResult result;
    statistics().run(Kind::Pairs, history::DrawHistory(records), &result);
    EXPECT_EQ(result.yAt(30 - 1), 1);
    EXPECT_EQ(result.yAt(20 - 1), 0); // 21.11 is the start day
    EXPECT_TRUE(port.messages.isEmpty());
}

TEST_F(StatisticsCommandsTest, EmptyWindowsKeepTheCaption) {
    ASSERT_TRUE(statistics().SpeedButton9Click());
    const QString caption = session.chart().caption;
    window(QDate(2021, 1, 1), QDate(2021, 2, 1));
    ASSERT_TRUE(statistics().SpeedButton2Click());
    EXPECT_EQ(session.chart().points.size(), 70u);
    EXPECT_EQ(session.chart().caption, caption);
    ASSERT_TRUE(statistics().SpeedButton9Click());
    EXPECT_TRUE(session.chart().points.empty());
    EXPECT_EQ(session.chart().caption, caption);
}

TEST_F(StatisticsCommandsTest, MissingHistoryPublishesNothing) {
    ASSERT_TRUE(statistics().Button6Click()); // the tips need no history
    const stats::StatResult before = session.chart();
    session.current().aktDatum = 77;
    QFile::remove(home.historyPath());
    for (Kind kind : {Kind::Numbers, Kind::Overdue, Kind::CrossSums, Kind::Pairs, Kind::Triples,
                      Kind::Quadruples}) {
        EXPECT_FALSE(statistics().run(kind));
    }
    ASSERT_EQ(port.messages.size(), 6);
    EXPECT_TRUE(port.messages[0].contains(home.historyPath()));
    EXPECT_EQ(session.chart().caption, before.caption);
    EXPECT_EQ(session.chart().points.size(), before.points.size());
    EXPECT_EQ(session.current().aktDatum, 77);
    EXPECT_EQ(port.busyDepth, 0);
}

TEST_F(StatisticsCommandsTest, TipDistributionStopsAtTheFirstBadPiece) {
    session.tipList().append(QStringLiteral("01,05,12"));
    session.tipList().append(QStringLiteral("05,70"));
    session.tipList().append(QStringLiteral("03,x,07"));
    session.tipList().append(QStringLiteral("09"));
    ASSERT_TRUE(statistics().Button6Click());
    const stats::StatResult& chart = session.chart();
    EXPECT_EQ(chart.yAt(5 - 1), 2);
    EXPECT_EQ(chart.yAt(3 - 1), 1);
    EXPECT_EQ(chart.yAt(7 - 1), 0);
    EXPECT_EQ(chart.yAt(9 - 1), 0);
    EXPECT_EQ(chart.minimum, 0);
    EXPECT_EQ(chart.maximum, 2);
    EXPECT_EQ(chart.caption, QStringLiteral("Distribution en nombre des conseils"));
    EXPECT_EQ(session.requestedPage(), QStringLiteral("TabSheet5"));
}

TEST_F(StatisticsCommandsTest, ActivationRunsTheNumberDistribution) {
    const auto settings = testsupport::localSettings(home.file("s.ini"));
    port.todayDate = QDate(2022, 11, 23);
    session.FormCreate(settings.get());
    ASSERT_TRUE(session.controls().setDate(kPicker2, QDate(1993, 9, 16)));
    session.FormActivate();
    ASSERT_EQ(session.chart().points.size(), 70u);
    // From the lowest date up to today: every draw.
    EXPECT_TRUE(session.chart().caption.contains(QStringLiteral("tirer: 6 ")));
    EXPECT_FALSE(statistics().marksOn());
}

// ---- coupling of the parameters ------------------------------------------------

TEST_F(StatisticsCommandsTest, MinimumsAndMaximumsOfHitsStayInOrder) {
    auto set = [this](const char* name, const char* value) {
        ASSERT_TRUE(
            session.setControlByUser(QString::fromLatin1(name), QString::fromLatin1(value)));
    };
    auto position = [this](const char* name) {
        return session.controls().position(*app::ControlSchema::find(QString::fromLatin1(name)));
    };
    set("UpDown21", "3"); // UpDown4 is 0
    EXPECT_EQ(position("UpDown4"), 3);
    set("UpDown11", "2");
    set("UpDown23", "2");
    set("UpDown11", "1");
    EXPECT_EQ(position("UpDown23"), 1);
    // Typing into the edit box couples as well.
    set("Edit8", "4"); // UpDown22 above UpDown5 (1)
    EXPECT_EQ(position("UpDown5"), 4);
    set("Edit41", "2");
    EXPECT_EQ(position("UpDown22"), 2);
}

TEST_F(StatisticsCommandsTest, SharedNumberBoundsAndEvenOddCountsLimitEachOther) {
    auto set = [this](const char* name, const char* value) {
        ASSERT_TRUE(
            session.setControlByUser(QString::fromLatin1(name), QString::fromLatin1(value)));
    };
    auto& c = session.controls();
    set("UpDown3", "2");
    set("UpDown1", "5");
    EXPECT_EQ(c.position(app::Control::UpDown1), 2);
    EXPECT_EQ(c.minimum(app::Control::UpDown3), 2);
    set("UpDown3", "0");
    EXPECT_EQ(c.position(app::Control::UpDown3), 2);

    set("UpDown17", "4");
    set("UpDown16", "5");
    EXPECT_EQ(c.position(app::Control::UpDown16), 2);
    EXPECT_EQ(c.maximum(app::Control::UpDown16), 2);
    EXPECT_EQ(c.maximum(app::Control::UpDown17), 4);
}

TEST_F(StatisticsCommandsTest, LaufMaxFollowsTheAttemptLimit) {
    ASSERT_TRUE(session.setControlByUser(QStringLiteral("UpDown7"), QStringLiteral("25")));
    EXPECT_EQ(session.laufMax(), 25000);
    ASSERT_TRUE(session.setControlByUser(QStringLiteral("Edit55"), QStringLiteral("99999")));
    EXPECT_EQ(session.controls().position(app::Control::UpDown7), 10000);
    EXPECT_EQ(session.laufMax(), 10000000);
    // The edit box shows "1.200"; the value is read as set takes it.
    EXPECT_EQ(session.controlValue(QStringLiteral("Edit38")), QStringLiteral("1200"));
}

} // namespace
