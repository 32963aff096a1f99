#include "tips/TipSearch.h"

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

#include "common/Formats.h"
#include "tips/TipLine.h"

namespace tips {

namespace {

// A tip reduced to what the check counts: its first N integer fields.
struct PreparedTip {
    history::NumberSet set;
    std::vector<qint64> values;
    bool repeats = false; // a number given twice counts twice when drawn
};

std::vector<PreparedTip> prepare(const QStringList& lines, int tipSize) {
    std::vector<PreparedTip> tips;
    for (const QString& line : lines) {
        if (TipLine::isBlank(line)) {
            continue; // the check removes blank lines before it counts
        }
        PreparedTip tip;
        const QStringList fields = TipLine::fields(line);
        const qsizetype counted = std::min<qsizetype>(fields.size(), tipSize);
        for (qsizetype f = 0; f < counted; ++f) {
            qint64 value = 0;
            if (!TipLine::fieldValue(fields[f], &value)) {
                break;
            }
            if (value >= 1 && value <= 70 && tip.set.contains(static_cast<int>(value))) {
                tip.repeats = true;
            }
            tip.set.add(static_cast<int>(std::clamp<qint64>(value, 0, 71)));
            tip.values.push_back(value);
        }
        tips.push_back(std::move(tip));
    }
    return tips;
}

// Hits of a tip exactly as the check counts them against the draw's numbers.
int slowHits(const PreparedTip& tip, const history::TZiehung& record) {
    int hits = 0;
    for (qint64 value : tip.values) {
        hits += static_cast<int>(std::count(record.zahlen.begin(), record.zahlen.end(), value));
    }
    return hits;
}

int bestHits(const std::vector<PreparedTip>& tips, const history::TZiehung& record,
             const history::NumberSet& drawn) {
    // Twenty distinct numbers of 1..70: a set intersection counts exactly.
    const bool regular = drawn.size() == 20;
    int best = 0;
    for (const PreparedTip& tip : tips) {
        int hits = 0;
        if (!regular) {
            hits = slowHits(tip, record);
        } else if (!tip.repeats) {
            hits = tip.set.common(drawn);
        } else {
            for (qint64 value : tip.values) {
                hits += value >= 1 && value <= 70 && drawn.contains(static_cast<int>(value));
            }
        }
        best = std::max(best, hits);
    }
    return best;
}

void takeRecord(const history::TZiehung& record, history::CurrentDraw* current) {
    current->datum1 = record.datum;
    std::copy(record.zahlen.begin(), record.zahlen.end(), current->zahl.begin());
    std::copy(record.joker.begin(), record.joker.end(), current->joker.begin());
    std::copy(record.jokerPlus.begin(), record.jokerPlus.end(), current->jokerPlus.begin());
}

} // namespace

std::optional<int> TipSearch::parseThreshold(const QString& text) {
    qint64 value = 0;
    if (!common::parseInteger(text, &value) || value < INT_MIN || value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

QString TipSearch::conversionError(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

TipSearch::Range TipSearch::range(common::DayNumber from, common::DayNumber to) {
    Range result{from, to, false};
    if (from > to) {
        result.from = to - 365;
        result.fromMoved = true;
    }
    return result;
}

QString TipSearch::drawLine(const history::TZiehung& record) {
    QString line = common::formatDrawLineDate(common::toDate(record.datum)) + QStringLiteral("  ");
    line += record.soir != 0 ? QStringLiteral(" (soir) ") : QStringLiteral(" (midi) ");
    for (std::uint8_t number : record.zahlen) {
        line += QStringLiteral("  ") + QString::number(number);
    }
    return line + QStringLiteral("  x") + QString::number(record.multiplicateur);
}

QString TipSearch::hitMessage(common::DayNumber date) {
    return QStringLiteral("A hit on: ") + common::formatShortDate(common::toDate(date));
}

TipSearch::Outcome TipSearch::run(const history::DrawHistory& history, TipList* list, int tipSize,
                                  int threshold, const Range& range, history::CurrentDraw* current,
                                  HitTally* tally, const Callbacks& callbacks) {
    Outcome outcome;
    outcome.range = range;
    const auto inRange = [&](const history::TZiehung& r) {
        return range.from <= r.datum && r.datum <= range.to;
    };
    const int total = static_cast<int>(
        std::count_if(history.records().begin(), history.records().end(), inRange));
    const std::vector<PreparedTip> tips = prepare(list->lines(), tipSize);

    QElapsedTimer sinceProgress;
    sinceProgress.start();
    const auto report = [&](int position) {
        const history::TZiehung& record = history.at(position);
        callbacks.onProgress(Progress{outcome.checked, total, drawLine(record),
                                      history::DrawCursor::crossSumText(record.crossSum())});
        sinceProgress.restart();
    };

    for (int position = 0; position < history.size() && !outcome.stopped; ++position) {
        const history::TZiehung& record = history.at(position);
        if (!inRange(record)) {
            continue;
        }
        const int best = bestHits(tips, record, history.setAt(position));
        ++outcome.checked;
        ++outcome.bestHitDraws[static_cast<std::size_t>(std::min(best, 20))];
        outcome.lastPosition = position;
        if (best >= threshold) {
            ++outcome.reported;
            takeRecord(record, current);
            if (callbacks.onHit) {
                const Hit hit{position,
                              record.datum,
                              best,
                              hitMessage(record.datum),
                              drawLine(record),
                              history::DrawCursor::crossSumText(record.crossSum())};
                outcome.stopped = !callbacks.onHit(hit);
            }
        }
        if (callbacks.onProgress && sinceProgress.elapsed() >= callbacks.progressIntervalMs) {
            report(position);
            if (callbacks.stopRequested && callbacks.stopRequested()) {
                outcome.stopped = true;
            }
        }
    }
    if (outcome.lastPosition < 0) {
        return outcome; // no draw in the range: nothing was checked, nothing changes
    }
    const history::TZiehung& last = history.at(outcome.lastPosition);
    takeRecord(last, current);
    outcome.drawLine = drawLine(last);
    outcome.crossSumLine = history::DrawCursor::crossSumText(last.crossSum());
    outcome.check = TipCheck::checkAll(list, current->zahl, tipSize, true, tally);
    if (callbacks.onProgress) {
        report(outcome.lastPosition);
    }
    return outcome;
}

} // namespace tips
