// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChart>
#include <QColor>
#include <QList>

#include "stats/StatResult.h"

class QBarSeries;
class QCategoryAxis;
class QLineSeries;
class QValueAxis;

namespace charts {

// The bar chart of a statistic result: the counts as bars (the series
// Series2; Series1 stays empty and hidden), and beside them, as lines, what
// chance gives for the same window. The window's chart page and the pictures
// of the command line draw the same chart.
class StatChart : public QChart {
    Q_OBJECT
public:
    StatChart();

    void show(const stats::StatResult& result);
    // The caption as the bottom axis shows it, its spacing kept.
    static QString displayCaption(const QString& caption);
    // The chance line series drawn now, in the result's order.
    const QList<QLineSeries*>& chanceSeries() const { return m_chance; }

private:
    void fillBars(const stats::StatResult& result);
    void scaleAxes(const stats::StatResult& result);
    void drawChance(const stats::StatResult& result);
    void showEmptiness(bool empty);
    QColor pointColor(std::uint32_t color) const;

    QBarSeries* m_series1 = nullptr;
    QBarSeries* m_series2 = nullptr;
    QList<QLineSeries*> m_chance;
    QCategoryAxis* m_bottomAxis = nullptr;
    QValueAxis* m_leftAxis = nullptr;
    QColor m_defaultColor;
};

} // namespace charts
