// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ChartPage.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QPen>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/StatisticsCommands.h"
#include "ui/AxisTicks.h"
#include "ui/ElidedLabel.h"
#include "ui/PageBuilder.h"

namespace ui {

namespace {

// At most this many labels on the bottom axis, so the cross sums stay legible.
constexpr int kMaxBottomLabels = 14;

int labelStep(int points) {
    for (int step : {1, 2, 5, 10, 20, 25, 50, 100, 200, 500}) {
        if (points / step <= kMaxBottomLabels) {
            return step;
        }
    }
    return 1000;
}

} // namespace

QString ChartPage::displayCaption(const QString& caption) {
    // The axis title would fold runs of blanks into one; the captions are
    // spaced on purpose, so their blanks do not break.
    QString shown = caption;
    shown.replace(QLatin1Char(' '), QChar(0x00A0));
    return shown;
}

ChartPage::ChartPage(app::Session& session, PageBuilder& builder, const ButtonFactory& button,
                     const HintWatch& watchHint, QWidget* parent)
    : QWidget(parent), m_session(session) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildToolRow(builder, button, watchHint));
    buildChart();
    layout->addWidget(m_view, 1);
    // Under the chart: whether what it counts stands out from chance.
    m_verdict = new ElidedLabel;
    PageBuilder::named(m_verdict, QStringLiteral("ChanceVerdict"));
    layout->addWidget(m_verdict);
    showResult(m_session.chart());
}

