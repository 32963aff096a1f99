// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ChartPage.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/StatisticsCommands.h"
#include "charts/ChartPicture.h"
#include "charts/StatChart.h"
#include "ui/PageBuilder.h"
#include "ui/PairMapView.h"

namespace ui {

ChartPage::ChartPage(app::Session& session, PageBuilder& builder, const ButtonFactory& button,
                     const HintWatch& watchHint, QWidget* parent)
    : QWidget(parent), m_session(session) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildToolRow(builder, button, watchHint));
    m_chart = new charts::StatChart;
    m_view = new QChartView(m_chart);
    m_view->setObjectName(QStringLiteral("Chart1"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_pairMap = new PairMapView;
    m_stack = new QStackedWidget;
    m_stack->addWidget(m_view);
    m_stack->addWidget(m_pairMap);
    layout->addWidget(m_stack, 1);
    // Under the chart: whether what it counts stands out from chance, whole
    // on lines of its own (its p-value is the point of it), then the pair
    // map and the picture of what is shown.
    m_verdict = new QLabel;
    m_verdict->setWordWrap(true);
    m_verdict->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PageBuilder::named(m_verdict, QStringLiteral("ChanceVerdict"));
    layout->addWidget(m_verdict);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(button(QStringLiteral("PairMapButton"), QStringLiteral("carte des paires"),
                             QStringLiteral("Combien de fois chaque paire de numéros est sortie "
                                            "ensemble, comparé au hasard"),
                             [this] { showPairMap(); }));
    bottom->addWidget(button(
        QStringLiteral("SaveImageButton"), QStringLiteral("enregistrer l'image"),
        QStringLiteral("Enregistre le graphique affiché en image PNG"), [this] { saveImage(); }));
    for (int i = 1; i < bottom->count(); ++i) {
        PageBuilder::fitToCaption(bottom->itemAt(i)->widget());
    }
    layout->addLayout(bottom);
    showResult(m_session.chart());
}

QWidget* ChartPage::buildToolRow(PageBuilder& builder, const ButtonFactory& button,
                                 const HintWatch& watchHint) {
    auto* panel = PageBuilder::named(new QWidget, QStringLiteral("Panel16"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    app::StatisticsCommands& statistics = m_session.statistics();
    // The number distribution's button shows a small bar glyph instead of a caption.
    row->addWidget(button(QStringLiteral("SpeedButton2"), QStringLiteral("▁▃▅▇"),
                          QStringLiteral("Distribution of numbers drawn"),
                          [&statistics] { statistics.SpeedButton2Click(); }));
    row->addWidget(button(QStringLiteral("SpeedButton9"), QStringLiteral("traverser somme"),
                          QStringLiteral("Distribution of cross sums"),
                          [&statistics] { statistics.SpeedButton9Click(); }));
    row->addWidget(button(
        QStringLiteral("SpeedButton1"), QStringLiteral("paires"),
        QStringLiteral("How many pairs of which was drawn. Below is the first number of the pair"),
        [&statistics] { statistics.SpeedButton1Click(); }));
    row->addWidget(button(
        QStringLiteral("SpeedButton3"), QStringLiteral("trois"),
        QStringLiteral("How often triple what was drawn. Below is the first number of the three"),
        [&statistics] { statistics.SpeedButton3Click(); }));
    row->addWidget(button(
        QStringLiteral("SpeedButton17"), QStringLiteral("quatre"),
        QStringLiteral("How often which of four was drawn. Below is the first number of the four"),
        [&statistics] { statistics.SpeedButton17Click(); }));
    row->addWidget(button(QStringLiteral("SpeedButton19"), QStringLiteral("en attendant"),
                          QStringLiteral("Which number was not drawn the longest?"),
                          [&statistics] { statistics.SpeedButton19Click(); }));
    for (int i = 0; i < row->count(); ++i) {
        PageBuilder::fitToCaption(row->itemAt(i)->widget());
    }
    QWidget* picker = builder.control(QStringLiteral("DateTimePicker2"));
    watchHint(picker);
    row->addWidget(picker);
    row->addStretch();
    return panel;
}

void ChartPage::showVerdict(const QString& verdict) {
    m_verdict->setText(verdict);
    m_verdict->setVisible(!verdict.isEmpty());
}

void ChartPage::showResult(const stats::StatResult& result) {
    m_chart->show(result);
    m_stack->setCurrentWidget(m_view);
    showVerdict(result.verdict);
}

void ChartPage::showPairMap() {
    const std::optional<stats::PairMap> map = m_session.statistics().pairMap();
    if (!map) {
        return;
    }
    m_pairMap->setMap(*map);
    m_stack->setCurrentWidget(m_pairMap);
    showVerdict(map->verdict().text);
}

void ChartPage::saveImage() {
    const bool pairs = m_stack->currentWidget() == m_pairMap && m_pairMap->map();
    QString path = m_session.port().saveFileName(QStringLiteral("enregistrer l'image"),
                                                 pairs ? QStringLiteral("paires.png")
                                                       : QStringLiteral("graphique.png"),
                                                 QStringLiteral("Images PNG (*.png)"));
    if (path.isEmpty()) {
        return;
    }
    path = charts::ChartPicture::pngPath(path);
    const QImage picture = pairs ? charts::ChartPicture::of(*m_pairMap->map())
                                 : charts::ChartPicture::of(m_session.chart());
    QString error;
    if (!charts::ChartPicture::save(picture, path, &error)) {
        m_session.port().showMessage(error);
    }
}

} // namespace ui
