// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/AcceptanceTests.h"

#include "common/Rounding.h"

namespace generator {

namespace {

Bits maskOf(bool (*member)(int)) {
    Bits bits = 0;
    for (int n = 1; n <= 70; ++n) {
        if (member(n)) {
            bits |= bitOf(n);
        }
    }
    return bits;
}

bool isPrimeSetMember(int n) {
    if (n == 1) {
        return true;
    }
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0) {
            return false;
        }
    }
    return n >= 2;
}

const Bits kEven = maskOf([](int n) { return n % 2 == 0; });
const Bits kOdd = maskOf([](int n) { return n % 2 != 0; });
const Bits kPrimes = maskOf(isPrimeSetMember);

} // namespace

AcceptanceTests::AcceptanceTests(const Parameters& parameters, const ReferenceBits& references,
                                 const ComparisonTable& table, HistoryTests& historyTests, int k)
    : m_parameters(parameters), m_references(references), m_table(table),
      m_historyTests(historyTests), m_k(k) {
    for (int sum = 0; sum < static_cast<int>(m_crossSums.size()); ++sum) {
        m_crossSums[static_cast<std::size_t>(sum)] = crossSumValue(sum, k);
    }
}

namespace {

// Each test's name on the command line and what it asks, in the run's order.
struct TestText {
    const char* shortName;
    const char* description;
};
constexpr TestText kTestTexts[AcceptanceTests::kTests] = {
    {"overlap", "numéros communs avec les autres grilles"},
    {"pair", "deux numéros consécutifs par grille"},
    {"triple", "pas de trois numéros consécutifs"},
    {"crosssum", "somme croisée"},
    {"draw", "numéros du dernier tirage"},
    {"previous", "numéros de l'avant-dernier tirage"},
    {"before", "numéros du tirage d'avant"},
    {"window", "gains dans les tirages de la période"},
    {"recent", "gains dans les derniers tirages"},
    {"even", "nombres pairs"},
    {"odd", "nombres impairs"},
    {"primes", "nombres premiers"},
};

const TestText* testText(int test) {
    return test >= 1 && test <= AcceptanceTests::kTests ? &kTestTexts[test - 1] : nullptr;
}

} // namespace

const char* AcceptanceTests::shortName(int test) {
    const TestText* text = testText(test);
    return text ? text->shortName : "";
}

QString AcceptanceTests::description(int test) {
    const TestText* text = testText(test);
    return text ? QString::fromUtf8(text->description) : QString();
}

int AcceptanceTests::crossSumValue(int sum, int k) {
    if (sum == 0 || k <= 0) {
        return 0;
    }
    return static_cast<int>(common::roundHalfEven(static_cast<double>(sum) / k * 20));
}

int AcceptanceTests::crossSumValue(int sum) const {
    return sum >= 0 && sum < static_cast<int>(m_crossSums.size())
               ? m_crossSums[static_cast<std::size_t>(sum)]
               : crossSumValue(sum, m_k);
}

int AcceptanceTests::primzahlen(const Attempt& attempt) {
    return countBits(attempt.bits & kPrimes);
}

bool AcceptanceTests::hasConsecutivePair(Bits bits) {
    return (bits & (bits >> 1)) != 0;
}

bool AcceptanceTests::hasConsecutiveTriple(Bits bits) {
    return (bits & (bits >> 1) & (bits >> 2)) != 0;
}

bool AcceptanceTests::overlapPasses(const Parameters& p, const ComparisonTable& table,
                                    const Attempt& attempt, int t) {
    // The hidden CheckBox27 applies both bounds whatever the other two say.
    const bool upper = p.checkBox3 || p.checkBox27;
    const bool lower = p.checkBox24 || p.checkBox27;
    if (!upper && !lower) {
        return true;
    }
    for (int i = 1; i < t; ++i) {
        const int overlap = countBits(attempt.bits & table.entry(i));
        if ((upper && overlap > p.upDown3) || (lower && overlap < p.upDown1)) {
            return false;
        }
    }
    return true;
}

bool AcceptanceTests::hitsWithin(int reference, const Attempt& attempt, int maximum,
                                 int minimum) const {
    const int hits = countBits(attempt.bits & m_references[static_cast<std::size_t>(reference)]);
    return hits <= maximum && hits >= minimum;
}

int AcceptanceTests::firstFailing(const Attempt& attempt, int t) const {
    const Parameters& p = m_parameters;
    if (t >= 2 && !overlapPasses(p, m_table, attempt, t)) {
        return 1;
    }
    if (p.checkBox8 && !hasConsecutivePair(attempt.bits)) {
        return 2;
    }
    if (p.checkBox18 && hasConsecutiveTriple(attempt.bits)) {
        return 3;
    }
    const int cs = crossSumValue(attempt.sum);
    if (cs < p.upDown2 || cs > p.upDown15) {
        return 4;
    }
    if (p.checkBox4 && !hitsWithin(0, attempt, p.upDown4, p.upDown21)) {
        return 5;
    }
    if (p.checkBox5 && !hitsWithin(1, attempt, p.upDown5, p.upDown22)) {
        return 6;
    }
    if (p.checkBox23 && !hitsWithin(2, attempt, p.upDown11, p.upDown23)) {
        return 7;
    }
    if (p.checkBox9 && !m_historyTests.Secheroderfuenfer(attempt, p.upDown6)) {
        return 8;
    }
    if (p.checkBox17 && !m_historyTests.Dreiodervier(attempt, p.upDown19)) {
        return 9;
    }
    if (p.checkBox25 && countBits(attempt.bits & kEven) < p.upDown16) {
        return 10;
    }
    if (p.checkBox26 && countBits(attempt.bits & kOdd) < p.upDown17) {
        return 11;
    }
    if (p.checkBox22 && primzahlen(attempt) < p.upDown10) {
        return 12;
    }
    return 0;
}

} // namespace generator
