// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "CliRun.h"
#include "TestSupport.h"
#include "app/LongOperation.h"
#include "cli/CliRunner.h"
#include "common/DayNumber.h"
#include "common/Formats.h"
#include "history/HistoryFile.h"

namespace {

using RunResult = testsupport::CliOutput;

class CliTest : public ::testing::Test {
protected:
    RunResult run(QStringList arguments) { return testsupport::runCli(home, {}, arguments); }
    testsupport::TempHome home;
};

TEST_F(CliTest, UsageErrorsStopBeforeAnyCommandRuns) {
    EXPECT_EQ(run({"add", "01,02", "frobnicate"}).status, 2);
    EXPECT_EQ(run({"date", "32.13.2020"}).status, 2);
    EXPECT_EQ(run({"set", "UpDown18", "x"}).status, 2);
    // A misspelt control name is refused, with the name, for set and get.
    for (const QStringList& command : {QStringList{"set", "UpDwn18", "6"}, {"get", "CheckBox99"}}) {
        const RunResult result = run(command);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.err.contains(QStringLiteral("unknown control \"%1\"").arg(command[1])))
            << result.err.toStdString();
    }
    EXPECT_EQ(run({"remove", "0"}).status, 2);
    EXPECT_EQ(run({"--bogus", "tips"}).status, 2);
    EXPECT_EQ(run({}).status, 2);
    // Nothing ran, so nothing was saved.
    EXPECT_FALSE(QFile::exists(home.file("tipps.txt")));
}

// Every command that touches the tip list waits for every kind of long
// operation, by the one rule the window's buttons follow too; a command that
// only reads runs.
TEST_F(CliTest, TipListCommandsWaitForEveryLongOperation) {
    QString output;
    QTextStream stream(&output);
    cli::CliRunner runner(stream, stream);
    cli::CliPort port(stream);
    app::Session session(port);
    session.setHome(home.path());
    const auto run = [&](const char* name, QStringList args) {
        cli::CommandContext context{session, port, stream, stream, std::move(args)};
        return cli::CommandTable::run(*runner.commands().find(QString::fromLatin1(name)), context);
    };
    for (const app::LongOperation kind :
         {app::LongOperation::Update, app::LongOperation::Import, app::LongOperation::Generation,
          app::LongOperation::Backtest, app::LongOperation::TipSearch}) {
        session.tipList().lines() = {QStringLiteral("01,02,03")};
        const app::OperationScope operation(session, kind);
        output.clear();
        EXPECT_FALSE(run("add", {QStringLiteral("04,05")}));
        EXPECT_FALSE(run("clear", {}));
        EXPECT_FALSE(run("lucky", {QStringLiteral("7")}));
        EXPECT_TRUE(output.contains(app::OperationController::busyMessage(kind)));
        // The window's handler refuses by the same rule.
        session.SpeedButton11Click();
        EXPECT_EQ(session.tipList().lines(), QStringList{QStringLiteral("01,02,03")});
        EXPECT_TRUE(run("tips", {}));
    }
    EXPECT_TRUE(run("add", {QStringLiteral("04,05")}));
    EXPECT_EQ(session.tipList().count(), 2);
}

TEST_F(CliTest, HelpAndVersionRunNoCommand) {
    QString ignored;
    QTextStream stream(&ignored);
    const QStringList commands = cli::CliRunner(stream, stream).commands().names();
    for (const char* option : {"--help", "-h"}) {
        const RunResult result = run({option, "tips"});
        EXPECT_EQ(result.status, 0);
        EXPECT_TRUE(result.out.startsWith(QStringLiteral("usage: tirvex-cli")));
        for (const QString& name : commands) {
            EXPECT_TRUE(result.out.contains(QStringLiteral("\n  ") + name + QLatin1Char(' ')))
                << name.toStdString();
        }
        for (const char* listed : {"--home DIR", "--settings FILE", "--today", "--seed N",
                                   "--service URL", "--no-save", "--yes", "--version"}) {
            EXPECT_TRUE(result.out.contains(QLatin1String(listed))) << listed;
        }
    }
    const RunResult version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.contains(QRegularExpression(QStringLiteral("^tirvex-cli \\d+\\.\\d+"))))
        << version.out.toStdString();
    EXPECT_FALSE(QFile::exists(home.file("tipps.txt")));
}

