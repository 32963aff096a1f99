// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/RunSearch.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace stats {

namespace {

// Probes hold six entries; the trailing zeros never hit.
constexpr int kProbeEntries = 6;

// 70 numbers as bits: bit n-1 stands for number n (the layout of NumberSet).
struct Bits {
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    Bits operator&(const Bits& o) const { return {low & o.low, high & o.high}; }
    Bits operator^(const Bits& o) const { return {low ^ o.low, high ^ o.high}; }
    Bits operator|(const Bits& o) const { return {low | o.low, high | o.high}; }
    Bits operator~() const { return {~low, ~high}; }
    int count() const { return std::popcount(low) + std::popcount(high); }
    // Moves number n+s onto the bit of number n.
    Bits down(int s) const {
        if (s == 0) {
            return *this;
        }
        return {(low >> s) | (high << (64 - s)), high >> s};
    }
};

// Numbers 1..last (last below 128) as bits, without a loop: it is taken for
// every draw a tally adds.
constexpr Bits firstNumbers(int last) {
    const auto lowBits = [](int count) {
        return count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
    };
    return {lowBits(last), last > 64 ? lowBits(last - 64) : 0};
}

// Per first number n, the hits of its probe counted in bit slices: the
// three words are bit 0, 1 and 2 of a count from 0 to 4.
struct SlicedCount {
    Bits bit0, bit1, bit2;

    void add(const Bits& x) {
        const Bits carry0 = bit0 & x;
        bit0 = bit0 ^ x;
        const Bits carry1 = bit1 & carry0;
        bit1 = bit1 ^ carry0;
        bit2 = bit2 | carry1;
    }
    Bits equalTo(int value) const {
        const Bits b0 = (value & 1) ? bit0 : ~bit0;
        const Bits b1 = (value & 2) ? bit1 : ~bit1;
        const Bits b2 = (value & 4) ? bit2 : ~bit2;
        return b0 & b1 & b2;
    }
};

} // namespace

int RunSearch::runLength(Kind kind) {
    switch (kind) {
    case Kind::Pairs:
        return 2;
    case Kind::Triples:
        return 3;
    default: // quadruples
        break;
    }
    return 4;
}

int RunSearch::lastFirstNumber(Kind kind) {
    return 71 - runLength(kind);
}

int RunSearch::publishedPoints(Kind kind) {
    // The quadruple chart keeps the full row of 70 numbers.
    return kind == Kind::Quadruples ? 70 : lastFirstNumber(kind);
}

QString RunSearch::probeText(Kind kind, int n) {
    QStringList entries;
    const int length = runLength(kind);
    for (int i = 0; i < kProbeEntries; ++i) {
        entries << QString::number(i < length ? n + i : 0);
    }
    return entries.join(QLatin1Char(','));
}

QString RunSearch::caption(Kind kind, int draws, int found) {
    const QString head = QStringLiteral("à ") + QString::number(draws);
    switch (kind) {
    case Kind::Pairs:
        return head + QStringLiteral(" tire a trouvé ") + QString::number(found) +
               QStringLiteral(" paires !");
    case Kind::Triples:
        return head + QStringLiteral(" tire a trouvé ") + QString::number(found) +
               QStringLiteral(" trois!");
    default: // quadruples
        break;
    }
    return head + QStringLiteral(" nuls a trouvé ") + QString::number(found) +
           QStringLiteral(" quatre!");
}

void RunSearchOutcome::applyTally(tips::HitTally* tally) const {
    for (int hits = 1; hits <= 10; ++hits) {
        const qint64 increment = tallyIncrements[static_cast<std::size_t>(hits - 1)];
        if (increment > 0) {
            // The first increment turns a text that is no number into 1.
            tally->setText(hits, QString::number(tally->value(hits) + increment));
        }
    }
}

namespace {

// Adds 1 (or sign) to the counter of every number whose bit is set; bit 0 of
// the word stands for the number base.
void countBits(std::uint64_t word, int base, int sign, std::array<int, 71>* counters) {
    while (word != 0) {
        (*counters)[static_cast<std::size_t>(base + std::countr_zero(word))] += sign;
        word &= word - 1;
    }
}

// The probes' hits counted on the first `counted` entries.
int countedEntries(RunSearch::Kind kind, int numbersPerTip) {
    return std::clamp(std::min(numbersPerTip, kProbeEntries), 0, RunSearch::runLength(kind));
}

} // namespace