QWidget* ChartPage::buildToolRow(PageBuilder& builder, const ButtonFactory& button,
                                 const HintWatch& watchHint) {
    auto* panel = PageBuilder::named(new QWidget, QStringLiteral("Panel16"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    app::StatisticsCommands& statistics = m_session.statistics();
    // The number distribution's button shows a small bar glyph instead of a caption.
    row->addWidget(button(QStringLiteral("SpeedButton2"), QStringLiteral("▁▃▅▇"),
                          QStringLiteral("Distribution of numbers drawn"),
                          [&statistics] { statistics.SpeedButton2Click(); }));
    row->addWidget(button(QStringLiteral("SpeedButton9"), QStringLiteral("traverser somme"),
                          QStringLiteral("Distribution of cross sums"),
                          [&statistics] { statistics.SpeedButton9Click(); }));
    row->addWidget(button(
        QStringLiteral("SpeedButton1"), QStringLiteral("paires"),
        QStringLiteral("How many pairs of which was drawn. Below is the first number of the pair"),
        [&statistics] { statistics.SpeedButton1Click(); }));
    row->addWidget(button(
        QStringLiteral("SpeedButton3"), QStringLiteral("trois"),
        QStringLiteral("How often triple what was drawn. Below is the first number of the three"),
        [&statistics] { statistics.SpeedButton3Click(); }));
    row->addWidget(button(
        QStringLiteral("SpeedButton17"), QStringLiteral("quatre"),
        QStringLiteral("How often which of four was drawn. Below is the first number of the four"),
        [&statistics] { statistics.SpeedButton17Click(); }));
    row->addWidget(button(QStringLiteral("SpeedButton19"), QStringLiteral("en attendant"),
                          QStringLiteral("Which number was not drawn the longest?"),
                          [&statistics] { statistics.SpeedButton19Click(); }));
    for (int i = 0; i < row->count(); ++i) {
        PageBuilder::fitToCaption(row->itemAt(i)->widget());
    }
    QWidget* picker = builder.control(QStringLiteral("DateTimePicker2"));
    watchHint(picker);
    row->addWidget(picker);
    row->addStretch();
    return panel;
}

void ChartPage::buildChart() {
    m_chart = new QChart;
    m_chart->legend()->hide();
    m_chart->setTitle(QString());
    m_chart->setMargins(QMargins(4, 4, 4, 4));

    m_series1 = new QBarSeries;
    m_series1->setObjectName(QStringLiteral("Series1"));
    m_series2 = new QBarSeries;
    m_series2->setObjectName(QStringLiteral("Series2"));
    m_series2->setBarWidth(0.8);
    m_series2->append(new QBarSet(QString()));
    for (QBarSeries* series : {m_series1, m_series2}) {
        series->setLabelsVisible(true);
        series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        m_chart->addSeries(series);
    }
    // No statistic ever fills the first series.
    m_series1->setVisible(false);
    m_defaultColor = m_series2->barSets().first()->color();

    m_bottomAxis = new QCategoryAxis;
    m_bottomAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_bottomAxis->setGridLineVisible(false);
    m_leftAxis = new QValueAxis;
    m_leftAxis->setLabelFormat(QStringLiteral("%d"));
    m_chart->addAxis(m_bottomAxis, Qt::AlignBottom);
    m_chart->addAxis(m_leftAxis, Qt::AlignLeft);
    for (QBarSeries* series : {m_series1, m_series2}) {
        series->attachAxis(m_bottomAxis);
        series->attachAxis(m_leftAxis);
    }

    showEmptiness(true);

    m_view = new QChartView(m_chart);
    m_view->setObjectName(QStringLiteral("Chart1"));
    m_view->setRenderHint(QPainter::Antialiasing);
}

QColor ChartPage::pointColor(std::uint32_t color) const {
    if (color == stats::kSeriesDefault) {
        return m_defaultColor;
    }
    // Stored as blue * 65536 + green * 256 + red.
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

void ChartPage::fillBars(const stats::StatResult& result) {
    QBarSet* bars = m_series2->barSets().first();
    bars->deselectAllBars();
    bars->remove(0, bars->count());
    QList<qreal> values;
    QList<int> otherColoured;
    const QColor first =
        result.points.empty() ? m_defaultColor : pointColor(result.points.front().color);
    QColor second = first;
    for (int i = 0; i < static_cast<int>(result.points.size()); ++i) {
        const stats::StatPoint& point = result.points[static_cast<std::size_t>(i)];
        values << point.y;
        const QColor colour = pointColor(point.color);
        // The charts use at most two colours (the prime colouring); the
        // bars of the second are drawn as selected bars.
        if (colour != first) {
            second = colour;
            otherColoured << i;
        }
    }
    bars->append(values);
    bars->setColor(first);
    bars->setPen(QPen(Qt::NoPen)); // a border would take the first colour on every bar
    bars->setSelectedColor(second);
    bars->selectBars(otherColoured);
    for (QBarSeries* series : {m_series1, m_series2}) {
        series->setLabelsVisible(result.marks);
    }
}

void ChartPage::scaleAxes(const stats::StatResult& result) {
    const int count = static_cast<int>(result.points.size());
    // Bars sit at their index; the labels show the category (the x value).
    for (const QString& label : m_bottomAxis->categoriesLabels()) {
        m_bottomAxis->remove(label);
    }
    m_bottomAxis->setStartValue(-0.5);
    const int step = labelStep(count);
    for (int i = 0; i < count; ++i) {
        const auto x =
            static_cast<qint64>(std::llround(result.points[static_cast<std::size_t>(i)].x));
        if (x % step == 0 || count == 1) {
            m_bottomAxis->append(QString::number(x), i);
        }
    }
    m_bottomAxis->setRange(-0.5, std::max(0.5, count - 0.5));
    m_bottomAxis->setTitleText(displayCaption(result.caption));

    // A fixed range runs from the smallest to the largest count; the
    // automatic one from the bars' origin 0 to the largest.
    double low = result.rangeMinimum();
    double high = result.rangeMaximum();
    if (high <= low) {
        high = low + 1; // an axis needs some span to draw equal bars
    }
    // The axis spans exactly the range the generator reads back.
    setWholeTicks(m_leftAxis, low, high);
}

void ChartPage::showResult(const stats::StatResult& result) {
    m_verdict->setText(result.verdict);
    m_verdict->setVisible(!result.verdict.isEmpty());
    fillBars(result);
    scaleAxes(result);
    showEmptiness(result.points.empty());
}

void ChartPage::showEmptiness(bool empty) {
    // The chart has no title; an empty one says why there is nothing to see.
    m_chart->setTitle(empty ? QStringLiteral("Aucune statistique : choisissez-en une ci-dessus "
                                             "(l'historique doit contenir des tirages)")
                            : QString());
}

} // namespace ui
