// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <set>

#include "TestSupport.h"
#include "common/Random.h"
#include "common/TextFile.h"
#include "prefs/NumberGrid.h"
#include "prefs/RandomPick.h"
#include "prefs/ValueList.h"

using namespace prefs;

TEST(NumberGrid, ClickRuleCountsUpAndKeepsTheWeight) {
    NumberGrid grid;
    EXPECT_TRUE(grid.checked(1)); // checked as the dialog starts
    EXPECT_EQ(grid.weightText(1), QString());
    grid.setChecked(3, false);
    grid.setWeightText(3, QStringLiteral("0"));
    grid.toggle(3);
    EXPECT_TRUE(grid.checked(3));
    EXPECT_EQ(grid.weightText(3), QStringLiteral("1"));
    grid.toggle(3);
    EXPECT_EQ(grid.weightText(3), QStringLiteral("1")); // unchecking keeps it
    grid.toggle(3);
    EXPECT_EQ(grid.weightText(3), QStringLiteral("2"));
    // A weight that is no number starts over at one.
    grid.setChecked(4, false);
    grid.setWeightText(4, QStringLiteral("abc"));
    grid.toggle(4);
    EXPECT_EQ(grid.weightText(4), QStringLiteral("1"));
    // Setting the state it already has is no click.
    grid.setChecked(4, true);
    EXPECT_EQ(grid.weightText(4), QStringLiteral("1"));
    // The largest weight stays the largest instead of wrapping round.
    grid.setChecked(5, false);
    grid.setWeightText(5, QStringLiteral("9223372036854775807"));
    grid.toggle(5);
    EXPECT_EQ(grid.weightText(5), QStringLiteral("9223372036854775807"));
}

TEST(ValueList, SaveGivesEmptyCheckedBoxesOneAndLoadRoundTrips) {
    testsupport::TempHome home;
    NumberGrid grid;
    grid.clearAll();
    grid.setChecked(5, true);
    grid.setWeightText(5, QString()); // checked, no weight text
    grid.setChecked(70, true);
    grid.setWeightText(70, QStringLiteral("12"));
    const QString path = home.file(QStringLiteral("list.hlw"));
    ASSERT_TRUE(ValueList::save(path, grid));
    EXPECT_EQ(grid.weightText(5), QStringLiteral("1"));
    QStringList lines;
    ASSERT_TRUE(common::TextFile::readLines(path, &lines));
    ASSERT_EQ(lines.size(), 70);
    EXPECT_EQ(lines[4], QStringLiteral("1"));
    EXPECT_EQ(lines[69], QStringLiteral("12"));
    EXPECT_EQ(lines[0], QString());
    EXPECT_TRUE(testsupport::fileBytes(path).startsWith("\r\n\r\n\r\n\r\n1\r\n"));

    NumberGrid loaded;
    ASSERT_TRUE(ValueList::load(path, loaded));
    for (int n = 1; n <= 70; ++n) {
        EXPECT_EQ(loaded.checked(n), grid.checked(n)) << n;
        if (grid.checked(n)) {
            EXPECT_EQ(loaded.weightText(n), grid.weightText(n)) << n;
        }
    }
}

TEST(ValueList, ShortFileAndUnreadableFile) {
    testsupport::TempHome home;
    const QString path = home.file(QStringLiteral("short.hlw"));
    ASSERT_TRUE(
        common::TextFile::writeLines(path, {QStringLiteral("2"), QString(), QStringLiteral("7")}));
    NumberGrid grid;
    ASSERT_TRUE(ValueList::load(path, grid));
    EXPECT_TRUE(grid.checked(1));
    EXPECT_EQ(grid.weightText(1), QStringLiteral("2"));
    EXPECT_FALSE(grid.checked(2));
    EXPECT_EQ(grid.weightText(2), QStringLiteral("1"));
    EXPECT_TRUE(grid.checked(3));
    EXPECT_EQ(grid.weightText(3), QStringLiteral("7"));
    for (int n = 4; n <= 70; ++n) {
        EXPECT_FALSE(grid.checked(n));
        EXPECT_EQ(grid.weightText(n), QStringLiteral("1"));
    }
    // A file error names the file, once, before the system's reason.
    for (const bool save : {false, true}) {
        const QString bad =
            home.file(save ? QStringLiteral("no/such/dir/x.hlw") : QStringLiteral("missing.hlw"));
        QString error;
        EXPECT_FALSE(save ? ValueList::save(bad, grid, &error)
                          : ValueList::load(bad, grid, &error));
        const QString named = QDir::toNativeSeparators(bad) + QStringLiteral(": ");
        EXPECT_TRUE(error.startsWith(named)) << error.toStdString();
        EXPECT_GT(error.size(), named.size()) << error.toStdString();
        EXPECT_EQ(error.count(QFileInfo(bad).fileName()), 1) << error.toStdString();
    }
    EXPECT_EQ(ValueList::proposedFileName(QDate(2024, 3, 7)), QStringLiteral("20240307.hlw"));
}

TEST(RandomPick, PressesFixNumbersOneByOneAndStop) {
    NumberGrid grid;
    common::Random random(777);
    RandomPick pick(grid, random);
    pick.setMaxtipp(5);
    pick.press();
    EXPECT_TRUE(pick.timerActive());
    EXPECT_EQ(grid.checkedCount(), 0);
    pick.tick();
    EXPECT_EQ(pick.caption(), QStringLiteral("1 Stopp"));
    EXPECT_EQ(grid.checkedCount(), 5);
    for (int press = 1; press <= 4; ++press) {
        const auto before = pick.tippreihe();
        pick.press();
        EXPECT_EQ(pick.losgeht(), press + 1);
        pick.tick();
        // The numbers before Losgeht stay as they were.
        for (int i = 0; i < press; ++i) {
            EXPECT_EQ(pick.tippreihe()[static_cast<std::size_t>(i)],
                      before[static_cast<std::size_t>(i)]);
        }
        EXPECT_EQ(grid.checkedCount(), 5);
    }
    EXPECT_EQ(pick.caption(), QStringLiteral("5 Stopp"));
    pick.press();
    EXPECT_FALSE(pick.timerActive());
    EXPECT_EQ(pick.caption(), QStringLiteral("Zufall"));
    EXPECT_EQ(pick.losgeht(), 1);
    std::set<int> numbers(pick.tippreihe().begin(), pick.tippreihe().begin() + 5);
    EXPECT_EQ(numbers.size(), 5u);
    for (int n : numbers) {
        EXPECT_TRUE(grid.checked(n));
        EXPECT_TRUE(grid.highlighted(n));
    }
    pick.tick(); // the timer is off: nothing changes
    EXPECT_EQ(grid.checkedCount(), 5);
}

TEST(RandomPick, SameSeedSamePickAndCloseStops) {
    NumberGrid a, b;
    common::Random ra(5), rb(5);
    RandomPick pa(a, ra), pb(b, rb);
    pa.setMaxtipp(10);
    pb.setMaxtipp(10);
    pa.press();
    pb.press();
    pa.tick();
    pb.tick();
    EXPECT_EQ(pa.tippreihe(), pb.tippreihe());
    pa.setMaxtipp(20);
    EXPECT_EQ(pa.maxtipp(), 10);
    pa.close();
    EXPECT_FALSE(pa.timerActive());
    EXPECT_EQ(pa.caption(), QStringLiteral("Zufall"));
}
