#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
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

// A lock that cannot be taken for another reason than a running program
// refuses just as well, and says which file to remove. Here the lock file
// cannot be created: a folder has its name (as a full disk or a folder
// without write permission would keep it from being made).
TEST(HomeLock, AHomeWhoseLockCannotBeCreatedRefusesWrites) {
    int argc = 1;
    char name[] = "cli_homelock_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    testsupport::TempHome home;
    home.writeHistory({makeRecord(QDate(2022, 11, 26), 0, twentyNumbers(1))});
    const QByteArray history = testsupport::fileBytes(home.historyPath());
    ASSERT_TRUE(QDir(home.path()).mkdir(QLatin1String(app::HomeLock::kFileName)));
    QProcess cli;
    cli.start(QStringLiteral(TIRVEX_CLI),
              {QStringLiteral("--home"), home.path(), QStringLiteral("--settings"),
               home.file(QStringLiteral("s.ini")), QStringLiteral("add"), QStringLiteral("01,02"),
               QStringLiteral("enter"), QStringLiteral("27.11.2022"), QStringLiteral("midi"),
               QStringLiteral("2"), QStringLiteral("0000000"),
               QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
    EXPECT_TRUE(err.contains(home.file(QLatin1String(app::HomeLock::kFileName))))
        << err.toStdString();
    EXPECT_EQ(testsupport::fileBytes(home.historyPath()), history);
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("tipps.txt"))));
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("s.ini"))));

    // A lock left by a program on another computer cannot be checked from
    // here: refused, with the way out.
    ASSERT_TRUE(QDir(home.path()).rmdir(QLatin1String(app::HomeLock::kFileName)));
    QFile left(home.file(QLatin1String(app::HomeLock::kFileName)));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write("4242\ntirvex-cli\nanother-host.example\n");
    left.close();
    app::HomeLock lock(home.path());
    QString message;
    EXPECT_FALSE(lock.acquire(&message));
    EXPECT_TRUE(message.contains(QStringLiteral("another-host.example"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("remove the file ") + left.fileName()));
}

} // namespace
