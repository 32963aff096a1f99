// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>

#include "RecordingPort.h"
#include "TestSupport.h"
#include "app/EvaluationCommands.h"
#include "app/EvaluationDialogPort.h"
#include "app/HandoffCommands.h"
#include "app/HandoffDialogPort.h"
#include "app/Session.h"
#include "app/TipFileCommands.h"
#include "app/TipSearchCommands.h"
#include "common/TextFile.h"
#include "common/WebAddresses.h"
#include "tips/TicketSheet.h"

using testsupport::makeRecord;

namespace {

std::vector<int> run(int from) {
    std::vector<int> numbers;
    for (int n = from; n < from + 20; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

// Also keeps the name the save dialog proposed.
class Port : public testsupport::RecordingPort {
public:
    QStringList proposedNames;
    QString saveFileName(const QString& title, const QString& proposed,
                         const QString& filter) override {
        proposedNames << proposed;
        return RecordingPort::saveFileName(title, proposed, filter);
    }
};

class RecordingLauncher : public online::FormFillerLauncher {
public:
    QStringList programs;
    QList<QStringList> calls;
    bool start(const QString& program, const QStringList& arguments) override {
        programs << program;
        calls << arguments;
        return true;
    }
};

// Four draws on two days: 1..20, 21..40, 41..60 and 51..70.
class TipToolsTest : public ::testing::Test {
protected:
    TipToolsTest() : session(port) {
        session.setHome(home.path());
        session.setShellPort(&shell);
        home.writeHistory({makeRecord(QDate(2022, 11, 23), 0, run(1), 2),
                           makeRecord(QDate(2022, 11, 23), 1, run(21), 3),
                           makeRecord(QDate(2022, 11, 24), 0, run(41), 5),
                           makeRecord(QDate(2022, 11, 24), 1, run(51), 2)});
        settings = std::make_unique<QSettings>(home.file("s.ini"), QSettings::IniFormat);
        session.FormCreate(settings.get(), QStringLiteral("Tirvex"));
        session.controls().setPosition(app::Control::UpDown18, 6);
    }
    void loadAt(const QDate& date) {
        session.controls().setDate(app::Control::DateTimePicker1, date);
        ASSERT_TRUE(session.SpeedButton5Click());
    }
    void setTips(const QStringList& lines) {
        session.tipList().clear();
        session.tipList().lines() = lines;
    }
    // Hits per draw: 6,0,0,0 / 0,3,3,0 / 0,0,6,6.
    const QStringList kTips = {QStringLiteral("01,02,03,04,05,06"),
                               QStringLiteral("21,22,23,41,42,43"),
                               QStringLiteral("55,56,57,58,59,60")};

    testsupport::TempHome home;
    Port port;
    testsupport::RecordingShell shell;
    app::Session session;
    std::unique_ptr<QSettings> settings;
};

// ---- evaluation ----------------------------------------------------------------

TEST_F(TipToolsTest, EvaluationMessageAtTheChosenStake) {
    setTips(kTips);
    loadAt(QDate(2022, 11, 24)); // the soir draw: 0, 0 and 6 hits
    session.setControlByUser(QStringLiteral("ComboBox1"), QStringLiteral("1"));
    EXPECT_EQ(session.evaluation().auswertungClick(),
              QStringLiteral("you have \n1 x  6er \t1000\n\nsans garantie"));
    EXPECT_EQ(port.messages.last(), QStringLiteral("you have \n1 x  6er \t1000\n\nsans garantie"));

    // A typed stake that is no item: a whole number 1..10 counts, else 1.
    session.controls().setText(app::Control::ComboBox1, QStringLiteral("7"));
    EXPECT_TRUE(session.evaluation().auswertungClick().contains(QStringLiteral("\t3500\n")));
    session.controls().setText(app::Control::ComboBox1, QStringLiteral("abc"));
    EXPECT_TRUE(session.evaluation().auswertungClick().contains(QStringLiteral("\t500\n")));

    // A new tip size takes its own table for the hits of the last check.
    session.setControlByUser(QStringLiteral("ComboBox1"), QStringLiteral("1"));
    session.controls().setPosition(app::Control::UpDown18, 10);
    EXPECT_EQ(session.evaluation().auswertungClick(),
              QStringLiteral("you have \n1 x  6er \t10\n2 x  0er \t8\n\nsans garantie"));

    setTips({});
    session.Komplettcheck();
    EXPECT_EQ(session.evaluation().auswertungClick(), QStringLiteral("you have \n\nsans garantie"));
}

class RecordingEvaluationDialog : public app::EvaluationDialogPort {
public:
    int shown = 0;
    QString total;
    void showEvaluationSheet(tips::EvaluationSheet& sheet) override {
        ++shown;
        total = sheet.total();
    }
    void tallyChanged() override { ++tallies; }
    int tallies = 0;
};

TEST_F(TipToolsTest, EvaluationDialogCountsAreTheHitTally) {
    setTips(kTips);
    loadAt(QDate(2022, 11, 24)); // the soir draw: 0, 0 and 6 hits
    tips::EvaluationSheet& sheet = session.evaluation().sheet();
    EXPECT_EQ(sheet.countText(6), QStringLiteral("1"));
    sheet.setQuotaText(6, QStringLiteral("500"));
    EXPECT_EQ(sheet.rowSum(6), QStringLiteral("500,00"));

    // Another draw: the check rewrites the same counts the dialog shows.
    session.SpeedButton6Click(); // midi of the 24th: 0, 3 and 6 hits
    EXPECT_EQ(sheet.countText(3), QStringLiteral("1"));
    EXPECT_EQ(sheet.countText(6), QStringLiteral("1"));

    // Typing in the dialog writes the tally; rows 9 and 10 add to the total;
    // a field that is no number leaves the other rows alone.
    sheet.setCountText(10, QStringLiteral("2"));
    sheet.setQuotaText(10, QStringLiteral("1000"));
    sheet.setQuotaText(3, QStringLiteral("x"));
    EXPECT_EQ(session.hitTally().text(10), QStringLiteral("2"));
    EXPECT_EQ(sheet.rowSum(3), QString());
    EXPECT_EQ(sheet.rowSum(10), QStringLiteral("2000,00"));
    EXPECT_EQ(sheet.total(), QStringLiteral("2500,00"));
    EXPECT_FALSE(sheet.errors().isEmpty());

    RecordingEvaluationDialog dialog;
    session.evaluation().Form8Show(); // no window: nothing to show, no crash
    session.evaluation().setDialog(&dialog);
    session.evaluation().Form8Show();
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(dialog.total, QStringLiteral("2500,00"));
    session.evaluation().tallyChanged();
    EXPECT_EQ(dialog.tallies, 1);
}

// ---- tip files, ticket sheet, lucky number -------------------------------------

TEST_F(TipToolsTest, SaveProposesTheNextDayAndWritesCrLf) {
    setTips(kTips);
    session.controls().setDate(app::Control::DateTimePicker1, QDate(2022, 11, 24));
    port.fileAnswers.push_back({home.file("mine")});
    ASSERT_TRUE(session.tipFiles().SpeedButton15Click());
    EXPECT_EQ(port.proposedNames, QStringList{QStringLiteral("20221125.hlt")});
    EXPECT_EQ(testsupport::fileBytes(home.file("mine.hlt")),
              QByteArray("01,02,03,04,05,06\r\n21,22,23,41,42,43\r\n55,56,57,58,59,60\r\n"));

    // Cancelled: nothing written.
    EXPECT_FALSE(session.tipFiles().SpeedButton15Click());
    EXPECT_EQ(QDir(home.path()).entryList({QStringLiteral("*.hlt")}).size(), 1);

    // An unwritable place is reported with the file's name.
    port.fileAnswers.push_back({home.file("no/such/dir/x.hlt")});
    EXPECT_FALSE(session.tipFiles().SpeedButton15Click());
    EXPECT_TRUE(port.messages.last().contains(QStringLiteral("x.hlt")));
}

TEST_F(TipToolsTest, OpenReplacesTheListHoldsTheTotalAndReloadsTheDraw) {
    QStringList many;
    for (int i = 0; i < 150; ++i) {
        many << kTips[i % 3];
    }
    common::TextFile::writeLines(home.file("many.hlt"), many);
    // Written elsewhere: LF only with a UTF-8 mark.
    QFile lf(home.file("lf.hlt"));
    ASSERT_TRUE(lf.open(QIODevice::WriteOnly));
    lf.write("\xEF\xBB\xBF"
             "01,02,03\n55,56\n");
    lf.close();
    QFile::remove(home.file("empty.hlt"));
    QFile(home.file("empty.hlt")).open(QIODevice::WriteOnly);

    session.controls().setDate(app::Control::DateTimePicker1, QDate(2022, 11, 24));
    port.fileAnswers.push_back({home.file("many.hlt")});
    ASSERT_TRUE(session.tipFiles().SpeedButton16Click());
    EXPECT_EQ(session.tipList().count(), 150);
    EXPECT_EQ(session.totalTips(), 120);
    EXPECT_EQ(session.tipList().hits().size(), 150); // the reload checked them
    EXPECT_EQ(session.tipList().hits()[2], QStringLiteral("6"));

    port.fileAnswers.push_back({home.file("lf.hlt")});
    ASSERT_TRUE(session.tipFiles().SpeedButton16Click());
    EXPECT_EQ(session.tipList().lines(), (QStringList{"01,02,03", "55,56"}));
    EXPECT_EQ(session.totalTips(), 2);
    EXPECT_EQ(session.tipList().hits(), (QStringList{"0", "2"}));

    port.fileAnswers.push_back({home.file("empty.hlt")});
    ASSERT_TRUE(session.tipFiles().SpeedButton16Click());
    EXPECT_EQ(session.tipList().count(), 0);
    EXPECT_EQ(session.totalTips(), 1);

    // Cancelled: the list stays, the draw is reloaded all the same.
    setTips(kTips);
    session.current().position = -1;
    EXPECT_TRUE(session.tipFiles().SpeedButton16Click());
    EXPECT_EQ(session.tipList().count(), 3);
    EXPECT_EQ(session.current().position, 3);

    // Unreadable: reported, the list is left empty, the total stays.
    port.fileAnswers.push_back({home.file("missing.hlt")});
    EXPECT_FALSE(session.tipFiles().SpeedButton16Click());
    EXPECT_EQ(session.tipList().count(), 0);
    EXPECT_EQ(session.totalTips(), 1);
    EXPECT_TRUE(port.messages.last().contains(QStringLiteral("missing.hlt")));
}

TEST_F(TipToolsTest, TicketSheetIsWrittenAndOpened) {
    QStringList seven;
    for (int i = 1; i <= 7; ++i) {
        seven << QStringLiteral("%1,20").arg(i, 2, 10, QLatin1Char('0'));
    }
    setTips(seven);
    session.controls().setPosition(app::Control::UpDown9, 7);
    session.controls().setPosition(app::Control::UpDown8, 5);
    ASSERT_TRUE(session.tipFiles().BitBtn7Click());
    const QString path = home.file("Tipp.txt");
    EXPECT_EQ(shell.opened, QStringList{path});
    const QByteArray expected =
        tips::TicketSheet::header(port.todayDate).toLatin1() +
        "\r\n~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n\r\n"
        " 1. Tip:  01,20\r\n 2. Tip:  02,20\r\n 3. Tip:  03,20\r\n 4. Tip:  04,20\r\n"
        " 5. Tip:  05,20\r\n \r\n 1. Tip:  06,20\r\n 2. Tip:  07,20\r\n \r\n";
    EXPECT_EQ(testsupport::fileBytes(path), expected);
    EXPECT_TRUE(testsupport::fileBytes(path).startsWith("Tirvex tri\xE9 de "));
    EXPECT_TRUE(testsupport::fileBytes(path).contains(" 10.06.25\r\n"));
    EXPECT_EQ(session.memo1().size(), 12);
    // Where no program takes the sheet, the status line says where it lies.
    shell.opens = false;
    ASSERT_TRUE(session.tipFiles().BitBtn7Click());
    EXPECT_TRUE(session.statusText(1).contains(QDir::toNativeSeparators(path)));
    shell.opens = true;
    shell.opened.clear();

    // T = 10 with three tips: the second ticket is only its blank line.
    setTips(seven.mid(0, 3));
    session.controls().setPosition(app::Control::UpDown9, 10);
    session.setShellPort(nullptr); // the command line opens nothing
    ASSERT_TRUE(session.tipFiles().BitBtn7Click());
    EXPECT_TRUE(testsupport::fileBytes(path).endsWith(" 3. Tip:  03,20\r\n \r\n \r\n"));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(TipToolsTest, LuckyNumberSeedsTheGeneratorSoItRepeats) {
    port.inputAnswers = {QStringLiteral("42")};
    session.tipFiles().SpeedButton13Click();
    EXPECT_EQ(session.random().seed(), 42u);
    EXPECT_EQ(session.statusText(1), QStringLiteral("réglez le numéro de la chance 42"));
    common::Random reference(42);
    std::vector<int> first;
    for (int i = 0; i < 5; ++i) {
        first.push_back(session.random().next(70));
        EXPECT_EQ(first.back(), reference.next(70));
    }

    // Cancelled: the current seed is set again and shown.
    const auto seed = session.random().seed();
    port.inputAnswers = {std::nullopt};
    session.tipFiles().SpeedButton13Click();
    EXPECT_EQ(session.random().seed(), seed);
    EXPECT_EQ(session.statusText(1),
              QStringLiteral("réglez le numéro de la chance %1").arg(static_cast<qint32>(seed)));

    // Not a number, or beyond 32 bits: ignored without a message.
    const int shown = static_cast<int>(port.statusTexts[1].size());
    port.inputAnswers = {QStringLiteral("abc"), QStringLiteral("99999999999")};
    session.tipFiles().SpeedButton13Click();
    session.tipFiles().SpeedButton13Click();
    EXPECT_EQ(session.random().seed(), seed);
    EXPECT_EQ(port.statusTexts[1].size(), shown);
    EXPECT_TRUE(port.messages.isEmpty());

    port.inputAnswers = {QStringLiteral("-5")};
    session.tipFiles().SpeedButton13Click();
    EXPECT_EQ(session.random().seed(), static_cast<std::uint32_t>(-5));
    EXPECT_EQ(session.statusText(1), QStringLiteral("réglez le numéro de la chance -5"));
}

// ---- tip search ------------------------------------------------------------------

TEST_F(TipToolsTest, SearchReportsEachHitAndCanBeStopped) {
    setTips(kTips);
    session.controls().setDate(app::Control::DateTimePicker1, QDate(2022, 11, 24));
    session.controls().setDate(app::Control::DateTimePicker2, QDate(2022, 11, 23));
    port.inputAnswers = {QStringLiteral("6")};
    port.yesNoAnswers = {false, true}; // go on at the first hit, stop at the second
    ASSERT_TRUE(session.tipSearch().SpeedButton4Click());
    EXPECT_EQ(port.questions,
              (QStringList{QStringLiteral("A hit on: 23.11.2022\n\nArrêter la recherche\u00a0?"),
                           QStringLiteral("A hit on: 24.11.2022\n\nArrêter la recherche\u00a0?")}));
    // Stopped on the midday draw of the 24th: that draw is current and checked.
    EXPECT_TRUE(session.tipSearch().lastOutcome().stopped);
    EXPECT_TRUE(
        session.controls().text(app::Control::Label35).contains(QStringLiteral(" (midi) ")));
    EXPECT_EQ(session.controls().text(app::Control::Label29),
              session.controls().text(app::Control::Label35));
    EXPECT_EQ(session.current().zahl[0], 41);
    EXPECT_EQ(session.tipList().hits(), (QStringList{"0", "3", "6"}));
    EXPECT_EQ(session.statusText(0), QStringLiteral("Max Win:  6x"));
    EXPECT_EQ(port.busyDepth, 0);
    EXPECT_GT(port.eventsProcessed, 0);

    // The chart: draws per best hit count over the part of the range walked.
    const stats::StatResult& chart = session.chart();
    ASSERT_EQ(chart.points.size(), 7u);
    EXPECT_EQ(chart.yAt(6), 2);
    EXPECT_EQ(chart.yAt(3), 1);
    EXPECT_EQ(chart.yAt(0), 0);
    EXPECT_TRUE(port.changed.contains(QStringLiteral("Chart1")));
}

TEST_F(TipToolsTest, SearchWalksToTheEndAndFixesAStartAfterTheEnd) {
    setTips(kTips);
    session.controls().setDate(app::Control::DateTimePicker1, QDate(2022, 11, 24));
    session.controls().setDate(app::Control::DateTimePicker2, QDate(2024, 1, 1));
    port.inputAnswers = {QStringLiteral("3")};
    ASSERT_TRUE(session.tipSearch().SpeedButton4Click());
    EXPECT_EQ(session.controls().date(app::Control::DateTimePicker2), QDate(2021, 11, 24));
    EXPECT_EQ(session.current().aktDatum, common::toDayNumber(QDate(2021, 11, 24)));
    EXPECT_EQ(session.dfb(), common::toDayNumber(QDate(2022, 11, 24)));
    EXPECT_EQ(port.questions.size(), 4);
    EXPECT_TRUE(
        session.controls().text(app::Control::Label35).contains(QStringLiteral(" (soir) ")));
    EXPECT_EQ(session.tipList().hits(), (QStringList{"0", "0", "6"}));
    double draws = 0;
    for (const stats::StatPoint& point : session.chart().points) {
        draws += point.y;
    }
    EXPECT_EQ(draws, 4);

    // A threshold above the tip size reports nothing; the empty list with
    // threshold 0 reports every draw.
    port.questions.clear();
    port.inputAnswers = {QStringLiteral("7")};
    ASSERT_TRUE(session.tipSearch().SpeedButton4Click());
    EXPECT_TRUE(port.questions.isEmpty());
    setTips({});
    port.inputAnswers = {QStringLiteral("0")};
    ASSERT_TRUE(session.tipSearch().SpeedButton4Click());
    EXPECT_EQ(port.questions.size(), 4);
}

TEST_F(TipToolsTest, SearchRefusesABadThresholdOrAMissingHistory) {
    setTips(kTips);
    loadAt(QDate(2022, 11, 23));
    const QString before = session.controls().text(app::Control::Label35);
    port.changed.clear();
    port.inputAnswers = {QStringLiteral("x6")};
    EXPECT_FALSE(session.tipSearch().SpeedButton4Click());
    EXPECT_EQ(port.messages.last(), QStringLiteral("« x6 » n'est pas un nombre entier valide"));
    EXPECT_EQ(session.controls().text(app::Control::Label35), before);
    EXPECT_FALSE(port.changed.contains(QStringLiteral("Chart1")));

    // Cancelled box: the default text, the tip size, is the threshold.
    port.inputAnswers = {std::nullopt};
    session.controls().setDate(app::Control::DateTimePicker2, QDate(2022, 11, 23));
    ASSERT_TRUE(session.tipSearch().SpeedButton4Click());
    EXPECT_EQ(port.questions.size(), 1); // only the 6 hits of the first draw

    QFile::remove(session.historyPath());
    port.inputAnswers = {QStringLiteral("1")};
    EXPECT_FALSE(session.tipSearch().SpeedButton4Click());
    EXPECT_EQ(port.messages.last().count(QStringLiteral("Tirvex.dat")), 1);
    EXPECT_EQ(port.busyDepth, 0);
}

TEST_F(TipToolsTest, SearchHitHandlerReplacesTheQuestion) {
    setTips(kTips);
    session.controls().setDate(app::Control::DateTimePicker1, QDate(2022, 11, 24));
    session.controls().setDate(app::Control::DateTimePicker2, QDate(2022, 11, 23));
    QStringList seen;
    int nested = 0;
    session.tipSearch().setHitHandler([&](const QString& message) {
        seen << message;
        // A second click while the walk lets input through is refused.
        nested += session.tipSearch().SpeedButton4Click() ? 1 : 0;
        return true;
    });
    port.inputAnswers = {QStringLiteral("6")};
    ASSERT_TRUE(session.tipSearch().SpeedButton4Click());
    EXPECT_EQ(seen, (QStringList{"A hit on: 23.11.2022", "A hit on: 24.11.2022",
                                 "A hit on: 24.11.2022"}));
    EXPECT_TRUE(port.questions.isEmpty());
    EXPECT_EQ(nested, 0);
}

// ---- online hand-off ---------------------------------------------------------

class ScriptChoice : public app::HandoffDialogPort {
public:
    bool accept = true;
    int shown = 0;
    QStringList questions;
    bool chooseScript(online::QKSForm* form, const QString& home) override {
        ++shown;
        items = form->scriptItems();
        this->home = home;
        form->setText1(QStringLiteral("player"));
        return accept;
    }
    bool askYesNo(const QString& caption, const QString& text) override {
        questions << caption + QLatin1Char('|') + text;
        return false;
    }
    QStringList items;
    QString home;
};

class HandoffTest : public TipToolsTest {
protected:
    HandoffTest() {
        QDir(home.path()).mkpath(QStringLiteral("Script"));
        QDir(home.path()).mkpath(QStringLiteral("filler"));
        templatePath = home.file("Script/keno.qks");
        QFile templ(templatePath);
        templ.open(QIODevice::WriteOnly);
        templ.write("t1 [Z1_1] [Z2_1]\r\nt5 [Z1_5]\r\nstake [PREIS]\r\n");
        templ.close();
        QFile exe(home.file(QStringLiteral("filler/") +
                            QLatin1String(online::AutoWebScript::kExecutable)));
        exe.open(QIODevice::WriteOnly);
        exe.close();
        settings->setValue(QStringLiteral("Skrivano/Settings/Path"), home.file("filler"));
        session.handoff().setLauncher(&launcher);
        session.handoff().setStartListener(
            [this](const QString& line) { events << QStringLiteral("start ") + line; });
    }
    RecordingLauncher launcher;
    QString templatePath;
    QStringList events;
};

TEST_F(HandoffTest, TicketsGoOneByOneWithTheSettingsOfTheSharedFile) {
    QStringList seven;
    for (int i = 1; i <= 7; ++i) {
        seven << QStringLiteral("%1,%2").arg(i).arg(i + 10);
    }
    setTips(seven);
    session.setControlByUser(QStringLiteral("ComboBox1"), QStringLiteral("2"));
    const online::AutoWebScript::Outcome outcome = session.handoff().SpeedButton12Click();
    EXPECT_EQ(outcome.tickets, 2);
    ASSERT_EQ(launcher.calls.size(), 2);
    const QString script = home.file("Tipps/20250610.qks");
    EXPECT_EQ(launcher.programs[0], home.file(QStringLiteral("filler/") +
                                              QLatin1String(online::AutoWebScript::kExecutable)));
    // Nothing stored: empty parameters, the numeric ones made "0".
    EXPECT_EQ(launcher.calls[0],
              (QStringList{"START", QDir::toNativeSeparators(script), "0", "", "0", ""}));
    EXPECT_EQ(testsupport::fileBytes(script), QByteArray("t1 6 16\r\nt5 \r\nstake 3\r\n"));
    // One confirmation, between the two tickets.
    EXPECT_EQ(port.messages,
              QStringList{QStringLiteral("Si le projet de loi adopté, cliquez sur OK")});
    ASSERT_EQ(events.size(), 2);
    EXPECT_TRUE(events[0].endsWith(QStringLiteral(" START \"") + QDir::toNativeSeparators(script) +
                                   QStringLiteral("\" \"0\" \"\" \"0\" \"\"")));

    settings->sync();
    EXPECT_EQ(settings->value(QStringLiteral("Skrivano/Settings/TirvexScript")).toString(),
              templatePath);
    EXPECT_EQ(settings->value(QStringLiteral("Skrivano/Settings/TirvexZahl1")).toString(),
              QStringLiteral("0"));
}

TEST_F(HandoffTest, TheScriptChoiceDialogDecides) {
    setTips({QStringLiteral("01,02")});
    ScriptChoice dialog;
    session.handoff().setDialogs(&dialog);
    dialog.accept = false;
    session.handoff().SpeedButton12Click();
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(dialog.items, QStringList{templatePath});
    EXPECT_EQ(dialog.home, home.path());
    EXPECT_TRUE(launcher.calls.isEmpty());
    EXPECT_FALSE(settings->contains(QStringLiteral("Skrivano/Settings/TirvexScript")));

    dialog.accept = true;
    session.handoff().SpeedButton12Click();
    ASSERT_EQ(launcher.calls.size(), 1);
    EXPECT_EQ(launcher.calls[0][3], QStringLiteral("player"));
    EXPECT_EQ(settings->value(QStringLiteral("Skrivano/Settings/TirvexText1")).toString(),
              QStringLiteral("player"));
}

TEST_F(HandoffTest, MissingFormFillerOffersTheInstaller) {
    setTips({QStringLiteral("01,02")});
    settings->setValue(QStringLiteral("Skrivano/Settings/Path"), home.file("nowhere"));
    port.yesNoAnswers = {true};
    const online::AutoWebScript::Outcome outcome = session.handoff().SpeedButton12Click();
    EXPECT_TRUE(outcome.installAsked);
    EXPECT_EQ(port.questions, QStringList{QStringLiteral("Quorvanes Skrivano installieren?")});
    EXPECT_EQ(shell.opened, QStringList{common::web::kFormFillerDownload});
    EXPECT_TRUE(launcher.calls.isEmpty());

    // With the window's dialogs the question carries its caption.
    ScriptChoice dialog;
    session.handoff().setDialogs(&dialog);
    session.handoff().SpeedButton12Click();
    EXPECT_EQ(dialog.questions,
              QStringList{
                  QStringLiteral("Skrivano jetzt installieren?|Quorvanes Skrivano installieren?")});
    EXPECT_EQ(dialog.shown, 0);
}

} // namespace
