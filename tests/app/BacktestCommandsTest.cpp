// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <cmath>
#include <map>
#include <random>
#include <set>

#include "FiveDraws.h"
#include "RecordingPort.h"
#include "TestSupport.h"
#include "app/BacktestCommands.h"
#include "app/Session.h"
#include "backtest/AnalysisLog.h"
#include "backtest/DrawAsTipRun.h"
#include "backtest/StrategyReport.h"
#include "common/Formats.h"
#include "common/TextFile.h"
#include "history/DrawCursor.h"

using app::BacktestCommands;
using backtest::BacktestKind;
using testsupport::makeRecord;

namespace {

constexpr app::Control kPicker1 = app::Control::DateTimePicker1;
constexpr app::Control kPicker2 = app::Control::DateTimePicker2;

using testsupport::fiveDraws;
using testsupport::range;

// A history with days of one and two draws, shuffled numbers and a few
// damaged records (a number twice, a number out of range).
std::vector<history::TZiehung> mixedDraws(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<history::TZiehung> records;
    QDate date(2021, 5, 1);
    int soir = 0;
    for (int i = 0; i < count; ++i) {
        std::vector<int> numbers = range(1, 70);
        std::shuffle(numbers.begin(), numbers.end(), random);
        numbers.resize(20);
        if (i % 17 == 5) {
            numbers[3] = numbers[4];
        }
        if (i % 23 == 7) {
            numbers[0] = 75;
        }
        records.push_back(makeRecord(date, soir, numbers));
        if (soir == 1 || i % 3 == 0) {
            date = date.addDays(1);
            soir = 0;
        } else {
            soir = 1;
        }
    }
    return records;
}

class Fixture {
public:
    explicit Fixture(const testsupport::TempHome& home) : session(port) {
        session.setHome(home.path());
        session.setSoundPort(&sound);
        session.setShellPort(&shell);
        QSettings settings(home.file(QStringLiteral("s.ini")), QSettings::IniFormat);
        session.FormCreate(&settings);
    }
    void startAt(const QDate& date) { session.controls().setDate(kPicker1, date); }

    testsupport::RecordingPort port;
    testsupport::RecordingSound sound;
    testsupport::RecordingShell shell;
    app::Session session;
};

class BacktestCommandsTest : public ::testing::Test {
protected:
    BacktestCommandsTest() {
        home.writeHistory(fiveDraws());
        fixture = std::make_unique<Fixture>(home);
        fixture->startAt(QDate(2023, 3, 1));
    }
    app::Session& session() { return fixture->session; }
    QStringList savedLog() const {
        QStringList lines;
        common::TextFile::readLines(home.file(QStringLiteral("Analyse.txt")), &lines);
        return lines;
    }

