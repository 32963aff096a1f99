// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRectF>

#include "stats/PairMap.h"

class QPainter;

namespace charts {

// Paints the pair map into a rectangle: the 70 x 70 cells coloured by how
// far each pair's count lies from chance (blue below, red above, white at
// the expectation, full colour from 3 standard deviations on), the numbers
// along two sides, and the colour key on the right.
class PairMapPainter {
public:
    explicit PairMapPainter(const QRectF& area);

    void paint(QPainter& painter, const stats::PairMap& map) const;
    // The two numbers of the cell under a point, or 0 and 0 off the grid
    // and on its diagonal.
    std::pair<int, int> cellAt(const QPointF& point) const;
    // The centre of the cell of row a, column b.
    QPointF centreOf(int a, int b) const;
    static QColor colourOf(double deviation);
    // The cell's figures as the hover shows them.
    static QString describe(const stats::PairMap& map, int a, int b);

private:
    void paintCells(QPainter& painter, const stats::PairMap& map) const;
    void paintNumbers(QPainter& painter) const;
    void paintKey(QPainter& painter) const;

    QRectF m_grid;
    QRectF m_key;
    double m_cell = 0;
};

} // namespace charts
