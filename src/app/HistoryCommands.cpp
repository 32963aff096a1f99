// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HistoryCommands.h"

#include "common/DayNumber.h"
#include "common/Formats.h"
#include "history/ArchiveUpdate.h"
#include "history/ArchiveValidators.h"
#include "history/DrawMerge.h"

#include <algorithm>

namespace app {

namespace {
// The buttons whose state follows the update: its own two, and the manual
// entry and deletion, which must not rewrite the file while it appends.
} // namespace

HistoryCommands::HistoryCommands(HistoryHost& host) : m_host(host) {
    m_host.activationSteps().internetUpdate = [this] { VellumatClick(); };
}

void HistoryCommands::setTimeouts(int connectMs, int requestMs) {
    m_connectTimeoutMs = connectMs;
    m_requestTimeoutMs = requestMs;
}

history::UpdateSettings HistoryCommands::updateSettings() const {
    const ControlValues& controls = m_host.controls();
    history::UpdateSettings settings;
    settings.serviceUrl = controls.text(Control::ServiceURL);
    settings.resultsUrls =
        controls.text(Control::ResultsURL).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    settings.validatorsPath = m_host.homeFile(history::ArchiveValidators::kFileName);
    settings.proxyHost = controls.text(Control::ProxyHostEdit);
    settings.proxyPort = controls.text(Control::ProxyPortEdit);
    settings.connectTimeoutMs = m_connectTimeoutMs;
    settings.requestTimeoutMs = m_requestTimeoutMs;
    return settings;
}

// ---- internet update ----------------------------------------------------------

bool HistoryCommands::VellumatClick() {
    // A second start while one runs (the window re-activated during a
    // request) would append the same draws twice.
    if (updateRunning() || m_host.refused(WindowCommand::Update)) {
        return false;
    }
    OperationScope operation(m_host.operations(), LongOperation::Update);
    m_messageShown = false;
    const history::UpdateSettings settings = updateSettings();
    // Without a draw service of one's own the operator's archive is the source.
    const history::UpdateResult result =
        settings.serviceUrl.trimmed().isEmpty()
            ? history::ArchiveUpdate(*this, m_host.historyPath(), settings).run()
            : history::InternetUpdate(*this, m_host.historyPath(), settings).run();
    m_unanswered = result.unanswered;
    m_lastResult = result;
    if (!result.memo.isEmpty()) {
        m_host.memo1() = history::InternetUpdate::bodyLines(result.memo);
    }
    m_host.current().aktDatum = result.aktDatum;
    ControlValues& controls = m_host.controls();
    controls.setText(Control::Label35, controls.text(Control::Label29));
    // The update's own result stays readable: the checks that follow put
    // their best hit beside it instead of over it.
    m_host.keepStatus({result.summary, result.differing});
    if (result.reload) {
        controls.setDate(Control::DateTimePicker1, common::toDate(result.pickerDate));
        m_host.loadAtDate();
    }
    m_host.setStaleNotice(staleNotice(result));
    return !m_messageShown && !(result.failed && !result.summary.isEmpty());
}

QString HistoryCommands::staleNotice(const history::UpdateResult& result) {
    // A history that is merely a day behind is normal between two draws;
    // older than that and not refreshed, every figure is old.
    constexpr qint64 kStaleDays = 2;
    if (!result.failed || result.newestDay <= 0) {
        return {};
    }
    const QDate newest = common::toDate(result.newestDay);
    const qint64 age = newest.daysTo(today());
    if (age <= kStaleDays) {
        return {};
    }
    return QStringLiteral("dernier tirage connu : %1, il y a %2 jours")
        .arg(common::formatShortDate(newest))
        .arg(age);
}

bool HistoryCommands::updateRunning() const {
    return m_host.operations().isActive(LongOperation::Update);
}

void HistoryCommands::setRunning(bool) {
    m_host.port().operationChanged();
}

bool HistoryCommands::stopRequested() {
    return m_host.operations().stopRequested();
}

void HistoryCommands::processEvents() {
    m_host.port().processEvents();
}

void HistoryCommands::setStatusText(int panel, const QString& text) {
    m_host.setStatusText(panel, text);
}

void HistoryCommands::setDrawLine(const QString& text) {
    m_host.controls().setText(Control::Label29, text);
}

void HistoryCommands::setCrossSumLine(const QString& text) {
    m_host.controls().setText(Control::Label13, text);
}

void HistoryCommands::setPickerDate(common::DayNumber day) {
    m_host.controls().setDate(Control::DateTimePicker1, common::toDate(day));
}

void HistoryCommands::showMessage(const QString& text) {
    m_messageShown = true;
    m_host.port().showMessage(text);
}

bool HistoryCommands::takeOperatorDraws(
    const std::vector<history::DrawMerge::Difference>& differing) {
    return m_host.takeOperatorDraws(differing);
}

QDate HistoryCommands::today() {
    return m_host.port().today();
}

// ---- manual entry and deletion ------------------------------------------------

history::DrawEntry HistoryCommands::currentEntry() const {
    const history::CurrentDraw& draw = m_host.cursor().current();
    history::DrawEntry entry;
    // Before any draw was loaded the dialog opens at the picker's date.
    entry.date = draw.datum1 >= common::kFirstDrawDay
                     ? common::toDate(draw.datum1)
                     : m_host.controls().date(Control::DateTimePicker1);
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
    if (updateRunning() || m_host.refused(WindowCommand::EnterDraw)) {
        return false;
    }
    // The dialog refuses a date after today too; the port knows today.
    history::DrawEntry shown = currentEntry();
    shown.lastDay = m_host.port().today();
    std::optional<history::DrawEntry> entry =
        m_entryPort ? m_entryPort->editDraw(shown) : std::nullopt;
    if (entry) {
        // Whatever the dialog gave back, the limit holds.
        entry->lastDay = shown.lastDay;
        history::TZiehung record;
        std::optional<history::TZiehung> stored;
        QString error;
        int dropped = 0;
        if (!history::DrawEditor::buildRecord(*entry, &record, &error) ||
            !history::DrawEditor::storedDraw(m_host.historyPath(), record, &stored, &error)) {
            m_host.port().showMessage(error);
            return false;
        }
        if (stored && !confirmReplacement(*stored, record)) {
            return false; // the stored draw stays, nothing changes
        }
        // An entry that repeats the stored draw leaves the file as it is.
        if ((!stored || *stored != record) &&
            !history::DrawEditor::enter(m_host.historyPath(), record, &dropped, &error)) {
            m_host.port().showMessage(error);
            return false;
        }
        if (dropped > 0) {
            m_host.port().showMessage(
                QStringLiteral("%1 : %2 enregistrement(s) à date invalide (avant le 16.09.1993 "
                               "ou après aujourd'hui) retiré(s) de l'historique.")
                    .arg(m_host.historyPath(), QString::number(dropped)));
        }
        m_host.controls().setDate(Control::DateTimePicker1, entry->date);
    }
    // A cancelled dialog still reloads the draw at the picker.
    m_host.SpeedButton5Click();
    return true;
}

bool HistoryCommands::confirmReplacement(const history::TZiehung& stored,
                                         const history::TZiehung& entered) {
    auto sorted = [](std::array<std::uint8_t, 20> numbers) {
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    };
    // Another multiplier or Joker+ for the same numbers is a correction;
    // other numbers replace a draw the player may have from the operator.
    if (sorted(stored.zahlen) == sorted(entered.zahlen)) {
        return true;
    }
    return m_host.port().askYesNo(
        QStringLiteral("Le tirage du %1 est déjà enregistré avec d'autres numéros. Le remplacer ?")
            .arg(history::DrawMerge::drawName(stored)));
}

bool HistoryCommands::BitBtn4Click() {
    if (updateRunning() || m_host.refused(WindowCommand::DeleteDraw)) {
        return false;
    }
    const history::CurrentDraw& draw = m_host.cursor().current();
    // The draw at the date asked for, or none: when that date (the picker's,
    // or the one the last load looked up) has no draw, the cursor shows a
    // neighbour, which must not go in its place. Before any draw was
    // current the deletion finds nothing to remove anyway.
    const qint64 shown = common::wholeDay(draw.datum1);
    const qint64 picked =
        common::wholeDay(common::toDayNumber(m_host.controls().date(Control::DateTimePicker1)));
    const qint64 asked = picked != shown ? picked : common::wholeDay(draw.aktDatum);
    if (draw.datum1 >= common::kFirstDrawDay && asked != shown) {
        m_host.port().showMessage(QStringLiteral("Pas de tirage le %1 : rien n'est effacé.")
                                      .arg(common::formatShortDate(
                                          common::toDate(static_cast<common::DayNumber>(asked)))));
        return false;
    }
    int removed = 0;
    QString error;
    bool ok = false;
    {
        BusyScope busy(m_host.port());
        ok = history::DrawEditor::remove(m_host.historyPath(), m_host.home(), draw.datum1,
                                         draw.soir, &removed, &error);
    }
    if (!ok) {
        m_host.port().showMessage(error);
        return false;
    }
    m_host.SpeedButton5Click();
    return true;
}

} // namespace app
