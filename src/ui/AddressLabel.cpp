// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AddressLabel.h"

#include <QMouseEvent>

namespace ui {

AddressLabel::AddressLabel(const QString& name, const QString& address, QWidget* parent)
    : QLabel(address, parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setForegroundRole(QPalette::Link);
}

void AddressLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}

} // namespace ui
