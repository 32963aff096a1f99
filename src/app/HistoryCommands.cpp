#include "app/HistoryCommands.h"

#include "app/Session.h"
#include "common/DayNumber.h"
#include "common/Formats.h"

namespace app {

namespace {
const QString kPicker1 = QStringLiteral("DateTimePicker1");
// The buttons whose state follows the update: its own two, and the manual
// entry and deletion, which must not rewrite the file while it appends.
const QString kUpdateButtons[] = {QStringLiteral("BitBtn1"), QStringLiteral("SpeedButton10"),
                                  QStringLiteral("BitBtn8"), QStringLiteral("BitBtn6")};
} // namespace

HistoryCommands::HistoryCommands(Session& session) : m_session(session) {
    m_session.activationSteps().internetUpdate = [this] { VellumatClick(); };
}

void HistoryCommands::setTimeouts(int connectMs, int requestMs) {
    m_connectTimeoutMs = connectMs;
    m_requestTimeoutMs = requestMs;
}

history::UpdateSettings HistoryCommands::updateSettings() const {
    const ControlValues& controls = m_session.controls();
    history::UpdateSettings settings;
    settings.serviceUrl = controls.text(QStringLiteral("ServiceURL"));
    settings.proxyHost = controls.text(QStringLiteral("ProxyHostEdit"));
    settings.proxyPort = controls.text(QStringLiteral("ProxyPortEdit"));
    settings.connectTimeoutMs = m_connectTimeoutMs;
    settings.requestTimeoutMs = m_requestTimeoutMs;
    return settings;
}

// ---- internet update ----------------------------------------------------------

bool HistoryCommands::VellumatClick() {
    // A second start while one runs (the window re-activated during a
    // request) would append the same draws twice.
    if (m_running || m_session.refusedDuringOperation()) {
        return false;
    }
    OperationScope operation(m_session, LongOperation::Update);
    m_messageShown = false;
    history::InternetUpdate update(*this, m_session.historyPath(), updateSettings());
    const history::UpdateResult result = update.run();
    m_unanswered = result.unanswered;
    if (!result.memo.isEmpty()) {
        m_session.memo1() = history::InternetUpdate::bodyLines(result.memo);
    }
    m_session.current().aktDatum = result.aktDatum;
    ControlValues& controls = m_session.controls();
    controls.setText(QStringLiteral("Label35"), controls.text(QStringLiteral("Label29")));
    if (result.reload) {
        controls.setDate(kPicker1, common::toDate(result.pickerDate));
        m_session.loadAtDate();
    }
    return !m_messageShown;
}

void HistoryCommands::announceButtons() {
    for (const QString& name : kUpdateButtons) {
        m_session.port().controlChanged(name);
    }
}

void HistoryCommands::setRunning(bool running) {
    m_running = running;
    m_session.setStopButtonVisible(running);
    announceButtons();
}

bool HistoryCommands::stopRequested() {
    return !m_session.stopButtonVisible();
}

void HistoryCommands::processEvents() {
    m_session.port().processEvents();
}

void HistoryCommands::setStatusText(int panel, const QString& text) {
    m_session.setStatusText(panel, text);
}

void HistoryCommands::setDrawLine(const QString& text) {
    m_session.controls().setText(QStringLiteral("Label29"), text);
}

void HistoryCommands::setCrossSumLine(const QString& text) {
    m_session.controls().setText(QStringLiteral("Label13"), text);
}

void HistoryCommands::setPickerDate(common::DayNumber day) {
    m_session.controls().setDate(kPicker1, common::toDate(day));
}

void HistoryCommands::showMessage(const QString& text) {
    m_messageShown = true;
    m_session.port().showMessage(text);
}

QDate HistoryCommands::today() {
    return m_session.port().today();
}

// ---- manual entry and deletion ------------------------------------------------

history::DrawEntry HistoryCommands::currentEntry() const {
    const history::CurrentDraw& draw = m_session.cursor().current();
    history::DrawEntry entry;
    // Before any draw was loaded the dialog opens at the picker's date.
    entry.date = draw.datum1 >= common::kFirstDrawDay ? common::toDate(draw.datum1)
                                                      : m_session.controls().date(kPicker1);
    entry.soir = draw.soir != 0;
    entry.multiplier =
        draw.multiplicateur == 2 || draw.multiplicateur == 3 ? draw.multiplicateur : 5;
    entry.jokerPlus = draw.jokerPlus;
    for (int number : draw.zahl) {
        if (number >= 1 && number <= 70) {
            entry.numbers.push_back(number);
        }
    }
    return entry;
}

bool HistoryCommands::BitBtn8Click() {
    if (m_running || m_session.refusedDuringOperation()) {
        return false;
    }
    // The dialog refuses a date after today too; the port knows today.
    history::DrawEntry shown = currentEntry();
    shown.lastDay = m_session.port().today();
    std::optional<history::DrawEntry> entry =
        m_entryPort ? m_entryPort->editDraw(shown) : std::nullopt;
    if (entry) {
        // Whatever the dialog gave back, the limit holds.
        entry->lastDay = shown.lastDay;
        history::TZiehung record;
        QString error;
        int dropped = 0;
        if (!history::DrawEditor::buildRecord(*entry, &record, &error) ||
            !history::DrawEditor::enter(m_session.historyPath(), record, &dropped, &error)) {
            m_session.port().showMessage(error);
            return false;
        }
        if (dropped > 0) {
            m_session.port().showMessage(
                QStringLiteral("%1 : %2 enregistrement(s) à date invalide (avant le 16.09.1993 "
                               "ou après aujourd'hui) retiré(s) de l'historique.")
                    .arg(m_session.historyPath(), QString::number(dropped)));
        }
        m_session.controls().setDate(kPicker1, entry->date);
    }
    // A cancelled dialog still reloads the draw at the picker.
    m_session.SpeedButton5Click();
    return true;
}

bool HistoryCommands::BitBtn4Click() {
    if (m_running || m_session.refusedDuringOperation()) {
        return false;
    }
    const history::CurrentDraw& draw = m_session.cursor().current();
    // The draw at the date asked for, or none: when that date (the picker's,
    // or the one the last load looked up) has no draw, the cursor shows a
    // neighbour, which must not go in its place. Before any draw was
    // current the deletion finds nothing to remove anyway.
    const qint64 shown = common::wholeDay(draw.datum1);
    const qint64 picked =
        common::wholeDay(common::toDayNumber(m_session.controls().date(kPicker1)));
    const qint64 asked = picked != shown ? picked : common::wholeDay(draw.aktDatum);
    if (draw.datum1 >= common::kFirstDrawDay && asked != shown) {
        m_session.port().showMessage(QStringLiteral("Pas de tirage le %1 : rien n'est effacé.")
                                         .arg(common::formatShortDate(common::toDate(
                                             static_cast<common::DayNumber>(asked)))));
        return false;
    }
    int removed = 0;
    QString error;
    bool ok = false;
    {
        BusyScope busy(m_session.port());
        ok = history::DrawEditor::remove(m_session.historyPath(), m_session.home(), draw.datum1,
                                         draw.soir, &removed, &error);
    }
    if (!ok) {
        m_session.port().showMessage(error);
        return false;
    }
    m_session.SpeedButton5Click();
    return true;
}

} // namespace app
