// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/PairMapPainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "common/Formats.h"

namespace charts {

namespace {

constexpr int kNumbers = 70;
constexpr double kFullColour = 3; // standard deviations
constexpr double kLabelRoom = 26;
constexpr double kKeyRoom = 90;

QColor mix(const QColor& from, const QColor& to, double share) {
    const auto blend = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(blend(from.red(), to.red()), blend(from.green(), to.green()),
                  blend(from.blue(), to.blue()));
}

QString signedDecimal(double value) {
    return (value >= 0 ? QStringLiteral("+") : QString()) + common::formatDecimal(value, 1);
}

} // namespace

PairMapPainter::PairMapPainter(const QRectF& area) {
    const double side =
        std::max(0.0, std::min(area.width() - kLabelRoom - kKeyRoom, area.height() - kLabelRoom));
    m_cell = side / kNumbers;
    m_grid = QRectF(area.left() + kLabelRoom, area.top() + kLabelRoom, side, side);
    m_key = QRectF(m_grid.right() + 16, m_grid.top(), 18, side);
}

QColor PairMapPainter::colourOf(double deviation) {
    const double share = std::min(std::fabs(deviation) / kFullColour, 1.0);
    return mix(Qt::white, deviation < 0 ? QColor(33, 102, 172) : QColor(178, 24, 43), share);
}

std::pair<int, int> PairMapPainter::cellAt(const QPointF& point) const {
    if (m_cell <= 0 || !m_grid.contains(point)) {
        return {0, 0};
    }
    const int column = std::clamp(int((point.x() - m_grid.left()) / m_cell) + 1, 1, kNumbers);
    const int row = std::clamp(int((point.y() - m_grid.top()) / m_cell) + 1, 1, kNumbers);
    return row == column ? std::pair{0, 0} : std::pair{row, column};
}

QPointF PairMapPainter::centreOf(int a, int b) const {
    return {m_grid.left() + (b - 0.5) * m_cell, m_grid.top() + (a - 0.5) * m_cell};
}

QString PairMapPainter::describe(const stats::PairMap& map, int a, int b) {
    return QStringLiteral("%1 et %2 : %3 fois ensemble, %4 attendues par hasard, %5 σ")
        .arg(a)
        .arg(b)
        .arg(map.count(a, b))
        .arg(common::formatDecimal(map.expected(), 1))
        .arg(signedDecimal(map.deviation(a, b)));
}

void PairMapPainter::paint(QPainter& painter, const stats::PairMap& map) const {
    painter.save();
    paintCells(painter, map);
    paintNumbers(painter);
    paintKey(painter);
    painter.restore();
}

void PairMapPainter::paintCells(QPainter& painter, const stats::PairMap& map) const {
    painter.setPen(Qt::NoPen);
    for (int a = 1; a <= kNumbers; ++a) {
        for (int b = 1; b <= kNumbers; ++b) {
            const QColor colour =
                a == b || map.draws() == 0 ? QColor(200, 200, 200) : colourOf(map.deviation(a, b));
            // Cells overlap by a hair so that no seam shows between them.
            painter.fillRect(QRectF(m_grid.left() + (b - 1) * m_cell,
                                    m_grid.top() + (a - 1) * m_cell, m_cell + 0.5, m_cell + 0.5),
                             colour);
        }
    }
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m_grid);
}

void PairMapPainter::paintNumbers(QPainter& painter) const {
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPointSizeF(7.5);
    painter.setFont(font);
    for (int n = 1; n <= kNumbers; ++n) {
        if (n != 1 && n % 5 != 0) {
            continue;
        }
        const double centre = (n - 0.5) * m_cell;
        painter.drawText(
            QRectF(m_grid.left() + centre - 12, m_grid.top() - kLabelRoom, 24, kLabelRoom - 2),
            Qt::AlignHCenter | Qt::AlignBottom, QString::number(n));
        painter.drawText(
            QRectF(m_grid.left() - kLabelRoom, m_grid.top() + centre - 8, kLabelRoom - 4, 16),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(n));
    }
}

void PairMapPainter::paintKey(QPainter& painter) const {
    const int steps = 60;
    for (int i = 0; i < steps; ++i) {
        const double deviation = kFullColour - 2 * kFullColour * (i + 0.5) / steps;
        painter.fillRect(QRectF(m_key.left(), m_key.top() + i * m_key.height() / steps,
                                m_key.width(), m_key.height() / steps + 0.5),
                         colourOf(deviation));
    }
    painter.setPen(QColor(120, 120, 120));
    painter.drawRect(m_key);
    painter.setPen(Qt::black);
    for (int sigma = -3; sigma <= 3; ++sigma) {
        const double y = m_key.top() + (kFullColour - sigma) / (2 * kFullColour) * m_key.height();
        const QString text = sigma == 0  ? QStringLiteral("0 σ")
                             : sigma > 0 ? QStringLiteral("+%1 σ").arg(sigma)
                                         : QStringLiteral("%1 σ").arg(sigma);
        painter.drawText(QRectF(m_key.right() + 4, y - 8, kKeyRoom - 40, 16), Qt::AlignVCenter,
                         text);
    }
}

} // namespace charts
