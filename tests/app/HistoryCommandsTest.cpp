// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "RecordingPort.h"
#include "TestSupport.h"
#include "UpdateTestSupport.h"
#include "app/ControlSchema.h"
#include "app/HistoryCommands.h"
#include "app/Session.h"
#include "app/WebLinks.h"
#include "common/DayNumber.h"
#include "common/WebAddresses.h"
#include "history/HistoryFile.h"
#include "online/AutoWebScript.h"

using history::DrawEntry;
using history::TZiehung;
using testsupport::makeRecord;
using testsupport::twentyNumbers;

namespace {

// A window port whose event processing can act like a user clicking.
class UserPort : public testsupport::RecordingPort {
public:
    std::function<void()> onEvents;
    void processEvents() override {
        RecordingPort::processEvents();
        QCoreApplication::processEvents();
        if (onEvents) {
            onEvents();
        }
    }
};

// The entry dialog answered by the test: records what it was shown.
class ScriptedDialog : public app::DrawEntryPort {
public:
    std::optional<DrawEntry> answer;
    std::vector<DrawEntry> shown;
    std::optional<DrawEntry> editDraw(const DrawEntry& draw) override {
        shown.push_back(draw);
        return answer;
    }
};

DrawEntry entryOf(const TZiehung& record) {
    DrawEntry entry;
    entry.date = common::toDate(record.datum);
    entry.soir = record.soir != 0;
    entry.multiplier = record.multiplicateur;
    for (std::size_t i = 0; i < 7; ++i) {
        entry.jokerPlus[i] = record.jokerPlus[i];
    }
    for (std::uint8_t n : record.zahlen) {
        entry.numbers.push_back(n);
    }
    return entry;
}

class HistoryCommandsTest : public ::testing::Test {
protected:
    HistoryCommandsTest() : session(port) {
        updatetest::ensureApp();
        session.setHome(home.path());
        session.historyCommands().setTimeouts(2000, 3000);
        session.historyCommands().setDrawEntryPort(&dialog);
    }
    std::vector<TZiehung> stored() const {
        std::vector<TZiehung> records;
        history::HistoryFile::readAll(home.historyPath(), &records);
        return records;
    }
    void startWithService(const std::vector<TZiehung>& stored, const std::vector<TZiehung>& all) {
        home.writeHistory(stored);
        service.setDraws(all);
        service.setInterceptor([this](const drawservice::DrawRequest& request) {
            log.record(request);
            return std::optional<drawservice::Reply>();
        });
        ASSERT_GT(service.start(), 0);
        port.todayDate = common::toDate(all.back().datum);
        session.FormCreate(nullptr);
        session.controls().setText(app::Control::ServiceURL, service.baseUrl());
    }
    QString control(const char* name) const {
        return session.controls().text(*app::ControlSchema::find(QString::fromLatin1(name)));
    }

