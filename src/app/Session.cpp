// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>
#include <utility>

#include "app/BacktestCommands.h"
#include "app/EvaluationCommands.h"
#include "app/GeneratorCommands.h"
#include "app/HandoffCommands.h"
#include "app/HistoryCommands.h"
#include "app/ParameterRules.h"
#include "app/SettingsStore.h"
#include "app/SettingsSync.h"
#include "app/StatisticsCommands.h"
#include "app/TipFileCommands.h"
#include "app/TipSearchCommands.h"
#include "common/FileError.h"
#include "common/Formats.h"
#include "common/TextFile.h"
#include "history/HistoryFile.h"

namespace app {

namespace {
const QString kNoSelection = QStringLiteral("D`abord, sélectionnez une grille");
const QString kReadFirst = QStringLiteral("Lisez d`abord les données de tirages");
const QString kTipsFile = QStringLiteral("tipps.txt");

// A typed position beyond what an int holds is not cut to its low bits: it
// goes to the nearest end, and the up-down holds it within its range.
int heldInInt(qint64 value) {
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

} // namespace

Session::Session(WindowPort& port) : m_port(port) {
    m_controls.setListener([this](Control id) { m_port.controlChanged(id); });
    m_random.seedFromClock();
    m_statistics = std::make_unique<StatisticsCommands>(*this);
    m_history = std::make_unique<HistoryCommands>(*this);
    m_evaluation = std::make_unique<EvaluationCommands>(*this);
    m_tipFiles = std::make_unique<TipFileCommands>(*this);
    m_tipSearch = std::make_unique<TipSearchCommands>(*this);
    m_handoff = std::make_unique<HandoffCommands>(*this);
    m_backtests = std::make_unique<BacktestCommands>(*this);
    m_generator = std::make_unique<GeneratorCommands>(*this);
}

Session::~Session() = default;

std::unique_ptr<Session> Session::detachedCopy(WindowPort& port) const {
    auto copy = std::make_unique<Session>(port);
    copy->m_home = m_home;
    copy->m_zahlenFile = m_zahlenFile;
    copy->m_soundName = m_soundName;
    // The values only: the copy's changes are told to its own port.
    ControlValues controls = m_controls;
    controls.setListener([&port](Control id) { port.controlChanged(id); });
    copy->m_controls = std::move(controls);
    copy->m_cursor = m_cursor;
    copy->m_tips = m_tips;
    copy->m_tally = m_tally;
    copy->m_random = m_random;
    copy->m_statistik = m_statistik;
    copy->m_status = m_status;
    copy->m_checkStatus = m_checkStatus;
    copy->m_keptStatus = m_keptStatus;
    copy->m_chart = m_chart;
    copy->m_gewinn = m_gewinn;
    copy->m_sortieren = m_sortieren;
    copy->m_laufMax = m_laufMax;
    copy->m_dfb = m_dfb;
    copy->m_soundMuted = m_soundMuted;
    copy->m_drawLinesHeld = m_drawLinesHeld;
    copy->m_generator->numberDialogState() = m_generator->numberDialogState();
    return copy;
}

generator::RunResult Session::generateOn(const history::DrawHistory& past,
                                         stats::RollingStatistics* rolling) {
    return m_generator->generateOn(past, rolling);
}

void Session::showPage(const QString& page) {
    m_requestedPage = page;
    m_port.pageRequested();
}

void Session::setHome(const QString& directory) {
    m_home = QDir::fromNativeSeparators(directory);
    while (m_home.endsWith(QLatin1Char('/')) && m_home.size() > 1) {
        m_home.chop(1);
    }
    m_home += QLatin1Char('/');
    m_soundName = m_home + QStringLiteral("yippee.wav");
}

void Session::setStatusText(int panel, const QString& text) {
    if (m_notice && !m_activating && m_notice->first == panel && m_notice->second != text) {
        m_notice.reset();
    }
    m_status[static_cast<std::size_t>(panel)] = text;
    m_port.statusTextChanged(panel, text);
}

int Session::stake() const {
    const int index = m_controls.index(Control::ComboBox1);
    if (index >= 0) {
        return ControlSchema::stake(index);
    }
    qint64 value = 0;
    if (common::parseInteger(m_controls.text(Control::ComboBox1), &value) && value >= 1 &&
        value <= 10) {
        return static_cast<int>(value);
    }
    return 1;
}

void Session::setStakeText(const QString& text) {
    m_controls.setText(Control::ComboBox1, text);
    rememberStake();
    ComboBox1Change();
}

void Session::openWrittenFile(const QString& path) {
    if (m_shell && !m_shell->open(path)) {
        setStatusText(1, QStringLiteral("écrit dans %1 (aucun programme ne l'a ouvert)")
                             .arg(QDir::toNativeSeparators(path)));
    }
}

// ---- life cycle ----------------------------------------------------------

void Session::publishChart(const stats::StatResult& result) {
    m_chart = result;
    m_port.chartChanged();
}

void Session::FormCreate(QSettings* settings, const QString& group) {
    m_settings = settings;
    m_settingsGroup = group;
    m_random.seedFromClock();
    m_laufMax = 100000;
    m_sortieren = false;
    m_berechnunglaeuft = false;
    if (settings) {
        SettingsStore(*settings, group).restore(m_controls);
    }
    m_sortieren = true;
    m_laufMax = 1000 * m_controls.position(Control::UpDown7);
    if (m_controls.text(Control::ProxyHostEdit).isEmpty()) {
        m_controls.setText(Control::ProxyPortEdit, QStringLiteral("80"));
    }
    QStringList lines;
    if (QFile::exists(homeFile(kTipsFile)) &&
        common::TextFile::readLines(homeFile(kTipsFile), &lines)) {
        m_tips.clear();
        m_tips.lines() = lines;
        m_port.tipListsChanged();
    }
    m_soundName = m_home + QStringLiteral("yippee.wav");
    m_controls.setDate(Control::DateTimePicker1, m_port.today());
}

void Session::FormActivate() {
    // A dialog closed during the sequence re-activates the window; the
    // sequence must not start again inside itself, nor run under a long
    // operation whose message box has just closed.
    if (m_activating || m_operations.isRunning()) {
        return;
    }
    m_activating = true;
    if (const auto firstStart = std::exchange(m_activationSteps.firstStart, nullptr)) {
        firstStart();
    }
    if (m_activationSteps.internetUpdate) {
        m_activationSteps.internetUpdate();
    }
    const bool hasDraws = historyHasDraws();
    if (hasDraws) {
        SpeedButton5Click();
        if (m_activationSteps.numberDistribution) {
            m_activationSteps.numberDistribution();
        }
    } else {
        showEmptyHistory();
    }
    // System follows the user's choice of a stake, so this restores the
    // stake restored at start and keeps any the user chose since; a stake
    // typed in as text is kept as it is.
    if (m_controls.index(Control::ComboBox1) >= 0) {
        m_controls.setIndex(Control::ComboBox1, m_controls.text(Control::System).toInt());
    }
    ComboBox1Change();
    if (hasDraws) {
        SpeedButton7Click();
    }
    m_activating = false;
    if (const auto notice = std::exchange(m_notice, std::nullopt)) {
        setStatusText(notice->first, notice->second);
    }
    if (!hasDraws && m_activationSteps.emptyHistory) {
        m_activationSteps.emptyHistory();
    }
}

void Session::showNotice(int panel, const QString& text) {
    setStatusText(panel, text);
    m_notice.emplace(panel, text);
}

bool Session::historyHasDraws() const {
    return QFileInfo(historyPath()).size() >= history::TZiehung::kSize;
}

void Session::showEmptyHistory() {
    // A zero record would show a draw of 1899 with no numbers: say instead
    // why the window is empty and where the draws come from.
    static const QString kNoDraws = QStringLiteral(
        "Aucun tirage dans l'historique : importez les résultats FDJ (page « analyse »)");
    m_controls.setText(Control::Label29, kNoDraws);
    m_controls.setText(Control::Label35, kNoDraws);
    m_controls.setText(Control::Label13, QString());
}

bool Session::FormClose(QSettings* settings, const QString& group) {
    // The window closes in every case, but the user learns what was not
    // saved. A failed step does not keep the other file from being saved.
    QStringList unsaved;
    if (settings) {
        rememberStake();
        if (!SettingsStore(*settings, group).save(m_controls, m_port.today())) {
            unsaved << common::fileError(settings->fileName(),
                                         SettingsSync::failureReason(settings->fileName()));
        }
    }
    QString error;
    if (!common::TextFile::writeLines(homeFile(kTipsFile), m_tips.lines(), &error)) {
        unsaved << common::fileError(homeFile(kTipsFile), error);
    }
    if (unsaved.isEmpty()) {
        return true;
    }
    m_port.showMessage(QStringLiteral("Non enregistré :\n") + unsaved.join(QLatin1Char('\n')));
    return false;
}

void Session::rememberStake() {
    const int index = m_controls.index(Control::ComboBox1);
    if (index >= 0) {
        m_controls.setText(Control::System, QString::number(index));
    }
}

// ---- long operations -------------------------------------------------------

void Session::operationChanged() {
    m_port.operationChanged();
}

bool Session::refused(WindowCommand command) {
    if (!m_operations.refuses(command)) {
        return false;
    }
    m_port.showMessage(OperationController::busyMessage(m_operations.running()));
    return true;
}

void Session::stopOperation() {
    if (!m_operations.isRunning()) {
        return;
    }
    m_operations.requestStop();
    // The generation's button says "calculer les grilles" again at once.
    m_generator->showStopped();
}

// ---- current-draw cursor -------------------------------------------------

void Session::showDrawLines() {
    if (m_drawLinesHeld) {
        m_drawLinesPending = true;
        return;
    }
    m_controls.setText(Control::Label29, m_cursor.drawLine());
    m_controls.setText(Control::Label13, m_cursor.crossSumLine());
}

void Session::showCurrentDrawLine() {
    if (m_drawLinesHeld) {
        m_currentDrawLinePending = true;
        return;
    }
    m_controls.setText(Control::Label35, m_cursor.drawLine());
}

void Session::holdDrawLines(bool hold) {
    m_drawLinesHeld = hold;
    if (!hold) {
        showHeldDrawLines();
    }
}

void Session::showHeldDrawLines() {
    const bool held = std::exchange(m_drawLinesHeld, false);
    if (std::exchange(m_drawLinesPending, false)) {
        showDrawLines();
    }
    if (std::exchange(m_currentDrawLinePending, false)) {
        showCurrentDrawLine();
    }
    m_drawLinesHeld = held;
}

bool Session::SpeedButton5Click() {
    if (refused(WindowCommand::Load)) {
        return false;
    }
    return loadAtDate();
}

bool Session::loadAtDate() {
    std::vector<history::TZiehung> records;
    QString error;
    const auto status = history::HistoryFile::readAll(historyPath(), &records, &error);
    if (status == history::HistoryFile::Status::Missing) {
        m_port.showMessage(kReadFirst);
        return false;
    }
    if (status == history::HistoryFile::Status::Error) {
        m_port.showMessage(error);
        return false;
    }
    loadAtDate(records);
    return true;
}

void Session::loadAtDate(std::span<const history::TZiehung> records, bool datesAscend) {
    m_cursor.loadAtDate(records, common::toDayNumber(m_controls.date(Control::DateTimePicker1)),
                        datesAscend);
    if (!records.empty()) {
        showDrawLines();
    }
    if (!m_controls.setDate(Control::DateTimePicker1, common::toDate(current().datum1))) {
        m_controls.setDate(Control::DateTimePicker1,
                           common::parseShortDate(QStringLiteral("29.10.2012")));
    }
    showCurrentDrawLine();
    Komplettcheck();
}

void Session::setPickerAfterStep() {
    showDrawLines();
    showCurrentDrawLine();
    m_controls.setDate(Control::DateTimePicker1,
                       common::toDate(current().datum1)); // a refusal is ignored
}

bool Session::readHistoryForStep(std::vector<history::TZiehung>* records) {
    QString error;
    if (history::HistoryFile::readAll(historyPath(), records, &error) !=
        history::HistoryFile::Status::Ok) {
        m_port.showMessage(error);
        return false;
    }
    return true;
}

bool Session::SpeedButton6Click() {
    if (refused(WindowCommand::StepBack)) {
        return false;
    }
    std::vector<history::TZiehung> records;
    if (!readHistoryForStep(&records)) {
        return false;
    }
    stepBack(records);
    return true;
}

void Session::stepBack(std::span<const history::TZiehung> records) {
    m_cursor.stepBack(records);
    setPickerAfterStep();
    Komplettcheck();
}

bool Session::SpeedButton7Click() {
    if (refused(WindowCommand::StepForward)) {
        return false;
    }
    std::vector<history::TZiehung> records;
    if (!readHistoryForStep(&records)) {
        return false;
    }
    stepForward(records);
    return true;
}

void Session::stepForward(std::span<const history::TZiehung> records) {
    if (m_controls.date(Control::DateTimePicker2) > m_controls.date(Control::DateTimePicker1)) {
        m_controls.setDate(Control::DateTimePicker2,
                           m_controls.date(Control::DateTimePicker1).addDays(-365));
    }
    m_cursor.stepForward(records);
    setPickerAfterStep();
    Komplettcheck();
}

void Session::SpeedButton8Click() {
    if (m_operations.isActive(LongOperation::Update)) {
        stopOperation();
    }
}

// ---- tip list ----------------------------------------------------------------

void Session::selectTip(int index) {
    m_tips.select(index);
    m_port.tipSelectionChanged();
    if (m_tips.selected() < 0) {
        return;
    }
    const int g = tipsPerTicket();
    m_controls.setText(Control::Label23,
                       QString::number(tips::TipList::ticketOf(m_tips.selected(), g)) +
                           QStringLiteral(". ticket"));
    m_controls.setText(Control::Label24,
                       QString::number(tips::TipList::placeOf(m_tips.selected(), g)) +
                           QStringLiteral(". Grillen"));
}

void Session::SpeedButton11Click() {
    if (refused(WindowCommand::DeleteTip)) {
        return;
    }
    if (!m_tips.removeSelected()) {
        m_port.showMessage(kNoSelection);
        return;
    }
    m_port.tipListsChanged();
    Komplettcheck();
}

void Session::Edit1Change(const QString& text) {
    qint64 value = 0;
    QString normal = QStringLiteral("120");
    if (common::parseInteger(text, &value) && value > 0 && value <= 120) {
        normal = QString::number(value);
    }
    m_controls.setPosition(Control::UpDown9, normal.toInt());
    m_port.controlChanged(Control::UpDown9);
}

void Session::Edit1Exit() {
    if (m_sortieren) {
        Komplettcheck();
    }
}

void Session::ComboBox1Change() {
    const double preis = static_cast<double>(stake()) * tipsPerTicket() * totalTips();
    m_controls.setText(Control::Preis, QString::number(preis, 'g', 17));
}

tips::TipCheck::TipResult Session::Zettelcheck(const QString& tipLine) {
    tips::TipCheck::TipResult result =
        tips::TipCheck::checkTip(tipLine, current().zahl, numbersPerTip(), &m_tally);
    m_gewinn = result.gewinn;
    return result;
}

int Session::Komplettcheck() {
    const tips::TipCheck::FullResult result =
        tips::TipCheck::checkAll(&m_tips, current().zahl, numbersPerTip(), m_sortieren, &m_tally);
    m_statistik = result.statistik;
    m_port.hitTallyChanged();
    if (!m_sortieren) {
        return 0;
    }
    m_port.tipListsChanged();
    // A check with nothing to report clears only its own text, so an
    // update's failure or a run's closing status stays readable; a kept
    // text moves the check's result to the next panel.
    auto kept = [this](std::size_t panel) {
        return !m_keptStatus[panel].isEmpty() && m_status[panel] == m_keptStatus[panel];
    };
    const int panel = !kept(0) ? 0 : !kept(1) ? 1 : -1;
    if (panel >= 0 &&
        (!result.status.isEmpty() || m_status[static_cast<std::size_t>(panel)] == m_checkStatus)) {
        setStatusText(panel, result.status);
    }
    m_checkStatus = result.status;
    if (result.playSound && m_sound && !m_soundMuted) {
        m_sound->play(m_soundName);
    }
    return result.max;
}

// ---- archive import ----------------------------------------------------------

void Session::keepStatus(const std::array<QString, 2>& texts) {
    m_keptStatus = texts;
    for (int panel = 0; panel < 2; ++panel) {
        if (!texts[static_cast<std::size_t>(panel)].isEmpty()) {
            setStatusText(panel, texts[static_cast<std::size_t>(panel)]);
        }
    }
}

void Session::setStaleNotice(const QString& text) {
    if (text != m_staleNotice) {
        m_staleNotice = text;
        m_port.staleNoticeChanged();
    }
}

history::ArchiveImporter::Result Session::importArchive(const QStringList& files) {
    OperationScope operation(*this, LongOperation::Import);
    BusyScope busy(m_port);
    return history::ArchiveImporter::importFiles(
        files, historyPath(), historyPath() + QLatin1Char('~'), m_port.today(),
        [this](const auto& differing) { return takeOperatorDraws(differing); });
}

bool Session::takeOperatorDraws(const std::vector<history::DrawMerge::Difference>& differing) {
    if (m_operatorDrawsAnswer) {
        return m_operatorDrawsAnswer(differing);
    }
    return m_port.askYesNo(history::ArchiveImporter::replacementQuestion(differing));
}

void Session::importArchiveClick() {
    // An import under an update would rewrite the file the update appends to.
    if (refused(WindowCommand::Import)) {
        return;
    }
    // Archives come as .csv or .zip: a name without extension stays as typed.
    const QStringList files =
        m_port.openFileNames(QStringLiteral("Importer les résultats"),
                             QStringLiteral("Keno (*.csv *.zip);;*.*"), QString(), true);
    if (files.isEmpty()) {
        return;
    }
    const history::ArchiveImporter::Result result = importArchive(files);
    if (!result.ok) {
        m_port.showMessage(result.error);
        return;
    }
    m_port.showMessage(result.summary());
    m_controls.setDate(Control::DateTimePicker1, m_port.today());
    SpeedButton5Click();
}

} // namespace app

namespace app {

// ---- controls changed by the user -------------------------------------------

bool Session::setControlByUser(const QString& name, const QString& value) {
    const std::optional<ControlName> control = ControlSchema::resolve(name);
    if (!control) {
        return false;
    }
    return control->buddy ? setEditByUser(control->id, value)
                          : setControlByUser(control->id, value);
}

bool Session::setEditByUser(Control upDown, const QString& text) {
    if (upDown == Control::UpDown9) {
        Edit1Change(text); // the tip count's edit box puts any text right
        return true;
    }
    qint64 position = 0;
    if (!common::parseInteger(text, &position)) {
        return false;
    }
    // The coupling rules hold for typed values too.
    ParameterRules::userSetPosition(m_controls, upDown, heldInInt(position), &m_laufMax);
    return true;
}

bool Session::setControlByUser(Control id, const QString& value) {
    const ControlSpec& control = ControlSchema::row(id);
    qint64 number = 0;
    switch (control.kind) {
    case ControlKind::Field:
    case ControlKind::Label:
        return false; // shown or stored, never set by the user
    case ControlKind::UpDown:
        if (!common::parseInteger(value, &number)) {
            return false;
        }
        ParameterRules::userSetPosition(m_controls, id, heldInInt(number), &m_laufMax);
        break;
    case ControlKind::CheckBox:
        if (value != QLatin1String("0") && value != QLatin1String("1")) {
            return false;
        }
        m_controls.setChecked(id, value == QLatin1String("1"));
        break;
    case ControlKind::ComboBox:
        if (!common::parseInteger(value, &number) || number < -1 ||
            number >= control.items.size()) {
            return false;
        }
        m_controls.setIndex(id, static_cast<int>(number));
        break;
    case ControlKind::DatePicker: {
        const QDate date = common::parseShortDate(value);
        if (!date.isValid()) {
            return false;
        }
        // The picker holds the date within its range, as on screen.
        m_controls.setDate(id, std::max(date, m_controls.lowestDate(id)));
        break;
    }
    case ControlKind::Edit:
        m_controls.setText(id, value);
        break;
    }
    if (id == Control::ComboBox1) {
        rememberStake();
        ComboBox1Change();
    }
    return true;
}

QString Session::controlValue(const QString& name) const {
    const std::optional<ControlName> control = ControlSchema::resolve(name);
    return control ? controlValue(control->id) : QString();
}

QString Session::controlValue(Control id) const {
    switch (ControlSchema::row(id).kind) {
    case ControlKind::UpDown:
        // Whole, without the thousands separator its edit box shows: the
        // form in which set takes it.
        return QString::number(m_controls.position(id));
    case ControlKind::CheckBox:
        return m_controls.checked(id) ? QStringLiteral("1") : QStringLiteral("0");
    case ControlKind::ComboBox:
        return QString::number(m_controls.index(id));
    case ControlKind::DatePicker:
        return common::formatShortDate(m_controls.date(id));
    default:
        return m_controls.text(id);
    }
}

} // namespace app
