// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSettings>

#include "RecordingPort.h"
#include "TestSupport.h"
#include "app/ControlSchema.h"
#include "app/ControlValues.h"
#include "app/Session.h"
#include "app/SettingsStore.h"
#include "common/DayNumber.h"

using app::ControlKind;
using app::ControlSpec;
using app::ControlValues;
using app::SettingsStore;
using app::StoredAs;

namespace {

const QString kGroup = QStringLiteral("Tirvex");
const QDate kToday(2025, 6, 10);
const QDate kLowest(1993, 9, 16);

std::vector<const ControlSpec*> storedControls() {
    std::vector<const ControlSpec*> stored;
    for (const ControlSpec& control : app::ControlSchema::controls()) {
        if (control.storedAs != StoredAs::None) {
            stored.push_back(&control);
        }
    }
    return stored;
}

// The value of a control as text, whatever its kind.
QString valueOf(const ControlValues& values, const ControlSpec& control) {
    switch (control.kind) {
    case ControlKind::UpDown:
        return QString::number(values.position(control.id));
    case ControlKind::CheckBox:
        return values.checked(control.id) ? QStringLiteral("1") : QStringLiteral("0");
    case ControlKind::ComboBox:
        return QString::number(values.index(control.id));
    case ControlKind::DatePicker:
        return values.date(control.id).toString(Qt::ISODate);
    default:
        return values.text(control.id);
    }
}

// A value other than the default that the control still takes.
void setOtherValue(ControlValues& values, const ControlSpec& control) {
    switch (control.kind) {
    case ControlKind::UpDown: {
        const int other =
            control.defaultValue.toInt() != control.maximum ? control.maximum : control.minimum;
        values.setPosition(control.id, other);
        break;
    }
    case ControlKind::CheckBox:
        values.setChecked(control.id, control.defaultValue != QLatin1String("1"));
        break;
    case ControlKind::ComboBox:
        values.setIndex(control.id, control.defaultValue.toInt() == 1 ? 0 : 1);
        break;
    case ControlKind::DatePicker:
        values.setDate(control.id, QDate(2011, 3, 4));
        break;
    default:
        if (control.storedAs == StoredAs::String) {
            values.setText(control.id, QStringLiteral("proxy,host ü %1").arg(control.name));
        } else if (control.name == QLatin1String("System")) {
            values.setText(control.id, QStringLiteral("3"));
        } else if (control.storedAs == StoredAs::Double) {
            values.setText(control.id, QStringLiteral("12.5"));
        } else {
            values.setText(control.id, QString::number(control.defaultValue.toInt() + 17));
        }
        break;
    }
}

class SettingsStoreTest : public ::testing::Test {
protected:
    QSettings& settings() {
        if (!m_settings) {
            m_settings = std::make_unique<QSettings>(home.file("s.ini"), QSettings::IniFormat);
        }
        return *m_settings;
    }
    // What a program start restores from the file as it is now.
    ControlValues restored() {
        m_settings.reset(); // read the file afresh
        ControlValues values;
        SettingsStore(settings(), kGroup).restore(values);
        return values;
    }
    void store(const QString& name, const QVariant& value) {
        settings().setValue(kGroup + QLatin1Char('/') + name, value);
        settings().sync();
    }
    QVariant stored(const QString& name) { return settings().value(kGroup + '/' + name); }

    testsupport::TempHome home;
    std::unique_ptr<QSettings> m_settings;
};

TEST_F(SettingsStoreTest, FirstStartRestoresEveryDefaultAndFirstCloseWritesEveryValue) {
    const ControlValues values = restored();
    const ControlValues defaults;
    for (const ControlSpec* control : storedControls()) {
        EXPECT_EQ(valueOf(values, *control), valueOf(defaults, *control))
            << control->name.toStdString();
    }
    EXPECT_EQ(values.date(app::Control::DateTimePicker2), kLowest);
    EXPECT_TRUE(values.checked(app::Control::CheckBox3));
    EXPECT_FALSE(values.checked(app::Control::CheckBox1));
    EXPECT_EQ(values.position(app::Control::UpDown15), 1200);
    EXPECT_EQ(values.index(app::Control::ComboBox2), -1);
    EXPECT_EQ(values.text(app::Control::ServiceURL), QString());

    ControlValues closing = values;
    SettingsStore(settings(), kGroup).save(closing, kToday);
    settings().beginGroup(kGroup);
    QStringList written = settings().childKeys();
    settings().endGroup();
    QStringList expected = SettingsStore::saveOrder();
    written.sort();
    expected.sort();
    EXPECT_EQ(written, expected);
    // Every stored control has its value name, with the registry's spelling.
    QStringList names;
    for (const ControlSpec* control : storedControls()) {
        names << control->settingsName;
    }
    names.sort();
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(expected.contains(QStringLiteral("Chekcbox31")));
    EXPECT_EQ(expected.size(), 1 + 28 + 5 + 23 + 4 + 4);
}

TEST_F(SettingsStoreTest, ARestartRestoresEveryStoredControlExactly) {
    ControlValues closing;
    for (const ControlSpec* control : storedControls()) {
        setOtherValue(closing, *control);
    }
    SettingsStore(settings(), kGroup).save(closing, kToday);

    const ControlValues values = restored();
    const ControlValues defaults;
    for (const ControlSpec* control : storedControls()) {
        EXPECT_EQ(valueOf(values, *control), valueOf(closing, *control))
            << control->name.toStdString();
        EXPECT_NE(valueOf(values, *control), valueOf(defaults, *control))
            << control->name.toStdString();
    }
    // Types as the registry keeps them: integers, 0/1, a day number, text.
    EXPECT_EQ(stored(QStringLiteral("Chekcbox3")).toString(), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("DateTimePicker2")).toDouble(),
              common::toDayNumber(QDate(2011, 3, 4)));
    EXPECT_EQ(stored(QStringLiteral("Preis")).toDouble(), 12.5);
}

