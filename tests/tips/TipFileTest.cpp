// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "common/DayNumber.h"
#include "tips/TipFile.h"

using tips::TipFile;
using tips::TipList;

TEST(TipFile, ProposedNameIsTheNextDay) {
    EXPECT_EQ(TipFile::proposedName(common::toDayNumber(QDate(2022, 11, 24))),
              QStringLiteral("20221125.hlt"));
    EXPECT_EQ(TipFile::proposedName(common::toDayNumber(QDate(2022, 12, 31))),
              QStringLiteral("20230101.hlt"));
    // A time of day is rounded away first.
    EXPECT_EQ(TipFile::proposedName(common::toDayNumber(QDate(2024, 2, 28)) + 0.7),
              QStringLiteral("20240301.hlt"));
}

TEST(TipFile, SavesLinesUnchangedWithCrLf) {
    testsupport::TempHome home;
    const QString path = home.file("t.hlt");
    ASSERT_TRUE(TipFile::save(path, {"03,17,22,45,61", "", "1, 2,3,", "07,07"}));
    EXPECT_EQ(testsupport::fileBytes(path),
              QByteArray("03,17,22,45,61\r\n\r\n1, 2,3,\r\n07,07\r\n"));
    // Saving again replaces the file without asking.
    ASSERT_TRUE(TipFile::save(path, {"01,02"}));
    EXPECT_EQ(testsupport::fileBytes(path), QByteArray("01,02\r\n"));
}

TEST(TipFile, LoadReplacesListAndHoldsTotalInRange) {
    testsupport::TempHome home;
    const QString path = home.file("many.hlt");
    QStringList lines;
    for (int i = 0; i < 150; ++i) {
        lines << QStringLiteral("%1,%2").arg(i % 70 + 1, 2, 10, QLatin1Char('0')).arg(70);
    }
    ASSERT_TRUE(TipFile::save(path, lines));

    TipList list;
    list.append("99,98");
    list.hits() << "3";
    int total = 5;
    ASSERT_TRUE(TipFile::load(path, &list, &total));
    EXPECT_EQ(list.lines(), lines);
    EXPECT_TRUE(list.hits().isEmpty());
    EXPECT_EQ(total, 120);

    ASSERT_TRUE(testsupport::writeFile(home.file("empty.hlt"), QByteArray()));
    ASSERT_TRUE(TipFile::load(home.file("empty.hlt"), &list, &total));
    EXPECT_TRUE(list.lines().isEmpty());
    EXPECT_EQ(total, 1);
}

TEST(TipFile, ReadsLfBlankLinesAndByteOrderMarks) {
    testsupport::TempHome home;
    QStringList lines;
    ASSERT_TRUE(testsupport::writeFile(home.file("lf.hlt"), "01,02\n\n03,04"));
    ASSERT_TRUE(TipFile::read(home.file("lf.hlt"), &lines));
    EXPECT_EQ(lines, QStringList({"01,02", "", "03,04"}));

    ASSERT_TRUE(testsupport::writeFile(home.file("utf8.hlt"), "\xEF\xBB\xBF"
                                                              "05,06\r\n07,08\r\n"));
    ASSERT_TRUE(TipFile::read(home.file("utf8.hlt"), &lines));
    EXPECT_EQ(lines, QStringList({"05,06", "07,08"}));

    const QString text = QStringLiteral("09,10\r\n11,12\r\n");
    QByteArray le("\xFF\xFE");
    QByteArray be("\xFE\xFF");
    for (QChar c : text) {
        le += char(c.unicode() & 0xFF);
        le += char(c.unicode() >> 8);
        be += char(c.unicode() >> 8);
        be += char(c.unicode() & 0xFF);
    }
    ASSERT_TRUE(testsupport::writeFile(home.file("le.hlt"), le));
    ASSERT_TRUE(testsupport::writeFile(home.file("be.hlt"), be));
    ASSERT_TRUE(TipFile::read(home.file("le.hlt"), &lines));
    EXPECT_EQ(lines, QStringList({"09,10", "11,12"}));
    ASSERT_TRUE(TipFile::read(home.file("be.hlt"), &lines));
    EXPECT_EQ(lines, QStringList({"09,10", "11,12"}));
}

TEST(TipFile, FailedReadLeavesTheListEmpty) {
    testsupport::TempHome home;
    TipList list;
    list.append("01,02");
    int total = 7;
    QString error;
    EXPECT_FALSE(TipFile::load(home.file("missing.hlt"), &list, &total, &error));
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(total, 7);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(TipFile::save(home.file("no/such/dir/x.hlt"), {"01"}, &error));
}
