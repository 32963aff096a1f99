// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QChart;
class QLabel;
class QLineEdit;
class QPushButton;

namespace backtest {
class SeedSpread;
class StrategyReport;
} // namespace backtest

namespace ui {

// The strategy report in the window: its figures beside chance and the odds,
// and a chart of the cumulative net of the strategy and of chance over the
// cycles. A field takes lucky numbers ("1-20", "1,3,5-7") for a run over
// several seeds, whose spread the dialog then shows; left empty, the run is
// the single one of the button.
class StrategyDialog : public QDialog {
    Q_OBJECT
public:
    // Starts a run for the seeds typed (empty: the single run).
    using Runner = std::function<void(const QString& seeds)>;
    // Asks a running run to stop; false when none runs.
    using Stopper = std::function<bool()>;

    explicit StrategyDialog(QWidget* parent = nullptr);
    void setRunner(Runner runner) { m_runner = std::move(runner); }
    void setStopper(Stopper stopper) { m_stopper = std::move(stopper); }
    void setRunning(bool running);
    // The start date of the period the report shown covers: "relancer" runs
    // over that period again.
    void setStart(const QDate& start) { m_start = start; }
    QDate start() const { return m_start; }
    void showReport(const backtest::StrategyReport& report);
    void showSpread(const std::vector<backtest::StrategyReport>& reports,
                    const backtest::SeedSpread& spread);

protected:
    // Escape during a run stops it instead of closing the dialog.
    void reject() override;

private:
    // One line of the chart: a report's cumulative net, of the strategy or
    // of chance.
    struct Curve {
        QString name;
        const backtest::StrategyReport* report = nullptr;
        bool chance = false;
    };
    void plot(const std::vector<Curve>& curves);
    void showFigures(const QStringList& headline, const QStringList& tables);
    // Saves the chart with the verdict under it as a PNG chosen in a dialog.
    void saveImage();
    QLabel* m_figures = nullptr;
    QChart* m_chart = nullptr;
    QWidget* m_view = nullptr;
    QString m_verdict; // the verdict line, under the saved picture
    QLineEdit* m_seeds = nullptr;
    QPushButton* m_run = nullptr;
    QDate m_start;
    Runner m_runner;
    Stopper m_stopper;
};

} // namespace ui
