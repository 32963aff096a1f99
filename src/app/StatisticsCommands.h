// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandHosts.h"
#include <QString>
#include <optional>

#include "history/DrawHistory.h"
#include "stats/ChanceVerdict.h"
#include "stats/PairMap.h"
#include "stats/StatOutcome.h"
#include "stats/StatResult.h"
#include "stats/StatisticKind.h"

namespace app {

// The statistics of the history and of the tip list, under the names of the
// window events that start them. Each run publishes its result on the chart
// (the table the generator reads back), and applies what the run changes in
// the main window: the start picker, aktDatum, dfb, Zahl, Gewinn, the hit
// tally and the page shown.
class StatisticsCommands {
public:
    using Kind = stats::StatisticKind;

    explicit StatisticsCommands(StatisticsHost& host);

    // Each returns false when the history could not be read; the message has
    // been shown and the chart keeps its content.
    bool SpeedButton2Click(); // number distribution
    bool Button5Click();      // overdue numbers
    bool SpeedButton19Click() { return Button5Click(); }
    bool SpeedButton9Click(); // cross-sum distribution
    bool Button6Click();      // how the tips use the numbers
    bool Button2Click();      // pairs
    bool Button3Click();      // triples
    bool Button4Click();      // quadruples
    bool SpeedButton1Click() { return Button2Click(); }
    bool SpeedButton3Click() { return Button3Click(); }
    bool SpeedButton17Click() { return Button4Click(); }

    // Runs a statistic exactly as its button does and hands back the result
    // the chart shows, with the range already resolved (rangeMinimum and
    // rangeMaximum hold without the chart having been drawn). The overload
    // with a history spares a caller that holds one already a second read.
    bool run(Kind kind, stats::StatResult* result = nullptr);
    // Whether the last statistic of the draws stands out from chance; none
    // after the tips' chart.
    const std::optional<stats::Verdict>& verdict() const { return m_verdict; }
    void run(Kind kind, const history::DrawHistory& history, stats::StatResult* result = nullptr);

    // How often each two numbers were drawn together over the window of the
    // start picker, beside chance. It leaves the chart and the draw fields as
    // they are; a start after the end is corrected on the picker as the
    // number distribution does. None when the history could not be read (the
    // message has been shown).
    std::optional<stats::PairMap> pairMap();

    // "numbers", "overdue", "crosssum", "tips", "pairs", "triples", "quads".
    static std::optional<Kind> kindFromName(const QString& name);
    // Those names and "pairmap", the pair map's; the list of them, for messages.
    static QString pairMapName() { return QStringLiteral("pairmap"); }
    static bool isStatisticName(const QString& name) {
        return name == pairMapName() || kindFromName(name).has_value();
    }
    static QString statisticNames();
    static bool readsHistory(Kind kind) { return kind != Kind::Tips; }

    // Value labels above the bars: on at start, off for good after the
    // first number distribution.
    bool marksOn() const { return m_marksOn; }

private:
    // The history file; false when it could not be read (the message shown).
    bool loadHistory(history::DrawHistory* history);
    QDate windowEnd() const;
    stats::StatOutcome compute(Kind kind, const history::DrawHistory& history);
    void apply(const stats::StatOutcome& outcome, stats::StatResult* result);
    void applyWindow(const stats::WindowEffects& effects);

    StatisticsHost& m_host;
    std::optional<stats::Verdict> m_verdict;
    bool m_marksOn = true;
};

} // namespace app