TEST_F(SettingsStoreTest, RestoreCorrectsTheSharedBoundAndAnImpossibleStartDate) {
    store(QStringLiteral("UpDown1"), 5);
    store(QStringLiteral("UpDown3"), 2);
    store(QStringLiteral("DateTimePicker2"), common::toDayNumber(QDate(1990, 1, 1)));
    ControlValues values = restored();
    EXPECT_EQ(values.position(app::Control::UpDown3), 5);
    EXPECT_EQ(values.date(app::Control::DateTimePicker2), kLowest);

    // A bound above the other stays; an unreadable date is the lowest date.
    store(QStringLiteral("UpDown3"), 7);
    store(QStringLiteral("DateTimePicker2"), QStringLiteral("gestern"));
    values = restored();
    EXPECT_EQ(values.position(app::Control::UpDown3), 7);
    EXPECT_EQ(values.date(app::Control::DateTimePicker2), kLowest);

    for (const char* absurd : {"1e300", "-1e300", "inf", "nan"}) {
        store(QStringLiteral("DateTimePicker2"), QString::fromLatin1(absurd));
        EXPECT_EQ(restored().date(app::Control::DateTimePicker2), kLowest) << absurd;
    }
}

TEST_F(SettingsStoreTest, SavingDropsAStartDateOfTheLastFiveDays) {
    constexpr app::Control picker = app::Control::DateTimePicker2;
    const std::pair<int, QDate> cases[] = {{1, kLowest},
                                           {-3, kLowest}, // in the future
                                           {5, kToday.addDays(-5)},
                                           {10, kToday.addDays(-10)}};
    for (const auto& [daysAgo, saved] : cases) {
        ControlValues values;
        values.setDate(picker, kToday.addDays(-daysAgo));
        SettingsStore(settings(), kGroup).save(values, kToday);
        EXPECT_EQ(stored(QStringLiteral("DateTimePicker2")).toDouble(), common::toDayNumber(saved))
            << daysAgo;
        EXPECT_EQ(values.date(picker), saved) << daysAgo;
    }
}

TEST_F(SettingsStoreTest, AValueOfAnotherTypeReadsAsTheDefault) {
    store(QStringLiteral("UpDown2"), QStringLiteral("viel"));
    store(QStringLiteral("Chekcbox3"), QStringLiteral("ja"));
    store(QStringLiteral("ProxyHostEdit"), QStringList{"a", "b"});
    store(QStringLiteral("Preis"), QStringLiteral("12,5"));
    store(QStringLiteral("TippTop"), QStringLiteral("oben"));
    store(QStringLiteral("ComboBox3"), 1.5);
    // Beyond the 32 bits a registry integer has.
    store(QStringLiteral("UpDown7"), QStringLiteral("5000000000"));
    const ControlValues values = restored();
    EXPECT_EQ(values.position(app::Control::UpDown2), 100);
    EXPECT_TRUE(values.checked(app::Control::CheckBox3));
    EXPECT_EQ(values.text(app::Control::ProxyHostEdit), QString());
    EXPECT_EQ(values.text(app::Control::Preis), QStringLiteral("0"));
    EXPECT_EQ(values.text(app::Control::TippTop), QStringLiteral("39"));
    EXPECT_EQ(values.index(app::Control::ComboBox3), 2);
    EXPECT_EQ(values.position(app::Control::UpDown7), 10);
}

