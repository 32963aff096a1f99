// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QChart;
class QLabel;

namespace backtest {
class StrategyReport;
}

namespace ui {

// The strategy report in the window: its figures beside chance and the odds,
// and a chart of the cumulative net of the strategy and of chance over the
// cycles.
class StrategyDialog : public QDialog {
    Q_OBJECT
public:
    explicit StrategyDialog(QWidget* parent = nullptr);
    void showReport(const backtest::StrategyReport& report);

private:
    QLabel* m_figures = nullptr;
    QChart* m_chart = nullptr;
};

} // namespace ui
