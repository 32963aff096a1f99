// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EvaluationCommands.h"

#include "app/EvaluationDialogPort.h"
#include "tips/Evaluation.h"

namespace app {

EvaluationCommands::EvaluationCommands(EvaluationHost& host)
    : m_host(host), m_sheet(&host.hitTally()) {
}

QString EvaluationCommands::auswertungClick() {
    // The hit column belongs to the last check; the table is that of the tip
    // size set now, which is what the user asks about.
    const QString text =
        tips::Evaluation::message(m_host.tipList().hits(), m_host.numbersPerTip(), m_host.stake());
    m_host.port().showMessage(text);
    return text;
}

void EvaluationCommands::Form8Show() {
    m_sheet.recalculate();
    if (m_dialog) {
        m_dialog->showEvaluationSheet(m_sheet);
    }
}

void EvaluationCommands::tallyChanged() {
    if (m_dialog) {
        m_dialog->tallyChanged();
    }
}

} // namespace app
