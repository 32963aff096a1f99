// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandHosts.h"
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "app/LongOperation.h"
#include "backtest/BacktestKind.h"
#include "backtest/BacktestResult.h"
#include "backtest/CursorWalk.h"
#include "backtest/RunOutcome.h"
#include "backtest/SeedSpread.h"
#include "backtest/StrategyReport.h"
#include "backtest/WalkForwardHost.h"
#include "history/DrawHistory.h"

namespace app {

// The seven backtests of the analyse page. Each replays the history from the
// date of DateTimePicker1 on, tallies the hits of the checked tips and ends
// with the analysis log, saved as "Analyse.txt" in Home and opened with the
// desktop's program for text. The history is read once per run and the
// cursor stepped in memory; the session is brought to the state the last
// cycle leaves (cursor, pickers, tip list, check).
class BacktestCommands {
public:
    // Stopped: the log holds the cycles done; Failed: a message said why and
    // no log was saved.
    using Outcome = backtest::RunOutcome;
    struct Report {
        Outcome outcome = Outcome::Failed;
        backtest::BacktestResult result;
        QStringList log; // the analysis log; empty when the run failed
    };

    explicit BacktestCommands(BacktestHost& host);

    Report BitBtn9Click();     // tips generated once, against every later draw
    Report ErfolgstestClick(); // a fresh generation against each next draw
    Report Button7Click();     // a draw's numbers against the next draw
    Report Button8Click();     // ... against the draw two ahead
    Report Button9Click();     // ... against the draw three ahead
    Report Button10Click();    // ... against each of the next three draws
    Report Button11Click();    // ... against each of the three previous draws
    Report run(backtest::BacktestKind kind);

    // The strategy report: the walk-forward of the current parameters from
    // the date of DateTimePicker1 to the newest draw, in money, beside as
    // many random tips on the same draws; asks for the lucky number as the
    // walk-forward does. Saved as "Strategie.txt" and "Strategie.csv" in Home.
    struct StrategyRun {
        Outcome outcome = Outcome::Failed;
        backtest::StrategyReport report{10, 1};
    };
    StrategyRun strategyReport();

    // The strategy report for each of several lucky numbers, the walks side
    // by side on copies of the session: each seed's report is the one
    // strategyReport() gives with that lucky number. Strategie.txt holds the
    // spread over the seeds and Strategie.csv a line per seed; a list of one
    // seed saves that seed's own report. The session stays at the start draw.
    struct SeedsRun {
        Outcome outcome = Outcome::Failed;
        std::vector<backtest::StrategyReport> reports; // in the order of the seeds
        backtest::SeedSpread spread{10};
    };
    SeedsRun strategySeeds(const std::vector<qint32>& seeds);
    // One seed's walk on this session alone, outside the window's frame:
    // what a copy of the session runs on a worker thread.
    Outcome strategyWalk(qint32 seed, const history::DrawHistory& history,
                         backtest::StrategyReport* report);

    // The window's stop button (or Escape): the run ends after its current cycle.
    // Stops the running test after its cycle, as Escape does.
    void requestStop();
    bool running() const;

    // The status text of the progress (panel 1): the cycles done and the date.
    static QString progressText(int cycles, common::DayNumber date);
    // The same for several seeds: the cycles done over all of them.
    static QString seedsProgressText(int cycles, int total, int seeds);

private:
    // The walk-forward's view of the session: its generator, cursor, check
    // and progress.
    class HostWalk;

    // What a run starts from: the lucky number (of the generator tests),
    // the history read once, whether anything lies after the start date,
    // and the status text to show again at the end.
    struct RunStart {
        std::optional<qint32> seed;
        history::DrawHistory history;
        bool performs = false;
        QString status;
    };
    bool startRun(backtest::BacktestKind kind, const QDate& startDate, RunStart* start);
    // The frame every run shares: refused under another operation, the busy
    // cursor, the draw at the picker loaded, the stop reset, the running state
    // shown, the run's error message when body fails; with keepPlayerTips
    // the tip list as it was before, however the run ends.
    Outcome framed(WindowCommand command, backtest::BacktestKind kind, bool clearMemo,
                   bool keepPlayerTips, const std::function<Outcome(const QDate&)>& body);
    Outcome guardedRun(backtest::BacktestKind kind, const QDate& startDate, Report* report);
    std::optional<qint32> askLuckyNumber(backtest::BacktestKind kind);
    backtest::CursorWalk startWalk(const history::DrawHistory& history) const;
    // At most every so often: the progress (of total cycles, when given),
    // the draw lines and pending input shown. False once a stop was asked for.
    bool reportProgress(int cycles, common::DayNumber date, int total = 0);
    bool reportSeedsProgress(int cycles, int total, int seeds);
    // The throttle of both: statusText is called only when the progress is
    // shown; it gives the status text and may show more (the draw lines).
    bool throttledProgress(int cycles, int total, const std::function<QString()>& statusText);
    Outcome runDrawAsTip(backtest::BacktestKind kind, const history::DrawHistory& history,
                         bool performs, backtest::BacktestResult* result);
    Outcome runGeneratedTips(qint32 seed, const history::DrawHistory& history, bool performs,
                             backtest::BacktestResult* result);
    Outcome runWalkForward(qint32 seed, const history::DrawHistory& history, bool performs,
                           backtest::BacktestResult* result);
    // What both walk-forwards share: the progress bar taken away however
    // they end, and no walk when the run performs nothing.
    Outcome walkForward(const history::DrawHistory& history, bool performs,
                        const std::function<Outcome(backtest::WalkForwardHost&)>& walk);
    Outcome guardedStrategy(const QDate& startDate, backtest::StrategyReport* report);
    Outcome guardedSeeds(const QDate& startDate, const std::vector<qint32>& seeds, SeedsRun* run);
    // Strategie.txt and Strategie.csv in Home.
    bool saveReport(const QStringList& text, const QStringList& csv);
    backtest::WalkForwardHost::Generation generate(qint32 seed, const history::DrawHistory& past,
                                                   stats::RollingStatistics* rolling = nullptr);
    void replayCycle(backtest::BacktestKind kind, const history::DrawHistory& history,
                     const backtest::CursorWalk::State& start);
    bool saveAndOpen(const QStringList& log);
    // Writes one of the run's files; a failure names the file and the
    // system's reason, and the run's own error message is not shown too.
    bool writeFile(const QString& path, const QStringList& lines);
    void setRunning(bool running);

    BacktestHost& m_host;
    bool m_fileErrorShown = false;
    QElapsedTimer m_sinceProgress;
};

} // namespace app
