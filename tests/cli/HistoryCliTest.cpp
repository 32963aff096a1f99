// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>

#include "CliRun.h"
#include "TestSupport.h"
#include "UpdateTestSupport.h"
#include "common/DayNumber.h"
#include "history/DrawMerge.h"
#include "history/HistoryFile.h"

using history::TZiehung;
using testsupport::makeRecord;
using testsupport::twentyNumbers;

namespace {

using RunResult = testsupport::CliOutput;

class HistoryCliTest : public ::testing::Test {
protected:
    HistoryCliTest() { updatetest::ensureApp(); }
    RunResult run(QStringList arguments) { return testsupport::runCli(home, {}, arguments); }
    std::vector<TZiehung> stored() const {
        std::vector<TZiehung> records;
        history::HistoryFile::readAll(home.historyPath(), &records);
        return records;
    }
    testsupport::TempHome home;
};

TEST_F(HistoryCliTest, UpdatePrintsItsStatusTextsAndTheNewestDraw) {
    const QDate day(2022, 11, 27);
    const std::vector<TZiehung> all = {makeRecord(day.addDays(-1), 1, twentyNumbers(5), 2),
                                       makeRecord(day, 0, twentyNumbers(1), 3),
                                       makeRecord(day, 1, twentyNumbers(2), 5)};
    home.writeHistory({all[0]});
    drawservice::DrawService service;
    service.setDraws(all);
    ASSERT_GT(service.start(), 0);

    const RunResult result =
        run({"--today", "28.11.2022", "--service", service.baseUrl(), "update"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(stored(), all);
    const QStringList lines = result.out.split(QLatin1Char('\n'));
    // Four requests: two draws, then both draws of the 28th are not out yet.
    EXPECT_EQ(lines.count(QStringLiteral("Loading")), 4);
    EXPECT_EQ(lines.count(QStringLiteral("Garantit pas l`exactitude des chiffres!")), 4);
    EXPECT_EQ(lines.count(QStringLiteral("28.11.2022 pas encore disponible!")), 2);
    ASSERT_GE(lines.size(), 3);
    // The draw lines as load prints them, the newest draw current.
    EXPECT_TRUE(lines[lines.size() - 3].contains(QStringLiteral("27.11.22")))
        << result.out.toStdString();
    EXPECT_TRUE(lines[lines.size() - 3].contains(QStringLiteral("(soir)")));
    EXPECT_TRUE(lines[lines.size() - 2].startsWith(QStringLiteral("traverser la somme: ")));

    // --service is for that run only: the stored address stays empty.
    QSettings settings(home.file("s.ini"), QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("Tirvex/ServiceURL")).toString(), QString());
}

// An update that got no response at all failed: exit status 1 and the
// reason on standard error, beside the status lines the window shows.
// A service that fails every request is broken, not up to date: status 1.
TEST_F(HistoryCliTest, AnUpdateWhoseEveryRequestFailedEndsWithStatusOne) {
    home.writeHistory({makeRecord(QDate(2022, 11, 26), 0, twentyNumbers(1))});
    drawservice::DrawService service;
    service.setInterceptor([](const drawservice::DrawRequest&) {
        return std::optional<drawservice::Reply>(drawservice::Reply{404, "gone"});
    });
    ASSERT_GT(service.start(), 0);
    const RunResult result =
        run({"--no-save", "--today", "27.11.2022", "--service", service.baseUrl(), "update"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("every one of the 3 requests failed")))
        << result.err.toStdString();
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(HistoryCliTest, AFailedArchiveUpdateSaysWhyAndStillLoads) {
    home.writeHistory({makeRecord(QDate(2022, 11, 26), 0, twentyNumbers(1))});
    const QString address = QStringLiteral("http://127.0.0.1:1/other.zip");
    const RunResult result = run({"--today", "30.11.2022", "--results", address, "update"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("Mise à jour impossible : ") + address))
        << result.err.toStdString();
    EXPECT_TRUE(
        result.err.contains(QStringLiteral("dernier tirage connu : 26.11.2022, il y a 4 jours")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("26.11.22")));
    EXPECT_EQ(stored().size(), 1u);
    // --results is for that run only.
    EXPECT_EQ(QSettings(home.file("s.ini"), QSettings::IniFormat)
                  .value(QStringLiteral("Tirvex/ResultsURL"))
                  .toString(),
              testsupport::kRefusedResults);

    // A stored address is used; one that refuses the connection ends the
    // update after its first request.
    QSettings settings(home.file("s.ini"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Tirvex/ServiceURL"), QStringLiteral("http://127.0.0.1:1"));
    settings.sync();
    const RunResult refused = run({"--no-save", "--today", "28.11.2022", "update"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.lines().filter(QStringLiteral("Failed : 0 ")).size(), 1);
    EXPECT_EQ(refused.lines().count(QStringLiteral("Loading")), 1);
}

TEST_F(HistoryCliTest, EnterAndDeleteKeepTheHistoryInOrder) {
    const std::vector<TZiehung> records = {makeRecord(QDate(2022, 11, 23), 0, twentyNumbers(1)),
                                           makeRecord(QDate(2022, 11, 25), 1, twentyNumbers(2))};
    home.writeHistory(records);
    QStringList numbers;
    for (int n = 51; n <= 70; ++n) {
        numbers << QString::number(n);
    }
    RunResult result = run({"--no-save", "enter", "24.11.2022", "soir", "3", "0123456",
                            numbers.join(QLatin1Char(','))});
    ASSERT_EQ(result.status, 0) << result.err.toStdString() << result.out.toStdString();
    ASSERT_EQ(stored().size(), 3u);
    const TZiehung entered = stored()[1];
    EXPECT_EQ(entered.datum, common::toDayNumber(QDate(2022, 11, 24)));
    EXPECT_EQ(entered.soir, 1);
    EXPECT_EQ(entered.multiplicateur, 3);
    EXPECT_EQ(entered.jokerPlus, (std::array<std::uint8_t, 7>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(entered.zahlen[0], 51);
    EXPECT_EQ(entered.zahlen[19], 70);
    ASSERT_EQ(result.lines().size(), 2);
    EXPECT_TRUE(result.lines()[0].contains(QStringLiteral("24.11.22")));
    EXPECT_TRUE(result.lines()[0].contains(QStringLiteral("51  52")));

    // The entered draw is current after load at its date; delete removes it.
    result = run({"--no-save", "date", "24.11.2022", "load", "delete"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(stored(), records);
    EXPECT_TRUE(result.lines().last().startsWith(QStringLiteral("traverser la somme: ")));
    EXPECT_TRUE(result.lines()[result.lines().size() - 2].contains(QStringLiteral("25.11.22")));

    // Other numbers over a stored draw: refused without --yes, taken with it.
    const QByteArray before = testsupport::fileBytes(home.historyPath());
    const QStringList replace = {
        "--no-save", "enter", "25.11.2022", "soir", "3", "0123456", numbers.join(QLatin1Char(','))};
    result = run(replace);
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("Le tirage du 25.11.2022 soir est déjà "
                                                   "enregistré avec d'autres numéros")))
        << result.err.toStdString();
    EXPECT_TRUE(testsupport::fileBytes(home.historyPath()) == before);
    result = run(QStringList{"--yes"} + replace);
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(stored().back().zahlen[0], 51);
}

TEST_F(HistoryCliTest, AnEntryTheDialogWouldRefuseStopsBeforeAnythingRuns) {
    home.writeHistory({makeRecord(QDate(2022, 11, 23), 0, twentyNumbers(1))});
    const QString twenty = QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20");
    const QStringList refused[] = {
        {"enter", "24.11.2022", "soir", "3", "0123456",
         "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19"},
        {"enter", "24.11.2022", "soir", "3", "0123456", twenty + ",21"},
        {"enter", "24.11.2022", "soir", "3", "0123456",
         "1,1,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"},
        {"enter", "24.11.2022", "soir", "3", "0123456",
         "71,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"},
        {"enter", "24.11.2022", "nuit", "3", "0123456", twenty},
        {"enter", "24.11.2022", "midi", "4", "0123456", twenty},
        {"enter", "24.11.2022", "midi", "2", "012345", twenty},
        {"enter", "24.11.2022", "midi", "2", "01234x6", twenty},
        {"enter", "01.01.1990", "midi", "2", "0123456", twenty},
        {"enter", "31.02.2022", "midi", "2", "0123456", twenty},
    };
    for (const QStringList& args : refused) {
        const RunResult result = run(QStringList{"--no-save"} + args);
        EXPECT_EQ(result.status, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_EQ(stored().size(), 1u);
    EXPECT_EQ(run({"--no-save", "enter", "24.11.2022", "midi", "2", "0123456", twenty}).status, 0);
    EXPECT_EQ(stored().size(), 2u);
}

// A draw after today (--today's day here) is a typo: refused with a message,
// the history byte for byte as it was.
TEST_F(HistoryCliTest, AnEntryAfterTodayIsRefusedAndChangesNothing) {
    home.writeHistory({makeRecord(QDate(2022, 11, 23), 0, twentyNumbers(1))});
    const QByteArray before = testsupport::fileBytes(home.historyPath());
    const QString twenty = QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20");
    const RunResult result = run({"--no-save", "--today", "23.11.2022", "enter", "24.11.2022",
                                  "midi", "2", "0123456", twenty});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("24.11.2022 est postérieur")))
        << result.err.toStdString();
    EXPECT_EQ(testsupport::fileBytes(home.historyPath()), before);
}

// An import of the operator's files over a history with one altered draw lists
// that draw and keeps it; with --yes the history is that of a clean import.
TEST_F(HistoryCliTest, ImportListsADifferingDrawAndTakesTheOperatorsWithYes) {
    const QStringList import = {"--no-save", "import", testsupport::frozenSliceFile()};
    ASSERT_EQ(run(import).status, 0);
    const QByteArray clean = testsupport::fileBytes(home.historyPath());
    std::vector<TZiehung> altered = stored();
    TZiehung& draw = altered[altered.size() / 2];
    std::uint8_t absent = 1;
    while (std::find(draw.zahlen.begin(), draw.zahlen.end(), absent) != draw.zahlen.end()) {
        ++absent;
    }
    draw.zahlen[0] = absent;
    home.writeHistory(altered);
    const QByteArray before = testsupport::fileBytes(home.historyPath());

    RunResult result = run(import);
    EXPECT_EQ(result.status, 0);
    const QString name = history::DrawMerge::drawName(draw);
    EXPECT_TRUE(result.err.startsWith(name + QStringLiteral(" : enregistré ")))
        << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("1 tirage diffère des résultats FDJ : ") + name +
                                    QStringLiteral(" (gardé)")))
        << result.out.toStdString();
    EXPECT_TRUE(testsupport::fileBytes(home.historyPath()) == before);

    result = run(QStringList{"--yes"} + import);
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(testsupport::fileBytes(home.historyPath()) == clean);
}

// Failures of enter, delete and update go to standard error.
TEST_F(HistoryCliTest, FailuresOfDeleteEnterAndUpdateGoToStandardError) {
    const RunResult result = run({"--no-save", "delete"});
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(QFile::exists(home.historyPath()));
    EXPECT_TRUE(result.err.contains(QStringLiteral("Tirvex.dat"))) << result.err.toStdString();
    const RunResult entered = run({"--no-save", "enter", "24.11.2022", "midi", "2", "0123456",
                                   "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"});
    EXPECT_EQ(entered.status, 1);
    EXPECT_TRUE(entered.err.contains(QStringLiteral("Tirvex.dat"))) << entered.err.toStdString();
    EXPECT_FALSE(QFile::exists(home.historyPath()));
    // A damaged newest date stops the update with its message.
    TZiehung damaged = makeRecord(QDate(2022, 11, 26), 0, twentyNumbers(1));
    damaged.datum = 800;
    home.writeHistory({damaged});
    const RunResult updated =
        run({"--no-save", "--today", "28.11.2022", "--service", "http://127.0.0.1:1", "update"});
    EXPECT_EQ(updated.status, 1);
    EXPECT_TRUE(updated.err.contains(QStringLiteral("date invalide"))) << updated.err.toStdString();
}

TEST_F(HistoryCliTest, SettingsPersistThroughTheSettingsFile) {
    ASSERT_EQ(run({"set",           "UpDown2",     "300",        "set",
                   "ProxyHostEdit", "proxy.local", "set",        "ProxyPortEdit",
                   "3128",          "set",         "ServiceURL", "http://127.0.0.1:8080",
                   "set",           "CheckBox28",  "0",          "from",
                   "01.02.2010",    "set",         "ComboBox1",  "3"})
                  .status,
              0);
    const RunResult result =
        run({"--no-save", "get", "UpDown2", "get", "ProxyHostEdit", "get", "ProxyPortEdit", "get",
             "ServiceURL", "get", "CheckBox28", "get", "DateTimePicker2", "get", "System"});
    EXPECT_EQ(result.lines(), (QStringList{"300", "proxy.local", "3128", "http://127.0.0.1:8080",
                                           "0", "01.02.2010", "3"}));
}

} // namespace
