// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PairMapView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "charts/PairMapPainter.h"

namespace ui {

PairMapView::PairMapView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PairMap"));
    setMouseTracking(true);
    setMinimumSize(320, 260);
}

void PairMapView::setMap(const stats::PairMap& map) {
    m_map = map;
    update();
}

QString PairMapView::describeAt(const QPoint& point) const {
    if (!m_map) {
        return QString();
    }
    const auto [a, b] = charts::PairMapPainter(QRectF(rect().adjusted(8, 8, -8, -8))).cellAt(point);
    return a == 0 ? QString() : charts::PairMapPainter::describe(*m_map, a, b);
}

void PairMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_map) {
        charts::PairMapPainter(QRectF(rect().adjusted(8, 8, -8, -8))).paint(painter, *m_map);
    }
}

void PairMapView::mouseMoveEvent(QMouseEvent* event) {
    const QString text = describeAt(event->position().toPoint());
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(event->globalPosition().toPoint(), text, this);
    }
}

} // namespace ui
