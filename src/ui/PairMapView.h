// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

#include "stats/PairMap.h"

namespace ui {

// The pair map on screen: the 70 x 70 cells with their colour key, and the
// figures of the cell under the mouse in a tooltip.
class PairMapView : public QWidget {
    Q_OBJECT
public:
    explicit PairMapView(QWidget* parent = nullptr);

    void setMap(const stats::PairMap& map);
    const std::optional<stats::PairMap>& map() const { return m_map; }
    // The figures of the cell under a point of the view; empty off the grid.
    QString describeAt(const QPoint& point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::optional<stats::PairMap> m_map;
};

} // namespace ui
