// SPDX-License-Identifier: GPL-3.0-or-later
// The chart page and the parameter pages of the real window, driven through
// their widgets over the real history. Set TIRVEX_SCREENSHOTS to a folder to
// keep a picture of the chart after each tool-row button and of each
// parameter page.
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QValueAxis>
#include <QtTest>
#include <atomic>
#include <cmath>

#include "TestSupport.h"
#include "WindowFixture.h"
#include "app/StatisticsCommands.h"
#include "charts/ChartPicture.h"
#include "charts/PairMapPainter.h"
#include "charts/StatChart.h"
#include "ui/ChartPage.h"
#include "ui/MainWindow.h"
#include "ui/PairMapView.h"

// QtCore's hooks for debugging tools; entry 3 is called for every QObject made.
extern Q_DECL_IMPORT quintptr qtHookData[];

namespace {

std::atomic<int> objectsMade{0};

void countObject(QObject*) {
    ++objectsMade;
}

// The QObjects made while action runs: a measure of its work that does not
// depend on the machine's speed or load.
int objectsMadeBy(const std::function<void()>& action) {
    constexpr int kAddQObject = 3;
    const quintptr before = qtHookData[kAddQObject];
    objectsMade = 0;
    qtHookData[kAddQObject] = reinterpret_cast<quintptr>(&countObject);
    action();
    qtHookData[kAddQObject] = before;
    return objectsMade;
}

} // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT

private:
    testsupport::WindowFixture m_ui;

    // Whether the bar at index is painted in its colour halfway between the
    // axis' foot and its value, as the view shows it.
    bool barPainted(int index, double value) {
        auto* view = child<QChartView>(QStringLiteral("Chart1"));
        auto* series = chart()->findChild<QBarSeries*>(QStringLiteral("Series2"));
        auto* left = qobject_cast<QValueAxis*>(chart()->axes(Qt::Vertical).value(0));
        const QPointF foot = chart()->mapToPosition(QPointF(index, left->min()), series);
        const QPointF top = chart()->mapToPosition(QPointF(index, value), series);
        if (foot.y() - top.y() < 2) {
            return false;
        }
        QApplication::processEvents(); // the chart lays itself out on posted events
        const QImage image = view->grab().toImage();
        const QPoint probe = view->mapFromScene(chart()->mapToScene((foot + top) / 2));
        const QColor expected =
            bars()->isBarSelected(index) ? bars()->selectedColor() : bars()->color();
        // A narrow bar is smoothed over its neighbouring pixels: one of them
        // must be nearer its colour than the white behind it.
        const auto distance = [](const QColor& a, const QColor& b) {
            return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue());
        };
        for (int dx = -2; dx <= 2; ++dx) {
            const QColor seen = image.pixelColor(probe + QPoint(dx, 0));
            if (distance(seen, expected) < distance(seen, Qt::white)) {
                return true;
            }
        }
        return false;
    }

    template <typename T> T* child(const QString& name) { return m_ui.child<T>(name); }
    QChart* chart() { return child<QChartView>(QStringLiteral("Chart1"))->chart(); }
    QBarSet* bars() {
        auto* series = chart()->findChild<QBarSeries*>(QStringLiteral("Series2"));
        return series ? series->barSets().value(0) : nullptr;
    }
    // The dialogs reuse button names; the page's own buttons are meant.
    QWidget* onPage(const char* page, const QString& name) {
        QWidget* widget = child<QWidget>(QString::fromLatin1(page))->findChild<QWidget*>(name);
        if (!widget) {
            qFatal("no widget %s on %s", qPrintable(name), page);
        }
        return widget;
    }
    void click(const QString& name) {
        const char* page = name.startsWith(QLatin1String("SpeedButton")) ? "Panel16"
                           : name == QLatin1String("Button6")            ? "TabSheet1"
                                                                         : "TabSheet4";
        QTest::mouseClick(onPage(page, name), Qt::LeftButton);
    }

