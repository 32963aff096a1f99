// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "TestSupport.h"
#include "WindowFixture.h"
#include "app/GeneratorCommands.h"
#include "ui/MainWindow.h"
#include "ui/NumberDialog.h"

// The generator and the tip editor driven through the real window.
class GeneratorWindowTest : public QObject {
    Q_OBJECT

private:
    testsupport::WindowFixture m_ui;

    template <typename T> static T* child(QObject* parent, const char* name) {
        return testsupport::WindowFixture::child<T>(parent, name);
    }
    QPushButton* startButton() {
        return child<QPushButton>(child<QWidget>(m_ui.window(), "PageControl1"), "BitBtn4");
    }
    app::Session& session() { return m_ui.session(); }
    void set(const char* name, const char* value) {
        QVERIFY(session().setControlByUser(QLatin1String(name), QLatin1String(value)));
    }

private Q_SLOTS:
    void init() {
        m_ui.create(testsupport::realHistory());
        QVERIFY(m_ui.show());
        set("DateTimePicker1", "24.11.2022");
        set("DateTimePicker2", "01.06.2022");
        session().SpeedButton5Click();
        session().random().setSeed(7);
    }

    void cleanup() { m_ui.reset(); }

    void generatesIntoTheTipList() {
        QCOMPARE(startButton()->text(), QStringLiteral("calculer les grilles"));
        QTest::mouseClick(startButton(), Qt::LeftButton);
        auto* tips = child<QListWidget>(m_ui.window(), "ListBox1");
        QCOMPARE(tips->count(), 5);
        QCOMPARE(child<QListWidget>(m_ui.window(), "ListBox2")->count(), 5);
        QCOMPARE(tips->item(0)->text(), session().tipList().lines().at(0));
        QCOMPARE(startButton()->text(), QStringLiteral("calculer les grilles"));
        // The closing status outlives the final check (the default tests keep
        // the tips clear of the draw on screen, so the check finds no hit).
        QCOMPARE(child<QLabel>(m_ui.window(), "StatusBar1Panel0")->text(),
                 QStringLiteral("Trucs ont été recalculés"));
        QVERIFY(m_ui.screenshot(m_ui.window(), QStringLiteral("tip-page")));
    }

    void aSecondClickStopsTheRun() {
        // No tip can be found, and the limit is ten million attempts per tip:
        // only the stop ends this run early.
        set("UpDown7", "10000");
        session().tipList().lines() = {QStringLiteral("01,02,03")};
        set("CheckBox28", "0");
        set("UpDown1", "4"); // every tip must share four numbers with "01,02,03"
        QElapsedTimer sinceStop;
        bool sawStop = false;
        QTimer::singleShot(300, this, [&] {
            sawStop = startButton()->text() == QStringLiteral("Stop");
            sinceStop.start();
            QTest::mouseClick(startButton(), Qt::LeftButton);
        });
        QTest::mouseClick(startButton(), Qt::LeftButton);
        const qint64 stoppedAfter = sinceStop.isValid() ? sinceStop.elapsed() : -1;
        QVERIFY(sawStop);
        QCOMPARE(session().generator().lastResult().outcome,
                 generator::RunResult::Outcome::Stopped);
        QCOMPARE(startButton()->text(), QStringLiteral("calculer les grilles"));
        QCOMPARE(child<QListWidget>(m_ui.window(), "ListBox1")->count(), 1);
        // The list holds no tip of the run: the check has nothing to say, and
        // the run's last status stays.
        QVERIFY(!session().generator().lastResult().closingStatus.isEmpty());
        QCOMPARE(child<QLabel>(m_ui.window(), "StatusBar1Panel0")->text(),
                 session().generator().lastResult().closingStatus);
        qInfo("run ended %lld ms after the stop click", stoppedAfter);
    }

    void theEditorPicksAtRandom() {
        session().tipList().lines() = {QStringLiteral("05,09,33")};
        session().Komplettcheck();
        set("UpDown18", "5");
        session().selectTip(0);
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<ui::NumberDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* random = child<QPushButton>(dialog, "BitBtn4");
            QVERIFY(random->isVisible());
            QVERIFY(!child<QPushButton>(dialog, "BitBtn3")->isVisible());
            QVERIFY(child<QCheckBox>(dialog, "CheckBox33")->isChecked());
            QVERIFY(!child<QCheckBox>(dialog, "CheckBox34")->isChecked());
            QVERIFY(m_ui.screenshot(dialog, QStringLiteral("number-dialog")));
            QTest::mouseClick(random, Qt::LeftButton);
            QTRY_COMPARE(random->text(), QStringLiteral("1 Stopp"));
            for (int press = 0; press < 5; ++press) {
                QTest::mouseClick(random, Qt::LeftButton);
            }
            QCOMPARE(random->text(), QStringLiteral("Zufall"));
            int count = 0;
            for (int n = 1; n <= 70; ++n) {
                count += child<QCheckBox>(dialog, qPrintable(QStringLiteral("CheckBox%1").arg(n)))
                             ->isChecked();
            }
            QCOMPARE(count, 5);
            checked = true;
            QTest::mouseClick(child<QPushButton>(dialog, "BitBtn1"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(m_ui.window(), "SpeedEdit"), Qt::LeftButton);
        QVERIFY(checked);
        const QString line = child<QListWidget>(m_ui.window(), "ListBox1")->item(0)->text();
        QVERIFY2(line.contains(QRegularExpression(QStringLiteral("^(\\d\\d,){4}\\d\\d$"))),
                 qPrintable(line));
    }

    void theDialogsClickRuleAndValueLists() {
        app::NumberDialogState state;
        state.grid.clearAll();
        state.grid.setWeightText(5, QStringLiteral("0"));
        ui::NumberDialog dialog(state, session().random(), QDate(2025, 6, 10));
        const QString file = m_ui.home()->file("list.hlw");
        QString proposedName;
        dialog.setFileChooser([&](bool, const QString& proposed) {
            proposedName = proposed;
            return file;
        });
        dialog.show();
        auto* box = child<QCheckBox>(&dialog, "CheckBox5");
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->toolTip(), QStringLiteral("1"));
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->toolTip(), QStringLiteral("2"));
        QTest::mouseClick(child<QPushButton>(&dialog, "SpeedButton1"), Qt::LeftButton);
        QCOMPARE(proposedName, QStringLiteral("20250610.hlw"));
        QTest::mouseClick(box, Qt::LeftButton); // unchecked, keeps its weight
        QVERIFY(!state.grid.checked(5));
        QTest::mouseClick(child<QPushButton>(&dialog, "SpeedButton2"), Qt::LeftButton);
        QVERIFY(box->isChecked());
        QCOMPARE(box->toolTip(), QStringLiteral("2"));
        QCOMPARE(child<QCheckBox>(&dialog, "CheckBox6")->toolTip(), QStringLiteral("1"));
        QTest::mouseClick(child<QPushButton>(&dialog, "BitBtn3"), Qt::LeftButton);
        QCOMPARE(dialog.answer(), app::NumberDialogPort::Answer::Calculate);
    }
};

QTEST_MAIN(GeneratorWindowTest)
#include "GeneratorWindowTest.moc"