    testsupport::TempHome home;
    UserPort port;
    ScriptedDialog dialog;
    app::Session session;
    drawservice::DrawService service;
    updatetest::RequestLog log;
};

// The last draws of the real history: the update brings a history that
// lacks them level with the service.
TEST_F(HistoryCommandsTest, UpdateAppendsTheMissingDrawsAndShowsTheNewest) {
    const std::vector<TZiehung>& real = testsupport::realHistory();
    const std::vector<TZiehung> older(real.begin(), real.end() - 7);
    startWithService(older, real);

    EXPECT_TRUE(session.historyCommands().VellumatClick());

    EXPECT_EQ(stored(), real);
    EXPECT_EQ(session.current().datum1, real.back().datum);
    EXPECT_EQ(session.current().soir, real.back().soir);
    EXPECT_EQ(control("Label35"), control("Label29"));
    EXPECT_FALSE(control("Label35").isEmpty());
    EXPECT_FALSE(session.stopButtonVisible());
    EXPECT_FALSE(session.historyCommands().updateRunning());
    EXPECT_TRUE(port.statusTexts[0].contains(QStringLiteral("Loading")));
    EXPECT_TRUE(
        port.statusTexts[1].contains(QStringLiteral("Garantit pas l`exactitude des chiffres!")));
    // The window was told when the run began and ended.
    EXPECT_TRUE(port.changed.contains(QStringLiteral("Operation")));
    // The body of the last draw received is in the hidden memo.
    ASSERT_EQ(session.memo1().size(), 1);
    EXPECT_TRUE(session.memo1()[0].endsWith(QString::number(real.back().jokerPlus[6])));

    // A second update asks only for the draws after the newest one.
    const std::size_t requests = log.requests().size();
    EXPECT_TRUE(session.historyCommands().VellumatClick());
    EXPECT_EQ(stored().size(), real.size());
    EXPECT_LE(log.requests().size() - requests, 2u);
}

TEST_F(HistoryCommandsTest, ActivationUpdatesFirstThenShowsTheNewestDraw) {
    const QDate day(2022, 11, 27);
    const std::vector<TZiehung> all = {makeRecord(day, 0, twentyNumbers(1), 3),
                                       makeRecord(day, 1, twentyNumbers(2), 5)};
    startWithService({all[0]}, all);
    session.FormActivate();
    EXPECT_EQ(stored(), all);
    EXPECT_EQ(session.current().datum1, common::toDayNumber(day));
    EXPECT_EQ(session.current().soir, 1);
    EXPECT_EQ(log.targets(),
              (std::vector<std::string>{
                  "/zahlen/lotto_neu.asp?Programm=Tirvex&Datum=20221127&Ziehung=1"}));
}

TEST_F(HistoryCommandsTest, StopEndsTheUpdateAfterTheRunningRequest) {
    const std::vector<TZiehung>& real = testsupport::realHistory();
    startWithService({real.begin(), real.end() - 10}, real);
    port.onEvents = [this] { session.SpeedButton8Click(); };
    session.historyCommands().VellumatClick();
    EXPECT_EQ(log.requests().size(), 1u);
    EXPECT_EQ(stored().size(), real.size() - 9);
    EXPECT_FALSE(session.stopButtonVisible());
}

TEST_F(HistoryCommandsTest, HistoryEditsWaitWhileTheUpdateAppends) {
    const std::vector<TZiehung>& real = testsupport::realHistory();
    startWithService({real.begin(), real.end() - 3}, real);
    std::vector<bool> editResults;
    dialog.answer = entryOf(real.front());
    port.onEvents = [&] {
        editResults.push_back(session.historyCommands().BitBtn8Click());
        editResults.push_back(session.historyCommands().BitBtn4Click());
        editResults.push_back(session.historyCommands().VellumatClick());
    };
    session.historyCommands().VellumatClick();
    ASSERT_FALSE(editResults.empty());
    EXPECT_EQ(std::count(editResults.begin(), editResults.end(), true), 0);
    EXPECT_TRUE(dialog.shown.empty());
    EXPECT_EQ(stored(), real);
}

TEST_F(HistoryCommandsTest, RequestsGoThroughTheProxyOfTheInternetPage) {
    const QDate day(2022, 11, 27);
    const std::vector<TZiehung> all = {makeRecord(day, 0, twentyNumbers(1), 3),
                                       makeRecord(day, 1, twentyNumbers(2), 5)};
    startWithService({all[0]}, all);
    updatetest::ForwardingProxy proxy;
    session.setControlByUser(QStringLiteral("ProxyHostEdit"), QStringLiteral("127.0.0.1"));
    session.setControlByUser(QStringLiteral("ProxyPortEdit"), QString::number(proxy.port()));
    EXPECT_TRUE(session.historyCommands().VellumatClick());
    EXPECT_EQ(stored(), all);
    ASSERT_EQ(proxy.requestLines().size(), 1);
    EXPECT_TRUE(proxy.requestLines()[0].startsWith(QStringLiteral("GET http://127.0.0.1:")));

    // A port that is no number: the message, no request, the buttons back.
    session.setControlByUser(QStringLiteral("ProxyPortEdit"), QStringLiteral("80a"));
    EXPECT_FALSE(session.historyCommands().VellumatClick());
    EXPECT_EQ(port.messages.size(), 1);
    EXPECT_TRUE(port.messages[0].contains(QStringLiteral("80a")));
    EXPECT_FALSE(session.historyCommands().updateRunning());
    EXPECT_FALSE(session.stopButtonVisible());
    EXPECT_EQ(proxy.requestLines().size(), 1);
}

TEST_F(HistoryCommandsTest, ASilentServiceCostsOneTimeoutAndLeavesTheSessionUsable) {
    home.writeHistory({makeRecord(QDate(2022, 11, 26), 0, twentyNumbers(1)),
                       makeRecord(QDate(2022, 11, 26), 1, twentyNumbers(2))});
    port.todayDate = QDate(2022, 11, 30);
    session.FormCreate(nullptr);
    updatetest::SilentServer silent;
    session.controls().setText(app::Control::ServiceURL, silent.baseUrl());
    session.historyCommands().setTimeouts(300, 500);

    session.FormActivate();

    EXPECT_EQ(silent.accepted(), 1);
    // The failure is not the last text: the tip check reports after it.
    EXPECT_TRUE(
        port.statusTexts[0].contains(QStringLiteral("Failed : 0 Délai de la requête dépassé")));
    EXPECT_FALSE(session.stopButtonVisible());
    EXPECT_FALSE(session.historyCommands().updateRunning());
    EXPECT_EQ(session.current().datum1, common::toDayNumber(QDate(2022, 11, 26)));
    EXPECT_EQ(session.current().soir, 1);
    EXPECT_TRUE(session.SpeedButton6Click());
    EXPECT_EQ(session.current().soir, 0);
    EXPECT_EQ(stored().size(), 2u);
}

// Without a service the update reads the operator's archive; its failure
// stays in sight through the checks that follow, with the age of the history.
TEST_F(HistoryCommandsTest, AFailedArchiveUpdateStaysVisibleAndTheHistoryIsCalledOld) {
    home.writeHistory({makeRecord(QDate(2022, 11, 26), 0, twentyNumbers(1))});
    port.todayDate = QDate(2022, 11, 30);
    session.FormCreate(nullptr);
    session.controls().setText(app::Control::ResultsURL, testsupport::kRefusedResults);
    const std::vector<int> drawn = twentyNumbers(1);
    session.tipList().lines() = {QStringLiteral("%1,%2,%3,%4")
                                     .arg(drawn[0], 2, 10, QChar('0'))
                                     .arg(drawn[1], 2, 10, QChar('0'))
                                     .arg(drawn[2], 2, 10, QChar('0'))
                                     .arg(drawn[3], 2, 10, QChar('0'))};

    EXPECT_FALSE(session.historyCommands().VellumatClick());
    session.SpeedButton5Click();

    const QString failure = session.statusText(0);
    EXPECT_TRUE(failure.startsWith(QStringLiteral("Mise à jour impossible : ") +
                                   testsupport::kRefusedResults))
        << failure.toStdString();
    EXPECT_EQ(session.statusText(1), QStringLiteral("Max Win:  4x"));
    EXPECT_EQ(session.staleNotice(),
              QStringLiteral("dernier tirage connu : 26.11.2022, il y a 4 jours"));
    EXPECT_EQ(session.current().datum1, common::toDayNumber(QDate(2022, 11, 26)));
    EXPECT_TRUE(port.messages.isEmpty());
    // Another command's text ends what the update kept.
    session.setStatusText(0, QStringLiteral("Trucs ont été recalculés"));
    session.Komplettcheck();
    EXPECT_EQ(session.statusText(0), QStringLiteral("Max Win:  4x"));
}

// ---- manual entry and deletion --------------------------------------------------

class DrawEditTest : public HistoryCommandsTest {
protected:
    DrawEditTest() {
        records = {makeRecord(QDate(2022, 11, 23), 0, twentyNumbers(1), 2),
                   makeRecord(QDate(2022, 11, 23), 1, twentyNumbers(2), 3),
                   makeRecord(QDate(2022, 11, 25), 0, twentyNumbers(3), 5),
                   makeRecord(QDate(2022, 11, 25), 1, twentyNumbers(4), 2)};
        records[1].jokerPlus = {1, 2, 3, 4, 5, 6, 7};
        home.writeHistory(records);
        session.FormCreate(nullptr);
    }
    void loadAt(const QDate& date) {
        session.controls().setDate(app::Control::DateTimePicker1, date);
        session.SpeedButton5Click();
    }
    std::vector<TZiehung> records;
};

TEST_F(DrawEditTest, TheDialogShowsTheCurrentDrawAndCancelOnlyReloads) {
    loadAt(QDate(2022, 11, 23)); // the very first record: its midday draw
    session.SpeedButton7Click(); // the evening draw of the 23rd is current
    ASSERT_EQ(session.current().soir, 1);
    const QByteArray before = testsupport::fileBytes(home.historyPath());
    EXPECT_TRUE(session.historyCommands().BitBtn8Click());
    ASSERT_EQ(dialog.shown.size(), 1u);
    const DrawEntry& shown = dialog.shown[0];
    EXPECT_EQ(shown.date, QDate(2022, 11, 23));
    EXPECT_TRUE(shown.soir);
    EXPECT_EQ(shown.multiplier, 3);
    EXPECT_EQ(shown.jokerPlus, (std::array<int, 7>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(shown.numbers, entryOf(records[1]).numbers);
    // Cancelled: the file stays, the draw at the picker is loaded again.
    EXPECT_EQ(testsupport::fileBytes(home.historyPath()), before);
    // The reload shows what load at the 23rd shows: the first record.
    EXPECT_EQ(session.current().soir, 0);
    EXPECT_EQ(session.current().datum1, records[0].datum);

    // A multiplier other than 2 or 3 selects the last item, "5".
    TZiehung odd = records[0];
    odd.multiplicateur = 10;
    home.writeHistory({odd});
    loadAt(QDate(2022, 11, 23));
    session.historyCommands().BitBtn8Click();
    EXPECT_EQ(dialog.shown.back().multiplier, 5);
}

TEST_F(DrawEditTest, AnEnteredDrawTakesItsPlaceAndBecomesCurrent) {
    loadAt(QDate(2022, 11, 25));
    // A day missing from the history, entered as its evening draw.
    DrawEntry entry = entryOf(makeRecord(QDate(2022, 11, 24), 1, twentyNumbers(7), 3));
    entry.jokerPlus = {9, 9, 8, 8, 7, 7, 6};
    std::reverse(entry.numbers.begin(), entry.numbers.end());
    dialog.answer = entry;
    EXPECT_TRUE(session.historyCommands().BitBtn8Click());

    std::vector<TZiehung> expected = records;
    TZiehung inserted = makeRecord(QDate(2022, 11, 24), 1, twentyNumbers(7), 3);
    std::sort(inserted.zahlen.begin(), inserted.zahlen.end());
    inserted.jokerPlus = {9, 9, 8, 8, 7, 7, 6};
    expected.insert(expected.begin() + 2, inserted);
    EXPECT_EQ(stored(), expected);
    EXPECT_EQ(session.controls().date(app::Control::DateTimePicker1), QDate(2022, 11, 24));
    EXPECT_EQ(session.current().datum1, inserted.datum);
    EXPECT_EQ(session.current().soir, 1);
    EXPECT_FALSE(QFile::exists(home.historyPath() + QLatin1Char('~')));

    // The same date and flag again replaces it; the count stays.
    entry.multiplier = 5;
    dialog.answer = entry;
    EXPECT_TRUE(session.historyCommands().BitBtn8Click());
    ASSERT_EQ(stored().size(), expected.size());
    EXPECT_EQ(stored()[2].multiplicateur, 5);

    // A draw after the newest is appended.
    dialog.answer = entryOf(makeRecord(QDate(2022, 11, 26), 0, twentyNumbers(9), 2));
    EXPECT_TRUE(session.historyCommands().BitBtn8Click());
    EXPECT_EQ(stored().size(), expected.size() + 1);
    EXPECT_EQ(stored().back().datum, common::toDayNumber(QDate(2022, 11, 26)));
}

// Other numbers over a stored draw replace it only when the player says so;
// the same draw again changes nothing and asks nothing.
TEST_F(DrawEditTest, ADrawWithOtherNumbersIsReplacedOnlyAfterAYes) {
    loadAt(QDate(2022, 11, 25));
    const QByteArray before = testsupport::fileBytes(home.historyPath());
    dialog.answer = entryOf(records[2]);
    EXPECT_TRUE(session.historyCommands().BitBtn8Click());
    EXPECT_TRUE(port.questions.isEmpty());
    EXPECT_TRUE(testsupport::fileBytes(home.historyPath()) == before);

    const TZiehung other = makeRecord(QDate(2022, 11, 25), 0, twentyNumbers(8), 5);
    dialog.answer = entryOf(other);
    port.yesNoAnswers = {false};
    EXPECT_FALSE(session.historyCommands().BitBtn8Click());
    EXPECT_EQ(port.questions,
              QStringList{QStringLiteral("Le tirage du 25.11.2022 midi est déjà enregistré avec "
                                         "d'autres numéros. Le remplacer ?")});
    EXPECT_TRUE(testsupport::fileBytes(home.historyPath()) == before);

    port.yesNoAnswers = {true};
    EXPECT_TRUE(session.historyCommands().BitBtn8Click());
    ASSERT_EQ(stored().size(), records.size());
    std::vector<TZiehung> expected = records;
    expected[2] = other;
    std::sort(expected[2].zahlen.begin(), expected[2].zahlen.end());
    EXPECT_EQ(stored(), expected);
}

TEST_F(DrawEditTest, AnIncompleteDrawOrAMissingHistoryChangesNoFile) {
    loadAt(QDate(2022, 11, 25));
    DrawEntry entry = entryOf(records[0]);
    entry.numbers.pop_back();
    dialog.answer = entry;
    EXPECT_FALSE(session.historyCommands().BitBtn8Click());
    EXPECT_EQ(port.messages.size(), 1);
    EXPECT_TRUE(port.messages[0].contains(QStringLiteral("20")));
    EXPECT_EQ(stored(), records);

    QFile::remove(home.historyPath());
    dialog.answer = entryOf(records[0]);
    EXPECT_FALSE(session.historyCommands().BitBtn8Click());
    EXPECT_FALSE(session.historyCommands().BitBtn4Click());
    EXPECT_FALSE(QFile::exists(home.historyPath()));
    EXPECT_EQ(port.messages.size(), 3);
}

TEST_F(DrawEditTest, DeletionRemovesExactlyTheCurrentDraw) {
    loadAt(QDate(2022, 11, 23));
    session.SpeedButton7Click();
    ASSERT_EQ(session.current().soir, 1);
    EXPECT_TRUE(session.historyCommands().BitBtn4Click());
    EXPECT_EQ(stored(), (std::vector<TZiehung>{records[0], records[2], records[3]}));
    EXPECT_FALSE(QFile::exists(home.file("Keno.da~")));
    EXPECT_EQ(port.busyDepth, 0);
    // The picker still holds the 23rd: its remaining draw is current.
    EXPECT_EQ(session.current().datum1, records[0].datum);
    EXPECT_EQ(session.current().soir, 0);

    // The newest draw deleted: the draw before it becomes current.
    loadAt(QDate(2022, 11, 25));
    EXPECT_TRUE(session.historyCommands().BitBtn4Click());
    EXPECT_EQ(stored(), (std::vector<TZiehung>{records[0], records[2]}));
    EXPECT_EQ(session.current().datum1, records[2].datum);
}

// A date without a draw makes a neighbour current (load at a date after the
// newest draw shows the newest); deleting at that date deletes nothing.
TEST_F(DrawEditTest, DeletingAtADateWithoutADrawDeletesNothing) {
    loadAt(QDate(2062, 1, 1));
    ASSERT_EQ(session.current().datum1, records[3].datum);
    EXPECT_FALSE(session.historyCommands().BitBtn4Click());
    loadAt(QDate(2022, 11, 24));
    ASSERT_EQ(session.current().datum1, records[3].datum);
    EXPECT_FALSE(session.historyCommands().BitBtn4Click());
    // A date picked but not loaded is the date asked for as well.
    session.SpeedButton7Click();
    session.controls().setDate(app::Control::DateTimePicker1, QDate(2022, 11, 24));
    EXPECT_FALSE(session.historyCommands().BitBtn4Click());
    EXPECT_EQ(stored(), records);
    ASSERT_EQ(port.messages.size(), 3);
    EXPECT_TRUE(port.messages[0].contains(QStringLiteral("01.01.2062")));
    EXPECT_TRUE(port.messages[2].contains(QStringLiteral("24.11.2022")));
}

TEST_F(DrawEditTest, AFailedReplacementLeavesTheHistoryAsItWas) {
    loadAt(QDate(2022, 11, 23));
    // The temporary files cannot be written where a folder of their name stands.
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Keno.da~")));
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Tirvex.dat~")));
    EXPECT_FALSE(session.historyCommands().BitBtn4Click());
    dialog.answer = entryOf(makeRecord(QDate(2022, 11, 24), 0, twentyNumbers(5)));
    EXPECT_FALSE(session.historyCommands().BitBtn8Click());
    EXPECT_EQ(stored(), records);
    EXPECT_EQ(port.messages.size(), 2);
}

TEST(WebLinksTest, LabelsOpenTheAddressTheyShow) {
    testsupport::RecordingShell shell;
    app::WebLinks links(&shell);
    links.Label52Click(QStringLiteral(" https://www.fdj.fr/jeux-de-tirage/keno "));
    links.Label52Click(QStringLiteral("www.quorvane.com"));
    links.Label52Click(QString());
    links.Label43Click();
    EXPECT_EQ(shell.opened,
              (QStringList{QStringLiteral("https://www.fdj.fr/jeux-de-tirage/keno"),
                           QStringLiteral("https://www.quorvane.com"), common::web::kProductPage}));
    app::WebLinks(nullptr).Label52Click(QStringLiteral("www.quorvane.com")); // no shell: nothing
}

} // namespace