TEST_F(SettingsStoreTest, PositionsOutsideTheRangeAreHeldWithinItSelectionsBeyondTheItemsAreNot) {
    store(QStringLiteral("UpDown2"), 99999);
    store(QStringLiteral("UpDown15"), 10);
    store(QStringLiteral("UpDown20"), -4);
    store(QStringLiteral("ComboBox3"), 9);
    store(QStringLiteral("ComboBox2"), -7);
    store(QStringLiteral("System"), 5);
    store(QStringLiteral("Chekcbox1"), 7); // any non-zero value is checked
    ControlValues values = restored();
    EXPECT_EQ(values.position(app::Control::UpDown2), 750);
    EXPECT_EQ(values.position(app::Control::UpDown15), 750);
    EXPECT_EQ(values.position(app::Control::UpDown20), 1);
    EXPECT_EQ(values.index(app::Control::ComboBox3), 2);
    EXPECT_EQ(values.index(app::Control::ComboBox2), -1);
    EXPECT_EQ(values.text(app::Control::System), QStringLiteral("0"));
    EXPECT_TRUE(values.checked(app::Control::CheckBox1));

    // "No item" is a selection ComboBox2 has; the last item is one too.
    store(QStringLiteral("ComboBox2"), 7);
    store(QStringLiteral("System"), 4);
    values = restored();
    EXPECT_EQ(values.index(app::Control::ComboBox2), 7);
    EXPECT_EQ(values.text(app::Control::System), QStringLiteral("4"));
}

// Through the session, as the window starts, activates and closes.
class SettingsSessionTest : public SettingsStoreTest {
protected:
    SettingsSessionTest() {
        home.writeHistory(
            {testsupport::makeRecord(QDate(2022, 11, 24), 0, testsupport::twentyNumbers(3), 5)});
    }
    std::unique_ptr<app::Session> start() {
        m_settings.reset();
        auto session = std::make_unique<app::Session>(port);
        session->setHome(home.path());
        if (!settings().contains(kGroup + QStringLiteral("/ResultsURL"))) {
            store(QStringLiteral("ResultsURL"), testsupport::kRefusedResults);
        }
        session->FormCreate(&settings(), kGroup);
        return session;
    }
    testsupport::RecordingPort port;
};

TEST_F(SettingsSessionTest, TheStoredStakeIsSelectedOnActivationAndStoredBackOnClose) {
    store(QStringLiteral("System"), 3);
    auto session = start();
    session->FormActivate();
    EXPECT_EQ(session->controls().index(app::Control::ComboBox1), 3);
    EXPECT_EQ(session->stake(), 5);

    session->setControlByUser(QStringLiteral("ComboBox1"), QStringLiteral("4"));
    session->FormClose(&settings(), kGroup);
    EXPECT_EQ(stored(QStringLiteral("System")).toInt(), 4);
    session = start();
    session->FormActivate();
    EXPECT_EQ(session->stake(), 10);
}

TEST_F(SettingsSessionTest, TheProxyPortIsEightyWithoutAProxyHost) {
    store(QStringLiteral("ProxyPortEdit"), QStringLiteral("3128"));
    EXPECT_EQ(start()->controls().text(app::Control::ProxyPortEdit), QStringLiteral("80"));
    store(QStringLiteral("ProxyHostEdit"), QStringLiteral("proxy.example"));
    auto session = start();
    EXPECT_EQ(session->controls().text(app::Control::ProxyPortEdit), QStringLiteral("3128"));
    EXPECT_EQ(session->controls().text(app::Control::ProxyHostEdit),
              QStringLiteral("proxy.example"));
}

TEST_F(SettingsSessionTest, EveryUserSettingSurvivesARestart) {
    auto session = start();
    QStringList changed;
    for (const ControlSpec* control : storedControls()) {
        if (control->kind == ControlKind::Field) {
            continue; // no user sets these
        }
        ControlValues scratch;
        setOtherValue(scratch, *control);
        const QString value = control->kind == ControlKind::DatePicker
                                  ? QStringLiteral("04.03.2011")
                              : session->controlValue(control->name) == valueOf(scratch, *control)
                                  ? QString()
                                  : valueOf(scratch, *control);
        if (!value.isEmpty() && session->setControlByUser(control->name, value)) {
            changed << control->name;
        }
    }
    session->setControlByUser(QStringLiteral("ComboBox1"), QStringLiteral("2"));
    std::map<QString, QString> before;
    for (const ControlSpec* control : storedControls()) {
        before[control->name] = session->controlValue(control->name);
    }
    session->FormClose(&settings(), kGroup);

    session = start();
    session->FormActivate();
    for (const ControlSpec* control : storedControls()) {
        if (control->name == QLatin1String("Preis") || control->name == QLatin1String("System")) {
            continue; // both follow ComboBox1, checked below
        }
        EXPECT_EQ(session->controlValue(control->name), before[control->name])
            << control->name.toStdString();
    }
    EXPECT_EQ(session->controls().index(app::Control::ComboBox1), 2);
    EXPECT_GT(changed.size(), 50);
}

} // namespace
