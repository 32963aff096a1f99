// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

#include "app/Session.h"
#include "stats/StatResult.h"

class QChart;
class QChartView;
class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QValueAxis;

class QLabel;

namespace ui {

class PageBuilder;

// The page "Graphique": the tool row Panel16 that starts the statistics and
// holds the start of the evaluation window, and the bar chart Chart1 that
// shows the statistic result last published in the session.
class ChartPage : public QWidget {
    Q_OBJECT
public:
    // Makes a button with its control name, caption and hover hint.
    using ButtonFactory = std::function<QWidget*(const QString& name, const QString& caption,
                                                 const QString& hint, std::function<void()>)>;
    // Lets a widget write its hint into the status bar on hover.
    using HintWatch = std::function<void(QWidget*)>;

    ChartPage(app::Session& session, PageBuilder& builder, const ButtonFactory& button,
              const HintWatch& watchHint, QWidget* parent = nullptr);

    // Draws the session's statistic result.
    void showResult(const stats::StatResult& result);
    // The caption as the bottom axis shows it, its spacing kept.
    static QString displayCaption(const QString& caption);

private:
    QWidget* buildToolRow(PageBuilder& builder, const ButtonFactory& button,
                          const HintWatch& watchHint);
    void buildChart();
    void fillBars(const stats::StatResult& result);
    void scaleAxes(const stats::StatResult& result);
    void showEmptiness(bool empty);
    QColor pointColor(std::uint32_t color) const;

    app::Session& m_session;
    QChartView* m_view = nullptr;
    QLabel* m_verdict = nullptr;
    QChart* m_chart = nullptr;
    QBarSeries* m_series1 = nullptr;
    QBarSeries* m_series2 = nullptr;
    QCategoryAxis* m_bottomAxis = nullptr;
    QValueAxis* m_leftAxis = nullptr;
    QColor m_defaultColor;
};

} // namespace ui