private Q_SLOTS:
    void init() {
        m_ui.create(testsupport::realHistory());
        m_ui.window()->setToday(QDate(2025, 6, 10));
        QVERIFY(m_ui.show());
        // The activation drew the number distribution.
        QTRY_COMPARE(bars()->count(), 70);
        child<QDateEdit>(QStringLiteral("DateTimePicker2"))->setDate(QDate(2024, 6, 1));
    }

    void cleanup() { m_ui.reset(); }

    void toolRowDrawsEachStatistic() {
        auto* pages = child<QTabWidget>(QStringLiteral("PageControl1"));
        QWidget* chartPage = child<QWidget>(QStringLiteral("TabSheet5"));
        app::Session& session = m_ui.session();
        struct Case {
            const char* button;
            int points;
            bool fixed;
            const char* caption;
            const char* file;
        };
        const Case cases[] = {
            {"SpeedButton2", 70, true, "la distribution en nombre     tirer: ", "chart_numbers"},
            {"SpeedButton9", -1, false,
             "traverser la somme de distribution Match nul: ", "chart_crosssum"},
            {"SpeedButton1", 69, true, "à ", "chart_pairs"},
            {"SpeedButton3", 68, true, "à ", "chart_triples"},
            {"SpeedButton17", 70, false, "à ", "chart_quads"},
            {"SpeedButton19", 70, true, "Quel nombre est en retard", "chart_overdue"},
        };
        pages->setCurrentWidget(chartPage);
        for (const Case& c : cases) {
            click(QString::fromLatin1(c.button));
            const stats::StatResult& result = session.chart();
            if (c.points >= 0) {
                QCOMPARE(bars()->count(), c.points);
            }
            QCOMPARE(bars()->count(), int(result.points.size()));
            QCOMPARE(result.fixedRange, c.fixed);
            QVERIFY(result.caption.startsWith(QString::fromUtf8(c.caption)));
            auto* bottom = chart()->axes(Qt::Horizontal).value(0);
            QCOMPARE(bottom->titleText(), charts::StatChart::displayCaption(result.caption));
            auto* left = qobject_cast<QValueAxis*>(chart()->axes(Qt::Vertical).value(0));
            QVERIFY(left);
            // The range the generator reads is the counts' own: from the
            // least to the largest, or from 0 when the axis scales itself.
            const auto [least, most] = std::minmax_element(
                result.points.begin(), result.points.end(),
                [](const stats::StatPoint& a, const stats::StatPoint& b) { return a.y < b.y; });
            QCOMPARE(result.rangeMinimum(), c.fixed ? least->y : 0.0);
            QCOMPARE(result.rangeMaximum(), most->y);
            // The axis drawn holds the counts and chance's lines, and starts
            // below the least count so that its bar is painted.
            QVERIFY(left->min() <= result.rangeMinimum());
            QVERIFY(left->max() >= result.rangeMaximum());
            // (A count of 0 has no bar to show.)
            QVERIFY2(least->y == 0 || barPainted(int(least - result.points.begin()), least->y),
                     c.button);
            // Beside the bars, what chance gives for the same window.
            const QList<QLineSeries*> chance = chart()->findChildren<QLineSeries*>();
            QVERIFY(!chance.isEmpty());
            QVERIFY(chart()->legend()->isVisible());
            for (QLineSeries* line : chance) {
                QCOMPARE(line->count(), bars()->count() + 2);
                for (const QPointF& point : line->points()) {
                    QVERIFY(point.y() >= left->min() && point.y() <= left->max());
                }
            }
            QCOMPARE(left->tickType(), QValueAxis::TicksDynamic);
            QVERIFY(left->tickInterval() >= 1);
            QCOMPARE(left->tickInterval(), std::floor(left->tickInterval()));
            QCOMPARE(left->tickAnchor(), std::floor(left->tickAnchor()));
            for (int i = 0; i < bars()->count(); i += 7) {
                QCOMPARE(bars()->at(i), result.yAt(i));
            }
            // No value labels once the number distribution has run.
            QVERIFY(!chart()->findChild<QBarSeries*>(QStringLiteral("Series2"))->isLabelsVisible());
            // Under the chart, the verdict beside chance of what it counts.
            auto* verdict = child<QLabel>(QStringLiteral("ChanceVerdict"));
            QVERIFY(verdict->isVisible());
            QCOMPARE(verdict->text(), result.verdict);
            QVERIFY(verdict->text().contains(QStringLiteral("hasard")) ||
                    verdict->text().startsWith(QStringLiteral("Trop peu de tirages")));
            QVERIFY(m_ui.screenshot(m_ui.window(), QString::fromLatin1(c.file)));
        }
        // The tips' chart counts the player's own tips: no verdict, no chance.
        click(QStringLiteral("Button6"));
        QVERIFY(!child<QLabel>(QStringLiteral("ChanceVerdict"))->isVisible());
        QVERIFY(chart()->findChildren<QLineSeries*>().isEmpty());
        QVERIFY(!chart()->legend()->isVisible());
        QVERIFY(chart()->title().isEmpty());
        QVERIFY(!chart()->findChild<QBarSeries*>(QStringLiteral("Series1"))->isVisible());
    }

    void primesAreRedTheOthersGreen() {
        click(QStringLiteral("SpeedButton2"));
        QBarSet* set = bars();
        // Number 1 is red and drawn as the set's colour; 4 is green (selected).
        QCOMPARE(set->color(), QColor(255, 0, 0));
        QCOMPARE(set->selectedColor(), QColor(0, 128, 0));
        QVERIFY(!set->isBarSelected(0));
        QVERIFY(set->isBarSelected(3));
        QVERIFY(!set->isBarSelected(66)); // 67
        QVERIFY(set->isBarSelected(69));  // 70
    }

    void pairMapShowsEachPairBesideChance() {
        child<QTabWidget>(QStringLiteral("PageControl1"))
            ->setCurrentWidget(child<QWidget>(QStringLiteral("TabSheet5")));
        const stats::StatResult before = m_ui.session().chart();
        QTest::mouseClick(onPage("TabSheet5", QStringLiteral("PairMapButton")), Qt::LeftButton);
        auto* map = child<ui::PairMapView>(QStringLiteral("PairMap"));
        QTRY_VERIFY(map->isVisible());
        QVERIFY(map->map());
        QVERIFY(child<QLabel>(QStringLiteral("ChanceVerdict"))
                    ->text()
                    .startsWith(QStringLiteral("Paires ")));
        // The cell of row 11, column 12, figures on hover.
        const QRectF area = QRectF(map->rect().adjusted(8, 8, -8, -8));
        const QString cell =
            map->describeAt(charts::PairMapPainter(area).centreOf(11, 12).toPoint());
        QVERIFY2(
            cell.startsWith(QStringLiteral("11 et 12 : %1 fois").arg(map->map()->count(11, 12))),
            qPrintable(cell));
        // The chart the generator reads is left as it was.
        QCOMPARE(m_ui.session().chart().points.size(), before.points.size());
        QCOMPARE(m_ui.session().chart().minimum, before.minimum);
        QVERIFY(m_ui.screenshot(m_ui.window(), QStringLiteral("chart_pairmap")));
        // The next statistic brings the chart back.
        click(QStringLiteral("SpeedButton2"));
        QVERIFY(child<QChartView>(QStringLiteral("Chart1"))->isVisible());
    }

    void picturesCarryTheVerdictAndNameAFailedFile() {
        click(QStringLiteral("SpeedButton2"));
        const QImage picture = charts::ChartPicture::of(m_ui.session().chart());
        QCOMPARE(picture.width(), charts::ChartPicture::kWidth);
        QVERIFY(picture.height() > charts::ChartPicture::kHeight); // the verdict's line
        QString error;
        const QString path = QDir::temp().filePath(QStringLiteral("no-such-folder/graphique.png"));
        QVERIFY(!charts::ChartPicture::save(picture, path, &error));
        QVERIFY2(error.contains(path), qPrintable(error));
    }

    void searchesBringTheChartPageToTheFront() {
        auto* pages = child<QTabWidget>(QStringLiteral("PageControl1"));
        QWidget* chartPage = child<QWidget>(QStringLiteral("TabSheet5"));
        QWidget* analysis = child<QWidget>(QStringLiteral("TabSheet4"));
        pages->setCurrentWidget(analysis);
        click(QStringLiteral("SpeedButton2")); // the number distribution stays
        QCOMPARE(pages->currentWidget(), analysis);
        for (const char* name : {"Button2", "Button3", "Button4", "Button5"}) {
            pages->setCurrentWidget(analysis);
            click(QString::fromLatin1(name));
            QCOMPARE(pages->currentWidget(), chartPage);
        }
        pages->setCurrentIndex(0);
        click(QStringLiteral("Button6"));
        QCOMPARE(pages->currentWidget(), chartPage);
        QCOMPARE(chart()->axes(Qt::Horizontal).value(0)->titleText(),
                 charts::StatChart::displayCaption(
                     QStringLiteral("Distribution en nombre des conseils")));
    }

    // Each label of an axis is an object of its own. Changing an axis whose
    // interval a small chart left at 1 to the search's thousands of draws
    // made a label per draw (4 s of work) unless the interval went first: the
    // search after the tip distribution makes as many objects as after the
    // cross sums.
    void tipSearchAfterAnyChartDrawsOnlyItsOwnLabels() {
        m_ui.session().tipList().lines() = {QStringLiteral("01,02,03,04,05,06,07,08,09,10")};
        child<QDateEdit>(QStringLiteral("DateTimePicker2"))->setDate(QDate(2015, 1, 1));
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [] {
            if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                input->setTextValue(QStringLiteral("11")); // more than a tip has: no message
                input->accept();
            }
        });
        const auto searchAfter = [&](const QString& chartButton) {
            click(chartButton);
            QApplication::processEvents();
            answer.start(10);
            const int made = objectsMadeBy([&] {
                QTest::mouseClick(onPage("TabSheet1", QStringLiteral("SpeedButton4")),
                                  Qt::LeftButton);
                QApplication::processEvents();
            });
            answer.stop();
            // The search's chart: how many draws of the range the best tip had 0..10 hits on.
            auto* left = qobject_cast<QValueAxis*>(chart()->axes(Qt::Vertical).value(0));
            return left && left->max() > 1000 ? made : -1;
        };
        const int afterCrossSums = searchAfter(QStringLiteral("SpeedButton9"));
        const int afterTipDistribution = searchAfter(QStringLiteral("Button6"));
        QVERIFY(afterCrossSums > 0);
        QVERIFY2(afterTipDistribution <= afterCrossSums * 2,
                 qPrintable(QStringLiteral("%1 objects after the tip distribution, %2 after the "
                                           "cross sums")
                                .arg(afterTipDistribution)
                                .arg(afterCrossSums)));
    }

    void startPickerIsCorrectedOnScreen() {
        auto* picker = child<QDateEdit>(QStringLiteral("DateTimePicker2"));
        QCOMPARE(picker->minimumDate(), QDate(1993, 9, 16));
        const QDate end = m_ui.session().controls().date(app::Control::DateTimePicker1);
        picker->setDate(end.addDays(10));
        click(QStringLiteral("SpeedButton19"));
        QCOMPARE(picker->date(), end.addDays(-365));
    }

    void hoverWritesTheHintIntoTheStatusBar() {
        // The evaluation dialog has a status bar of the same name.
        auto* panel =
            m_ui.window()->statusBar()->findChild<QLabel*>(QStringLiteral("StatusBar1Panel1"));
        QVERIFY(panel);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(onPage("Panel16", QStringLiteral("SpeedButton9")), &enter);
        QCOMPARE(panel->text(), QStringLiteral("Distribution of cross sums"));
        QApplication::sendEvent(child<QWidget>(QStringLiteral("DateTimePicker2")), &enter);
        QCOMPARE(panel->text(), QStringLiteral("With the chosen date starts the evaluation"));
        QApplication::sendEvent(onPage("Panel16", QStringLiteral("SpeedButton19")), &enter);
        QCOMPARE(panel->text(), QStringLiteral("Which number was not drawn the longest?"));
    }

    void parameterPagesPutTheValuesIntoTheSentences() {
        auto* pages = child<QTabWidget>(QStringLiteral("PageControl1"));
        pages->setCurrentWidget(child<QWidget>(QStringLiteral("TabSheet6")));
        auto* inner = child<QTabWidget>(QStringLiteral("PageControl2"));
        QCOMPARE(inner->count(), 4);
        QCOMPARE(inner->tabText(0), QStringLiteral("statistique"));
        QCOMPARE(inner->tabText(3), QStringLiteral("général"));

        auto* check4 = child<QCheckBox>(QStringLiteral("CheckBox4"));
        QCOMPARE(check4->text(), QStringLiteral("maximum de"));
        auto* max = child<QSpinBox>(QStringLiteral("UpDown4"));
        auto* min = child<QSpinBox>(QStringLiteral("UpDown21"));
        // Both values sit on the caption's line, in the order of its gaps.
        QCOMPARE(max->parentWidget(), check4->parentWidget());
        QCOMPARE(min->parentWidget(), check4->parentWidget());
        QCOMPARE(child<QSpinBox>(QStringLiteral("UpDown15"))->text(), QStringLiteral("1.200"));

        for (const char* hidden : {"CheckBox27", "CheckBox30", "CheckBox31", "ComboBox2",
                                   "ComboBox3", "DateTimePicker3"}) {
            QVERIFY2(!child<QWidget>(QString::fromLatin1(hidden))->isVisibleTo(m_ui.window()),
                     hidden);
        }
        // Raising the minimum above the maximum raises the maximum on screen.
        min->setValue(3);
        QCOMPARE(max->value(), 3);
        max->setValue(1);
        QCOMPARE(min->value(), 1);

        for (int i = 0; i < inner->count(); ++i) {
            inner->setCurrentIndex(i);
            QVERIFY(m_ui.screenshot(m_ui.window(), QStringLiteral("parameters_%1").arg(i + 1)));
        }
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "StatisticsWindowTest.moc"
