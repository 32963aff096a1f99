// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QObject>
#include <QWidget>
#include <functional>

#include "app/NumberDialogPort.h"

namespace ui {

// Shows the number choice dialog for the operations, over the main window.
class NumberDialogWindow : public QObject, public app::NumberDialogPort {
    Q_OBJECT
public:
    NumberDialogWindow(QWidget* window, std::function<QDate()> today)
        : QObject(window), m_window(window), m_today(std::move(today)) {}

    Answer showNumberDialog(app::NumberDialogState& state, common::Random& random) override;

private:
    QWidget* m_window;
    std::function<QDate()> m_today;
};

} // namespace ui
