// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GeneratorRunHost.h"

#include "app/GeneratorCommands.h"
#include "app/GeneratorParameters.h"

namespace app {

namespace {
const QString kTipPage = QStringLiteral("TabSheet1");
const QString kChartPage = QStringLiteral("TabSheet5");
} // namespace

void GeneratorRunHost::showStatus(int panel, const QString& text) {
    // The run's state panel is first written when the search starts ("start
    // of calculation"): that is when the tip page comes to the front.
    if (panel == 0 && !m_searchShown) {
        m_searchShown = true;
        m_host.showPage(kTipPage);
    }
    m_host.setStatusText(panel, text);
}

void GeneratorRunHost::processEvents() {
    m_host.port().processEvents();
    // Whatever the user changed meanwhile counts from the next attempt.
    GeneratorParameters::refresh(m_host.controls(), &m_parameters);
}

bool GeneratorRunHost::stillRunning() {
    return !m_host.operations().stopRequested();
}

generator::GeneratorHost::ReviewAnswer GeneratorRunHost::reviewPool(prefs::NumberGrid& grid) {
    m_host.showPage(kTipPage);
    // Every review shows a freshly made dialog; it stays the one the tip
    // editor uses afterwards.
    m_dialogState = NumberDialogState();
    m_dialogState.grid = grid;
    NumberDialogPort::Answer answer = NumberDialogPort::Answer::Ok;
    if (m_dialog) {
        m_host.port().setBusy(false);
        answer = m_dialog->showNumberDialog(m_dialogState, m_host.random());
        m_host.port().setBusy(true);
    }
    grid = m_dialogState.grid;
    switch (answer) {
    case NumberDialogPort::Answer::Ok:
        return ReviewAnswer::Ok;
    case NumberDialogPort::Answer::Calculate:
        return ReviewAnswer::Calculate;
    case NumberDialogPort::Answer::Cancel:
        break;
    }
    return ReviewAnswer::Cancel;
}

void GeneratorRunHost::message(const QString& text) {
    m_host.port().showMessage(text);
}

void GeneratorRunHost::parametersChanged() {
    GeneratorParameters::showRunChanges(m_parameters, &m_host.controls());
}

void GeneratorRunHost::statisticShown(generator::Statistic) {
    m_host.showPage(kChartPage);
}

void GeneratorRunHost::tipListCleared() {
    m_host.tipList().clear();
    m_host.port().tipListsChanged();
}

void GeneratorRunHost::tipAccepted(const QString& line) {
    m_host.tipList().append(line);
    m_host.port().tipListsChanged();
}

} // namespace app
