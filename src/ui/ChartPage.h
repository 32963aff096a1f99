// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

#include "app/Session.h"
#include "stats/StatResult.h"

class QChartView;
class QLabel;
class QStackedWidget;

namespace charts {
class StatChart;
}

namespace ui {

class PageBuilder;
class PairMapView;

// The page "Graphique": the tool row Panel16 that starts the statistics and
// holds the start of the evaluation window, and either the bar chart Chart1
// of the statistic result last published in the session or the pair map;
// under them the verdict beside chance, and a button that saves what is
// shown as a picture.
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
    // Counts the pairs over the window and shows their map.
    void showPairMap();
    // Saves what the page shows as a PNG chosen in a dialog.
    void saveImage();

private:
    QWidget* buildToolRow(PageBuilder& builder, const ButtonFactory& button,
                          const HintWatch& watchHint);
    void showVerdict(const QString& verdict);

    app::Session& m_session;
    charts::StatChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    PairMapView* m_pairMap = nullptr;
    QStackedWidget* m_stack = nullptr;
    QLabel* m_verdict = nullptr;
};

} // namespace ui
