// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>

#include "TestSupport.h"
#include "online/HandoffSettings.h"
#include "online/QKSForm.h"

using online::HandoffSettings;
using online::QKSForm;

namespace {

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x\r\n");
}

} // namespace

TEST(QKSForm, ListsTheTemplatesOfTheScriptFolder) {
    testsupport::TempHome home;
    ASSERT_TRUE(QDir(home.path()).mkpath("Script/sub.qks"));
    touch(home.file("Script/a.qks"));
    touch(home.file("Script/b.qks"));
    touch(home.file("Script/c.txt"));
    QKSForm form;
    form.FormShow(home.path());
    const QString folder = QDir(home.file("Script")).absolutePath();
    EXPECT_EQ(form.scriptItems(), QStringList({folder + "/a.qks", folder + "/b.qks"}));
    EXPECT_EQ(form.scriptText(), folder + "/b.qks");

    // A text already there stays, even when it is no file of the folder.
    form.setScriptText("/elsewhere/mine.qks");
    form.FormShow(home.path());
    EXPECT_EQ(form.scriptText(), QStringLiteral("/elsewhere/mine.qks"));

    QKSForm empty;
    empty.FormShow(home.file("nowhere/"));
    EXPECT_TRUE(empty.scriptItems().isEmpty());
    EXPECT_TRUE(empty.scriptText().isEmpty());
}

TEST(QKSForm, MissingSettingsShowEmptyFieldsAndCloseFillsZeros) {
    testsupport::TempHome home;
    QSettings settings(home.file("s.ini"), QSettings::IniFormat);
    QKSForm form;
    form.setParameters(HandoffSettings::read(&settings));
    EXPECT_EQ(form.zahl1(), QString());
    EXPECT_EQ(form.text1(), QString());
    form.FormClose();
    EXPECT_EQ(form.zahl1(), QStringLiteral("0"));
    EXPECT_EQ(form.zahl2(), QStringLiteral("0"));
    EXPECT_EQ(form.text1(), QString());
    EXPECT_EQ(form.text2(), QString());
}

TEST(HandoffSettings, RoundTripKeepsTheInstallPathUntouched) {
    testsupport::TempHome home;
    {
        QSettings settings(home.file("s.ini"), QSettings::IniFormat);
        settings.setValue("Settings/Path", "/opt/skr");
        HandoffSettings values{"/ignored", "/s/k.qks", "12", "me", "7", "secret word"};
        values.write(&settings);
    }
    QSettings settings(home.file("s.ini"), QSettings::IniFormat);
    const HandoffSettings read = HandoffSettings::read(&settings);
    EXPECT_EQ(read.path, QStringLiteral("/opt/skr"));
    EXPECT_EQ(read.script, QStringLiteral("/s/k.qks"));
    EXPECT_EQ(read.zahl1, QStringLiteral("12"));
    EXPECT_EQ(read.text1, QStringLiteral("me"));
    EXPECT_EQ(read.zahl2, QStringLiteral("7"));
    EXPECT_EQ(read.text2, QStringLiteral("secret word"));
}

TEST(HandoffSettings, AnInstallationMadeMeanwhileIsSeenAtTheNextRead) {
    testsupport::TempHome home;
    const QString path = home.file("skrivano.ini");
    const auto writeStore = [&path](const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    };
    writeStore("[Settings]\r\nTirvexZahl1=3\r\n");
    QSettings settings(path, QSettings::IniFormat);
    EXPECT_EQ(HandoffSettings::read(&settings).path, QString());
    // The installer is another process: it writes the file, not through our
    // settings object.
    writeStore("[Settings]\r\nPath=/opt/skrivano\r\nTirvexZahl1=3\r\n");
    const HandoffSettings after = HandoffSettings::read(&settings);
    EXPECT_EQ(after.path, QStringLiteral("/opt/skrivano"));
    EXPECT_EQ(after.zahl1, QStringLiteral("3"));
}
