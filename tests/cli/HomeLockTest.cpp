#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include "TestSupport.h"
#include "app/HomeLock.h"
#include "history/HistoryFile.h"

using testsupport::makeRecord;
using testsupport::twentyNumbers;

namespace {

// A second tirvex-cli process on a Home that this test holds, as a running
// window or command line would: refused, and the history, the tip list and
// the settings are as they were. Once the Home is free the same run works.
TEST(HomeLock, ASecondInstanceOnTheSameHomeIsRefusedAndChangesNothing) {
    int argc = 1;
    char name[] = "cli_homelock_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    testsupport::TempHome home;
    home.writeHistory({makeRecord(QDate(2022, 11, 26), 0, twentyNumbers(1))});
    const QString settings = home.file(QStringLiteral("s.ini"));
    const QStringList arguments{
        QStringLiteral("--home"),
        home.path(),
        QStringLiteral("--settings"),
        settings,
        QStringLiteral("add"),
        QStringLiteral("01,02,03"),
        QStringLiteral("enter"),
        QStringLiteral("27.11.2022"),
        QStringLiteral("midi"),
        QStringLiteral("2"),
        QStringLiteral("0000000"),
        QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20")};
    const QByteArray history = testsupport::fileBytes(home.historyPath());

    auto runSecond = [&](QProcess* process) {
        process->start(QStringLiteral(TIRVEX_CLI), arguments);
        ASSERT_TRUE(process->waitForFinished(60000));
    };
    {
        app::HomeLock first(home.path());
        QString message;
        ASSERT_TRUE(first.acquire(&message));
        QProcess second;
        runSecond(&second);
        EXPECT_EQ(second.exitCode(), 1);
        EXPECT_TRUE(second.readAllStandardError().contains("is in use by another Tirvex"));
        EXPECT_EQ(testsupport::fileBytes(home.historyPath()), history);
        EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("tipps.txt"))));
        EXPECT_FALSE(QFile::exists(settings));
    }
    QProcess again;
    runSecond(&again);
    EXPECT_EQ(again.exitCode(), 0) << again.readAllStandardError().toStdString();
    std::vector<history::TZiehung> records;
    history::HistoryFile::readAll(home.historyPath(), &records);
    EXPECT_EQ(records.size(), 2u);
    EXPECT_EQ(testsupport::fileBytes(home.file(QStringLiteral("tipps.txt"))),
              QByteArray("01,02,03\r\n"));
}

} // namespace
