// SPDX-License-Identifier: GPL-3.0-or-later
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

// A Home with one draw, and a tirvex-cli run that would change its history,
// its tip list and its settings.
class HomeLockTest : public ::testing::Test {
protected:
    HomeLockTest() : m_application(m_argc, m_argv) {
        home.writeHistory({makeRecord(QDate(2022, 11, 26), 0, twentyNumbers(1))});
        m_history = testsupport::fileBytes(home.historyPath());
    }
    // The exit status of the run; its standard error in *err.
    int runWriting(QString* err) {
        QProcess cli;
        cli.start(QStringLiteral(TIRVEX_CLI),
                  {QStringLiteral("--home"), home.path(), QStringLiteral("--settings"), m_settings,
                   QStringLiteral("add"), QStringLiteral("01,02,03"), QStringLiteral("enter"),
                   QStringLiteral("27.11.2022"), QStringLiteral("midi"), QStringLiteral("2"),
                   QStringLiteral("0000000"),
                   QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20")});
        if (!cli.waitForFinished(60000)) {
            return -1;
        }
        *err = QString::fromLocal8Bit(cli.readAllStandardError());
        return cli.exitCode();
    }
    bool nothingChanged() const {
        return testsupport::fileBytes(home.historyPath()) == m_history &&
               !QFile::exists(home.file(QStringLiteral("tipps.txt"))) && !QFile::exists(m_settings);
    }
    QString lockPath() const { return home.file(QLatin1String(app::HomeLock::kFileName)); }

    int m_argc = 1;
    char m_name[18] = "cli_homelock_test";
    char* m_argv[2] = {m_name, nullptr};
    QCoreApplication m_application;
    testsupport::TempHome home;
    QString m_settings = home.file(QStringLiteral("s.ini"));
    QByteArray m_history;
};

// A second tirvex-cli process on a Home that this test holds, as a running
// window or command line would: refused, and the history, the tip list and
// the settings are as they were. Once the Home is free the same run works.
TEST_F(HomeLockTest, ASecondInstanceOnTheSameHomeIsRefusedAndChangesNothing) {
    QString err;
    {
        app::HomeLock first(home.path());
        QString message;
        ASSERT_TRUE(first.acquire(&message));
        EXPECT_EQ(runWriting(&err), 1);
        EXPECT_TRUE(err.contains(QStringLiteral("est utilisé par un autre Tirvex")));
        EXPECT_TRUE(nothingChanged());
    }
    EXPECT_EQ(runWriting(&err), 0) << err.toStdString();
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
TEST_F(HomeLockTest, AHomeWhoseLockCannotBeCreatedRefusesWrites) {
    ASSERT_TRUE(QDir(home.path()).mkdir(QLatin1String(app::HomeLock::kFileName)));
    QString err;
    EXPECT_EQ(runWriting(&err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("supprimez le fichier ") + lockPath()))
        << err.toStdString();
    EXPECT_TRUE(nothingChanged());

    // A lock left by a program on another computer cannot be checked from
    // here: refused, with the way out.
    ASSERT_TRUE(QDir(home.path()).rmdir(QLatin1String(app::HomeLock::kFileName)));
    QFile left(lockPath());
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write("4242\ntirvex-cli\nanother-host.example\n");
    left.close();
    app::HomeLock lock(home.path());
    QString message;
    EXPECT_FALSE(lock.acquire(&message));
    EXPECT_TRUE(message.contains(QStringLiteral("another-host.example"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("supprimez le fichier ") + lockPath()));
}

} // namespace
