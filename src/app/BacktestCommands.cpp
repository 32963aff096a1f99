// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BacktestCommands.h"

#include "app/GeneratorCommands.h"
#include "app/SeedWalks.h"
#include "app/Session.h"
#include "backtest/AnalysisLog.h"
#include "backtest/DrawAsTipRun.h"
#include "backtest/StrategyWalk.h"
#include "backtest/TipListRun.h"
#include "backtest/WalkForwardRun.h"
#include "common/FileError.h"
#include "common/Formats.h"
#include "common/TextFile.h"
#include "history/DrawHistory.h"

namespace app {

using backtest::BacktestKind;

namespace {

// Cycles run between two looks at the clock; a few microseconds of work.
constexpr int kChunk = 256;
// How often the status bar shows the progress and pending input runs.
constexpr qint64 kProgressIntervalMs = 100;
// The largest tip the draw-as-tip tests check: all 20 numbers of a draw.
constexpr int kAllNumbers = 20;
constexpr int kUsualNumbers = 10;

struct LuckyTexts {
    QString caption;
    QString prompt;
    QString status;
};

LuckyTexts luckyTexts(BacktestKind kind) {
    if (kind == BacktestKind::GeneratedTips) {
        return {QStringLiteral("Votre numéro chanceux (1-99999999)?"),
                QStringLiteral("Entrez votre numéro porte-bonheur pour l`aléatoire!"),
                QStringLiteral("réglez le numéro de la chance ")};
    }
    return {
        QStringLiteral("Votre nombre chanceux (1-99999999)?"),
        QStringLiteral("Entrez votre numéro de chance pour le générateur de nombres aléatoires!"),
        QStringLiteral("ont ensemble nombre chanceux ")};
}

common::DayNumber lowestDay(const ControlValues& controls, Control picker) {
    const QDate lowest = controls.lowestDate(picker);
    return lowest.isValid() ? common::toDayNumber(lowest) : backtest::CursorWalk::kNoLowest;
}

// What a run changes for its length and puts back on every way out: the
// number dialog option, the numbers per tip of the draw-as-tip tests, the
// hit sound, the draw lines written only when the window is let to show
// them, and the running state the window shows.
class RunFrame {
public:
    RunFrame(BacktestHost& host, BacktestKind kind)
        : m_host(host), m_kind(kind), m_checkBox20(host.controls().checked(Control::CheckBox20)) {
        host.controls().setChecked(Control::CheckBox20, false);
        if (backtest::BacktestInfo::usesDrawAsTip(kind)) {
            setNumbersPerTip(kAllNumbers);
        }
        host.setSoundMuted(true);
        host.holdDrawLines(true);
    }
    ~RunFrame() {
        m_host.holdDrawLines(false);
        m_host.setSoundMuted(false);
        m_host.controls().setChecked(Control::CheckBox20, m_checkBox20);
        if (backtest::BacktestInfo::usesDrawAsTip(m_kind)) {
            // Back to the usual ten, whatever it was before the run.
            setNumbersPerTip(kUsualNumbers);
        }
    }
    RunFrame(const RunFrame&) = delete;
    RunFrame& operator=(const RunFrame&) = delete;

private:
    void setNumbersPerTip(int value) {
        ControlValues& controls = m_host.controls();
        controls.setRange(Control::UpDown18, controls.minimum(Control::UpDown18), value);
        controls.setPosition(Control::UpDown18, value);
    }
    BacktestHost& m_host;
    BacktestKind m_kind;
    bool m_checkBox20;
};

// The player's tip list, its hit column and tip total, given back however a
// run that scores tips of its own ends: the list is the player's work, and
// the run's last probe line or generation is of no use once the run is over.
class PlayerTips {
public:
    PlayerTips(BacktestHost& host, bool keep)
        : m_host(host), m_keep(keep), m_tips(host.tipList()),
          m_total(host.controls().position(Control::UpDown9)) {}
    ~PlayerTips() {
        if (!m_keep) {
            return;
        }
        m_host.tipList() = m_tips;
        m_host.controls().setPosition(Control::UpDown9, m_total);
        m_host.port().tipListsChanged();
    }
    PlayerTips(const PlayerTips&) = delete;
    PlayerTips& operator=(const PlayerTips&) = delete;

private:
    BacktestHost& m_host;
    bool m_keep;
    tips::TipList m_tips;
    int m_total;
};

// Takes the progress bar away however the walk ends.
class ProgressEnd {
public:
    explicit ProgressEnd(WindowPort& port) : m_port(port) {}
    ~ProgressEnd() { m_port.progressChanged(0, 0); }
    ProgressEnd(const ProgressEnd&) = delete;
    ProgressEnd& operator=(const ProgressEnd&) = delete;

private:
    WindowPort& m_port;
};

} // namespace

class BacktestCommands::HostWalk : public backtest::WalkForwardHost {
public:
    HostWalk(BacktestCommands& commands, const history::DrawHistory& history)
        : m_commands(commands), m_host(commands.m_host), m_history(history) {}

