// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StrategyDialog.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include "charts/AxisTicks.h"
#include "charts/ChartPicture.h"

#include "backtest/SeedSpread.h"
#include "backtest/StrategyReport.h"

namespace ui {

namespace {

// Tab-separated lines as table rows; a number column is right-aligned.
QString tableOf(const QStringList& lines, bool header) {
    QString html = QStringLiteral("<table>");
    for (int row = 0; row < lines.size(); ++row) {
        const QStringList cells = lines[row].split(QLatin1Char('\t'));
        html += QStringLiteral("<tr>");
        for (int column = 0; column < cells.size(); ++column) {
            const QString cell = cells[column].toHtmlEscaped();
            const bool bold = header && row == 0;
            html += column == 0 ? QStringLiteral("<td>%1</td>")
                                : QStringLiteral("<td align=\"right\" nowrap>&nbsp;&nbsp;%1</td>");
            html = html.arg(bold ? QStringLiteral("<b>%1</b>").arg(cell) : cell);
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

StrategyDialog::StrategyDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("StrategyDialog"));
    setWindowTitle(QStringLiteral("Rapport de stratégie"));
    auto* layout = new QVBoxLayout(this);
    m_figures = new QLabel;
    m_figures->setObjectName(QStringLiteral("StrategyFigures"));
    m_figures->setTextFormat(Qt::RichText);
    m_figures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_figures->setWordWrap(true);
    // The figures beside the chart: under them it would be left a strip.
    auto* body = new QHBoxLayout;
    body->addWidget(m_figures, 0, Qt::AlignTop);
    layout->addLayout(body, 1);
    m_chart = new QChart;
    m_chart->setTitle(QStringLiteral("net cumulé (gains moins mises)"));
    auto* view = new QChartView(m_chart);
    m_view = view;
    view->setObjectName(QStringLiteral("StrategyChart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 260);
    body->addWidget(view, 1);
    auto* seedsRow = new QHBoxLayout;
    auto* seedsLabel = new QLabel(QStringLiteral("graines"));
    m_seeds = new QLineEdit;
    m_seeds->setObjectName(QStringLiteral("StrategySeeds"));
    m_seeds->setPlaceholderText(QStringLiteral("1-20 ou 1,3,5-7 ; vide : une seule"));
    m_seeds->setToolTip(QStringLiteral("Les numéros chanceux à comparer, calculés côte à côte"));
    seedsLabel->setBuddy(m_seeds);
    m_run = new QPushButton(QStringLiteral("relancer"));
    m_run->setObjectName(QStringLiteral("StrategySeedsRun"));
    m_run->setAutoDefault(false);
    connect(m_run, &QPushButton::clicked, this, [this] {
        if (m_runner) {
            m_runner(m_seeds->text());
        }
    });
    connect(m_seeds, &QLineEdit::returnPressed, m_run, &QPushButton::click);
    seedsRow->addWidget(seedsLabel);
    seedsRow->addWidget(m_seeds, 1);
    seedsRow->addWidget(m_run);
    auto* save = new QPushButton(QStringLiteral("enregistrer l'image"));
    save->setObjectName(QStringLiteral("StrategySaveImage"));
    connect(save, &QPushButton::clicked, this, &StrategyDialog::saveImage);
    seedsRow->addWidget(save);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    seedsRow->addWidget(buttons);
    layout->addLayout(seedsRow);
    resize(1040, 520);
}

void StrategyDialog::setRunning(bool running) {
    m_run->setEnabled(!running);
    m_seeds->setEnabled(!running);
}

void StrategyDialog::reject() {
    if (m_stopper && m_stopper()) {
        return;
    }
    QDialog::reject();
}

void StrategyDialog::showFigures(const QStringList& headline, const QStringList& tables) {
    QString html = QStringLiteral("<p><b>%1</b></p><p>%2</p>")
                       .arg(headline.value(0).toHtmlEscaped(), headline.value(1).toHtmlEscaped());
    m_figures->setText(html + tables.join(QString()));
    m_verdict = headline.value(1);
}

void StrategyDialog::saveImage() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("enregistrer l'image"),
                                                QStringLiteral("strategie.png"),
                                                QStringLiteral("Images PNG (*.png)"));
    if (path.isEmpty()) {
        return;
    }
    path = charts::ChartPicture::pngPath(path);
    QString error;
    if (!charts::ChartPicture::save(charts::ChartPicture::of(m_view, m_verdict), path, &error)) {
        QMessageBox::warning(this, windowTitle(), error);
    }
}

void StrategyDialog::showReport(const backtest::StrategyReport& report) {
    // The title, the verdict beside chance, then the figures as a table of
    // names and values.
    const QStringList text = report.text();
    showFigures(text.mid(0, 2), {tableOf(text.mid(2), false)});
    plot(
        {{QStringLiteral("stratégie"), &report, false}, {QStringLiteral("hasard"), &report, true}});
}

void StrategyDialog::showSpread(const std::vector<backtest::StrategyReport>& reports,
                                const backtest::SeedSpread& spread) {
    const QStringList text = spread.text();
    showFigures(text.mid(0, 2), {tableOf(spread.seedLines(), true),
                                 QStringLiteral("<br>") + tableOf(spread.spreadLines(), false)});
    std::vector<Curve> curves;
    for (std::size_t i = 0; i < reports.size() && i < spread.seeds().size(); ++i) {
        curves.push_back(
            {QStringLiteral("graine %1").arg(spread.seeds()[i].seed), &reports[i], false});
    }
    plot(curves);
    // A legend of dozens of seeds would hide the chart.
    m_chart->legend()->setVisible(curves.size() <= 8);
}

void StrategyDialog::plot(const std::vector<Curve>& curves) {
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    m_chart->legend()->setVisible(true);
    double low = 0;
    double high = 0;
    int cycles = 0;
    std::vector<QLineSeries*> series;
    for (const Curve& curve : curves) {
        auto* line = new QLineSeries;
        line->setName(curve.name);
        int cycle = 0;
        for (const backtest::StrategyReport::Cycle& c : curve.report->cycleList()) {
            const double net = static_cast<double>(curve.chance ? c.chanceNet : c.strategyNet);
            line->append(++cycle, net);
            low = std::min(low, net);
            high = std::max(high, net);
        }
        cycles = std::max(cycles, cycle);
        m_chart->addSeries(line);
        series.push_back(line);
    }
    auto* cycleAxis = new QValueAxis;
    cycleAxis->setTitleText(QStringLiteral("tirages"));
    cycleAxis->setLabelFormat(QStringLiteral("%d"));
    charts::setWholeTicks(cycleAxis, 0, std::max(1, cycles));
    auto* net = new QValueAxis;
    net->setLabelFormat(QStringLiteral("%d"));
    charts::setWholeTicks(net, low, high > low ? high : low + 1);
    m_chart->addAxis(cycleAxis, Qt::AlignBottom);
    m_chart->addAxis(net, Qt::AlignLeft);
    for (QLineSeries* line : series) {
        line->attachAxis(cycleAxis);
        line->attachAxis(net);
    }
}

} // namespace ui
