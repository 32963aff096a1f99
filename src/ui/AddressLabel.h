// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace ui {

// A label showing a web address that reacts to a click like a link.
class AddressLabel : public QLabel {
    Q_OBJECT
public:
    AddressLabel(const QString& name, const QString& address, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace ui
