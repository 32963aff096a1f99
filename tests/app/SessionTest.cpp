// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <functional>
#include <utility>

#include "RecordingPort.h"
#include "TestSupport.h"
#include "app/BacktestCommands.h"
#include "app/HistoryCommands.h"
#include "app/Session.h"
#include "app/SettingsStore.h"
#include "app/TipFileCommands.h"
#include "common/TextFile.h"

using testsupport::makeRecord;

namespace {

class SessionTest : public ::testing::Test {
protected:
    SessionTest() : session(port) {
        session.setHome(home.path());
        session.setSoundPort(&sound);
        home.writeHistory({makeRecord(QDate(2022, 11, 23), 0, testsupport::twentyNumbers(1), 2),
                           makeRecord(QDate(2022, 11, 23), 1, testsupport::twentyNumbers(2), 3),
                           makeRecord(QDate(2022, 11, 24), 0, testsupport::twentyNumbers(3), 5),
                           makeRecord(QDate(2022, 11, 24), 1, testsupport::twentyNumbers(4), 2)});
    }
    QSettings* settings() {
        if (!m_settings) {
            m_settings = testsupport::localSettings(home.file("settings.ini"));
        }
        return m_settings.get();
    }

    testsupport::TempHome home;
    testsupport::RecordingPort port;
    testsupport::RecordingSound sound;
    app::Session session;
    std::unique_ptr<QSettings> m_settings;
};

TEST_F(SessionTest, HomeHasExactlyOneTrailingSeparator) {
    session.setHome(QStringLiteral("/opt/tirvex"));
    EXPECT_EQ(session.home(), QStringLiteral("/opt/tirvex/"));
    session.setHome(QStringLiteral("/opt/tirvex//"));
    EXPECT_EQ(session.historyPath(), QStringLiteral("/opt/tirvex/Tirvex.dat"));
}

TEST_F(SessionTest, FirstStartHasTheDesignedDefaults) {
    session.FormCreate(settings());
    EXPECT_EQ(session.numbersPerTip(), 10);
    EXPECT_EQ(session.tipsPerTicket(), 5);
    EXPECT_EQ(session.totalTips(), 5);
    EXPECT_EQ(session.controls().index(app::Control::ComboBox1), 0);
    EXPECT_EQ(session.controls().index(app::Control::ComboBox2), -1);
    EXPECT_EQ(session.controls().index(app::Control::ComboBox3), 2);
    EXPECT_TRUE(session.controls().checked(app::Control::CheckBox28));
    EXPECT_EQ(session.laufMax(), 10000);
    EXPECT_EQ(session.controls().text(app::Control::ProxyPortEdit), QStringLiteral("80"));
    EXPECT_EQ(session.controls().date(app::Control::DateTimePicker1), port.todayDate);
    EXPECT_EQ(session.controls().date(app::Control::DateTimePicker2), QDate(1993, 9, 16));
    EXPECT_EQ(session.tipList().count(), 0);
}

TEST_F(SessionTest, ActivationShowsTheNewestDrawAndChecksTheTips) {
    common::TextFile::writeLines(home.file("tipps.txt"),
                                 {QStringLiteral("04,07,10,13"), QStringLiteral("69,70")});
    session.FormCreate(settings());
    session.FormActivate();
    EXPECT_EQ(session.current().position, 3);
    EXPECT_TRUE(session.controls().text(app::Control::Label35).contains(QStringLiteral("(soir )")));
    EXPECT_EQ(session.controls().text(app::Control::Label13),
              QStringLiteral("traverser la somme: %1").arg(session.current().crossSum()));
    EXPECT_EQ(session.tipList().hits(), (QStringList{QStringLiteral("4"), QStringLiteral("0")}));
    // The update's failure keeps panel 0; the best hit goes beside it.
    EXPECT_TRUE(session.statusText(0).startsWith(QStringLiteral("Mise à jour impossible : ")));
    EXPECT_EQ(session.statusText(1), QStringLiteral("Max Win:  4x"));
    EXPECT_FALSE(sound.played.isEmpty());
    EXPECT_EQ(sound.played.last(), home.file("yippee.wav"));
}

TEST_F(SessionTest, LoadWithoutHistoryChangesNothing) {
    QFile::remove(session.historyPath());
    session.FormCreate(settings());
    EXPECT_FALSE(session.SpeedButton5Click());
    EXPECT_EQ(port.messages, QStringList{QStringLiteral("Lisez d`abord les données de tirages")});
    EXPECT_TRUE(session.controls().text(app::Control::Label29).isEmpty());
    EXPECT_FALSE(session.SpeedButton6Click()); // the file error is reported, nothing else
    EXPECT_EQ(port.messages.size(), 2);
}

TEST_F(SessionTest, AnEmptyHistorySaysWhyAndAsksOnceAnActivationEnds) {
    QFile::resize(session.historyPath(), 0);
    int offers = 0;
    session.activationSteps().emptyHistory = [&offers] { ++offers; };
    session.FormCreate(settings());
    session.FormActivate();
    EXPECT_EQ(offers, 1);
    EXPECT_TRUE(port.messages.isEmpty());
    EXPECT_TRUE(session.controls().text(app::Control::Label35).startsWith("Aucun tirage"));
    // The update's failure stays readable: no check cleared it.
    EXPECT_TRUE(session.statusText(0).startsWith(QStringLiteral("Mise à jour impossible : ")))
        << session.statusText(0).toStdString();
}

TEST_F(SessionTest, TheCheckClearsOnlyItsOwnStatus) {
    session.FormCreate(settings());
    session.FormActivate();
    session.setStatusText(0, QString()); // no longer the update's text
    session.tipList().lines() = {QStringLiteral("04,07,10,13")};
    session.Komplettcheck();
    EXPECT_EQ(session.statusText(0), QStringLiteral("Max Win:  4x"));
    session.tipList().lines().clear();
    session.Komplettcheck();
    EXPECT_TRUE(session.statusText(0).isEmpty());
    session.setStatusText(0, QStringLiteral("Trucs ont été recalculés"));
    session.Komplettcheck();
    EXPECT_EQ(session.statusText(0), QStringLiteral("Trucs ont été recalculés"));
}

// The activation that follows a dialog's closing checks the tips into the
// status bar; the lucky number's confirmation must still be readable after it.
TEST_F(SessionTest, TheLuckyNumberSurvivesTheActivationAfterItsDialog) {
    session.FormCreate(settings());
    session.FormActivate();
    session.tipList().lines() = {QStringLiteral("04,07,10,13")};
    port.inputAnswers.push_back(QStringLiteral("4711"));
    session.tipFiles().SpeedButton13Click();
    session.FormActivate();
    EXPECT_EQ(session.statusText(1), QStringLiteral("réglez le numéro de la chance 4711"));
    // Replaced by something else, it is not brought back by a later one.
    session.setStatusText(1, QStringLiteral("autre"));
    session.FormActivate();
    EXPECT_EQ(session.statusText(1), QStringLiteral("Max Win:  4x"));
}

TEST_F(SessionTest, PickerFollowsTheDrawOrFallsBack) {
    session.FormCreate(settings());
    // The first day of the history has both draws: its first record is current.
    session.controls().setDate(app::Control::DateTimePicker1, QDate(2022, 11, 23));
    session.SpeedButton5Click();
    EXPECT_EQ(session.current().position, 0);
    session.controls().setDate(app::Control::DateTimePicker1, QDate(2022, 11, 24));
    session.SpeedButton5Click();
    EXPECT_EQ(session.current().position, 3);
    session.controls().setDate(app::Control::DateTimePicker1, QDate(2030, 1, 1));
    session.SpeedButton5Click();
    EXPECT_EQ(session.controls().date(app::Control::DateTimePicker1), QDate(2022, 11, 24));

    // An empty history makes nothing current: Datum1 is still 0, which the
    // picker refuses, so it shows the fallback date.
    home.writeHistory({});
    app::Session fresh(port);
    fresh.setHome(home.path());
    fresh.FormCreate(settings());
    fresh.SpeedButton5Click();
    EXPECT_EQ(fresh.controls().date(app::Control::DateTimePicker1), QDate(2012, 10, 29));
}

TEST_F(SessionTest, StepForwardPullsTheStatisticsStartBackAYear) {
    session.FormCreate(settings());
    session.controls().setDate(app::Control::DateTimePicker1, QDate(2022, 11, 23));
    session.controls().setDate(app::Control::DateTimePicker2, QDate(2024, 1, 1));
    session.SpeedButton7Click();
    EXPECT_EQ(session.controls().date(app::Control::DateTimePicker2), QDate(2021, 11, 23));
}

TEST_F(SessionTest, TipListCommands) {
    session.FormCreate(settings());
    session.SpeedButton11Click();
    EXPECT_EQ(port.messages.last(), QStringLiteral("D`abord, sélectionnez une grille"));
    for (int i = 0; i < 9; ++i) {
        session.tipList().append(QStringLiteral("0%1").arg(i + 1));
    }
    session.selectTip(7);
    EXPECT_EQ(session.controls().text(app::Control::Label23), QStringLiteral("2. ticket"));
    EXPECT_EQ(session.controls().text(app::Control::Label24), QStringLiteral("3. Grillen"));
    session.SpeedButton11Click();
    EXPECT_EQ(session.tipList().count(), 8);
    EXPECT_EQ(session.tipList().hits().size(), 8);
}

TEST_F(SessionTest, TotalFieldNormalisesEveryText) {
    session.FormCreate(settings());
    const std::pair<const char*, int> cases[] = {{"007", 7},   {"0", 120},  {"", 120},
                                                 {"121", 120}, {"-3", 120}, {"abc", 120},
                                                 {"120", 120}, {"1", 1}};
    for (const auto& [text, expected] : cases) {
        session.Edit1Change(QString::fromLatin1(text));
        EXPECT_EQ(session.totalTips(), expected) << text;
        EXPECT_EQ(session.controls().positionText(app::Control::UpDown9),
                  QString::number(expected));
    }
}

TEST_F(SessionTest, StakeAndPrice) {
    session.FormCreate(settings());
    session.setControlByUser(QStringLiteral("UpDown9"), QStringLiteral("7"));
    session.setControlByUser(QStringLiteral("ComboBox1"), QStringLiteral("2")); // item "3"
    EXPECT_EQ(session.stake(), 3);
    EXPECT_EQ(session.controls().text(app::Control::Preis).toDouble(), 3.0 * 5 * 7);
    session.controls().setText(app::Control::ComboBox1, QStringLiteral("7"));
    EXPECT_EQ(session.stake(), 7);
    session.controls().setText(app::Control::ComboBox1, QStringLiteral("12"));
    EXPECT_EQ(session.stake(), 1);
}

// A close that cannot write (a full disk) still ends, names both files it
// could not save and leaves them as they were.
TEST_F(SessionTest, AFailedSaveAtCloseNamesTheFilesAndKeepsTheOldOnes) {
    session.FormCreate(settings());
    session.tipList().append(QStringLiteral("03,07,70"));
    ASSERT_TRUE(session.FormClose(settings()));
    const QByteArray oldTips = testsupport::fileBytes(home.file("tipps.txt"));
    const QByteArray oldIni = testsupport::fileBytes(home.file("settings.ini"));
    ASSERT_FALSE(oldTips.isEmpty() || oldIni.isEmpty());

    for (int i = 0; i < 40; ++i) {
        session.tipList().append(QStringLiteral("01,02,03,04,05,06,07,08,09,10"));
    }
    session.setControlByUser(QStringLiteral("ProxyHostEdit"), QString(4000, QLatin1Char('p')));
    bool saved = true;
    {
        testsupport::FileSizeLimit limit(oldTips.size() + oldIni.size());
        saved = session.FormClose(settings());
    }
    EXPECT_FALSE(saved);
    ASSERT_EQ(port.messages.size(), 1);
    // Each named with the system's reason (the size limit stands for a full disk).
    EXPECT_TRUE(port.messages[0].contains(QStringLiteral("tipps.txt: File too large")))
        << port.messages[0].toStdString();
    EXPECT_TRUE(port.messages[0].contains(QStringLiteral("settings.ini: File too large")));
    EXPECT_EQ(testsupport::fileBytes(home.file("tipps.txt")), oldTips);
    EXPECT_EQ(testsupport::fileBytes(home.file("settings.ini")), oldIni);
}

TEST_F(SessionTest, CloseAndRestartKeepsTipsAndSettings) {
    session.FormCreate(settings());
    session.tipList().append(QStringLiteral("03,07,70"));
    // A position beyond an int's range is held within the control's, not cut.
    session.setControlByUser(QStringLiteral("UpDown18"), QStringLiteral("4294967298"));
    EXPECT_EQ(session.numbersPerTip(), 10);
    session.setControlByUser(QStringLiteral("UpDown18"), QStringLiteral("6"));
    session.setControlByUser(QStringLiteral("ComboBox1"), QStringLiteral("3"));
    session.setControlByUser(QStringLiteral("CheckBox28"), QStringLiteral("0"));
    session.controls().setDate(app::Control::DateTimePicker2, QDate(2021, 1, 1));
    session.FormClose(settings());

    EXPECT_EQ(testsupport::fileBytes(home.file("tipps.txt")), QByteArray("03,07,70\r\n"));

    app::Session restarted(port);
    restarted.setHome(home.path());
    restarted.FormCreate(settings());
    restarted.FormActivate();
    EXPECT_EQ(restarted.tipList().lines(), QStringList{QStringLiteral("03,07,70")});
    EXPECT_EQ(restarted.numbersPerTip(), 6);
    EXPECT_EQ(restarted.controls().index(app::Control::ComboBox1), 3);
    EXPECT_FALSE(restarted.controls().checked(app::Control::CheckBox28));
    EXPECT_EQ(restarted.controls().date(app::Control::DateTimePicker2), QDate(2021, 1, 1));
}

TEST_F(SessionTest, SettingsCorrectionsOnRestoreAndSave) {
    QSettings* s = settings();
    s->setValue("UpDown1", 5);
    s->setValue("UpDown3", 2);
    s->setValue("UpDown18", 99);             // out of range: held within 2..10
    s->setValue("UpDown8", "five");          // wrong type: the default
    s->setValue("DateTimePicker2", 32874.0); // 01.01.1990, before the lowest date
    s->setValue("System", 3);
    app::ControlValues values;
    app::SettingsStore(*s, QString()).restore(values);
    EXPECT_EQ(values.position(app::Control::UpDown3), 5);
    EXPECT_EQ(values.position(app::Control::UpDown18), 10);
    EXPECT_EQ(values.position(app::Control::UpDown8), 5);
    EXPECT_EQ(values.date(app::Control::DateTimePicker2), QDate(1993, 9, 16));

    const QDate today(2025, 6, 10);
    values.setDate(app::Control::DateTimePicker2, today.addDays(-1));
    app::SettingsStore(*s, QString()).save(values, today);
    EXPECT_EQ(s->value("DateTimePicker2").toDouble(), 34228.0);
    values.setDate(app::Control::DateTimePicker2, today.addDays(-10));
    app::SettingsStore(*s, QString()).save(values, today);
    EXPECT_EQ(s->value("DateTimePicker2").toDouble(), common::toDayNumber(today.addDays(-10)));
    EXPECT_EQ(s->value("Chekcbox28").toInt(), 1);
    EXPECT_FALSE(s->contains("Chekcbox16"));
}

TEST_F(SessionTest, ActivationDoesNotStartAgainWhileItRuns) {
    session.FormCreate(settings());
    int updates = 0;
    session.activationSteps().internetUpdate = [&] {
        ++updates;
        session.FormActivate(); // a dialog closing inside the sequence
    };
    session.FormActivate();
    EXPECT_EQ(updates, 1);
    session.FormActivate();
    EXPECT_EQ(updates, 2);
}

// Closing a message box re-activates the window; the stake the user chose
// must survive that, and is the one saved.
TEST_F(SessionTest, TheChosenStakeSurvivesActivationAndIsSaved) {
    session.FormCreate(settings());
    session.FormActivate();
    session.setControlByUser(QStringLiteral("ComboBox1"), QStringLiteral("3")); // item "5"
    session.FormActivate();
    EXPECT_EQ(session.stake(), 5);
    session.FormClose(settings());
    EXPECT_EQ(settings()->value("System").toInt(), 3);
}

// Commands that arrive while a long operation lets input run change nothing.
class InterruptingPort : public testsupport::RecordingPort {
public:
    std::function<void()> duringOperation;
    void processEvents() override {
        RecordingPort::processEvents();
        if (duringOperation) {
            std::exchange(duringOperation, nullptr)();
        }
    }
};

TEST(SessionOperationTest, CommandsUnderALongOperationAreRefused) {
    testsupport::TempHome home;
    std::vector<history::TZiehung> records;
    for (int day = 0; day < 300; ++day) { // more than one chunk of cycles
        records.push_back(
            makeRecord(QDate(2022, 1, 1).addDays(day), 0, testsupport::twentyNumbers(1 + day % 9)));
    }
    home.writeHistory(records);
    InterruptingPort port;
    app::Session session(port);
    session.setHome(home.path());
    QSettings settings(home.file(QStringLiteral("s.ini")), QSettings::IniFormat);
    session.FormCreate(&settings);
    session.controls().setDate(app::Control::DateTimePicker1, QDate(2022, 1, 1));
    session.tipList().lines() = {QStringLiteral("01,02,03")};
    session.selectTip(0);

    int position = -1;
    QStringList tips;
    port.duringOperation = [&] {
        EXPECT_EQ(session.operations().running(), app::LongOperation::Backtest);
        position = session.current().position;
        tips = session.tipList().lines();
        port.fileAnswers.push_back(
            {testsupport::dataFile(QStringLiteral("keno_202010_slice.csv"))});
        EXPECT_FALSE(session.SpeedButton5Click());
        EXPECT_FALSE(session.SpeedButton7Click());
        session.importArchiveClick();
        EXPECT_FALSE(session.historyCommands().VellumatClick());
        EXPECT_FALSE(session.historyCommands().BitBtn4Click());
        session.SpeedButton11Click();
        EXPECT_EQ(session.current().position, position);
        EXPECT_EQ(session.tipList().lines(), tips);
        session.backtests().requestStop();
    };
    const QByteArray before = testsupport::fileBytes(home.historyPath());
    session.backtests().Button7Click();
    EXPECT_GE(position, 0);
    EXPECT_EQ(
        port.messages.count(app::OperationController::busyMessage(app::LongOperation::Backtest)),
        6);
    EXPECT_EQ(testsupport::fileBytes(home.historyPath()), before);
    EXPECT_EQ(session.operations().running(), app::LongOperation::None);
}

} // namespace
