// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StrategyDialog.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include "charts/AxisTicks.h"

#include "backtest/StrategyReport.h"

namespace ui {

StrategyDialog::StrategyDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("StrategyDialog"));
    setWindowTitle(QStringLiteral("Rapport de stratégie"));
    auto* layout = new QVBoxLayout(this);
    m_figures = new QLabel;
    m_figures->setObjectName(QStringLiteral("StrategyFigures"));
    m_figures->setTextFormat(Qt::RichText);
    m_figures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The figures beside the chart: under them it would be left a strip.
    auto* body = new QHBoxLayout;
    body->addWidget(m_figures, 0, Qt::AlignTop);
    layout->addLayout(body, 1);
    m_chart = new QChart;
    m_chart->setTitle(QStringLiteral("net cumulé (gains moins mises)"));
    auto* view = new QChartView(m_chart);
    view->setObjectName(QStringLiteral("StrategyChart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 260);
    body->addWidget(view, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 440);
}

void StrategyDialog::showReport(const backtest::StrategyReport& report) {
    // The title, the verdict beside chance, then the figures as a table of
    // names and values.
    const QStringList text = report.text();
    QString html = QStringLiteral("<p><b>%1</b></p><p>%2</p><table>")
                       .arg(text.value(0).toHtmlEscaped(), text.value(1).toHtmlEscaped());
    for (const QString& line : text.mid(2)) {
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\">&nbsp;&nbsp;%2</td></tr>")
                    .arg(line.section(QLatin1Char('\t'), 0, 0).toHtmlEscaped(),
                         line.section(QLatin1Char('\t'), 1).toHtmlEscaped());
    }
    m_figures->setText(html + QStringLiteral("</table>"));
    m_figures->setWordWrap(true);
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    auto* strategy = new QLineSeries;
    strategy->setName(QStringLiteral("stratégie"));
    auto* chance = new QLineSeries;
    chance->setName(QStringLiteral("hasard"));
    double low = 0;
    double high = 0;
    int cycle = 0;
    for (const backtest::StrategyReport::Cycle& c : report.cycleList()) {
        ++cycle;
        strategy->append(cycle, static_cast<double>(c.strategyNet));
        chance->append(cycle, static_cast<double>(c.chanceNet));
        low = std::min({low, static_cast<double>(c.strategyNet), static_cast<double>(c.chanceNet)});
        high =
            std::max({high, static_cast<double>(c.strategyNet), static_cast<double>(c.chanceNet)});
    }
    m_chart->addSeries(strategy);
    m_chart->addSeries(chance);
    auto* cycles = new QValueAxis;
    cycles->setTitleText(QStringLiteral("tirages"));
    cycles->setLabelFormat(QStringLiteral("%d"));
    charts::setWholeTicks(cycles, 0, std::max(1, cycle));
    auto* net = new QValueAxis;
    net->setLabelFormat(QStringLiteral("%d"));
    charts::setWholeTicks(net, low, high > low ? high : low + 1);
    m_chart->addAxis(cycles, Qt::AlignBottom);
    m_chart->addAxis(net, Qt::AlignLeft);
    for (QLineSeries* series : {strategy, chance}) {
        series->attachAxis(cycles);
        series->attachAxis(net);
    }
}

} // namespace ui