// Options as the usual parser takes them: "--home=DIR" as well as "--home DIR",
// "--" before the commands, "-V" for the version.
TEST_F(CliTest, OptionsTakeTheirValueEitherWayAndDoubleDashEndsThem) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    cli::CliRunner runner(outStream, errStream);
    const QStringList arguments = {QStringLiteral("--home=") + home.path(),
                                   QStringLiteral("--settings=") + home.file("s.ini"),
                                   QStringLiteral("--"),
                                   QStringLiteral("add"),
                                   QStringLiteral("01,02"),
                                   QStringLiteral("tips")};
    EXPECT_EQ(runner.run(arguments, QString()), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("01,02\t\n"));
    EXPECT_TRUE(QFile::exists(home.file("tipps.txt")));
    EXPECT_EQ(run({"-V"}).out, run({"--version"}).out);
    EXPECT_EQ(run({"--seed"}).status, 2);
}

// Output that cannot be written (a full disk) is a failure, said on standard
// error, not a silent success.
TEST_F(CliTest, AFailedWriteToStandardOutputEndsWithOne) {
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly)) {
        GTEST_SKIP() << "no /dev/full here";
    }
    for (const QStringList& arguments :
         {QStringList{"--version"},
          QStringList{"--home", home.path(), "--settings", home.file("s.ini"), "add", "01,02",
                      "tips", "add", "03,04"}}) {
        QTextStream out(&full);
        QString err;
        QTextStream errStream(&err);
        cli::CliRunner runner(out, errStream);
        EXPECT_EQ(runner.run(arguments, home.path()), 1);
        EXPECT_TRUE(err.contains(QStringLiteral("standard output"))) << err.toStdString();
    }
    // The run stopped at the output it could not write, and saved the state.
    EXPECT_EQ(testsupport::fileBytes(home.file("tipps.txt")), QByteArray("01,02\r\n"));
}

// The failed command's message goes to standard error; what the commands
// before it printed stays on standard output.
TEST_F(CliTest, AFailedOperationExitsWithOneAndReportsOnStandardError) {
    const RunResult result = run({"--no-save", "add", "01,02", "tips", "load", "tips"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, QStringLiteral("01,02\t\n"));
    EXPECT_EQ(result.err, QStringLiteral("Lisez d`abord les données de tirages\n"));
}

TEST_F(CliTest, DatePickersHoldADateBeforeTheFirstDrawAtTheFirstDraw) {
    const RunResult result = run({"--no-save", "date", "01.01.1990", "get", "DateTimePicker1",
                                  "from", "15.09.1993", "get", "DateTimePicker2", "set",
                                  "DateTimePicker3", "01.01.1900", "get", "DateTimePicker3"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("16.09.1993\n16.09.1993\n16.09.1993\n"));
}

TEST_F(CliTest, ImportsTheArchiveAndWalksTheDraws) {
    RunResult result = run({"--no-save", "import", testsupport::dataFile("keno_202010_slice.csv")});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("tirages importés : 40, déjà présents : 0\n"));

    result = run({"--no-save", "date", "04.11.2022", "load", "back", "forward"});
    ASSERT_EQ(result.status, 0);
    const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    const QString day = common::formatDrawLineDate(QDate(2022, 11, 4));
    EXPECT_EQ(lines[0], day + QStringLiteral("   (soir)   1  3  6  7  9  13  17  18  21  23  31  "
                                             "34  40  44  45  47  48  54  61  67  x2"));
    EXPECT_EQ(lines[2], day + QStringLiteral("   (midi)   1  18  19  23  27  28  29  31  32  33  "
                                             "36  42  44  46  49  53  61  63  66  67   x2"));
    EXPECT_EQ(lines[4], day + QStringLiteral("   (soir )   1  3  6  7  9  13  17  18  21  23  31  "
                                             "34  40  44  45  47  48  54  61  67   x2"));
    EXPECT_EQ(lines[1], QStringLiteral("traverser la somme: 589"));
}

TEST_F(CliTest, TipsAreCheckedAndKeptBetweenRuns) {
    ASSERT_EQ(run({"--no-save", "import", testsupport::dataFile("keno_202010_slice.csv")}).status,
              0);
    RunResult result = run({"date", "04.11.2022", "load", "add", "03,07,70", "add", "05, 12", "add",
                            "01,03,06,07", "check"});
    ASSERT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.endsWith(
        QStringLiteral("03,07,70\t2\n05, 12\t0\n01,03,06,07\t4\nMax Win:  4x\n")))
        << result.out.toStdString();

    result = run({"--no-save", "remove", "2", "set", "UpDown18", "3", "get", "UpDown18"});
    ASSERT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.endsWith(QStringLiteral("3\n")));
    // A run starts on the newest draw, the one loaded above: the same hits.
    EXPECT_TRUE(
        result.out.startsWith(QStringLiteral("03,07,70\t2\n01,03,06,07\t4\nMax Win:  4x\n")))
        << result.out.toStdString();
}

} // namespace
