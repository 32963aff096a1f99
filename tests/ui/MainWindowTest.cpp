// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

#include "TestSupport.h"
#include "WindowFixture.h"
#include "app/LongOperation.h"
#include "ui/ControlBinder.h"
#include "ui/ElidedLabel.h"
#include "ui/MainWindow.h"

using testsupport::makeRecord;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    testsupport::WindowFixture m_ui;

    template <typename T> T* child(const char* name) { return m_ui.child<T>(name); }

private Q_SLOTS:
    void init() {
        m_ui.create({makeRecord(QDate(2022, 11, 23), 0, testsupport::twentyNumbers(1), 2),
                     makeRecord(QDate(2022, 11, 23), 1, testsupport::twentyNumbers(2), 3),
                     makeRecord(QDate(2022, 11, 24), 0, testsupport::twentyNumbers(3), 5)},
                    {QStringLiteral("03,06,09,12"), QStringLiteral("69,70")});
        QVERIFY(m_ui.show());
    }

    void cleanup() { m_ui.reset(); }

    void pagesInTheirOrder() {
        auto* pages = child<QTabWidget>("PageControl1");
        QCOMPARE(pages->count(), 6);
        const QStringList captions = {"Keno-Grilles", "paramètre", "Zahlen der letzten Ziehung",
                                      "Graphique",    "analyse",   "Options Internet"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(pages->tabText(i), captions[i]);
        }
        QVERIFY(!pages->isTabVisible(2));
        QCOMPARE(m_ui.window()->windowTitle(),
                 QStringLiteral("Quorvane's Tirvex  France  2-10 of 70"));
    }

    void opensOnTheNewestDrawWithTheTipsChecked() {
        QVERIFY(child<QLabel>("Label35")->text().contains(QStringLiteral("(midi )")));
        QCOMPARE(child<QLabel>("Label13")->text(), QStringLiteral("traverser la somme: 630"));
        auto* hits = child<QListWidget>("ListBox2");
        QCOMPARE(hits->count(), 2);
        QCOMPARE(hits->item(0)->text(), QStringLiteral("4"));
        // The start's update failed (no network here): its text keeps panel 0.
        QCOMPARE(child<QLabel>("StatusBar1Panel1")->text(), QStringLiteral("Max Win:  4x"));
    }

    void stepButtonsMoveTheDraw() {
        QTest::mouseClick(child<QPushButton>("SpeedButton6"), Qt::LeftButton);
        QVERIFY(child<QLabel>("Label35")->text().contains(QStringLiteral("(soir)")));
        QCOMPARE(child<QLabel>("Label29")->text(), child<QLabel>("Label35")->text());
        QTest::mouseClick(child<QPushButton>("SpeedButton7"), Qt::LeftButton);
        QVERIFY(child<QLabel>("Label35")->text().contains(QStringLiteral("(midi )")));
    }

    void analysisPageKeepsItsControlsWhateverTheDrawLine() {
        child<QTabWidget>("PageControl1")->setCurrentIndex(4);
        auto* erase = child<QPushButton>("BitBtn6");
        QTRY_VERIFY(erase->isVisible());
        const QPoint place = erase->mapTo(m_ui.window(), QPoint());
        const QString line =
            QStringLiteral("24.11.22 (midi ) ") + QStringLiteral("07 ").repeated(150);
        m_ui.session().controls().setText(app::Control::Label29, line);
        m_ui.session().port().controlChanged(app::Control::Label29);
        QApplication::processEvents();
        QCOMPARE(erase->mapTo(m_ui.window(), QPoint()), place);
        auto* drawLine = child<ui::ElidedLabel>("Label29");
        QCOMPARE(drawLine->text(), line);
        QVERIFY(drawLine->shownText().endsWith(QStringLiteral("…")));
        QVERIFY(m_ui.window()->width() < 2000);
    }

    // The buttons of every command that touches the tip list wait for every
    // kind of long operation; the generation's own button stays its stop.
    void tipListButtonsWaitForEveryLongOperation() {
        app::Session& session = m_ui.window()->session();
        for (const app::LongOperation kind :
             {app::LongOperation::Update, app::LongOperation::Import,
              app::LongOperation::Generation, app::LongOperation::Backtest,
              app::LongOperation::TipSearch}) {
            {
                const app::OperationScope operation(session, kind);
                for (const app::CommandRule& rule : app::commandRules()) {
                    if (!(rule.touches & app::kTouchesTipList)) {
                        continue;
                    }
                    const bool stop = rule.command == app::WindowCommand::Generate &&
                                      kind == app::LongOperation::Generation;
                    for (const char* name : rule.buttons) {
                        QCOMPARE(child<QWidget>(name)->isEnabled(), stop);
                    }
                }
            }
            QVERIFY(child<QWidget>("SpeedButton11")->isEnabled());
        }
    }

    // A widget is bound by its name only when the name is a control of the
    // table; a misspelt name is refused with a warning and stays unbound.
    void theBinderRefusesAnUnknownName() {
        ui::ControlBinder binder(m_ui.session());
        QCheckBox misspelt;
        misspelt.setObjectName(QStringLiteral("CheckBox99"));
        QTest::ignoreMessage(QtWarningMsg, "unknown control \"CheckBox99\"");
        QVERIFY(!binder.bind(&misspelt));
        QCheckBox known;
        known.setObjectName(QStringLiteral("CheckBox9"));
        QVERIFY(binder.bind(&known));
        QVERIFY(known.isChecked());
        known.setChecked(false);
        QVERIFY(!m_ui.session().controls().checked(app::Control::CheckBox9));
    }

    void selectionsMoveTogether() {
        auto* tipsList = child<QListWidget>("ListBox1");
        auto* hits = child<QListWidget>("ListBox2");
        hits->setCurrentRow(1);
        QCOMPARE(tipsList->currentRow(), 1);
        QCOMPARE(child<QLabel>("Label24")->text(), QStringLiteral("2. Grillen"));
        QTest::mouseClick(child<QPushButton>("SpeedButton11"), Qt::LeftButton);
        QCOMPARE(tipsList->count(), 1);
        QCOMPARE(hits->count(), 1);
    }

    void totalFieldKeepsItsRangeAndNormalisesWhenLeft() {
        auto* total = child<QSpinBox>("UpDown9");
        total->setFocus();
        total->setValue(1);
        QTest::keyClick(total, Qt::Key_Down);
        QCOMPARE(m_ui.session().totalTips(), 1);
        QTest::keyClick(total, Qt::Key_Up);
        QCOMPARE(m_ui.session().totalTips(), 2);
        // Emptied, the field waits for the typing to end, then holds 120.
        total->findChild<QLineEdit*>()->clear();
        QCOMPARE(m_ui.session().totalTips(), 2);
        QTest::keyClick(total, Qt::Key_Enter);
        QCOMPARE(m_ui.session().totalTips(), 120);
        QCOMPARE(total->value(), 120);
        total->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(total, QStringLiteral("0"));
        QTest::keyClick(total, Qt::Key_Enter);
        QCOMPARE(m_ui.session().totalTips(), 120);
    }

    void typedMaximumIsCoupledWhenTheTypingEnds() {
        m_ui.session().setControlByUser(QStringLiteral("UpDown4"), QStringLiteral("8"));
        m_ui.session().setControlByUser(QStringLiteral("UpDown21"), QStringLiteral("5"));
        auto* maximum = child<QSpinBox>("UpDown4");
        maximum->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(maximum, QStringLiteral("10"));
        QTest::keyClick(maximum, Qt::Key_Enter);
        QCOMPARE(m_ui.session().controls().position(app::Control::UpDown4), 10);
        QCOMPARE(m_ui.session().controls().position(app::Control::UpDown21), 5);
    }

    void typedStakeIsTheStake() {
        auto* stake = child<QComboBox>("ComboBox1");
        stake->lineEdit()->selectAll();
        QTest::keyClicks(stake, QStringLiteral("4"));
        QTest::keyClick(stake, Qt::Key_Enter);
        QCOMPARE(stake->count(), 5); // Enter adds no item
        QCOMPARE(m_ui.session().stake(), 4);
        // 4 per tip, 5 tips a ticket, 5 tips.
        QCOMPARE(m_ui.session().controls().text(app::Control::Preis), QStringLiteral("100"));
        stake->setCurrentIndex(3);
        QCOMPARE(m_ui.session().stake(), 5);
    }

    void captionsCarryTheirNames() {
        QCOMPARE(child<QLabel>("Label61")->text(), QStringLiteral("Numéros par grille"));
        QCOMPARE(child<QLabel>("Label22")->text(), QStringLiteral("Grille totale"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
