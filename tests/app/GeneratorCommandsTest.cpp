// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <functional>

#include "RecordingPort.h"
#include "TestSupport.h"
#include "app/GeneratorCommands.h"
#include "app/Session.h"
#include "common/DayNumber.h"
#include "generator/TipGenerator.h"
#include "history/DrawHistory.h"
#include "tips/TipLine.h"

namespace {

using Outcome = generator::RunResult::Outcome;

// A port whose "let input run" can act like a user during a run.
class ActingPort : public testsupport::RecordingPort {
public:
    std::function<void()> whileRunning;
    void processEvents() override {
        RecordingPort::processEvents();
        if (whileRunning) {
            whileRunning();
        }
    }
};

// Answers the number dialog with the given boxes checked (when any) and
// records what the dialog was shown.
class ScriptedDialog : public app::NumberDialogPort {
public:
    Answer answer = Answer::Ok;
    std::vector<int> check;
    app::NumberDialogState shown;
    int shows = 0;

    Answer showNumberDialog(app::NumberDialogState& state, common::Random&) override {
        ++shows;
        shown = state;
        if (!check.empty()) {
            state.grid.clearAll();
            for (int number : check) {
                state.grid.setChecked(number, true);
            }
        }
        return answer;
    }
};

const history::DrawHistory& realDraws() {
    static const history::DrawHistory draws(testsupport::realHistory());
    return draws;
}

class GeneratorCommandsTest : public ::testing::Test {
protected:
    GeneratorCommandsTest() : session(port) {
        session.setHome(home.path());
        home.writeHistory(testsupport::realHistory());
        session.FormCreate(nullptr);
        set("DateTimePicker1", "24.11.2022");
        set("DateTimePicker2", "01.06.2022");
        session.SpeedButton5Click();
        session.random().setSeed(7);
    }
    void set(const char* name, const char* value) {
        ASSERT_TRUE(session.setControlByUser(QLatin1String(name), QLatin1String(value))) << name;
    }
    app::GeneratorCommands& generator() { return session.generator(); }
    // A kept tip of three numbers and a minimum overlap of four with every
    // tip before: no attempt can pass.
    void makeImpossible() {
        session.tipList().lines() = {QStringLiteral("01,02,03")};
        set("CheckBox28", "0");
        set("UpDown1", "4");
        ASSERT_EQ(session.controls().position(app::Control::UpDown1), 4);
    }

