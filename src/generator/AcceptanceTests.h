// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

#include "generator/Attempt.h"
#include "generator/ComparisonTable.h"
#include "generator/HistoryTests.h"
#include "generator/Parameters.h"

namespace generator {

// The twelve acceptance tests of an attempt, applied in their fixed order:
// the cheap ones first, the history tests late, so that most attempts are
// refused before the history is consulted. The parameters are read at every
// attempt, as a change during a run counts from the next attempt on.
class AcceptanceTests {
public:
    using ReferenceBits = std::array<Bits, 3>; // current, previous, the one before
    static constexpr int kTests = 12;

    // A test's short name ("overlap", "crosssum", ...) and what it asks of
    // an attempt, in the window's words; test numbers 1..12.
    static const char* shortName(int test);
    static QString description(int test);

    AcceptanceTests(const Parameters& parameters, const ReferenceBits& references,
                    const ComparisonTable& table, HistoryTests& historyTests, int k);

    // 0 when the attempt of tip t passes every enabled test, else the number
    // of the first test that refuses it.
    int firstFailing(const Attempt& attempt, int t) const;

    // Cross sum value: the attempt's sum scaled to a draw of 20 numbers.
    int crossSumValue(int sum) const;
    static int crossSumValue(int sum, int k);

    // How many of the attempt's numbers belong to the prime set (which holds 1).
    static int primzahlen(const Attempt& attempt);
    static bool overlapPasses(const Parameters& p, const ComparisonTable& table,
                              const Attempt& attempt, int t);
    static bool hasConsecutivePair(Bits bits);
    static bool hasConsecutiveTriple(Bits bits);

private:
    bool hitsWithin(int reference, const Attempt& attempt, int maximum, int minimum) const;

    const Parameters& m_parameters;
    ReferenceBits m_references;
    const ComparisonTable& m_table;
    HistoryTests& m_historyTests;
    int m_k;
    std::array<int, 701> m_crossSums{};
};

} // namespace generator
