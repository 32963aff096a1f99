// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QThread>

#include "CliRun.h"
#include "TestSupport.h"
#include "online/AutoWebScript.h"

namespace {

using RunResult = testsupport::CliOutput;

// The commands of the tip list's tools on the checked-in archive slice
// (40 draws up to 04.11.2022 soir: 1 3 6 7 9 13 17 ...).
class TipCommandsTest : public ::testing::Test {
protected:
    TipCommandsTest() {
        EXPECT_EQ(
            run({"--no-save", "import", testsupport::dataFile("keno_202010_slice.csv")}).status, 0);
    }
    RunResult run(QStringList arguments) {
        return testsupport::runCli(home, {"--today", "05.11.2022"}, arguments);
    }
    QStringList lines(const RunResult& result) { return result.lines(); }
    testsupport::TempHome home;
};

TEST_F(TipCommandsTest, EvaluateLuckySavePrint) {
    const QString file = home.file("mine.hlt");
    const RunResult result =
        run({"date",     "04.11.2022", "load", "add",   "01,03,06,07", "add", "05,12",
             "set",      "UpDown18",   "4",    "set",   "ComboBox1",   "4",   "check",
             "evaluate", "lucky",      "777",  "lucky", "save",        file,  "print"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.endsWith(QStringLiteral("Max Win:  4x\n"
                                                   "you have \n1 x  4er \t220\n\nsans garantie\n"
                                                   "réglez le numéro de la chance 777\n"
                                                   "réglez le numéro de la chance 777\n")))
        << result.out.toStdString();
    EXPECT_EQ(testsupport::fileBytes(file), QByteArray("01,03,06,07\r\n05,12\r\n"));
    const QByteArray sheet = testsupport::fileBytes(home.file("Tipp.txt"));
    EXPECT_TRUE(sheet.endsWith("\r\n\r\n 1. Tip:  01,03,06,07\r\n 2. Tip:  05,12\r\n \r\n"))
        << sheet.toStdString();

    // A bad lucky number or threshold is refused before anything runs.
    EXPECT_EQ(run({"--no-save", "lucky", "seven"}).status, 2);
    EXPECT_EQ(run({"--no-save", "search", "x"}).status, 2);
}

// Saving over a tip file, and the tip list at the end, on a disk that takes
// no more: exit status 1, the old files unchanged, the close names its file.
TEST_F(TipCommandsTest, AFailedSaveIsAFailureAndKeepsTheOldFiles) {
    const QString file = home.file("mine.hlt");
    ASSERT_EQ(run({"add", "01,03,06,07", "save", file}).status, 0);
    const QByteArray oldTips = testsupport::fileBytes(home.file("tipps.txt"));
    const QByteArray oldSettings = testsupport::fileBytes(home.file("s.ini"));
    QStringList commands;
    for (int i = 0; i < 20; ++i) {
        commands << "add"
                 << "01,02,03,04,05,06,07,08,09,10";
    }
    RunResult result;
    {
        testsupport::FileSizeLimit limit(128);
        result = run(commands + QStringList{"save", file});
    }
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(testsupport::fileBytes(file), QByteArray("01,03,06,07\r\n"));
    EXPECT_EQ(testsupport::fileBytes(home.file("tipps.txt")), oldTips);
    EXPECT_EQ(testsupport::fileBytes(home.file("s.ini")), oldSettings);
    EXPECT_TRUE(result.err.contains(QStringLiteral("tipps.txt"))) << result.err.toStdString();
}

TEST_F(TipCommandsTest, OpenLoadsTheFileAndShowsTheDraw) {
    QFile tipFile(home.file("in.hlt"));
    ASSERT_TRUE(tipFile.open(QIODevice::WriteOnly));
    tipFile.write("01,03,06,07\n\n05,12\n");
    tipFile.close();
    RunResult result = run({"--no-save", "date", "04.11.2022", "add", "09,09", "open",
                            home.file("in.hlt"), "get", "UpDown9", "tips"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QStringList out = lines(result);
    ASSERT_EQ(out.size(), 5);
    EXPECT_TRUE(out[0].contains(QStringLiteral("(soir)")));
    EXPECT_EQ(out[1], QStringLiteral("traverser la somme: 589"));
    // Three lines read, the blank one then dropped by the check.
    EXPECT_EQ(out[2], QStringLiteral("3"));
    EXPECT_EQ(out[3], QStringLiteral("01,03,06,07\t4"));
    EXPECT_EQ(out[4], QStringLiteral("05,12\t0"));

    result = run({"--no-save", "open", home.file("absent.hlt")});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("absent.hlt")));
    EXPECT_EQ(result.out, QString());
}

TEST_F(TipCommandsTest, SearchPrintsEveryHitAndGoesOn) {
    RunResult result = run({"--no-save", "--yes", "date", "04.11.2022", "from", "03.11.2022", "add",
                            "01,03,06,07", "search", "1"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    // 0, 1, 1 and 4 hits on the four draws; answering yes everywhere does
    // not stop it: each hit is one line.
    EXPECT_EQ(lines(result), (QStringList{"A hit on: 03.11.2022", "A hit on: 04.11.2022",
                                          "A hit on: 04.11.2022"}));

    // The same range with a threshold no tip reaches prints nothing.
    result = run({"--no-save", "date", "04.11.2022", "from", "03.11.2022", "add", "01,03,06,07",
                  "search", "5", "get", "DateTimePicker2"});
    EXPECT_EQ(result.out, QStringLiteral("03.11.2022\n"));
}

// A stand-in form filler: a script that writes its arguments to a file. Home
// is given relative to the working folder; the form filler, which runs in a
// folder of its own, gets the script's absolute path.
TEST_F(TipCommandsTest, HandoffStartsTheFormFillerPerTicket) {
    QDir(home.path()).mkpath(QStringLiteral("Script"));
    QDir(home.path()).mkpath(QStringLiteral("filler dir"));
    const QString templatePath = home.file("Script/keno.qks");
    QFile templ(templatePath);
    ASSERT_TRUE(templ.open(QIODevice::WriteOnly));
    templ.write("[Z1_1] [Z2_1] [Z1_2] [PREIS]\r\n[MELDUNGFERTIG]\r\n");
    templ.close();
    const QString program = home.file(QStringLiteral("filler dir/") +
                                      QLatin1String(online::AutoWebScript::kExecutable));
    const QString argsFile = home.file("filler dir/args.txt");
    QFile exe(program);
    ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    exe.write(
        QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"%1.tmp\"\nmv \"%1.tmp\" \"%1\"\n")
            .arg(argsFile)
            .toUtf8());
    exe.close();
    exe.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    {
        QSettings ini(home.file("s.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Skrivano/Settings/Path"), home.file("filler dir"));
        ini.setValue(QStringLiteral("Skrivano/Settings/TirvexText1"), QStringLiteral("me \"x\""));
    }

    const QString workingDir = QDir::currentPath();
    QDir parent(home.path());
    parent.cdUp();
    QDir::setCurrent(parent.path());
    const RunResult result =
        testsupport::runCli(home, {"--today", "05.11.2022", "--home", QDir(home.path()).dirName()},
                            {"add", "01,02", "add", "03,04", "set", "UpDown8", "2", "handoff"});
    QDir::setCurrent(workingDir);
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QString script = QDir::toNativeSeparators(home.file("Tipps/20221105.qks"));
    EXPECT_EQ(result.out, QDir::toNativeSeparators(program) + QStringLiteral(" START \"") + script +
                              QStringLiteral("\" \"0\" \"me \"x\"\" \"0\" \"\"\n"));
    EXPECT_EQ(testsupport::fileBytes(home.file("Tipps/20221105.qks")),
              QByteArray("01 02 03 1\r\nBitte \xFC"
                         "berpr\xFC"
                         "fen Sie jetzt den Tipp und dann k\xF6nnen Sie ihn abgeben!\r\n"));

    // The form filler runs on its own; wait for what it wrote.
    for (int i = 0; i < 200 && !QFile::exists(argsFile); ++i) {
        QThread::msleep(50);
    }
    EXPECT_EQ(
        testsupport::fileBytes(argsFile),
        (QStringLiteral("START\n") + script + QStringLiteral("\n0\nme \"x\"\n0\n\n")).toUtf8());

    // The values of the dialog are kept beside the program's own settings.
    QSettings ini(home.file("s.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Skrivano/Settings/TirvexScript")).toString(), templatePath);
    EXPECT_EQ(ini.value(QStringLiteral("Skrivano/Settings/TirvexZahl2")).toString(),
              QStringLiteral("0"));
    EXPECT_TRUE(ini.contains(QStringLiteral("Tirvex/UpDown8")));
}

TEST_F(TipCommandsTest, HandoffWithoutTheFormFillerAsksToInstall) {
    const RunResult result = run({"--no-save", "add", "01,02", "handoff"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QStringLiteral("Quorvanes Skrivano installieren?\n"));
}

} // namespace
