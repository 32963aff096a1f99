// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "app/ControlValues.h"
#include "app/Session.h"
#include "app/SettingsStore.h"
#include "RecordingPort.h"

using app::Control;
using app::ControlSchema;
using app::ControlValues;

namespace {

// Each kind keeps its own value: a call meant for another kind changes
// nothing and announces nothing.
TEST(ControlValuesTest, ACallOfAnotherKindChangesNothing) {
    ControlValues values;
    QStringList announced;
    values.setListener([&](Control id) { announced << ControlSchema::name(id); });
    values.setText(Control::UpDown18, QStringLiteral("abc"));
    values.setText(Control::CheckBox9, QStringLiteral("0"));
    values.setText(Control::DateTimePicker3, QStringLiteral("01.01.2000"));
    values.setPosition(Control::CheckBox9, 0);
    values.setChecked(Control::UpDown18, false);
    values.setIndex(Control::UpDown18, 3);
    EXPECT_FALSE(values.setDate(Control::UpDown18, QDate(2020, 1, 1)));
    EXPECT_EQ(values.position(Control::UpDown18), 10);
    EXPECT_TRUE(values.checked(Control::CheckBox9));
    EXPECT_EQ(values.date(Control::DateTimePicker3), QDate(2010, 6, 18));
    EXPECT_TRUE(announced.isEmpty());

    values.setPosition(Control::UpDown18, 99);
    EXPECT_EQ(values.position(Control::UpDown18), 10); // held within 2..10
    values.setPosition(Control::UpDown18, 6);
    EXPECT_EQ(announced, QStringList{QStringLiteral("UpDown18")});
}

// Names from outside become ids in one place: a control, or an up-down's
// edit box standing for the up-down; anything else is unknown.
TEST(ControlValuesTest, OnlyNamesOfTheTableResolve) {
    EXPECT_EQ(ControlSchema::find(QStringLiteral("UpDown18")), Control::UpDown18);
    const auto edit = ControlSchema::resolve(QStringLiteral("Edit5"));
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->id, Control::UpDown18);
    EXPECT_TRUE(edit->buddy);
    EXPECT_FALSE(ControlSchema::find(QStringLiteral("Edit5")));
    for (const char* name : {"UpDwn18", "CheckBox99", "updown18", ""}) {
        EXPECT_FALSE(ControlSchema::resolve(QString::fromLatin1(name))) << name;
    }
    for (const app::ControlSpec& control : ControlSchema::controls()) {
        EXPECT_EQ(ControlSchema::find(control.name), control.id) << control.name.toStdString();
    }
}

// A misspelt name set by the user, or stored in the settings, reaches no
// control: every value stays as it was.
TEST(ControlValuesTest, AnUnknownNameIsRefusedBySessionAndSettings) {
    testsupport::RecordingPort port;
    app::Session session(port);
    EXPECT_FALSE(session.setControlByUser(QStringLiteral("UpDwn18"), QStringLiteral("6")));
    EXPECT_FALSE(session.setControlByUser(QStringLiteral("CheckBox99"), QStringLiteral("1")));
    EXPECT_EQ(session.controlValue(QStringLiteral("CheckBox99")), QString());
    EXPECT_EQ(session.numbersPerTip(), 10);

    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("UpDwn18"), 6);
    settings.setValue(QStringLiteral("CheckBox9"), 0); // stored as "Chekcbox9"
    ControlValues values;
    app::SettingsStore(settings, QString()).restore(values);
    EXPECT_EQ(values.position(Control::UpDown18), 10);
    EXPECT_TRUE(values.checked(Control::CheckBox9));
}

} // namespace
