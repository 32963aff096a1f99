// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "app/ControlValues.h"
#include "app/LongOperation.h"
#include "app/WindowPort.h"
#include "common/DayNumber.h"
#include "common/Random.h"
#include "history/DrawCursor.h"
#include "history/DrawMerge.h"
#include "stats/StatResult.h"
#include "tips/HitTally.h"
#include "tips/TipList.h"

namespace generator {
struct RunResult;
}
namespace history {
class DrawHistory;
}
namespace stats {
class RollingStatistics;
}

// What each group of commands needs of the window's state, and nothing more.
// The session holds that state and answers every one of these; a command is
// handed the one it needs, so what it can read and change is stated here.
namespace app {

class Session;

// The steps of the activation sequence that other parts provide; each is a
// no-op until its subsystem plugs it in.
struct ActivationSteps {
    std::function<void()> internetUpdate;
    std::function<void()> numberDistribution;
    // Runs once, before the first sequence (the start in a new Home).
    std::function<void()> firstStart;
    // Runs at the end of a sequence that found no draw in the history
    // (the window offers the archive import).
    std::function<void()> emptyHistory;
};

// The charts of the statistics page and the hit tally of the tip check.
class StatisticsHost {
public:
    virtual WindowPort& port() = 0;
    virtual ControlValues& controls() = 0;
    virtual QString historyPath() const = 0;
    virtual history::CurrentDraw& current() = 0;
    virtual tips::TipList& tipList() = 0;
    virtual tips::HitTally& hitTally() = 0;
    virtual int numbersPerTip() const = 0;
    virtual stats::StatResult& chart() = 0;
    virtual void publishChart(const stats::StatResult& result) = 0;
    virtual void showPage(const QString& page) = 0;
    virtual void setGewinn(int gewinn) = 0;
    virtual void setDfb(common::DayNumber day) = 0;
    virtual ActivationSteps& activationSteps() = 0;

protected:
    ~StatisticsHost() = default;
};

// The internet update, the draws entered by hand and their deletion.
class HistoryHost {
public:
    virtual WindowPort& port() = 0;
    virtual ControlValues& controls() = 0;
    virtual const QString& home() const = 0;
    virtual QString historyPath() const = 0;
    virtual QString homeFile(const QString& name) const = 0;
    virtual bool refused(WindowCommand command) = 0;
    virtual OperationController& operations() = 0;
    virtual history::DrawCursor& cursor() = 0;
    virtual history::CurrentDraw& current() = 0;
    virtual bool SpeedButton5Click() = 0;
    virtual bool loadAtDate() = 0;
    virtual bool
    takeOperatorDraws(const std::vector<history::DrawMerge::Difference>& differing) = 0;
    virtual void setStatusText(int panel, const QString& text) = 0;
    virtual void keepStatus(const std::array<QString, 2>& texts) = 0;
    virtual void setStaleNotice(const QString& text) = 0;
    virtual QStringList& memo1() = 0;
    virtual ActivationSteps& activationSteps() = 0;

protected:
    ~HistoryHost() = default;
};

// The evaluation of the tip list's hits at the chosen stake.
class EvaluationHost {
public:
    virtual WindowPort& port() = 0;
    virtual tips::TipList& tipList() = 0;
    virtual tips::HitTally& hitTally() = 0;
    virtual int numbersPerTip() const = 0;
    virtual int stake() const = 0;

protected:
    ~EvaluationHost() = default;
};

// Tip files, printing and the play slip.
class TipFileHost {
public:
    virtual WindowPort& port() = 0;
    virtual ControlValues& controls() = 0;
    virtual QString homeFile(const QString& name) const = 0;
    virtual tips::TipList& tipList() = 0;
    virtual int tipsPerTicket() const = 0;
    virtual int totalTips() const = 0;
    virtual common::Random& random() = 0;
    virtual bool refused(WindowCommand command) = 0;
    virtual bool SpeedButton5Click() = 0;
    virtual void showNotice(int panel, const QString& text) = 0;
    virtual void openWrittenFile(const QString& path) = 0;
    virtual QStringList& memo1() = 0;

protected:
    ~TipFileHost() = default;
};

// The search of the history for draws that the tips hit.
class TipSearchHost {
public:
    virtual WindowPort& port() = 0;
    virtual ControlValues& controls() = 0;
    virtual QString historyPath() const = 0;
    virtual OperationController& operations() = 0;
    virtual bool refused(WindowCommand command) = 0;
    virtual history::CurrentDraw& current() = 0;
    virtual tips::TipList& tipList() = 0;
    virtual tips::HitTally& hitTally() = 0;
    virtual int numbersPerTip() const = 0;
    virtual int Komplettcheck() = 0;
    virtual void publishChart(const stats::StatResult& result) = 0;
    virtual void setDfb(common::DayNumber day) = 0;

protected:
    ~TipSearchHost() = default;
};

// The hand-off of the tips to the web form filler.
class HandoffHost {
public:
    virtual WindowPort& port() = 0;
    virtual ShellPort* shellPort() const = 0;
    virtual ControlValues& controls() = 0;
    virtual const QString& home() const = 0;
    virtual QSettings* settings() const = 0;
    virtual const QString& settingsGroup() const = 0;
    virtual bool refused(WindowCommand command) = 0;
    virtual tips::TipList& tipList() = 0;
    virtual int numbersPerTip() const = 0;
    virtual int tipsPerTicket() const = 0;
    virtual int stake() const = 0;

protected:
    ~HandoffHost() = default;
};

// Tip generation: the run, its number dialog and the tip editor.
class GenerationHost {
public:
    virtual WindowPort& port() = 0;
    virtual ControlValues& controls() = 0;
    virtual QString historyPath() const = 0;
    virtual OperationController& operations() = 0;
    virtual bool refused(WindowCommand command) = 0;
    virtual void stopOperation() = 0;
    virtual history::DrawCursor& cursor() = 0;
    virtual history::CurrentDraw& current() = 0;
    virtual bool loadAtDate() = 0;
    virtual void loadAtDate(const history::DrawHistory& history) = 0;
    virtual tips::TipList& tipList() = 0;
    virtual void selectTip(int index) = 0;
    virtual int numbersPerTip() const = 0;
    virtual int Komplettcheck() = 0;
    virtual common::Random& random() = 0;
    virtual const QString& statusText(int panel) const = 0;
    virtual void setStatusText(int panel, const QString& text) = 0;
    virtual void showPage(const QString& page) = 0;
    virtual stats::StatResult& chart() = 0;
    virtual void publishChart(const stats::StatResult& result) = 0;
    virtual void setDfb(common::DayNumber day) = 0;
    virtual void setSortieren(bool on) = 0;
    virtual void setLaufMax(int value) = 0;
    virtual void setBerechnunglaeuft(bool on) = 0;

protected:
    ~GenerationHost() = default;
};

// The backtests of the analyse page: they step the cursor through the
// history and generate tips on the way.
class BacktestHost {
public:
    virtual WindowPort& port() = 0;
    virtual ControlValues& controls() = 0;
    virtual QString historyPath() const = 0;
    virtual QString homeFile(const QString& name) const = 0;
    virtual OperationController& operations() = 0;
    virtual bool refused(WindowCommand command) = 0;
    virtual void stopOperation() = 0;
    virtual history::CurrentDraw& current() = 0;
    virtual bool loadAtDate() = 0;
    virtual void stepBack(std::span<const history::TZiehung> records) = 0;
    virtual void stepForward(std::span<const history::TZiehung> records) = 0;
    virtual void holdDrawLines(bool hold) = 0;
    virtual void showHeldDrawLines() = 0;
    virtual void setSoundMuted(bool muted) = 0;
    virtual tips::TipList& tipList() = 0;
    virtual int numbersPerTip() const = 0;
    virtual int stake() const = 0;
    virtual bool sortieren() const = 0;
    virtual const std::array<int, 21>& statistik() const = 0;
    virtual common::Random& random() = 0;
    virtual const QString& statusText(int panel) const = 0;
    virtual void setStatusText(int panel, const QString& text) = 0;
    virtual void openWrittenFile(const QString& path) = 0;
    virtual QStringList& memo1() = 0;
    // One generation on the draws up to the current one, as "calculer les
    // grilles" makes it.
    virtual generator::RunResult generateOn(const history::DrawHistory& past,
                                            stats::RollingStatistics* rolling) = 0;
    // A copy of the state a walk reads, for a walk on another thread.
    virtual std::unique_ptr<Session> detachedCopy(WindowPort& port) const = 0;

protected:
    ~BacktestHost() = default;
};

} // namespace app
