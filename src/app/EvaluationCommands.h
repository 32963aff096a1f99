// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandHosts.h"
#include <QString>

#include "tips/EvaluationSheet.h"

namespace app {

class EvaluationDialogPort;

// The evaluation of the tip list's hits at the chosen stake, and the
// evaluation dialog whose counts are the session's hit tally.
class EvaluationCommands {
public:
    explicit EvaluationCommands(EvaluationHost& host);

    void setDialog(EvaluationDialogPort* dialog) { m_dialog = dialog; }

    // Shows the estimated winnings of the current hit column; returns the text.
    QString auswertungClick();
    // Opens the evaluation dialog (nothing happens without a window).
    void Form8Show();
    // Passes a new hit tally on to the dialog.
    void tallyChanged();

    // The dialog's table; it lives as long as the session so the quotas typed
    // in stay for the whole run.
    tips::EvaluationSheet& sheet() { return m_sheet; }

private:
    EvaluationHost& m_host;
    tips::EvaluationSheet m_sheet;
    EvaluationDialogPort* m_dialog = nullptr;
};

} // namespace app
