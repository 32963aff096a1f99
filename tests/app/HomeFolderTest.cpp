// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/HomeFolder.h"

namespace {

// A build tree or a portable copy keeps its files beside the executables; an
// installed tree (its data folder beside bin) keeps them per user, in a
// folder made at the first start.
TEST(HomeFolderTest, BesideTheProgramUnlessInstalled) {
    QTemporaryDir tree;
    ASSERT_TRUE(tree.isValid());
    const QString bin = tree.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(app::HomeFolder::choose(bin), bin);

    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Tirvex"));
    qputenv("XDG_DATA_HOME", tree.filePath(QStringLiteral("data")).toUtf8());
    ASSERT_TRUE(QDir().mkpath(tree.filePath(QStringLiteral("share/tirvex/keno"))));
    const QString perUser = tree.filePath(QStringLiteral("data/Quorvane/Tirvex"));
    EXPECT_EQ(app::HomeFolder::choose(bin), perUser);
    EXPECT_TRUE(QDir(perUser).exists());
}

} // namespace
