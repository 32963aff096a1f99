// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDateEdit>
#include <QDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "TestSupport.h"
#include "WindowFixture.h"
#include "ui/EvaluationDialog.h"
#include "ui/MainWindow.h"

using testsupport::makeRecord;

// The tip page's tools and the evaluation dialog, driven through the widgets.
class TipToolsWindowTest : public QObject {
    Q_OBJECT

private:
    testsupport::WindowFixture m_ui;

    template <typename T> static T* child(QObject* parent, const QString& name) {
        return testsupport::WindowFixture::child<T>(parent, name);
    }
    QDialog* openForm8() {
        QTest::mouseClick(child<QPushButton>(m_ui.window(), QStringLiteral("Form8Button")),
                          Qt::LeftButton);
        // A window of its own, not a child of the main window.
        if (m_ui.window()->findChild<QDialog*>(QStringLiteral("Form8"))) {
            return nullptr;
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("Form8") && window->isVisible()) {
                return qobject_cast<QDialog*>(window);
            }
        }
        return nullptr;
    }
    static void type(QDialog* dialog, const QString& field, const QString& text) {
        auto* edit = child<QLineEdit>(dialog, field);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static QString text(QDialog* dialog, const QString& name) {
        return child<QLabel>(dialog, name)->text();
    }
    QStringList hitColumn() {
        QStringList lines;
        auto* list = child<QListWidget>(m_ui.window(), QStringLiteral("ListBox2"));
        for (int i = 0; i < list->count(); ++i) {
            lines << list->item(i)->text();
        }
        return lines;
    }

private Q_SLOTS:
    void init() {
        // The 24th midi: 1..20; the 23rd soir: 21..40.
        std::vector<int> low, high;
        for (int n = 1; n <= 20; ++n) {
            low.push_back(n);
            high.push_back(n + 20);
        }
        m_ui.create({makeRecord(QDate(2022, 11, 23), 1, high, 3),
                     makeRecord(QDate(2022, 11, 24), 0, low, 5)},
                    {QStringLiteral("01,02,03,04,30,31,32,33,34,35"),
                     QStringLiteral("05,06,07,08,09,10,50,51,52,53"),
                     QStringLiteral("21,22,23,60,61,62,63,64,65,66")});
        QVERIFY(m_ui.show());
    }

    void cleanup() { m_ui.reset(); }

    void toolButtonsShowTheirHints() {
        const std::pair<const char*, const char*> buttons[] = {
            {"SpeedButton13", "set lucky number"},
            {"SpeedButton12", "Hier können Sie den Tipp Online abgeben"},
            {"SpeedButton15", "Saving Tips calculated in a file"},
            {"SpeedButton16", "Load the file of a Tips"},
            {"SpeedButton4", "DB search tips"},
            {"BitBtn7", ""},
            // Buttons outside the status line's list keep their hint to the tooltip.
            {"auswertung", "x"},
            {"Button6", "x"}};
        auto* panel = child<QLabel>(m_ui.window(), QStringLiteral("StatusBar1Panel1"));
        for (const auto& [name, hint] : buttons) {
            auto* button = child<QPushButton>(m_ui.window(), QString::fromLatin1(name));
            QVERIFY(button->isVisible());
            panel->setText(QStringLiteral("x"));
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(button, &enter);
            QCOMPARE(panel->text(), QString::fromUtf8(hint));
        }
        QCOMPARE(child<QPushButton>(m_ui.window(), QStringLiteral("SpeedButton4"))->text(),
                 QStringLiteral("grilles de recherche"));
        QCOMPARE(child<QPushButton>(m_ui.window(), QStringLiteral("BitBtn7"))->text(),
                 QStringLiteral("Grilles"));
        QVERIFY(m_ui.screenshot(m_ui.window(), QStringLiteral("tip-page")));
    }

    void evaluationDialogRecalculatesAsTheUserTypes() {
        QDialog* form8 = openForm8();
        QVERIFY(form8);
        QCOMPARE(form8->windowTitle(), QStringLiteral("Auswertung und Gewinnberechnung"));
        // The 24th midi is current: 4, 6 and 0 hits.
        QCOMPARE(child<QLineEdit>(form8, QStringLiteral("Edit4"))->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(form8, QStringLiteral("Edit6"))->text(), QStringLiteral("1"));
        QVERIFY(!child<QLineEdit>(form8, QStringLiteral("Edit9"))->isEnabled());
        QVERIFY(child<QLineEdit>(form8, QStringLiteral("Edit14"))->isEnabled());

        type(form8, QStringLiteral("Edit14"), QStringLiteral("12,5"));
        QCOMPARE(text(form8, QStringLiteral("Label17")), QStringLiteral("12,50"));
        type(form8, QStringLiteral("Edit20"), QStringLiteral("2"));
        type(form8, QStringLiteral("Edit18"), QStringLiteral("1000"));
        QCOMPARE(text(form8, QStringLiteral("Label22")), QStringLiteral("2000,00"));
        QCOMPARE(text(form8, QStringLiteral("Label20")), QStringLiteral("2012,50"));
        // The typed count is the session's tally.
        QCOMPARE(m_ui.session().hitTally().text(10), QStringLiteral("2"));

        // A quota that is no number: its row has no sum, the rest stands.
        type(form8, QStringLiteral("Edit12"), QStringLiteral("2x"));
        QCOMPARE(text(form8, QStringLiteral("Label15")), QString());
        QCOMPARE(text(form8, QStringLiteral("Label17")), QStringLiteral("12,50"));
        QCOMPARE(text(form8, QStringLiteral("Label20")), QStringLiteral("2012,50"));
        QVERIFY(text(form8, QStringLiteral("StatusBar1Panel0")).contains(QStringLiteral("2x")));
        QVERIFY(m_ui.screenshot(form8, QStringLiteral("form8")));

        // A step of the draw rechecks the tips (now 6, 0 and 3 hits); the
        // open dialog follows.
        QTest::mouseClick(child<QPushButton>(m_ui.window(), QStringLiteral("SpeedButton6")),
                          Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(form8, QStringLiteral("Edit3"))->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(form8, QStringLiteral("Edit4"))->text(), QStringLiteral("0"));
        QCOMPARE(child<QLineEdit>(form8, QStringLiteral("Edit6"))->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(form8, QStringLiteral("Edit20"))->text(), QStringLiteral("0"));
        QCOMPARE(text(form8, QStringLiteral("Label22")), QStringLiteral("0,00"));
        QCOMPARE(text(form8, QStringLiteral("Label20")), QStringLiteral("12,50"));
        QVERIFY(!child<QLineEdit>(form8, QStringLiteral("Edit12"))->isEnabled());
        // The quotas stay for the whole run.
        QCOMPARE(child<QLineEdit>(form8, QStringLiteral("Edit14"))->text(), QStringLiteral("12,5"));
    }

    void tipSearchShowsEachReportedDrawsHits() {
        child<QDateEdit>(m_ui.window(), QStringLiteral("DateTimePicker2"))
            ->setDate(QDate(2022, 11, 23));
        QCOMPARE(hitColumn(), (QStringList{"4", "6", "0"})); // the 24th midi
        // Answers the threshold box, then notes the hit column beside each
        // message and goes on.
        QStringList messages;
        QList<QStringList> columns;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* input = qobject_cast<QInputDialog*>(modal)) {
                input->setTextValue(QStringLiteral("3"));
                input->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                messages << box->text();
                columns << hitColumn();
                box->button(QMessageBox::No)->click();
            }
        });
        answer.start(20);
        QTest::mouseClick(child<QPushButton>(m_ui.window(), QStringLiteral("SpeedButton4")),
                          Qt::LeftButton);
        answer.stop();
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[0].startsWith(QStringLiteral("A hit on: 23.11.2022")));
        QCOMPARE(columns[0], (QStringList{"6", "0", "3"})); // the 23rd soir
        QVERIFY(messages[1].startsWith(QStringLiteral("A hit on: 24.11.2022")));
        QCOMPARE(columns[1], (QStringList{"4", "6", "0"}));
    }

    void tipDistributionReadsTheLinesAsTheCheckDoes() {
        // " 03" is a number, "05 " is not: it ends the counting, also of
        // the lines after it.
        m_ui.session().tipList().lines() = {QStringLiteral("02, 03,05 ,07"),
                                            QStringLiteral("09,10")};
        m_ui.session().Komplettcheck();
        QTest::mouseClick(
            child<QPushButton>(child<QWidget>(m_ui.window(), QStringLiteral("TabSheet1")),
                               QStringLiteral("Button6")),
            Qt::LeftButton);
        auto* series = child<QChartView>(m_ui.window(), QStringLiteral("Chart1"))
                           ->chart()
                           ->findChild<QBarSeries*>(QStringLiteral("Series2"));
        QVERIFY(series && !series->barSets().isEmpty());
        QBarSet* bars = series->barSets().first();
        QCOMPARE(bars->count(), 70);
        QList<int> counted;
        for (int i = 0; i < bars->count(); ++i) {
            if (bars->at(i) != 0) {
                counted << i + 1;
            }
        }
        QCOMPARE(counted, (QList<int>{2, 3}));
    }
};

QTEST_MAIN(TipToolsWindowTest)
#include "TipToolsWindowTest.moc"
