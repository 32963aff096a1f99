#include "app/GeneratorRunHost.h"

#include "app/GeneratorCommands.h"
#include "app/GeneratorParameters.h"
#include "app/Session.h"

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
        m_session.showPage(kTipPage);
    }
    m_session.setStatusText(panel, text);
}

void GeneratorRunHost::processEvents() {
    m_session.port().processEvents();
    // Whatever the user changed meanwhile counts from the next attempt.
    GeneratorParameters::refresh(m_session.controls(), &m_parameters);
}

bool GeneratorRunHost::stillRunning() {
    return !m_session.operations().stopRequested();
}

generator::GeneratorHost::ReviewAnswer GeneratorRunHost::reviewPool(prefs::NumberGrid& grid) {
    m_session.showPage(kTipPage);
    // Every review shows a freshly made dialog; it stays the one the tip
    // editor uses afterwards.
    m_dialogState = NumberDialogState();
    m_dialogState.grid = grid;
    NumberDialogPort::Answer answer = NumberDialogPort::Answer::Ok;
    if (m_dialog) {
        m_session.port().setBusy(false);
        answer = m_dialog->showNumberDialog(m_dialogState, m_session.random());
        m_session.port().setBusy(true);
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
    m_session.port().showMessage(text);
}

void GeneratorRunHost::parametersChanged() {
    GeneratorParameters::showRunChanges(m_parameters, &m_session.controls());
}

void GeneratorRunHost::statisticShown(generator::Statistic) {
    m_session.showPage(kChartPage);
}

void GeneratorRunHost::tipListCleared() {
    m_session.tipList().clear();
    m_session.port().tipListsChanged();
}

void GeneratorRunHost::tipAccepted(const QString& line) {
    m_session.tipList().append(line);
    m_session.port().tipListsChanged();
}

} // namespace app
