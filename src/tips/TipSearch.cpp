// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/TipSearch.h"

#include <QElapsedTimer>
#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "common/Formats.h"

namespace tips {

namespace {

int bestHits(const TipScorer& tips, const TipScorer::Draw<std::uint8_t>& draw) {
    int best = 0;
    for (std::size_t i = 0; i < tips.size(); ++i) {
        best = std::max(best, tips.hits(i, draw));
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
    return QStringLiteral("« %1 » n'est pas un nombre entier valide").arg(text);
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

std::array<double, 21> TipSearch::chanceBestHits(const TipScorer& tips, int draws) {
    std::array<double, 21> expected{};
    if (tips.size() == 0 || draws <= 0) {
        return expected;
    }
    // About two million tip checks: enough for a smooth line, quick for a
    // list of a thousand tips.
    const int samples = std::clamp(2'000'000 / static_cast<int>(tips.size()), 2'000, 20'000);
    std::mt19937 random(20'000'000u + static_cast<unsigned>(tips.size()));
    std::array<std::uint8_t, 70> pool{};
    std::iota(pool.begin(), pool.end(), std::uint8_t{1});
    std::array<std::uint8_t, 20> numbers{};
    for (int sample = 0; sample < samples; ++sample) {
        history::NumberSet set;
        // The first 20 places of a partial shuffle: every draw equally likely.
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            std::uniform_int_distribution<std::size_t> pick(i, pool.size() - 1);
            std::swap(pool[i], pool[pick(random)]);
            numbers[i] = pool[i];
            set.add(pool[i]);
        }
        const int best = bestHits(tips, TipScorer::Draw<std::uint8_t>{numbers, set});
        expected[static_cast<std::size_t>(std::min(best, 20))] += 1;
    }
    for (double& count : expected) {
        count *= double(draws) / samples;
    }
    return expected;
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
    // A copy: the full check of a reported draw may drop blank lines from the list.
    const TipScorer tips = list->scorer(tipSize);

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
        const int best = bestHits(tips, TipScorer::draw(record, history.setAt(position)));
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
    outcome.chanceBestHitDraws = chanceBestHits(tips, outcome.checked);
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
