// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "app/CommandHosts.h"
#include "app/ControlValues.h"
#include "app/LongOperation.h"
#include "app/WindowPort.h"
#include "common/Random.h"
#include "history/ArchiveImporter.h"
#include "history/DrawCursor.h"
#include "stats/StatResult.h"
#include "tips/HitTally.h"
#include "tips/TipCheck.h"
#include "tips/TipList.h"

namespace app {

class StatisticsCommands;
class HistoryCommands;
class EvaluationCommands;
class TipFileCommands;
class TipSearchCommands;
class HandoffCommands;
class BacktestCommands;
class GeneratorCommands;

// The main window's state and commands, without any widget. The handlers keep
// the names of the window events they serve; the desktop window and the
// command line call them, and they report through the WindowPort.
class Session : public StatisticsHost,
                public HistoryHost,
                public EvaluationHost,
                public TipFileHost,
                public TipSearchHost,
                public HandoffHost,
                public GenerationHost,
                public BacktestHost {
public:
    explicit Session(WindowPort& port);
    virtual ~Session();

    // A session of its own with this one's Home, controls, current draw, tip
    // list, check and generator state, reporting to port: a walk on a worker
    // thread runs on it and never touches this one.
    std::unique_ptr<Session> detachedCopy(WindowPort& port) const override;

    void setSoundPort(SoundPort* sound) { m_sound = sound; }
    void setShellPort(ShellPort* shell) { m_shell = shell; }
    ShellPort* shellPort() const override { return m_shell; }

    // Home is the program's directory with exactly one trailing separator.
    void setHome(const QString& directory);
    const QString& home() const override { return m_home; }
    QString historyPath() const override { return m_home + m_zahlenFile; }
    QString homeFile(const QString& name) const override { return m_home + name; }

    WindowPort& port() override { return m_port; }
    ControlValues& controls() override { return m_controls; }
    const ControlValues& controls() const { return m_controls; }
    history::DrawCursor& cursor() override { return m_cursor; }
    history::CurrentDraw& current() override { return m_cursor.current(); }
    tips::TipList& tipList() override { return m_tips; }
    tips::HitTally& hitTally() override { return m_tally; }
    common::Random& random() override { return m_random; }
    const std::array<int, 21>& statistik() const override { return m_statistik; }
    const QString& statusText(int panel) const override {
        return m_status[static_cast<std::size_t>(panel)];
    }
    void setStatusText(int panel, const QString& text) override;
    // A status text the player must read, written after a dialog: the
    // activation that follows the dialog's closing writes both panels, so
    // the notice is written again when that sequence ends. Any other text
    // written to its panel outside the sequence ends it.
    void showNotice(int panel, const QString& text) override;
    // Texts an operation ends with (the update's result) that the full
    // checks after it must not overwrite: a check writes its best hit into
    // the first panel that does not show one of them. The texts are shown
    // here; they stop being kept once something else replaces them.
    void keepStatus(const std::array<QString, 2>& texts) override;
    // The notice that the history is not current ("dernier tirage connu :
    // …"); the view is told "StaleNotice" when it changes.
    const QString& staleNotice() const { return m_staleNotice; }
    void setStaleNotice(const QString& text) override;

    bool sortieren() const override { return m_sortieren; }
    void setSortieren(bool on) override { m_sortieren = on; }
    bool berechnunglaeuft() const { return m_berechnunglaeuft; }
    void setBerechnunglaeuft(bool on) override { m_berechnunglaeuft = on; }
    int laufMax() const { return m_laufMax; }
    void setLaufMax(int value) override { m_laufMax = value; }
    common::DayNumber dfb() const { return m_dfb; }
    void setDfb(common::DayNumber day) override { m_dfb = day; }

    // Numbers per tip N, tips per ticket G, total tips T.
    int numbersPerTip() const override { return m_controls.position(Control::UpDown18); }
    int tipsPerTicket() const override { return m_controls.position(Control::UpDown8); }
    int totalTips() const override { return m_controls.position(Control::UpDown9); }
    // The stake per tip from ComboBox1; a text that is no item counts with its
    // value when that is a whole number 1..10, else 1.
    int stake() const override;
    // The text of "Coût par Grille" as the user chose or typed it: an item's
    // text selects that item, any other text is the stake as typed.
    void setStakeText(const QString& text);
    // Opens a report the program has written; when no program takes it, the
    // status line says where it lies.
    void openWrittenFile(const QString& path) override;
    // True when the history file holds at least one record.
    bool historyHasDraws() const;

    // The statistic result on the chart (Series2) that the generator reads
    // back; the view is told "Chart1" when it changes.
    stats::StatResult& chart() override { return m_chart; }
    void publishChart(const stats::StatResult& result) override;
    // The statistics of the history and the tip list (the chart's content).
    StatisticsCommands& statistics() { return *m_statistics; }
    // The internet update, manual entry and deletion of draws.
    HistoryCommands& historyCommands() { return *m_history; }
    // Tip generation and the tip editor.
    GeneratorCommands& generator() { return *m_generator; }
    generator::RunResult generateOn(const history::DrawHistory& past,
                                    stats::RollingStatistics* rolling) override;
    // Evaluation, tip files and printing, the tip search, online play.
    EvaluationCommands& evaluation() { return *m_evaluation; }
    TipFileCommands& tipFiles() { return *m_tipFiles; }
    TipSearchCommands& tipSearch() { return *m_tipSearch; }
    HandoffCommands& handoff() { return *m_handoff; }
    // The backtests of the analyse page and their analysis log.
    BacktestCommands& backtests() { return *m_backtests; }
    // Brings a page of the window to the front (by its object name); the view
    // is told "PageControl1".
    void showPage(const QString& page) override;
    const QString& requestedPage() const { return m_requestedPage; }
    // The hit count of the tip last checked by Zettelcheck.
    int gewinn() const { return m_gewinn; }
    void setGewinn(int gewinn) override { m_gewinn = gewinn; }
    // The two hidden text buffers of the window.
    QStringList& memo1() override { return m_memo1; }
    QStringList& memo2() { return m_memo2; }

    // The settings store handed to FormCreate (and its group), kept for the
    // parts that keep settings of their own, such as the hand-off.
    QSettings* settings() const override { return m_settings; }
    const QString& settingsGroup() const override { return m_settingsGroup; }

    // What runs for a while, the stop asked of it and what it refuses; the
    // view is told "Operation" when one starts or ends or is asked to stop.
    OperationController& operations() override { return m_operations; }
    const OperationController& operations() const { return m_operations; }
    // True, after a message saying why, while a long operation runs and the
    // command touches the history, the current draw or the tip list: it then
    // does nothing. The operations themselves call what they need without
    // this check.
    bool refused(WindowCommand command) override;
    // Asks the running long operation to stop (Escape, closing the window,
    // a stop button).
    void stopOperation() override;

    // Window life cycle.
    void FormCreate(QSettings* settings, const QString& group = QString());
    void FormActivate();
    // Saves the settings and the tip list. A file that could not be saved is
    // named in a message and the result is false; the window closes anyway.
    bool FormClose(QSettings* settings, const QString& group = QString());

    // Current-draw cursor.
    // Each returns false when the history could not be read (nothing moved).
    bool SpeedButton5Click() override;
    bool SpeedButton6Click();
    bool SpeedButton7Click();
    // Load at date, as SpeedButton5Click without the check for a running
    // operation: for the operations themselves. False when the history
    // could not be read (its message shown).
    bool loadAtDate() override;
    // Load at date on records already in memory: what loadAtDate() does
    // once it has read the file.
    void loadAtDate(std::span<const history::TZiehung> records, bool datesAscend = false);
    void loadAtDate(const history::DrawHistory& history) override {
        loadAtDate(history.records(), history.datesAscending());
    }
    // The two steps on records already in memory (a backtest's loop): the
    // same moves, picker changes and check as the buttons on a file holding
    // these records.
    void stepBack(std::span<const history::TZiehung> records) override;
    void stepForward(std::span<const history::TZiehung> records) override;
    // While held, the moves write no draw line into the labels; they are
    // written once when shown or released (a backtest's thousands of steps
    // between two looks at the screen).
    void holdDrawLines(bool hold) override;
    void showHeldDrawLines() override;
    // While muted the full check plays no hit sound (a backtest's steps).
    void setSoundMuted(bool muted) override { m_soundMuted = muted; }
    bool soundMuted() const { return m_soundMuted; }
    // Stop the running internet update: hides SpeedButton8.
    void SpeedButton8Click();
    // SpeedButton8 shows while an update runs and no stop was asked.
    bool stopButtonVisible() const {
        return m_operations.isActive(LongOperation::Update) && !m_operations.stopRequested();
    }

    // Tip list.
    void selectTip(int index) override;
    void SpeedButton11Click();
    void Edit1Change(const QString& text);
    void Edit1Exit();
    void ComboBox1Change();
    int Komplettcheck() override;
    tips::TipCheck::TipResult Zettelcheck(const QString& tipLine);

    // Adds the draws of the operator's archive files to the history.
    history::ArchiveImporter::Result importArchive(const QStringList& files);
    // Whether stored draws that contradict the operator's results are
    // replaced by the operator's: the player is asked, unless a caller
    // without a window answers instead (the command line lists them).
    bool takeOperatorDraws(const std::vector<history::DrawMerge::Difference>& differing) override;
    void setOperatorDrawsAnswer(history::ArchiveImporter::TakeOperators answer) {
        m_operatorDrawsAnswer = std::move(answer);
    }
    void importArchiveClick();

    ActivationSteps& activationSteps() override { return m_activationSteps; }

    // Changes a control as the user would on screen and runs what reacts to
    // it. The value is text: a position, 0/1, an item index, a date
    // "dd.mm.yyyy" or an edit's text. False when the value is not one the
    // control takes, or the control is a label or field the user cannot set.
    bool setControlByUser(Control id, const QString& value);
    // Text typed into an up-down's edit box.
    bool setEditByUser(Control upDown, const QString& text);
    // The value in the form setControlByUser takes it.
    QString controlValue(Control id) const;
    // The same by the name a person or script gives (a control or the edit
    // box of an up-down): false, or an empty value, for an unknown name.
    bool setControlByUser(const QString& name, const QString& value);
    QString controlValue(const QString& name) const;

private:
    void operationChanged();
    // System, the stake restored at start, follows the stake item chosen.
    void rememberStake();
    void showDrawLines();
    void showCurrentDrawLine(); // Label35
    void showEmptyHistory();
    // Reads the whole history for a step; the file's error is shown on failure.
    bool readHistoryForStep(std::vector<history::TZiehung>* records);
    QSettings* m_settings = nullptr;
    QString m_settingsGroup;
    stats::StatResult m_chart;
    int m_gewinn = 0;
    QStringList m_memo1;
    QStringList m_memo2;
    void setPickerAfterStep();

    WindowPort& m_port;
    SoundPort* m_sound = nullptr;
    ShellPort* m_shell = nullptr;
    QString m_home;
    QString m_zahlenFile = QStringLiteral("Tirvex.dat");
    QString m_soundName;
    ControlValues m_controls;
    history::DrawCursor m_cursor;
    tips::TipList m_tips;
    tips::HitTally m_tally;
    common::Random m_random;
    std::array<int, 21> m_statistik{};
    std::array<QString, 2> m_status;
    QString m_checkStatus; // what the last full check wrote
    std::array<QString, 2> m_keptStatus;
    QString m_staleNotice;
    std::optional<std::pair<int, QString>> m_notice;
    history::ArchiveImporter::TakeOperators m_operatorDrawsAnswer;
    bool m_sortieren = true;
    bool m_berechnunglaeuft = false;
    bool m_activating = false;
    int m_laufMax = 100000;
    common::DayNumber m_dfb = 0;
    ActivationSteps m_activationSteps;
    QString m_requestedPage;
    std::unique_ptr<StatisticsCommands> m_statistics;
    std::unique_ptr<HistoryCommands> m_history;
    std::unique_ptr<EvaluationCommands> m_evaluation;
    std::unique_ptr<TipFileCommands> m_tipFiles;
    std::unique_ptr<TipSearchCommands> m_tipSearch;
    std::unique_ptr<HandoffCommands> m_handoff;
    std::unique_ptr<BacktestCommands> m_backtests;
    std::unique_ptr<GeneratorCommands> m_generator;
    bool m_soundMuted = false;
    bool m_drawLinesHeld = false;
    bool m_drawLinesPending = false;
    bool m_currentDrawLinePending = false;
    OperationController m_operations{[this] { operationChanged(); }};
};

} // namespace app