void RunSearch::Tally::add(const history::NumberSet& set, Kind kind, int numbersPerTip, int sign) {
    const int counted = countedEntries(kind, numbersPerTip);
    const Bits probed = firstNumbers(lastFirstNumber(kind));
    const Bits drawn{set.low, set.high};
    SlicedCount hits;
    Bits complete = probed;
    for (int offset = 0; offset < counted; ++offset) {
        const Bits shifted = drawn.down(offset);
        hits.add(shifted);
        complete = complete & shifted;
    }
    draws += sign;
    for (int h = 1; h <= counted; ++h) {
        tallyIncrements[static_cast<std::size_t>(h - 1)] +=
            sign * (hits.equalTo(h) & probed).count();
    }
    if (counted < runLength(kind)) {
        return; // the probe is cut before the run ends: nothing is found
    }
    countBits(complete.low, 1, sign, &counters);
    countBits(complete.high, 65, sign, &counters);
}

namespace {

void takeLastDraw(const history::DrawHistory& history, int position, int last, int counted,
                  RunSearchOutcome* outcome) {
    const history::TZiehung& record = history.at(position);
    std::array<int, 20> zahl{};
    std::copy(record.zahlen.begin(), record.zahlen.end(), zahl.begin());
    outcome->zahl = zahl;
    // The last probe checked is the one of the last first number.
    int gewinn = 0;
    for (int offset = 0; offset < counted; ++offset) {
        gewinn += history.setAt(position).contains(last + offset) ? 1 : 0;
    }
    outcome->gewinn = gewinn;
}

void publish(RunSearch::Kind kind, const std::array<int, 71>& counters, RunSearchOutcome* outcome) {
    for (int n = 1; n <= RunSearch::lastFirstNumber(kind); ++n) {
        outcome->found += counters[static_cast<std::size_t>(n)];
    }
    outcome->showChartPage = true;
    for (int n = 1; n <= RunSearch::publishedPoints(kind); ++n) {
        outcome->result.points.push_back(
            {double(n), double(counters[static_cast<std::size_t>(n)]), kSeriesDefault});
    }
    if (kind == RunSearch::Kind::Quadruples) {
        // Automatic scaling: the bars' origin 0 up to the largest count.
        outcome->result.fixedRange = false;
        outcome->result.minimum = 0;
        outcome->result.maximum = outcome->result.rangeMaximum();
    } else {
        outcome->result.fixRangeToPoints();
    }
    outcome->result.caption = RunSearch::caption(kind, outcome->draws, outcome->found);
}

} // namespace

EvaluationWindow RunSearch::window(Kind kind, common::DayNumber start, common::DayNumber end) {
    return EvaluationWindow(start, end, EvaluationWindow::Start::Excluded,
                            kind == Kind::Pairs ? EvaluationWindow::StoreEnd::No
                                                : EvaluationWindow::StoreEnd::Yes);
}

RunSearchOutcome RunSearch::run(const history::DrawHistory& history, Kind kind,
                                common::DayNumber start, common::DayNumber end, int numbersPerTip) {
    const EvaluationWindow evaluation = window(kind, start, end);
    Tally tally;
    int lastWindowDraw = -1;
    for (int i = 0; i < history.size(); ++i) {
        if (evaluation.contains(history.at(i).datum)) {
            lastWindowDraw = i;
            tally.add(history.setAt(i), kind, numbersPerTip, 1);
        }
    }
    return outcome(history, kind, tally, lastWindowDraw, numbersPerTip, evaluation);
}

RunSearchOutcome RunSearch::outcome(const history::DrawHistory& history, Kind kind,
                                    const Tally& tally, int lastWindowDraw, int numbersPerTip,
                                    const EvaluationWindow& window) {
    RunSearchOutcome outcome;
    outcome.draws = tally.draws;
    outcome.tallyIncrements = tally.tallyIncrements;
    if (lastWindowDraw >= 0) {
        takeLastDraw(history, lastWindowDraw, lastFirstNumber(kind),
                     countedEntries(kind, numbersPerTip), &outcome);
    }
    outcome.window = window.effects();
    publish(kind, tally.counters, &outcome);
    return outcome;
}

} // namespace stats
