// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TipSearchCommands.h"

#include <algorithm>

#include "common/DayNumber.h"
#include "history/DrawHistory.h"

namespace app {

namespace {} // namespace

bool TipSearchCommands::SpeedButton4Click() {
    if (m_host.operations().isActive(LongOperation::TipSearch) ||
        m_host.refused(WindowCommand::TipSearch)) {
        return false;
    }
    OperationScope operation(m_host.operations(), LongOperation::TipSearch);
    WindowPort& port = m_host.port();
    const QString defaultText = tips::TipSearch::inputDefault(m_host.numbersPerTip());
    const QString answer =
        port.inputText(tips::TipSearch::inputCaption(), tips::TipSearch::inputPrompt(), defaultText)
            .value_or(defaultText);
    const std::optional<int> threshold = tips::TipSearch::parseThreshold(answer);
    if (!threshold) {
        port.showMessage(tips::TipSearch::conversionError(answer));
        return false;
    }

    BusyScope busy(port);
    history::DrawHistory history;
    QString error;
    const auto status = history::DrawHistory::load(m_host.historyPath(), &history, &error);
    if (status != history::HistoryFile::Status::Ok) {
        // The history's own message already names the file.
        port.showMessage(error);
        return false;
    }

    ControlValues& controls = m_host.controls();
    const tips::TipSearch::Range range =
        tips::TipSearch::range(common::toDayNumber(controls.date(Control::DateTimePicker2)),
                               common::toDayNumber(controls.date(Control::DateTimePicker1)));
    if (range.fromMoved) {
        controls.setDate(Control::DateTimePicker2, common::toDate(range.from));
    }
    m_host.current().aktDatum = range.from;
    m_host.setDfb(range.to);

    tips::TipSearch::Callbacks callbacks;
    callbacks.onHit = [this](const tips::TipSearch::Hit& hit) { return askGoOn(hit); };
    callbacks.onProgress = [this](const tips::TipSearch::Progress& p) { showProgress(p); };
    callbacks.stopRequested = [this] { return m_host.operations().stopRequested(); };
    m_outcome = tips::TipSearch::run(history, &m_host.tipList(), m_host.numbersPerTip(), *threshold,
                                     range, &m_host.current(), &m_host.hitTally(), callbacks);
    if (m_outcome.lastPosition >= 0) {
        controls.setText(Control::Label29, m_outcome.drawLine);
        controls.setText(Control::Label35, m_outcome.drawLine);
        controls.setText(Control::Label13, m_outcome.crossSumLine);
        // The session's own check of the last draw sets the histogram, the
        // status text and the sound as any check does.
        m_host.Komplettcheck();
    }
    publishDistribution();
    return true;
}

bool TipSearchCommands::askGoOn(const tips::TipSearch::Hit& hit) {
    m_host.controls().setText(Control::Label29, hit.drawLine);
    m_host.controls().setText(Control::Label35, hit.drawLine);
    m_host.controls().setText(Control::Label13, hit.crossSumLine);
    // The walk only counted the best hits; the full check of the reported
    // draw (already in the current-draw fields) fills the hit column, the
    // tally and the status beside the message with that draw's hits.
    m_host.Komplettcheck();
    if (m_hitHandler) {
        return m_hitHandler(hit.message);
    }
    // The question waits for the user; the busy cursor would hide that.
    WindowPort& port = m_host.port();
    port.setBusy(false);
    const bool stop = port.askYesNo(hit.message + QStringLiteral("\n\n") + stopQuestion());
    port.setBusy(true);
    return !stop;
}

void TipSearchCommands::showProgress(const tips::TipSearch::Progress& progress) {
    m_host.controls().setText(Control::Label29, progress.drawLine);
    m_host.controls().setText(Control::Label35, progress.drawLine);
    m_host.controls().setText(Control::Label13, progress.crossSumLine);
    m_host.port().processEvents();
}

void TipSearchCommands::publishDistribution() {
    // One bar per best hit count 0..N (further when repeated numbers in a
    // tip let a count pass N): on how many draws of the range the list's best
    // tip reached exactly that count.
    const auto& counts = m_outcome.bestHitDraws;
    int last = std::max(m_host.numbersPerTip(), 0);
    for (int k = static_cast<int>(counts.size()) - 1; k > last; --k) {
        if (counts[static_cast<std::size_t>(k)] > 0) {
            last = k;
            break;
        }
    }
    stats::StatResult result;
    result.caption = chartCaption();
    stats::ChanceLine chance{QStringLiteral("attendu par hasard"), {}, false};
    for (int k = 0; k <= last; ++k) {
        result.points.push_back({static_cast<double>(k),
                                 static_cast<double>(counts[static_cast<std::size_t>(k)]),
                                 stats::kSeriesDefault});
        chance.y.push_back(m_outcome.chanceBestHitDraws[static_cast<std::size_t>(k)]);
    }
    if (m_outcome.checked > 0) {
        result.chance.push_back(std::move(chance));
    }
    m_host.publishChart(result);
}

} // namespace app
