// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace ui {

// A label that keeps to one line whatever its text: a text too long for its
// width ends in "…" and shows whole as the tooltip. The controls around it
// then stay where they are, as a folding label would move them.
class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    // The text as painted: whole, or cut to the width with "…".
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
