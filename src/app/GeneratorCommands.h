// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandHosts.h"
#include <QString>

#include "app/NumberDialogPort.h"
#include "generator/TipGenerator.h"

namespace stats {
class RollingStatistics;
}

namespace app {

// Tip generation ("calculer les grilles") and the tip editor, both working
// with the number choice dialog. The start button says "Stop" while a run
// goes, and a click on it then stops the run.
class GeneratorCommands {
public:
    static const QString kIdleCaption; // "calculer les grilles"
    static const QString kStopCaption; // "Stop"

    explicit GeneratorCommands(GenerationHost& host);

    void setNumberDialog(NumberDialogPort* dialog) { m_dialog = dialog; }
    NumberDialogPort* numberDialog() const { return m_dialog; }

    // BitBtn4: starts a run and returns when it has ended, with its result;
    // clicked while a run goes, it only asks that run to stop (and returns
    // an empty result with the outcome Stopped).
    generator::RunResult BitBtn19Click();
    // A run that sees only the given history instead of the file: a
    // backtest's past up to the draw it generates at. The draw at the picker
    // is looked up in it, before and after the run.
    // Rolling statistics, when given, carry the window's counts over from
    // the previous call.
    generator::RunResult generateOn(const history::DrawHistory& past,
                                    stats::RollingStatistics* rolling = nullptr);
    // A stop was asked: the button says "calculer les grilles" again while
    // the run winds down.
    void showStopped();
    QString caption() const;
    // A run goes, on its own or as a part of a backtest.
    bool running() const;
    const generator::RunResult& lastResult() const { return m_lastResult; }
    // A run has been made (its result is lastResult()).
    bool hasRun() const { return m_hasRun; }

    // SpeedEdit: edits the selected tip in the number choice dialog.
    void SpeedEditClick();

    // The newest number choice dialog: its boxes keep their weights from one
    // showing to the next.
    NumberDialogState& numberDialogState() { return m_dialogState; }

private:
    void setCaption(const QString& caption);
    generator::RunResult run(const history::DrawHistory* past, stats::RollingStatistics* rolling);
    bool readHistory(history::DrawHistory* history);
    generator::ReferenceDraws referenceDraws(const history::DrawHistory& history, bool fromFile);
    void endRun(const generator::RunResult& result, const history::DrawHistory* past);
    void keepClosingStatus(const QString& closingStatus);
    void prepareEditor(const QString& line, int numbersPerTip);

    GenerationHost& m_host;
    QString m_caption; // empty while idle
    NumberDialogPort* m_dialog = nullptr;
    NumberDialogState m_dialogState;
    generator::RunResult m_lastResult;
    bool m_hasRun = false;
};

} // namespace app
