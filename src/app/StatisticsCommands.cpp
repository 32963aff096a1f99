// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatisticsCommands.h"

#include "stats/ChanceLines.h"
#include "stats/ChanceVerdict.h"

#include "common/DayNumber.h"
#include "stats/CrossSumDistribution.h"
#include "stats/NumberDistribution.h"
#include "stats/OverdueNumbers.h"
#include "stats/RunSearch.h"
#include "stats/TipDistribution.h"

namespace app {

namespace {

const QString kChartPage = QStringLiteral("TabSheet5");

} // namespace

StatisticsCommands::StatisticsCommands(StatisticsHost& host) : m_host(host) {
    // The activation sequence shows the number distribution after loading
    // the newest draw.
    m_host.activationSteps().numberDistribution = [this] { SpeedButton2Click(); };
}

std::optional<StatisticsCommands::Kind> StatisticsCommands::kindFromName(const QString& name) {
    static const std::pair<const char*, Kind> kNames[] = {
        {"numbers", Kind::Numbers}, {"overdue", Kind::Overdue}, {"crosssum", Kind::CrossSums},
        {"tips", Kind::Tips},       {"pairs", Kind::Pairs},     {"triples", Kind::Triples},
        {"quads", Kind::Quadruples}};
    for (const auto& [text, kind] : kNames) {
        if (name == QLatin1String(text)) {
            return kind;
        }
    }
    return std::nullopt;
}

QString StatisticsCommands::statisticNames() {
    return QStringLiteral("numbers, overdue, crosssum, tips, pairs, triples, quads or pairmap");
}

bool StatisticsCommands::SpeedButton2Click() {
    return run(Kind::Numbers);
}

bool StatisticsCommands::Button5Click() {
    return run(Kind::Overdue);
}

bool StatisticsCommands::SpeedButton9Click() {
    return run(Kind::CrossSums);
}

bool StatisticsCommands::Button6Click() {
    return run(Kind::Tips);
}

bool StatisticsCommands::Button2Click() {
    return run(Kind::Pairs);
}

bool StatisticsCommands::Button3Click() {
    return run(Kind::Triples);
}

bool StatisticsCommands::Button4Click() {
    return run(Kind::Quadruples);
}

bool StatisticsCommands::run(Kind kind, stats::StatResult* result) {
    BusyScope busy(m_host.port());
    history::DrawHistory history;
    // One read per run; a missing or unreadable file ends the run before
    // anything is published.
    if (readsHistory(kind) && !loadHistory(&history)) {
        return false;
    }
    run(kind, history, result);
    return true;
}

bool StatisticsCommands::loadHistory(history::DrawHistory* history) {
    QString error;
    if (history::DrawHistory::load(m_host.historyPath(), history, &error) !=
        history::HistoryFile::Status::Ok) {
        m_host.port().showMessage(error);
        return false;
    }
    return true;
}

void StatisticsCommands::run(Kind kind, const history::DrawHistory& history,
                             stats::StatResult* result) {
    stats::StatOutcome outcome = compute(kind, history);
    m_verdict = stats::ChanceVerdict::of(kind, outcome.result, outcome.draws);
    outcome.result.verdict = m_verdict ? m_verdict->text : QString();
    outcome.result.chance = stats::ChanceLines::of(kind, outcome.result, outcome.draws);
    apply(outcome, result);
}

std::optional<stats::PairMap> StatisticsCommands::pairMap() {
    BusyScope busy(m_host.port());
    history::DrawHistory history;
    if (!loadHistory(&history)) {
        return std::nullopt;
    }
    const common::DayNumber start =
        common::toDayNumber(m_host.controls().date(Control::DateTimePicker2));
    stats::PairMap map = stats::PairMap::run(history, start, common::toDayNumber(windowEnd()));
    if (map.window().startCorrected) {
        m_host.controls().setDate(Control::DateTimePicker2, common::toDate(map.window().start));
    }
    return map;
}

QDate StatisticsCommands::windowEnd() const {
    // The end picker is set at start-up; until then the window ends today.
    const ControlValues& controls = m_host.controls();
    return controls.date(Control::DateTimePicker1).isValid()
               ? controls.date(Control::DateTimePicker1)
               : m_host.port().today();
}

stats::StatOutcome StatisticsCommands::compute(Kind kind, const history::DrawHistory& history) {
    const ControlValues& controls = m_host.controls();
    const common::DayNumber start = common::toDayNumber(controls.date(Control::DateTimePicker2));
    const common::DayNumber end = common::toDayNumber(windowEnd());
    switch (kind) {
    case Kind::Numbers:
        return stats::NumberDistribution::run(history, start, end);
    case Kind::Overdue:
        return stats::OverdueNumbers::run(history, start, end);
    case Kind::CrossSums:
        return stats::CrossSumDistribution::run(history, start, end);
    case Kind::Tips:
        return stats::TipDistribution::run(m_host.tipList().lines());
    default:
        break;
    }
    const stats::RunSearchOutcome search =
        stats::RunSearch::run(history, kind, start, end, m_host.numbersPerTip());
    // The searches leave Zahl on the last window draw, Gewinn on the last
    // probe and every probe with hits in the tally, as the tip check would.
    if (search.zahl) {
        m_host.current().zahl = *search.zahl;
    }
    if (search.gewinn) {
        m_host.setGewinn(*search.gewinn);
    }
    search.applyTally(&m_host.hitTally());
    m_host.port().hitTallyChanged();
    return search;
}

void StatisticsCommands::applyWindow(const stats::WindowEffects& effects) {
    if (effects.startCorrected) {
        m_host.controls().setDate(Control::DateTimePicker2, common::toDate(effects.start));
    }
    m_host.current().aktDatum = effects.aktDatum;
    if (effects.dfb) {
        m_host.setDfb(*effects.dfb);
    }
}

void StatisticsCommands::apply(const stats::StatOutcome& outcome, stats::StatResult* result) {
    if (outcome.window) {
        applyWindow(*outcome.window);
    }
    stats::StatResult published = outcome.result;
    if (outcome.keepCaption) {
        published.caption = m_host.chart().caption;
    }
    if (outcome.marksOff) {
        m_marksOn = false;
    }
    published.marks = m_marksOn;
    if (!published.fixedRange) {
        // The automatic range is resolved now, so whoever reads the result
        // sees 0 to the largest count whether or not the chart was drawn.
        published.minimum = published.rangeMinimum();
        published.maximum = published.rangeMaximum();
    }
    m_host.publishChart(published);
    if (outcome.showChartPage) {
        m_host.showPage(kChartPage);
    }
    if (result) {
        *result = published;
    }
}

} // namespace app
