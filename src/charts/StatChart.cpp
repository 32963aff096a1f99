// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/StatChart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "charts/AxisTicks.h"

namespace charts {

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

// Chance is drawn in one dark colour that neither bar colour uses: solid for
// the expectation, dashed for the edges of the 95 % band.
QPen chancePen(bool band) {
    QPen pen(QColor(40, 40, 160));
    pen.setWidthF(band ? 1.5 : 2.0);
    pen.setStyle(band ? Qt::DashLine : Qt::SolidLine);
    return pen;
}

} // namespace

QString StatChart::displayCaption(const QString& caption) {
    // The axis title would fold runs of blanks into one; the captions are
    // spaced on purpose, so their blanks do not break.
    QString shown = caption;
    shown.replace(QLatin1Char(' '), QChar(0x00A0));
    return shown;
}

StatChart::StatChart() {
    legend()->hide();
    legend()->setAlignment(Qt::AlignTop);
    setTitle(QString());
    setMargins(QMargins(4, 4, 4, 4));

    m_series1 = new QBarSeries;
    m_series1->setObjectName(QStringLiteral("Series1"));
    m_series2 = new QBarSeries;
    m_series2->setObjectName(QStringLiteral("Series2"));
    m_series2->setBarWidth(0.8);
    m_series2->append(new QBarSet(QString()));
    for (QBarSeries* series : {m_series1, m_series2}) {
        series->setLabelsVisible(true);
        series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        addSeries(series);
    }
    // No statistic ever fills the first series.
    m_series1->setVisible(false);
    m_defaultColor = m_series2->barSets().first()->color();

    m_bottomAxis = new QCategoryAxis;
    m_bottomAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_bottomAxis->setGridLineVisible(false);
    m_leftAxis = new QValueAxis;
    m_leftAxis->setLabelFormat(QStringLiteral("%d"));
    addAxis(m_bottomAxis, Qt::AlignBottom);
    addAxis(m_leftAxis, Qt::AlignLeft);
    for (QBarSeries* series : {m_series1, m_series2}) {
        series->attachAxis(m_bottomAxis);
        series->attachAxis(m_leftAxis);
    }
    showEmptiness(true);
}

void StatChart::show(const stats::StatResult& result) {
    fillBars(result);
    drawChance(result);
    scaleAxes(result);
    showEmptiness(result.points.empty());
}

QColor StatChart::pointColor(std::uint32_t color) const {
    if (color == stats::kSeriesDefault) {
        return m_defaultColor;
    }
    // Stored as blue * 65536 + green * 256 + red.
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

void StatChart::fillBars(const stats::StatResult& result) {
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

void StatChart::drawChance(const stats::StatResult& result) {
    for (QLineSeries* line : m_chance) {
        removeSeries(line);
        delete line;
    }
    m_chance.clear();
    const int count = static_cast<int>(result.points.size());
    for (const stats::ChanceLine& chance : result.chance) {
        if (static_cast<int>(chance.y.size()) != count || count == 0) {
            continue;
        }
        auto* line = new QLineSeries;
        line->setObjectName(QStringLiteral("Chance%1").arg(m_chance.size()));
        line->setName(chance.name);
        line->setPen(chancePen(chance.band));
        // The line reaches the outer edges of the first and last bars.
        QList<QPointF> points{{-0.5, chance.y.front()}};
        for (int i = 0; i < count; ++i) {
            points << QPointF(i, chance.y[static_cast<std::size_t>(i)]);
        }
        points << QPointF(count - 0.5, chance.y.back());
        line->replace(points);
        addSeries(line);
        line->attachAxis(m_bottomAxis);
        line->attachAxis(m_leftAxis);
        m_chance << line;
    }
    // The legend names chance's lines only; an unnamed edge shares the entry
    // of the band's other edge.
    legend()->setVisible(!m_chance.isEmpty());
    for (QLegendMarker* marker : legend()->markers()) {
        const auto* line = qobject_cast<QLineSeries*>(marker->series());
        marker->setVisible(line && !line->name().isEmpty());
    }
}

void StatChart::scaleAxes(const stats::StatResult& result) {
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
    // The axis holds the bars and chance's lines, with room under the least
    // count; the range the generator reads back is the result's own.
    setWholeTicks(m_leftAxis, result.shownMinimum(), result.shownMaximum());
}

void StatChart::showEmptiness(bool empty) {
    // The chart has no title; an empty one says why there is nothing to see.
    setTitle(empty ? QStringLiteral("Aucune statistique : choisissez-en une ci-dessus "
                                    "(l'historique doit contenir des tirages)")
                   : QString());
}

} // namespace charts