    Generation generate(qint32 seed, const history::DrawHistory& past,
                        stats::RollingStatistics* rolling) override {
        return m_commands.generate(seed, past, rolling);
    }
    int position() const override { return m_host.current().position; }
    void stepForwardFrom(int position) override {
        m_host.current().position = position;
        m_host.stepForward(m_history.records());
    }
    const std::array<int, 21>& hitCounts() const override { return m_host.statistik(); }
    std::vector<int> tipHits() const override {
        std::vector<int> hits;
        for (const QString& tipHits : m_host.tipList().hits()) {
            hits.push_back(tipHits.toInt());
        }
        return hits;
    }
    std::vector<history::NumberSet> tipSets() const override {
        const tips::TipScorer& scorer = m_host.tipList().scorer(m_host.numbersPerTip());
        std::vector<history::NumberSet> sets;
        for (std::size_t i = 0; i < scorer.size(); ++i) {
            sets.push_back(scorer.set(i));
        }
        return sets;
    }
    int numbersPerTip() const override { return m_host.numbersPerTip(); }
    bool progress(int cycles, common::DayNumber date, int total) override {
        return m_commands.reportProgress(cycles, date, total);
    }

private:
    BacktestCommands& m_commands;
    BacktestHost& m_host;
    const history::DrawHistory& m_history;
};

BacktestCommands::BacktestCommands(BacktestHost& host) : m_host(host) {
}

BacktestCommands::Report BacktestCommands::BitBtn9Click() {
    return run(BacktestKind::GeneratedTips);
}
BacktestCommands::Report BacktestCommands::ErfolgstestClick() {
    return run(BacktestKind::WalkForward);
}
BacktestCommands::Report BacktestCommands::Button7Click() {
    return run(BacktestKind::NextDraw);
}
BacktestCommands::Report BacktestCommands::Button8Click() {
    return run(BacktestKind::SecondNextDraw);
}
BacktestCommands::Report BacktestCommands::Button9Click() {
    return run(BacktestKind::ThirdNextDraw);
}
BacktestCommands::Report BacktestCommands::Button10Click() {
    return run(BacktestKind::NextThreeDraws);
}
BacktestCommands::Report BacktestCommands::Button11Click() {
    return run(BacktestKind::LastThreeDraws);
}

QString BacktestCommands::progressText(int cycles, common::DayNumber date) {
    return QStringLiteral("analyse: %1 tirages, %2")
        .arg(cycles)
        .arg(common::formatShortDate(common::toDate(date)));
}

QString BacktestCommands::seedsProgressText(int cycles, int total, int seeds) {
    return QStringLiteral("analyse: %1 tirages sur %2, %3 graines")
        .arg(cycles)
        .arg(total)
        .arg(seeds);
}

void BacktestCommands::setRunning(bool) {
    m_host.port().operationChanged();
}

bool BacktestCommands::running() const {
    return m_host.operations().isActive(LongOperation::Backtest);
}

void BacktestCommands::requestStop() {
    m_host.stopOperation();
}

BacktestCommands::Outcome
BacktestCommands::framed(WindowCommand command, BacktestKind kind, bool clearMemo,
                         bool keepPlayerTips, const std::function<Outcome(const QDate&)>& body) {
    // A second start from the event loop of a running test fails quietly.
    if (running() || m_host.refused(command)) {
        return Outcome::Failed;
    }
    OperationScope operation(m_host.operations(), LongOperation::Backtest);
    BusyScope busy(m_host.port());
    if (clearMemo) {
        m_host.memo1().clear();
    }
    RunFrame frame(m_host, kind);
    const PlayerTips playerTips(m_host, keepPlayerTips);
    const QDate startDate = m_host.controls().date(Control::DateTimePicker1);
    // A failed load has shown its message; the run ends there.
    if (!m_host.loadAtDate()) {
        return Outcome::Failed;
    }
    m_fileErrorShown = false;
    setRunning(true);
    const Outcome outcome = body(startDate);
    setRunning(false);
    if (outcome == Outcome::Failed && !m_fileErrorShown) {
        m_host.port().showMessage(backtest::BacktestInfo::errorMessage(kind));
    }
    return outcome;
}

BacktestCommands::Report BacktestCommands::run(BacktestKind kind) {
    Report report;
    // Commands 1 and 2 leave the tips they generated; the draw-as-tip
    // commands give the player's list back.
    report.outcome =
        framed(WindowCommand::Backtest, kind, true, backtest::BacktestInfo::usesDrawAsTip(kind),
               [&](const QDate& startDate) { return guardedRun(kind, startDate, &report); });
    return report;
}

BacktestCommands::StrategyRun BacktestCommands::strategyReport() {
    StrategyRun run;
    run.outcome = framed(WindowCommand::StrategyReport, BacktestKind::WalkForward, false, true,
                         [&](const QDate& startDate) {
                             run.report =
                                 backtest::StrategyReport(m_host.numbersPerTip(), m_host.stake());
                             return guardedStrategy(startDate, &run.report);
                         });
    return run;
}

BacktestCommands::Outcome BacktestCommands::guardedStrategy(const QDate& startDate,
                                                            backtest::StrategyReport* report) {
    RunStart start;
    if (!startRun(BacktestKind::WalkForward, startDate, &start)) {
        return Outcome::Failed;
    }
    const Outcome outcome =
        walkForward(start.history, start.performs, [&](backtest::WalkForwardHost& host) {
            return backtest::StrategyWalk(start.history, host, report).run(*start.seed);
        });
    if (outcome == Outcome::Failed) {
        return outcome;
    }
    m_host.setStatusText(1, start.status);
    return saveReport(report->text(), report->csv()) ? outcome : Outcome::Failed;
}

BacktestCommands::SeedsRun BacktestCommands::strategySeeds(const std::vector<qint32>& seeds) {
    SeedsRun run;
    run.outcome = framed(WindowCommand::StrategyReport, BacktestKind::WalkForward, false, true,
                         [&](const QDate& startDate) {
                             run.spread = backtest::SeedSpread(m_host.numbersPerTip());
                             return guardedSeeds(startDate, seeds, &run);
                         });
    return run;
}

BacktestCommands::Outcome BacktestCommands::guardedSeeds(const QDate& startDate,
                                                         const std::vector<qint32>& seeds,
                                                         SeedsRun* run) {
    history::DrawHistory history;
    if (seeds.empty() || history::DrawHistory::load(m_host.historyPath(), &history) !=
                             history::HistoryFile::Status::Ok) {
        return Outcome::Failed;
    }
    const QString status = m_host.statusText(1);
    std::vector<SeedWalks::Result> results;
    // A run that starts on today's date has nothing after it to score.
    if (startDate != m_host.port().today()) {
        const ProgressEnd progressEnd(m_host.port());
        const int count = static_cast<int>(seeds.size());
        const int total = std::max(0, history.size() - 1 - m_host.current().position) * count;
        m_sinceProgress.invalidate();
        results = SeedWalks(m_host, history).run(seeds, [&](int done) {
            return reportSeedsProgress(done, total, count);
        });
    } else {
        for (qint32 seed : seeds) {
            SeedWalks::Result result;
            result.seed = seed;
            result.outcome = Outcome::Completed;
            result.report = backtest::StrategyReport(m_host.numbersPerTip(), m_host.stake());
            results.push_back(std::move(result));
        }
    }
    Outcome outcome = Outcome::Completed;
    for (SeedWalks::Result& result : results) {
        for (const QString& message : result.messages) {
            m_host.port().showMessage(message);
        }
        if (result.outcome == Outcome::Failed) {
            outcome = Outcome::Failed;
        } else if (result.outcome == Outcome::Stopped && outcome != Outcome::Failed) {
            outcome = Outcome::Stopped;
        }
        run->spread.add(result.seed, result.report);
        run->reports.push_back(std::move(result.report));
    }
    if (outcome == Outcome::Failed) {
        return outcome;
    }
    run->spread.setStopped(outcome == Outcome::Stopped);
    m_host.setStatusText(1, status);
    const bool saved = run->reports.size() == 1
                           ? saveReport(run->reports.front().text(), run->reports.front().csv())
                           : saveReport(run->spread.text(), run->spread.csv());
    return saved ? outcome : Outcome::Failed;
}

BacktestCommands::Outcome BacktestCommands::strategyWalk(qint32 seed,
                                                         const history::DrawHistory& history,
                                                         backtest::StrategyReport* report) {
    // The scope makes a stop asked of this session reach the walk.
    OperationScope operation(m_host.operations(), LongOperation::Backtest);
    return walkForward(history, true, [&](backtest::WalkForwardHost& host) {
        return backtest::StrategyWalk(history, host, report).run(seed);
    });
}

bool BacktestCommands::saveReport(const QStringList& text, const QStringList& csv) {
    return writeFile(m_host.homeFile(backtest::StrategyReport::fileName()), text) &&
           writeFile(m_host.homeFile(backtest::StrategyReport::csvFileName()), csv);
}

bool BacktestCommands::writeFile(const QString& path, const QStringList& lines) {
    QString error;
    if (common::TextFile::writeLines(path, lines, &error)) {
        return true;
    }
    m_host.port().showMessage(common::fileError(path, error));
    m_fileErrorShown = true;
    return false;
}

bool BacktestCommands::startRun(BacktestKind kind, const QDate& startDate, RunStart* start) {
    if (!backtest::BacktestInfo::usesDrawAsTip(kind)) {
        start->seed = askLuckyNumber(kind);
        if (!start->seed) {
            return false;
        }
    }
    if (history::DrawHistory::load(m_host.historyPath(), &start->history) !=
        history::HistoryFile::Status::Ok) {
        return false;
    }
    // A run that starts on today's date has nothing after it to score.
    start->performs = startDate != m_host.port().today();
    m_sinceProgress.invalidate(); // the first look shows the progress at once
    start->status = m_host.statusText(1);
    return true;
}

BacktestCommands::Outcome BacktestCommands::guardedRun(BacktestKind kind, const QDate& startDate,
                                                       Report* report) {
    RunStart start;
    if (!startRun(kind, startDate, &start)) {
        return Outcome::Failed;
    }
    const std::optional<qint32>& seed = start.seed;
    const history::DrawHistory& history = start.history;
    const bool performs = start.performs;
    const QString& status = start.status;
    Outcome outcome = Outcome::Completed;
    switch (kind) {
    case BacktestKind::GeneratedTips:
        outcome = runGeneratedTips(*seed, history, performs, &report->result);
        break;
    case BacktestKind::WalkForward:
        outcome = runWalkForward(*seed, history, performs, &report->result);
        break;
    default:
        outcome = runDrawAsTip(kind, history, performs, &report->result);
        break;
    }
    if (outcome == Outcome::Failed) {
        return outcome;
    }
    m_host.setStatusText(1, status); // the progress gives way to the lucky number again
    const QStringList log =
        backtest::AnalysisLog::lines(kind, report->result, m_host.numbersPerTip());
    m_host.memo1() = log;
    if (!saveAndOpen(log)) {
        return Outcome::Failed;
    }
    report->log = log;
    return outcome;
}

std::optional<qint32> BacktestCommands::askLuckyNumber(BacktestKind kind) {
    const LuckyTexts texts = luckyTexts(kind);
    const QString proposal = QString::number(m_host.random().next(99999));
    const QString answer =
        m_host.port().inputText(texts.caption, texts.prompt, proposal).value_or(proposal);
    qint64 value = 0;
    if (!common::parseInteger(answer, &value) || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    const auto seed = static_cast<qint32>(value);
    m_host.setStatusText(1, texts.status + QString::number(seed));
    return seed;
}

backtest::CursorWalk BacktestCommands::startWalk(const history::DrawHistory& history) const {
    const ControlValues& controls = m_host.controls();
    backtest::CursorWalk::State state;
    state.position = m_host.current().position;
    state.picker1 = common::toDayNumber(controls.date(Control::DateTimePicker1));
    state.picker2 = common::toDayNumber(controls.date(Control::DateTimePicker2));
    return backtest::CursorWalk(history, state, lowestDay(controls, Control::DateTimePicker1),
                                lowestDay(controls, Control::DateTimePicker2));
}

bool BacktestCommands::reportProgress(int cycles, common::DayNumber date, int total) {
    return throttledProgress(cycles, total, [&] {
        m_host.showHeldDrawLines();
        return progressText(cycles, date);
    });
}

bool BacktestCommands::reportSeedsProgress(int cycles, int total, int seeds) {
    return throttledProgress(cycles, total,
                             [&] { return seedsProgressText(cycles, total, seeds); });
}

bool BacktestCommands::throttledProgress(int cycles, int total,
                                         const std::function<QString()>& statusText) {
    if (!m_sinceProgress.isValid() || m_sinceProgress.elapsed() >= kProgressIntervalMs) {
        m_sinceProgress.restart();
        const QString text = statusText();
        if (total > 0) {
            m_host.port().progressChanged(cycles, total);
        }
        m_host.setStatusText(1, text);
        m_host.port().processEvents();
    }
    return !m_host.operations().stopRequested();
}

BacktestCommands::Outcome BacktestCommands::runDrawAsTip(BacktestKind kind,
                                                         const history::DrawHistory& history,
                                                         bool performs,
                                                         backtest::BacktestResult* result) {
    backtest::DrawAsTipRun run(kind, startWalk(history));
    Outcome outcome = Outcome::Completed;
    while (performs && run.run(kChunk)) {
        if (!reportProgress(run.result().cycles, run.walk().picker1())) {
            outcome = Outcome::Stopped;
            break;
        }
    }
    if (run.lastCycleStart()) {
        replayCycle(kind, history, *run.lastCycleStart());
    }
    *result = run.result();
    return outcome;
}

BacktestCommands::Outcome BacktestCommands::runGeneratedTips(qint32 seed,
                                                             const history::DrawHistory& history,
                                                             bool performs,
                                                             backtest::BacktestResult* result) {
    // The tips are made from what was known at the start draw.
    const backtest::WalkForwardHost::Generation generation =
        generate(seed, history.prefix(m_host.current().position + 1));
    if (generation == backtest::WalkForwardHost::Generation::Failed) {
        return Outcome::Failed;
    }
    const bool cancelled = generation == backtest::WalkForwardHost::Generation::Cancelled;
    const int limit = m_host.numbersPerTip();
    // An inactive check scores nothing, as the full check does then.
    const QStringList lines = m_host.sortieren() ? m_host.tipList().lines() : QStringList();
    backtest::TipListRun run(startWalk(history), tips::TipScorer(lines, limit), limit);
    Outcome outcome = cancelled ? Outcome::Stopped : Outcome::Completed;
    while (performs && !cancelled && run.run(kChunk)) {
        if (!reportProgress(run.result().cycles, run.walk().picker1())) {
            outcome = Outcome::Stopped;
            break;
        }
    }
    if (run.lastCycleStart()) {
        replayCycle(BacktestKind::GeneratedTips, history, *run.lastCycleStart());
    }
    *result = run.result();
    return outcome;
}

BacktestCommands::Outcome BacktestCommands::runWalkForward(qint32 seed,
                                                           const history::DrawHistory& history,
                                                           bool performs,
                                                           backtest::BacktestResult* result) {
    return walkForward(history, performs, [&](backtest::WalkForwardHost& host) {
        backtest::WalkForwardRun run(history, host);
        const Outcome outcome = run.run(seed);
        *result = run.result();
        return outcome;
    });
}

BacktestCommands::Outcome
BacktestCommands::walkForward(const history::DrawHistory& history, bool performs,
                              const std::function<Outcome(backtest::WalkForwardHost&)>& walk) {
    const ProgressEnd progressEnd(m_host.port());
    if (!performs) {
        return Outcome::Completed;
    }
    HostWalk host(*this, history);
    return walk(host);
}

backtest::WalkForwardHost::Generation
BacktestCommands::generate(qint32 seed, const history::DrawHistory& past,
                           stats::RollingStatistics* rolling) {
    using Generation = backtest::WalkForwardHost::Generation;
    m_host.random().setSeed(static_cast<std::uint32_t>(seed));
    // Returns when the run has ended; pending input runs inside it, so the
    // generator's own stop button cuts it short and the test goes on with
    // the tips found so far.
    const generator::RunResult run = m_host.generateOn(past, rolling);
    switch (run.outcome) {
    case generator::RunResult::Outcome::Failed:
        return Generation::Failed;
    case generator::RunResult::Outcome::Cancelled:
        return Generation::Cancelled;
    default:
        return Generation::Made;
    }
}

void BacktestCommands::replayCycle(BacktestKind kind, const history::DrawHistory& history,
                                   const backtest::CursorWalk::State& start) {
    // The last counted cycle once more on the session itself, from where it
    // began, so that cursor, draw lines, pickers, tip list and check end as
    // the cycle leaves them.
    ControlValues& controls = m_host.controls();
    controls.setDate(Control::DateTimePicker1, common::toDate(start.picker1));
    controls.setDate(Control::DateTimePicker2, common::toDate(start.picker2));
    m_host.current().position = start.position;
    if (backtest::BacktestInfo::usesDrawAsTip(kind)) {
        m_host.tipList().clear();
        m_host.tipList().append(
            backtest::DrawAsTipRun::probeLine(backtest::CursorWalk(history, start).draw()));
    }
    for (const backtest::Move& move : backtest::BacktestInfo::moves(kind)) {
        if (move.forward) {
            m_host.stepForward(history.records());
        } else {
            m_host.stepBack(history.records());
        }
    }
}

bool BacktestCommands::saveAndOpen(const QStringList& log) {
    const QString path = m_host.homeFile(backtest::AnalysisLog::fileName());
    if (!writeFile(path, log)) {
        return false;
    }
    m_host.openWrittenFile(path);
    return true;
}

} // namespace app