    testsupport::TempHome home;
    ActingPort port;
    app::Session session;
};

std::vector<int> numbersOf(const QString& line) {
    std::vector<int> numbers;
    for (qint64 n : tips::TipLine::numbers(line)) {
        numbers.push_back(static_cast<int>(n));
    }
    return numbers;
}

int hits(const std::vector<int>& tip, const history::TZiehung& draw) {
    int count = 0;
    for (int n : tip) {
        for (int z : draw.zahlen) {
            count += z == n ? 1 : 0;
        }
    }
    return count;
}

TEST_F(GeneratorCommandsTest, TheSameSeedGivesTheSameTipsThroughTheSession) {
    const generator::RunResult first = generator().BitBtn19Click();
    ASSERT_EQ(first.outcome, Outcome::Completed);
    EXPECT_EQ(first.closingStatus, QStringLiteral("Trucs ont été recalculés"));
    const QStringList tipsOfFirst = session.tipList().lines();
    // Pinned: a change of the pool, the draw order or the tests shows here.
    EXPECT_EQ(tipsOfFirst.join(QLatin1Char(' ')).toStdString(),
              "02,23,26,44,45,49,52,54,60,61 02,15,19,21,26,32,38,44,58,61 "
              "02,15,17,20,21,32,46,50,60,66 05,06,21,23,26,38,48,49,57,58 "
              "01,02,21,32,38,45,57,65,66,68");
    EXPECT_EQ(session.tipList().hits().size(), 5);
    EXPECT_EQ(generator().caption(), QStringLiteral("calculer les grilles"));
    EXPECT_TRUE(session.sortieren());
    EXPECT_FALSE(session.berechnunglaeuft());
    EXPECT_EQ(session.laufMax(), 10000);

    session.random().setSeed(7);
    generator().BitBtn19Click();
    EXPECT_EQ(session.tipList().lines(), tipsOfFirst);
}

TEST_F(GeneratorCommandsTest, TipsKeepTheBoundsOnTheThreeReferenceDraws) {
    set("UpDown9", "12");
    ASSERT_EQ(generator().BitBtn19Click().outcome, Outcome::Completed);
    // The draw the window shows, and the two steps back from it.
    const int current = realDraws().firstOnOrAfter(
        common::toDayNumber(session.controls().date(app::Control::DateTimePicker1)));
    const history::TZiehung& draw = realDraws().at(current + 1); // the soir draw of the day
    ASSERT_EQ(draw.soir, 1);
    ASSERT_EQ(session.current().soir, 1);
    const QStringList lines = session.tipList().lines();
    ASSERT_EQ(lines.size(), 12);
    for (int i = 0; i < lines.size(); ++i) {
        const std::vector<int> tip = numbersOf(lines[i]);
        ASSERT_EQ(tip.size(), 10u);
        EXPECT_EQ(hits(tip, draw), 0) << lines[i].toStdString();
        EXPECT_LE(hits(tip, realDraws().at(current)), 1) << lines[i].toStdString();
        EXPECT_LE(hits(tip, realDraws().at(current - 1)), 2) << lines[i].toStdString();
        for (int j = 0; j < i; ++j) {
            const std::vector<int> other = numbersOf(lines[j]);
            int shared = 0;
            for (int n : tip) {
                shared += std::count(other.begin(), other.end(), n) > 0 ? 1 : 0;
            }
            EXPECT_GE(shared, 1);
            EXPECT_LE(shared, 4);
        }
    }
    // The draw in the window is the one at the picker again.
    EXPECT_EQ(session.current().datum1, draw.datum);
}

TEST_F(GeneratorCommandsTest, AnImpossibleSetEndsWithTheLimitAndRestoresTheParameters) {
    set("CheckBox8", "1");
    set("UpDown7", "1");
    makeImpossible();
    port.changed.clear();
    const generator::RunResult result = generator().BitBtn19Click();
    EXPECT_EQ(result.outcome, Outcome::LimitReached);
    EXPECT_EQ(result.closingStatus,
              QStringLiteral("Modifiez les paramètres pour calculer 5  Trucs "));
    EXPECT_EQ(result.laufMax, 1000);
    EXPECT_EQ(session.tipList().lines(), QStringList{"01,02,03"});
    EXPECT_TRUE(session.controls().checked(app::Control::CheckBox8));
    EXPECT_EQ(generator().caption(), QStringLiteral("calculer les grilles"));
    EXPECT_TRUE(session.sortieren());
    // Unchecked halfway through the tip and checked again at the end, each
    // time shown in the window.
    EXPECT_EQ(port.changed.count(QStringLiteral("CheckBox8")), 2);
}

TEST_F(GeneratorCommandsTest, APoolThatCannotFillATipEndsAtOnce) {
    set("CheckBox15", "1"); // preferred numbers only
    set("CheckBox10", "0");
    set("CheckBox14", "0");
    const generator::RunResult result = generator().BitBtn19Click();
    EXPECT_EQ(result.outcome, Outcome::LimitReached);
    EXPECT_EQ(result.closingStatus, generator::TipGenerator::limitMessage(5));
    EXPECT_EQ(session.tipList().count(), 0);
    EXPECT_EQ(generator().caption(), QStringLiteral("calculer les grilles"));
}

TEST_F(GeneratorCommandsTest, ASecondClickStopsTheRunAndDropsTheTip) {
    set("UpDown7", "10000");
    makeImpossible();
    generator::RunResult secondClick;
    int pumps = 0;
    port.whileRunning = [&] {
        if (++pumps == 1) {
            // The user moves two of the restored up-downs during the run.
            session.setControlByUser(QStringLiteral("UpDown6"), QStringLiteral("3"));
            session.setControlByUser(QStringLiteral("UpDown4"), QStringLiteral("2"));
        } else if (generator().running()) {
            secondClick = generator().BitBtn19Click();
        }
    };
    const generator::RunResult result = generator().BitBtn19Click();
    EXPECT_EQ(secondClick.outcome, Outcome::Stopped);
    EXPECT_EQ(session.controls().position(app::Control::UpDown6), 10);
    EXPECT_EQ(session.controls().position(app::Control::UpDown4), 0);
    EXPECT_EQ(result.outcome, Outcome::Stopped);
    EXPECT_LT(result.attempts, 10000000);
    EXPECT_EQ(session.tipList().lines(), QStringList{"01,02,03"});
    EXPECT_EQ(generator().caption(), QStringLiteral("calculer les grilles"));
    EXPECT_TRUE(session.sortieren());
}

TEST_F(GeneratorCommandsTest, AMissingHistoryEndsTheRunCleanly) {
    QFile::remove(session.historyPath());
    const generator::RunResult result = generator().BitBtn19Click();
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_EQ(port.messages.last(), QStringLiteral("Lisez d`abord les données de tirages"));
    EXPECT_EQ(generator().caption(), QStringLiteral("calculer les grilles"));
    EXPECT_TRUE(session.sortieren());
}

TEST_F(GeneratorCommandsTest, TheReviewShowsThePoolAndItsAnswerDecides) {
    ScriptedDialog dialog;
    generator().setNumberDialog(&dialog);
    set("CheckBox20", "1");
    set("UpDown18", "2");
    set("UpDown9", "1");
    for (const char* off : {"CheckBox4", "CheckBox5", "CheckBox23", "CheckBox9", "CheckBox17"}) {
        set(off, "0");
    }
    dialog.answer = app::NumberDialogPort::Answer::Calculate;
    dialog.check = {11, 40};
    generator::RunResult result = generator().BitBtn19Click();
    ASSERT_EQ(result.outcome, Outcome::Completed);
    EXPECT_EQ(session.tipList().lines(), QStringList{"11,40"});
    // The dialog was shown fresh, with the pool's occurrences as weights.
    EXPECT_EQ(dialog.shown.caption, QStringLiteral("What numbers to calculate"));
    for (int n = 1; n <= 70; ++n) {
        const int occurrences =
            static_cast<int>(std::count(result.pool.begin(), result.pool.end(), n));
        Q_UNUSED(occurrences);
        EXPECT_TRUE(dialog.shown.grid.checked(n) || dialog.shown.grid.weightText(n) == "0");
    }

    dialog.answer = app::NumberDialogPort::Answer::Cancel;
    session.tipList().lines() = {QStringLiteral("01,02")};
    set("CheckBox28", "0");
    set("UpDown9", "3");
    result = generator().BitBtn19Click();
    EXPECT_EQ(result.outcome, Outcome::Cancelled);
    EXPECT_EQ(session.tipList().lines(), QStringList{"01,02"});
    EXPECT_EQ(generator().caption(), QStringLiteral("calculer les grilles"));
    EXPECT_TRUE(session.sortieren());
}

TEST_F(GeneratorCommandsTest, TheEditorKeepsTheLowestNumbersUpToTheTipSize) {
    ScriptedDialog dialog;
    generator().setNumberDialog(&dialog);
    set("UpDown18", "6");
    session.tipList().lines() = {QStringLiteral("01,02"), QStringLiteral("05, 9,x,12")};
    session.selectTip(1);
    dialog.check = {70, 3, 44, 8, 21, 65, 9, 30};
    generator().SpeedEditClick();
    EXPECT_EQ(session.tipList().lines().at(1), QStringLiteral("03,08,09,21,30,44"));
    // Shown with the tip's numbers up to the first non-number, the random
    // pick on and "Calculate" off.
    const app::NumberDialogState& shown = dialog.shown;
    EXPECT_TRUE(shown.randomVisible);
    EXPECT_FALSE(shown.calculateVisible);
    EXPECT_EQ(shown.maxtipp, 6);
    EXPECT_EQ(shown.grid.checkedCount(), 2);
    EXPECT_TRUE(shown.grid.checked(5) && shown.grid.highlighted(5));
    EXPECT_TRUE(shown.grid.checked(9) && shown.grid.highlighted(9));
    // Afterwards the dialog is back in its calculation dress.
    const app::NumberDialogState& after = generator().numberDialogState();
    EXPECT_FALSE(after.randomVisible);
    EXPECT_TRUE(after.calculateVisible);
    EXPECT_FALSE(after.grid.highlighted(5));
    EXPECT_EQ(after.caption, QStringLiteral("Sélectionnez les numéros de calcul"));
    EXPECT_EQ(session.tipList().hits().size(), 2);
}

TEST_F(GeneratorCommandsTest, EditingAnEmptyListThenCancellingLeavesItEmpty) {
    ScriptedDialog dialog;
    generator().setNumberDialog(&dialog);
    session.tipList().clear();
    dialog.answer = app::NumberDialogPort::Answer::Cancel;
    generator().SpeedEditClick();
    EXPECT_EQ(dialog.shows, 1);
    EXPECT_EQ(session.tipList().count(), 0);
    EXPECT_TRUE(port.messages.isEmpty());

    // Without a selection on a list with lines, nothing opens.
    session.tipList().lines() = {QStringLiteral("01,02")};
    session.selectTip(-1);
    generator().SpeedEditClick();
    EXPECT_EQ(dialog.shows, 1);
    EXPECT_EQ(port.messages.last(), QStringLiteral("D`abord, sélectionnez une grille"));
}

} // namespace
