// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GeneratorCommands.h"

#include "app/GeneratorParameters.h"
#include "app/GeneratorRunHost.h"
#include "app/GeneratorStatistics.h"
#include "common/DayNumber.h"
#include "tips/TipLine.h"

namespace app {

const QString GeneratorCommands::kIdleCaption = QStringLiteral("calculer les grilles");
const QString GeneratorCommands::kStopCaption = QStringLiteral("Stop");

namespace {
const QString kReadFirst = QStringLiteral("Lisez d`abord les données de tirages");
const QString kNoSelection = QStringLiteral("D`abord, sélectionnez une grille");
const QString kEditedCaption = QStringLiteral("Sélectionnez les numéros de calcul");
} // namespace

// The session is still being made here, and so is the window around it: the
// caption is not written (and announced) until a run changes it.
GeneratorCommands::GeneratorCommands(GenerationHost& host) : m_host(host) {
}

QString GeneratorCommands::caption() const {
    return m_caption.isEmpty() ? kIdleCaption : m_caption;
}

void GeneratorCommands::setCaption(const QString& caption) {
    if (m_caption != caption) {
        m_caption = caption;
        m_host.port().operationChanged();
    }
}

generator::RunResult GeneratorCommands::BitBtn19Click() {
    if (running()) {
        // The run sees the stop when it next lets input run.
        m_host.stopOperation();
        generator::RunResult stopped;
        stopped.outcome = generator::RunResult::Outcome::Stopped;
        return stopped;
    }
    if (m_host.refused(WindowCommand::Generate)) {
        generator::RunResult refused;
        refused.outcome = generator::RunResult::Outcome::Failed;
        return refused;
    }
    setCaption(kStopCaption);
    m_lastResult = run(nullptr, nullptr);
    m_hasRun = true;
    return m_lastResult;
}

void GeneratorCommands::showStopped() {
    if (caption() == kStopCaption) {
        setCaption(kIdleCaption);
    }
}

bool GeneratorCommands::running() const {
    return m_host.operations().isActive(LongOperation::Generation);
}

generator::RunResult GeneratorCommands::generateOn(const history::DrawHistory& past,
                                                   stats::RollingStatistics* rolling) {
    setCaption(kStopCaption);
    m_lastResult = run(&past, rolling);
    m_hasRun = true;
    return m_lastResult;
}

bool GeneratorCommands::readHistory(history::DrawHistory* history) {
    QString error;
    switch (history::DrawHistory::load(m_host.historyPath(), history, &error)) {
    case history::HistoryFile::Status::Ok:
        return true;
    case history::HistoryFile::Status::Missing:
        m_host.port().showMessage(kReadFirst);
        return false;
    default:
        m_host.port().showMessage(error);
        return false;
    }
}

generator::ReferenceDraws GeneratorCommands::referenceDraws(const history::DrawHistory& history,
                                                            bool fromFile) {
    // The current draw, and the two before it as two steps back from it show
    // them; a copy of the cursor steps, so the window's draw never moves.
    generator::ReferenceDraws references{};
    history::DrawCursor steps = m_host.cursor();
    references[0] = steps.current().zahl;
    steps.stepBack(history.records());
    references[1] = steps.current().zahl;
    steps.stepBack(history.records());
    references[2] = steps.current().zahl;
    // Coming back ends on the draw at the picker's date, loaded anew.
    if (fromFile) {
        m_host.loadAtDate();
    } else {
        m_host.loadAtDate(history);
    }
    return references;
}

generator::RunResult GeneratorCommands::run(const history::DrawHistory* past,
                                            stats::RollingStatistics* rolling) {
    OperationScope operation(m_host.operations(), LongOperation::Generation);
    m_host.setSortieren(false);
    generator::Parameters parameters = GeneratorParameters::read(m_host.controls());
    m_host.setLaufMax(parameters.upDown7 * 1000);
    BusyScope busy(m_host.port());

    history::DrawHistory history;
    if (past) {
        history = *past;
    } else if (!readHistory(&history)) {
        generator::RunResult failed;
        failed.outcome = generator::RunResult::Outcome::Failed;
        m_host.setSortieren(true);
        setCaption(kIdleCaption);
        return failed;
    }
    generator::RunInput input;
    input.history = &history;
    input.references = referenceDraws(history, past == nullptr);
    input.tipLines = m_host.tipList().lines();
    // Loading the draw again may have moved the picker onto the draw's day.
    parameters.dateTimePicker1 = m_host.controls().date(Control::DateTimePicker1);

    GeneratorRunHost host(m_host, parameters, m_dialogState, m_dialog);
    GeneratorStatistics statistics(m_host, history, parameters, rolling);
    generator::TipGenerator tipGenerator(host, statistics, m_host.random());
    m_host.setBerechnunglaeuft(true);
    const generator::RunResult result = tipGenerator.run(parameters, input);
    if (result.laufMax > 0) {
        m_host.setLaufMax(result.laufMax);
    }
    endRun(result, past);
    return result;
}

void GeneratorCommands::endRun(const generator::RunResult& result,
                               const history::DrawHistory* past) {
    m_host.setSortieren(true);
    if (result.outcome != generator::RunResult::Outcome::Cancelled) {
        // The history tests and the calendar-date section worked on other
        // draws; the draw at the picker is loaded again and the list checked.
        if (past) {
            m_host.loadAtDate(*past);
        } else if (!m_host.loadAtDate()) {
            m_host.Komplettcheck();
        }
        keepClosingStatus(result.closingStatus);
    }
    setCaption(kIdleCaption);
    m_host.setBerechnunglaeuft(false);
}

void GeneratorCommands::keepClosingStatus(const QString& closingStatus) {
    // The run's closing status says whether every tip was found; the final
    // check's best result moves beside it instead of replacing it.
    const QString checked = m_host.statusText(generator::TipGenerator::kRunPanel);
    if (closingStatus.isEmpty() || checked == closingStatus) {
        return;
    }
    m_host.setStatusText(generator::TipGenerator::kRunPanel, closingStatus);
    m_host.setStatusText(generator::TipGenerator::kRunPanel + 1, checked);
}

// ---- tip editor --------------------------------------------------------------

void GeneratorCommands::prepareEditor(const QString& line, int numbersPerTip) {
    m_dialogState.randomVisible = true;
    m_dialogState.calculateVisible = false;
    m_dialogState.maxtipp = numbersPerTip;
    prefs::NumberGrid& grid = m_dialogState.grid;
    grid.clearAll();
    for (const QString& field : tips::TipLine::fields(line)) {
        qint64 value = 0;
        if (!tips::TipLine::fieldValue(field, &value)) {
            break;
        }
        // A number outside the game has no box to check; it is passed over.
        if (value >= 1 && value <= prefs::NumberGrid::kNumbers) {
            grid.setChecked(static_cast<int>(value), true);
            grid.setHighlighted(static_cast<int>(value), true);
        }
    }
}

void GeneratorCommands::SpeedEditClick() {
    if (m_host.refused(WindowCommand::EditTip)) {
        return;
    }
    tips::TipList& list = m_host.tipList();
    if (list.count() == 0) {
        list.append(QString());
        m_host.port().tipListsChanged();
        m_host.selectTip(0);
    }
    const int index = list.selected();
    if (index < 0 || index >= list.count()) {
        m_host.port().showMessage(kNoSelection);
        return;
    }
    const int n = m_host.numbersPerTip();
    prepareEditor(list.lines().at(index), n);
    NumberDialogPort::Answer answer = NumberDialogPort::Answer::Ok;
    if (m_dialog) {
        answer = m_dialog->showNumberDialog(m_dialogState, m_host.random());
    }
    if (answer == NumberDialogPort::Answer::Ok) {
        std::vector<int> taken;
        for (int number = 1;
             number <= prefs::NumberGrid::kNumbers && static_cast<int>(taken.size()) < n;
             ++number) {
            if (m_dialogState.grid.checked(number)) {
                taken.push_back(number);
            }
        }
        list.lines()[index] = tips::TipLine::write(taken);
        m_host.port().tipListsChanged();
    }
    m_dialogState.randomVisible = false;
    m_dialogState.calculateVisible = true;
    for (int number = 1; number <= prefs::NumberGrid::kNumbers; ++number) {
        m_dialogState.grid.setHighlighted(number, false);
    }
    m_dialogState.caption = kEditedCaption;
    m_host.Komplettcheck();
}

} // namespace app
