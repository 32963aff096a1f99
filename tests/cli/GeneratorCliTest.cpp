// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "CliRun.h"
#include "TestSupport.h"

#include <QRegularExpression>

namespace {

using Output = testsupport::CliOutput;

class GeneratorCliTest : public ::testing::Test {
protected:
    GeneratorCliTest() { home.writeHistory(testsupport::realHistory()); }
    Output run(QStringList arguments) {
        return testsupport::runCli(home, {"--no-save"}, arguments);
    }
    testsupport::TempHome home;
};

TEST_F(GeneratorCliTest, TheSameSeedGeneratesTheSameTips) {
    const QStringList arguments = {"--seed",     "7",    "date",     "24.11.2022", "from",
                                   "01.06.2022", "load", "generate", "tips"};
    const Output first = run(arguments);
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    const QStringList lines = first.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The draw lines of "load", the closing status of "generate" alone, then
    // the five tips that "tips" prints.
    ASSERT_EQ(lines.size(), 2 + 1 + 5) << first.out.toStdString();
    EXPECT_EQ(lines[2], QStringLiteral("Trucs ont été recalculés"));
    for (int i = 3; i < lines.size(); ++i) {
        EXPECT_TRUE(
            lines[i].contains(QRegularExpression(QStringLiteral("^(\\d\\d,){9}\\d\\d\\t0$"))))
            << lines[i].toStdString();
    }
    EXPECT_EQ(run(arguments).out, first.out);
    EXPECT_NE(
        run({"--seed", "8", "date", "24.11.2022", "from", "01.06.2022", "load", "generate", "tips"})
            .out,
        first.out);
}

// A run starts on the newest stored draw, as the window does: a generation
// without "load" sees the same draw, and gives the same tips, as after it.
TEST_F(GeneratorCliTest, ARunStartsOnTheNewestDraw) {
    const Output started = run({"--today", "15.06.2025", "get", "DateTimePicker1"});
    EXPECT_EQ(started.out, QStringLiteral("04.06.2025\n")) << started.err.toStdString();
    const Output direct = run({"--seed", "4711", "generate", "tips"});
    const Output loaded = run({"--seed", "4711", "load", "generate", "tips"});
    ASSERT_EQ(direct.status, 0) << direct.err.toStdString();
    ASSERT_EQ(loaded.lines().size(), 2 + direct.lines().size());
    EXPECT_EQ(loaded.lines().mid(2), direct.lines());
}

TEST_F(GeneratorCliTest, AnImpossibleSetPrintsTheLimitMessage) {
    const Output result =
        run({"--seed", "1", "date", "24.11.2022", "set", "UpDown7", "1", "set", "UpDown1", "4",
             "add", "01,02", "set", "CheckBox28", "0", "generate"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QStringLiteral("Modifiez les paramètres pour calculer 5  Trucs \n"));
}

// Every attempt of the run is refused by one test or accepted.
TEST_F(GeneratorCliTest, FiltersAccountForEveryAttempt) {
    const Output result = run({"--seed", "7", "generate", "filters"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QStringList lines = result.lines().mid(1);
    ASSERT_EQ(lines.size(), 12 + 2);
    qint64 counted = 0;
    for (int test = 1; test <= 12; ++test) {
        const QStringList fields = lines[test - 1].split(QLatin1Char('\t'));
        ASSERT_EQ(fields.size(), 3);
        EXPECT_EQ(fields[0], QString::number(test));
        counted += fields[2].toLongLong();
    }
    EXPECT_EQ(lines[0].section(QLatin1Char('\t'), 1, 1), QStringLiteral("overlap"));
    EXPECT_EQ(lines[12], QStringLiteral("accepted\t5"));
    ASSERT_TRUE(lines[13].startsWith(QStringLiteral("attempts\t")));
    EXPECT_EQ(counted + 5, lines[13].section(QLatin1Char('\t'), 1).toLongLong());
    EXPECT_EQ(run({"filters"}).status, 1); // nothing generated yet
}

TEST_F(GeneratorCliTest, OddsPrintTheTableAndTheExpectedReturn) {
    const Output result = run({"odds", "2"});
    ASSERT_EQ(result.status, 0);
    // C(68,20)/C(70,20) = 50 x 49 / (70 x 69); C(68,18)/C(70,20) = 20 x 19 / (70 x 69).
    EXPECT_EQ(result.lines(), (QStringList{"0\t0,50724638\t0", "1\t0,41407867\t0",
                                           "2\t0,07867495\t6", "expected return\t47,20 %"}));
    EXPECT_EQ(run({"odds", "11"}).status, 2);
}

TEST_F(GeneratorCliTest, EditChecksExactlyTheGivenNumbers) {
    Output result = run({"date", "24.11.2022", "load", "add", "01,02,03", "add", "04,05", "set",
                         "UpDown18", "4", "edit", "2", "70,9,33,12,1", "tips"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    QStringList lines = result.out.split(QLatin1Char('\n'));
    // After "load": the check's lines, its status, then "tips".
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("01,09,12,33\t"))) << result.out.toStdString();
    EXPECT_TRUE(lines[6].startsWith(QStringLiteral("01,09,12,33\t")));

    result = run({"add", "01,02", "edit", "3", "5,6"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.split(QLatin1Char('\n')).first(),
              QStringLiteral("D`abord, sélectionnez une grille"));

    EXPECT_EQ(run({"edit", "1", "0,5"}).status, 2);
    EXPECT_EQ(run({"edit", "1", "71"}).status, 2);
    EXPECT_EQ(run({"edit", "x", "5"}).status, 2);
}

} // namespace