    testsupport::TempHome home;
    std::unique_ptr<Fixture> fixture;
};

QStringList tallyLines(std::initializer_list<std::pair<int, int>> counts) {
    QStringList lines;
    for (int h = 0; h <= 20; ++h) {
        int value = 0;
        for (const auto& [hits, count] : counts) {
            if (hits == h) {
                value = count;
            }
        }
        lines << QStringLiteral("%1x         => \t%2").arg(h, 2, 10, QLatin1Char('0')).arg(value);
    }
    return lines;
}

TEST_F(BacktestCommandsTest, EachDrawAsTipTestWritesItsPinnedLog) {
    const QString header = QStringLiteral("Le réglage actuel a");
    const std::map<int, QStringList> expected = {
        {3, QStringList{QStringLiteral("Résultat avec les paramètres actuels")} +
                tallyLines({{10, 3}, {6, 1}}) + QStringList{QStringLiteral("á 4 tirer")}},
        {4, QStringList{header} + tallyLines({{0, 2}, {4, 1}}) +
                QStringList{QStringLiteral("à 3 tirer")}},
        {5, QStringList{header} + tallyLines({{10, 1}, {14, 1}}) +
                QStringList{QStringLiteral("à 2 tirer")}},
        {6, QStringList{header} + tallyLines({{10, 3}, {0, 2}, {14, 1}}) +
                QStringList{QStringLiteral("à 2 tirer"),
                            QStringLiteral("au 01.03.2023 de 20 matchs qu`il"),
                            QStringLiteral("au 02.03.2023 de 24 matchs qu`il")}},
        // The last cycle scores the newest draw against the three before it.
        {7, QStringList{header} + tallyLines({{20, 3}, {6, 1}, {4, 1}, {14, 1}}) +
                QStringList{QStringLiteral("à2 tirer"),
                            QStringLiteral("au 04.03.2023 de 24 matches qu`il"),
                            QStringLiteral("au 04.03.2023 de 60 matches qu`il")}},
    };
    for (const auto& [k, lines] : expected) {
        fixture->startAt(QDate(2023, 3, 1));
        const auto report = session().backtests().run(*backtest::BacktestInfo::fromNumber(k));
        EXPECT_EQ(report.outcome, BacktestCommands::Outcome::Completed) << k;
        EXPECT_EQ(report.log, lines) << k;
        EXPECT_EQ(savedLog(), lines) << k;
        EXPECT_EQ(session().memo1(), lines) << k;
        EXPECT_EQ(fixture->shell.opened.last(), home.file(QStringLiteral("Analyse.txt")));
    }
    EXPECT_EQ(fixture->shell.opened.size(), 5);
    EXPECT_TRUE(fixture->port.messages.isEmpty());
    EXPECT_EQ(fixture->port.busyDepth, 0);
}

TEST_F(BacktestCommandsTest, TheLogFileIsEightBitTextWithCrLf) {
    session().backtests().Button7Click();
    const QByteArray bytes = testsupport::fileBytes(home.file(QStringLiteral("Analyse.txt")));
    EXPECT_TRUE(
        bytes.startsWith("R\xE9sultat avec les param\xE8tres actuels\r\n00x         => \t0\r\n"));
    EXPECT_TRUE(bytes.endsWith("\xE1 4 tirer\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 23);
    EXPECT_EQ(bytes.count('\n'), 23);
}

TEST_F(BacktestCommandsTest, ARunStartedOnTodayPerformsNoCycle) {
    fixture->startAt(fixture->port.todayDate);
    const auto report = session().backtests().Button10Click();
    EXPECT_EQ(report.outcome, BacktestCommands::Outcome::Completed);
    EXPECT_EQ(report.result.cycles, 0);
    const QStringList log = savedLog();
    ASSERT_EQ(log.size(), 25);
    EXPECT_EQ(log.mid(1, 21), tallyLines({}));
    EXPECT_EQ(log[22], QStringLiteral("à 0 tirer"));
    EXPECT_EQ(log[23], QStringLiteral("au 30.12.1899 de 1000 matchs qu`il"));
    EXPECT_EQ(log[24], QStringLiteral("au 30.12.1899 de 0 matchs qu`il"));
    // The load at the date made the newest draw current; nothing moved after.
    EXPECT_EQ(session().current().position, 4);
}

TEST_F(BacktestCommandsTest, TheFrameRestoresItsSettingsAndThePlayersTips) {
    session().controls().setPosition(app::Control::UpDown18, 6);
    session().controls().setChecked(app::Control::CheckBox20, true);
    const QStringList tips = {QStringLiteral("01,02,03"), QStringLiteral("04,05,06")};
    session().tipList().lines() = tips;
    session().tipList().hits() = {QStringLiteral("1"), QStringLiteral("0")};
    session().controls().setPosition(app::Control::UpDown9, 2);
    session().backtests().Button8Click();
    EXPECT_EQ(session().numbersPerTip(), 10);
    EXPECT_EQ(session().controls().maximum(app::Control::UpDown18), 10);
    EXPECT_TRUE(session().controls().checked(app::Control::CheckBox20));
    // Last counted cycle: probe d2, two steps on to d4, one back to d3.
    EXPECT_EQ(session().current().position, 3);
    EXPECT_EQ(session().controls().date(kPicker1), QDate(2023, 3, 3));
    // The probe lines were the run's; the player's list comes back as it was.
    EXPECT_EQ(session().tipList().lines(), tips);
    EXPECT_EQ(session().tipList().hits(), (QStringList{QStringLiteral("1"), QStringLiteral("0")}));
    EXPECT_EQ(session().totalTips(), 2);
    // No hit sound for the steps of a run, but the check itself is back.
    EXPECT_TRUE(fixture->sound.played.isEmpty());
    EXPECT_FALSE(session().soundMuted());
}

TEST_F(BacktestCommandsTest, ALuckyNumberThatIsNoIntegerFailsWithoutLog) {
    common::TextFile::writeLines(home.file(QStringLiteral("Analyse.txt")), {QStringLiteral("old")});
    session().controls().setChecked(app::Control::CheckBox20, true);
    session().tipList().lines() = QStringList{QStringLiteral("01,02,03")};
    fixture->port.inputAnswers.push_back(QStringLiteral("abc"));
    const auto report = session().backtests().BitBtn9Click();
    EXPECT_EQ(report.outcome, BacktestCommands::Outcome::Failed);
    EXPECT_EQ(fixture->port.messages,
              QStringList{QStringLiteral("Erreur - chiffre porte-bonheur")});
    EXPECT_EQ(savedLog(), QStringList{QStringLiteral("old")});
    EXPECT_TRUE(fixture->shell.opened.isEmpty());
    EXPECT_TRUE(session().controls().checked(app::Control::CheckBox20));
    EXPECT_EQ(session().tipList().lines(), QStringList{QStringLiteral("01,02,03")});
    EXPECT_EQ(fixture->port.busyDepth, 0);
    EXPECT_FALSE(session().backtests().running());
}

// A file of the run that cannot be written is named with the system's
// reason, and only that: the run's own error speaks of the lucky number.
TEST_F(BacktestCommandsTest, AFileThatCannotBeSavedIsNamedWithItsReason) {
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Analyse.txt")));
    const auto report = session().backtests().Button9Click();
    EXPECT_EQ(report.outcome, BacktestCommands::Outcome::Failed);
    ASSERT_EQ(fixture->port.messages.size(), 1);
    EXPECT_TRUE(fixture->port.messages[0].startsWith(
        QDir::toNativeSeparators(home.file(QStringLiteral("Analyse.txt"))) + QStringLiteral(": ")))
        << fixture->port.messages[0].toStdString();
    EXPECT_TRUE(fixture->shell.opened.isEmpty());
    EXPECT_EQ(session().numbersPerTip(), 10);

    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Strategie.csv")));
    fixture->port.messages.clear();
    fixture->port.inputAnswers.push_back(QStringLiteral("7"));
    EXPECT_EQ(session().backtests().strategyReport().outcome, BacktestCommands::Outcome::Failed);
    ASSERT_EQ(fixture->port.messages.size(), 1);
    EXPECT_TRUE(fixture->port.messages[0].contains(QStringLiteral("Strategie.csv: ")));
}

// Asks for a stop from the stopAt-th time the loop lets pending input run.
class StoppingPort : public testsupport::RecordingPort {
public:
    app::Session* session = nullptr;
    int stopAt = 1;
    void processEvents() override {
        RecordingPort::processEvents();
        if (eventsProcessed >= stopAt) {
            session->backtests().requestStop();
        }
    }
};

// A session on mixed draws from 01.05.2021 whose port stops its runs.
struct StoppingSession {
    StoppingSession(int draws, int stopAt) {
        home.writeHistory(mixedDraws(draws, 3));
        port.session = &session;
        port.stopAt = stopAt;
        session.setHome(home.path());
        session.FormCreate(&settings);
        session.controls().setDate(kPicker1, QDate(2021, 5, 1));
    }
    testsupport::TempHome home;
    StoppingPort port;
    app::Session session{port};
    QSettings settings{home.file(QStringLiteral("s.ini")), QSettings::IniFormat};
};

TEST(BacktestStopTest, AStopEndsTheRunWithTheLogOfTheCyclesDone) {
    StoppingSession stopping(700, 1);
    const testsupport::TempHome& home = stopping.home;
    const StoppingPort& port = stopping.port;
    app::Session& session = stopping.session;
    const auto report = session.backtests().Button7Click();
    EXPECT_EQ(report.outcome, BacktestCommands::Outcome::Stopped);
    EXPECT_GT(report.result.cycles, 0);
    EXPECT_LT(report.result.cycles, 699);
    EXPECT_EQ(report.log.last(), QStringLiteral("á %1 tirer").arg(report.result.cycles));
    EXPECT_EQ(session.current().position, report.result.cycles);
    EXPECT_FALSE(port.statusTexts[1].filter(QStringLiteral("analyse: ")).isEmpty());
    QStringList saved;
    ASSERT_TRUE(common::TextFile::readLines(home.file(QStringLiteral("Analyse.txt")), &saved));
    EXPECT_EQ(saved, report.log);
}

// What the window's state looks like after a run.
struct Snapshot {
    int position;
    QDate picker1;
    QDate picker2;
    QString drawLine;
    QString label35;
    QStringList tips;
    QStringList hits;
    std::array<int, 21> statistik;
    QString status;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(app::Session& session) {
    return {session.current().position,
            session.controls().date(kPicker1),
            session.controls().date(kPicker2),
            session.controls().text(app::Control::Label29),
            session.controls().text(app::Control::Label35),
            session.tipList().lines(),
            session.tipList().hits(),
            session.statistik(),
            session.statusText(0)};
}

// The run as the window's buttons would do it, reading the history file at
// every step; maxCycles counted cycles at most (-1: until one does not advance).
struct Literal {
    backtest::BacktestResult result;
};

Literal literalRun(app::Session& session, BacktestKind kind, int maxCycles) {
    Literal literal;
    const tips::TipList players = session.tipList();
    session.controls().setRange(app::Control::UpDown18, 2, 20);
    session.controls().setPosition(app::Control::UpDown18, 20);
    session.SpeedButton5Click();
    while (maxCycles < 0 || literal.result.cycles < maxCycles) {
        const int before = session.current().position;
        QStringList probe;
        for (int number : session.current().zahl) {
            probe << QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
        }
        session.tipList().clear();
        session.tipList().append(probe.join(QLatin1Char(',')));
        std::array<int, 21> counted{};
        int sum = 0;
        bool scoredStepsMoved = true;
        for (const backtest::Move& move : backtest::BacktestInfo::moves(kind)) {
            const int from = session.current().position;
            move.forward ? session.SpeedButton7Click() : session.SpeedButton6Click();
            if (move.scored) {
                scoredStepsMoved = scoredStepsMoved && session.current().position != from;
                const int hits = session.tipList().hits().value(0).toInt();
                sum += hits;
                for (int h = 0; h <= 20; ++h) {
                    counted[static_cast<std::size_t>(h)] +=
                        session.statistik()[static_cast<std::size_t>(h)];
                }
            }
        }
        const bool last = session.current().position <= before;
        if (last && !scoredStepsMoved) {
            break;
        }
        literal.result.addCheck(counted, 20);
        ++literal.result.cycles;
        if (backtest::BacktestInfo::keepsExtremes(kind)) {
            literal.result.noteMatchSum(sum,
                                        common::toDayNumber(session.controls().date(kPicker1)));
        }
        if (last) {
            break;
        }
    }
    session.controls().setRange(app::Control::UpDown18, 2, 10);
    session.controls().setPosition(app::Control::UpDown18, 10);
    session.tipList() = players;
    return literal;
}

// The in-memory run must end exactly where stepping through the file ends:
// same counts, same cursor, pickers, draw lines, tip list and check.
TEST(BacktestReferenceTest, TheRunInMemoryEqualsSteppingThroughTheFile) {
    testsupport::TempHome home;
    home.writeHistory(mixedDraws(90, 11));
    for (int k = 3; k <= 7; ++k) {
        const BacktestKind kind = *backtest::BacktestInfo::fromNumber(k);
        for (const QDate& start : {QDate(2021, 5, 1), QDate(2021, 5, 20), QDate(2021, 6, 30)}) {
            Fixture fast(home);
            fast.startAt(start);
            fast.session.controls().setDate(kPicker2, QDate(2021, 6, 15));
            const auto report = fast.session.backtests().run(kind);

            Fixture counting(home);
            counting.startAt(start);
            const Literal all = literalRun(counting.session, kind, -1);
            EXPECT_EQ(report.result.tally, all.result.tally) << k;
            if (start < QDate(2021, 6, 1)) {
                EXPECT_GT(report.result.cycles, 10) << k;
            }
            EXPECT_EQ(report.result.cycles, all.result.cycles) << k;
            EXPECT_EQ(report.result.smallestSum, all.result.smallestSum) << k;
            EXPECT_EQ(report.result.smallestDate, all.result.smallestDate) << k;
            EXPECT_EQ(report.result.largestSum, all.result.largestSum) << k;
            EXPECT_EQ(report.result.largestDate, all.result.largestDate) << k;

            Fixture literal(home);
            literal.startAt(start);
            literal.session.controls().setDate(kPicker2, QDate(2021, 6, 15));
            literalRun(literal.session, kind, all.result.cycles);
            EXPECT_TRUE(snapshot(fast.session) == snapshot(literal.session))
                << k << " " << start.toString().toStdString();
        }
    }
}

TEST(SessionStepTest, StepsInMemoryEqualTheButtonsOnTheFile) {
    testsupport::TempHome home;
    const std::vector<history::TZiehung> records = mixedDraws(12, 5);
    home.writeHistory(records);
    Fixture byFile(home);
    Fixture inMemory(home);
    for (Fixture* f : {&byFile, &inMemory}) {
        f->startAt(QDate(2021, 5, 2));
        f->session.controls().setDate(kPicker2, QDate(2021, 6, 1));
        f->session.tipList().lines() = {QStringLiteral("01,02,03,04,05,06,07,08,09,10")};
        f->session.SpeedButton5Click();
    }
    for (char move : std::string("ffbbbbffffffffffffbf")) {
        if (move == 'f') {
            byFile.session.SpeedButton7Click();
            inMemory.session.stepForward(records);
        } else {
            byFile.session.SpeedButton6Click();
            inMemory.session.stepBack(records);
        }
        ASSERT_TRUE(snapshot(byFile.session) == snapshot(inMemory.session));
        EXPECT_EQ(byFile.session.current().aktDatum, inMemory.session.current().aktDatum);
    }
}

// Command 3 over the real history from 01.01.2024 against a plain recount:
// the hits of each draw's numbers on the next draw, up to the newest draw.
TEST(BacktestRealHistoryTest, NextDrawFrom2024MatchesARecountFromTheArchive) {
    struct Row {
        QDate date;
        bool soir;
        std::set<int> numbers;
    };
    std::vector<Row> rows;
    for (const history::TZiehung& record : testsupport::realHistory()) {
        const QDate date = common::toDate(record.datum);
        if (date >= QDate(2024, 1, 1)) {
            rows.push_back({date, record.soir != 0, {record.zahlen.begin(), record.zahlen.end()}});
        }
    }
    // The run starts on the soir draw of 01.01.2024 (on a day with two draws
    // the evening one is loaded).
    ASSERT_EQ(rows[1].date, QDate(2024, 1, 1));
    ASSERT_TRUE(rows[1].soir);
    std::array<std::uint32_t, 21> recount{};
    for (std::size_t i = 1; i + 1 < rows.size(); ++i) {
        int hits = 0;
        for (int n : rows[i].numbers) {
            hits += static_cast<int>(rows[i + 1].numbers.count(n));
        }
        ++recount[static_cast<std::size_t>(hits)];
    }

    testsupport::TempHome home;
    home.writeHistory(testsupport::realHistory());
    Fixture fixture(home);
    fixture.startAt(QDate(2024, 1, 1));
    const auto report = fixture.session.backtests().Button7Click();
    ASSERT_EQ(report.outcome, BacktestCommands::Outcome::Completed);
    EXPECT_EQ(report.result.cycles, static_cast<int>(rows.size()) - 2);
    EXPECT_GT(report.result.cycles, 1000);
    EXPECT_EQ(report.result.tally, recount);
    EXPECT_EQ(report.log.last(), QStringLiteral("á %1 tirer").arg(rows.size() - 2));
    EXPECT_EQ(fixture.session.controls().date(kPicker1), rows.back().date);
}

} // namespace

namespace {

class GeneratorBacktestTest : public ::testing::Test {
protected:
    GeneratorBacktestTest() {
        home.writeHistory(mixedDraws(400, 21));
        fixture = std::make_unique<Fixture>(home);
    }
    app::Session& session() { return fixture->session; }
    testsupport::TempHome home;
    std::unique_ptr<Fixture> fixture;
};

// The generated tips scored against every later draw must count what the
// full check counts when the buttons step through the file.
TEST_F(GeneratorBacktestTest, GeneratedTipsAreScoredAgainstEveryLaterDraw) {
    session().controls().setPosition(app::Control::UpDown18, 4);
    fixture->startAt(QDate(2021, 10, 1));
    fixture->port.inputAnswers.push_back(QStringLiteral("42"));
    const auto report = session().backtests().BitBtn9Click();
    ASSERT_EQ(report.outcome, BacktestCommands::Outcome::Completed);
    const QStringList tips = session().tipList().lines();
    ASSERT_FALSE(tips.isEmpty());
    EXPECT_TRUE(
        fixture->port.statusTexts[1].contains(QStringLiteral("réglez le numéro de la chance 42")));
    EXPECT_EQ(session().statusText(1), QStringLiteral("réglez le numéro de la chance 42"));

    Fixture counting(home);
    counting.session.controls().setPosition(app::Control::UpDown18, 4);
    counting.startAt(QDate(2021, 10, 1));
    counting.session.tipList().lines() = tips;
    counting.session.SpeedButton5Click();
    backtest::BacktestResult recount;
    for (int before = -1; counting.session.current().position != before;) {
        before = counting.session.current().position;
        counting.session.SpeedButton7Click();
        if (counting.session.current().position != before) {
            recount.addCheck(counting.session.statistik(), 4);
            ++recount.cycles;
        }
    }
    EXPECT_GT(recount.cycles, 100);
    EXPECT_EQ(report.result.cycles, recount.cycles);
    EXPECT_EQ(report.result.tally, recount.tally);
    ASSERT_EQ(report.log.size(), 1 + 5 + 2);
    EXPECT_EQ(report.log[0], QStringLiteral("Le réglage actuel a apporté: "));
    EXPECT_EQ(report.log.last(), QStringLiteral("de %1 tirer").arg(recount.cycles));
    EXPECT_EQ(session().current().position, counting.session.current().position);
    EXPECT_EQ(session().tipList().hits(), counting.session.tipList().hits());
}

TEST_F(GeneratorBacktestTest, TheWalkForwardTestScoresAFreshGenerationOnEachNextDraw) {
    const QDate start(2021, 12, 1);
    const auto runOnce = [&] {
        fixture->startAt(start);
        fixture->port.inputAnswers.push_back(QStringLiteral("007"));
        return session().backtests().ErfolgstestClick();
    };
    const auto first = runOnce();
    ASSERT_EQ(first.outcome, BacktestCommands::Outcome::Completed);
    EXPECT_EQ(session().statusText(1), QStringLiteral("ont ensemble nombre chanceux 7"));
    // Every draw after the start draw is scored once, up to the newest.
    history::DrawHistory history;
    history::DrawHistory::load(home.historyPath(), &history);
    history::DrawCursor cursor;
    cursor.loadAtDate(history.records(), common::toDayNumber(start));
    EXPECT_EQ(first.result.cycles, history.size() - 1 - cursor.current().position);
    EXPECT_GT(first.result.cycles, 20);
    EXPECT_EQ(session().current().position, history.size() - 1);
    std::uint32_t checked = 0;
    for (std::uint32_t count : first.result.tally) {
        checked += count;
    }
    EXPECT_GE(checked, static_cast<std::uint32_t>(first.result.cycles));
    EXPECT_LE(checked, static_cast<std::uint32_t>(first.result.cycles * session().totalTips()));
    EXPECT_EQ(first.log.size(), 23);
    // The same lucky number repeats the run exactly.
    EXPECT_EQ(runOnce().log, first.log);
}

// A generation made at the midday draw is scored on the evening draw of the
// same day; it must not have seen that draw.
TEST(WalkForwardLookAheadTest, TheTipsForAnEveningDrawDoNotDependOnIt) {
    std::vector<history::TZiehung> records = mixedDraws(300, 21);
    const QDate start = common::toDate(records.back().datum);
    const QDate last = start.addDays(1);
    records.push_back(makeRecord(last, 0, range(1, 20)));
    records.push_back(makeRecord(last, 1, range(41, 60)));
    std::vector<history::TZiehung> changed = records;
    changed.back() = makeRecord(last, 1, range(51, 70));

    const auto lastTips = [&](const std::vector<history::TZiehung>& history) {
        testsupport::TempHome home;
        home.writeHistory(history);
        Fixture fixture(home);
        fixture.startAt(start);
        fixture.port.inputAnswers.push_back(QStringLiteral("11"));
        const auto report = fixture.session.backtests().ErfolgstestClick();
        EXPECT_EQ(report.result.cycles, 2);
        return fixture.session.tipList().lines();
    };
    const QStringList tips = lastTips(records);
    ASSERT_FALSE(tips.isEmpty());
    EXPECT_EQ(lastTips(changed), tips);
}

// The strategy report counts the walk-forward's own tally in money, and
// chance plays as many tips on the same draws.
TEST_F(GeneratorBacktestTest, TheStrategyReportIsTheWalkForwardInMoney) {
    const QDate start(2021, 12, 1);
    fixture->startAt(start);
    fixture->port.inputAnswers.push_back(QStringLiteral("7"));
    const auto walk = session().backtests().ErfolgstestClick();
    fixture->startAt(start);
    fixture->port.inputAnswers.push_back(QStringLiteral("7"));
    session().controls().setIndex(app::Control::ComboBox1, 1); // a stake of 2
    const auto run = session().backtests().strategyReport();
    ASSERT_EQ(run.outcome, BacktestCommands::Outcome::Completed);
    const backtest::StrategyReport& report = run.report;
    EXPECT_EQ(report.cycles(), walk.result.cycles);
    qint64 tips = 0;
    qint64 hits = 0;
    qint64 won = 0;
    const std::map<int, int> prizes = {{5, 2}, {6, 5}, {7, 15}, {8, 100}, {9, 1000}, {0, 2}};
    for (int h = 0; h <= 10; ++h) {
        const qint64 count = walk.result.tally[static_cast<std::size_t>(h)];
        tips += count;
        hits += h * count;
        won += prizes.count(h) ? 2 * prizes.at(h) * count : 0;
    }
    EXPECT_EQ(report.strategy().tips, tips);
    EXPECT_EQ(report.strategy().hits, hits);
    EXPECT_EQ(report.strategy().staked, 2 * tips);
    EXPECT_EQ(report.strategy().won, won);
    EXPECT_EQ(report.chance().tips, tips);
    EXPECT_EQ(report.chance().staked, 2 * tips);

    QStringList text;
    QStringList csv;
    ASSERT_TRUE(common::TextFile::readLines(home.file(QStringLiteral("Strategie.txt")), &text));
    ASSERT_TRUE(common::TextFile::readLines(home.file(QStringLiteral("Strategie.csv")), &csv));
    EXPECT_EQ(text.value(1), report.verdict());
    EXPECT_EQ(text.mid(2), report.summary());
    EXPECT_FALSE(text[0].contains(QStringLiteral("ARRÊTÉ")));
    EXPECT_EQ(csv.size(), report.cycles() + 1);
    EXPECT_TRUE(csv.last().endsWith(QStringLiteral(";%1").arg(report.chance().net())));
}

// Each seed's walk runs on its own copy of the session, beside the others:
// its report must be the very one a single run with that lucky number gives.
TEST_F(GeneratorBacktestTest, SeedsSideBySideEqualTheirSingleRuns) {
    const QDate start(2021, 9, 15);
    std::vector<backtest::StrategyReport> singles;
    for (int seed = 1; seed <= 4; ++seed) {
        fixture->startAt(start);
        fixture->port.inputAnswers.push_back(QString::number(seed));
        const auto single = session().backtests().strategyReport();
        ASSERT_EQ(single.outcome, BacktestCommands::Outcome::Completed);
        singles.push_back(single.report);
    }
    fixture->startAt(start);
    const auto run = session().backtests().strategySeeds({1, 2, 3, 4});
    ASSERT_EQ(run.outcome, BacktestCommands::Outcome::Completed);
    ASSERT_EQ(run.reports.size(), 4u);
    EXPECT_GT(run.reports[0].cycles(), backtest::StrategyReport::kFewestDraws);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(run.reports[i].verdict(), singles[i].verdict()) << i;
        EXPECT_EQ(run.reports[i].summary(), singles[i].summary()) << i;
        EXPECT_EQ(run.reports[i].csv(), singles[i].csv()) << i;
    }
    // Different seeds are different walks, or the comparison proves nothing.
    EXPECT_NE(singles[0].summary(), singles[1].summary());
    // The walks moved copies: the session stays on the start draw.
    history::DrawHistory history;
    history::DrawHistory::load(home.historyPath(), &history);
    history::DrawCursor cursor;
    cursor.loadAtDate(history.records(), common::toDayNumber(start));
    EXPECT_EQ(session().current().position, cursor.current().position);
    QStringList text;
    ASSERT_TRUE(common::TextFile::readLines(home.file(QStringLiteral("Strategie.txt")), &text));
    EXPECT_EQ(text, run.spread.text());
    EXPECT_TRUE(text.value(1).startsWith(
        QStringLiteral("Sur 4 graines et %1 tirages chacune").arg(singles[0].cycles())));
}

// A stop asked for while the seeds run (at the second look at their
// progress, when the walks are under way) ends every walk after its cycle.
TEST(StrategySeedsStopTest, AStopEndsEverySeed) {
    StoppingSession stopping(2000, 2);
    const testsupport::TempHome& home = stopping.home;
    const StoppingPort& port = stopping.port;
    app::Session& session = stopping.session;
    session.controls().setPosition(app::Control::UpDown9, 60); // slower walks
    const auto run = session.backtests().strategySeeds({5, 6, 7});
    ASSERT_EQ(run.outcome, BacktestCommands::Outcome::Stopped);
    ASSERT_EQ(run.reports.size(), 3u);
    // A walk may end before the stop comes; one under way is cut short.
    EXPECT_GT(run.reports[0].cycles(), 0);
    EXPECT_TRUE(run.reports[0].stopped());
    EXPECT_LT(run.reports[0].cycles(), 1999);
    for (const backtest::StrategyReport& report : run.reports) {
        EXPECT_EQ(report.stopped(), report.cycles() < 1999);
    }
    QStringList text;
    ASSERT_TRUE(common::TextFile::readLines(home.file(QStringLiteral("Strategie.txt")), &text));
    EXPECT_TRUE(text.value(0).contains(QStringLiteral("ARRÊTÉ")));
    EXPECT_FALSE(port.statusTexts[1].filter(QStringLiteral("3 graines")).isEmpty());
}

// A year of the real history: neither the strategy nor chance may stray far
// from what the odds give, 10 x 20 / 70 hits per tip. A generation that saw
// the draw it is scored on (the evening draw of its own day) once showed
// 2.50 on half the cycles.
TEST(StrategyRealHistoryTest, MeanHitsOfAYearStayNearTheOdds) {
    testsupport::TempHome home;
    home.writeHistory(testsupport::realHistory());
    Fixture fixture(home);
    fixture.startAt(QDate(2024, 6, 1));
    fixture.port.inputAnswers.push_back(QStringLiteral("4711"));
    const auto run = fixture.session.backtests().strategyReport();
    ASSERT_EQ(run.outcome, BacktestCommands::Outcome::Completed);
    const double expected = 10 * 20.0 / 70;
    // One tip's hits vary by sqrt(10 p (1-p) 60/69) with p = 20/70.
    const double deviation = std::sqrt(10 * (2.0 / 7) * (5.0 / 7) * 60 / 69);
    for (const auto* side : {&run.report.strategy(), &run.report.chance()}) {
        ASSERT_GT(side->tips, 3000);
        const double band = 3 * deviation / std::sqrt(static_cast<double>(side->tips));
        EXPECT_NEAR(side->meanHits(), expected, band);
    }
}

} // namespace
