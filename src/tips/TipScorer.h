// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

#include "history/NumberSet.h"
#include "history/TZiehung.h"

namespace tips {

// Scores tip lines against draws with the counts of the full tip check, but
// parses the lines once: a tip of distinct numbers 1..70 against a draw of
// 20 distinct numbers is one popcount; anything unusual (a number twice, a
// number out of range, a damaged record) is counted field by field as the
// check counts it.
class TipScorer {
public:
    // A draw as the check sees it: its 20 numbers, and their set.
    template <typename Number> struct Draw {
        const std::array<Number, 20>& numbers;
        history::NumberSet set;
    };
    static Draw<int> draw(const std::array<int, 20>& zahl);
    static Draw<std::uint8_t> draw(const history::TZiehung& record, const history::NumberSet& set) {
        return {record.zahlen, set};
    }

    TipScorer() = default;
    TipScorer(const QStringList& lines, int nFields);

    // The number of tips with h hits, h = 0..20 (as the full check's Statistik).
    template <typename Number> std::array<int, 21> statistik(const Draw<Number>& draw) const {
        std::array<int, 21> result{};
        for (std::size_t i = 0; i < m_tips.size(); ++i) {
            const int h = hits(i, draw);
            if (h <= 20) {
                ++result[static_cast<std::size_t>(h)];
            }
        }
        return result;
    }
    std::array<int, 21> statistik(const history::TZiehung& record,
                                  const history::NumberSet& set) const {
        return statistik(draw(record, set));
    }
    template <typename Number> int hits(std::size_t tip, const Draw<Number>& draw) const {
        const Tip& t = m_tips[tip];
        if (t.plain && isPlainDraw(draw.set)) {
            return t.set.common(draw.set);
        }
        return countHits(t.values, draw.numbers);
    }
    int hits(std::size_t tip, const history::TZiehung& record,
             const history::NumberSet& set) const {
        return hits(tip, draw(record, set));
    }
    std::size_t size() const { return m_tips.size(); }
    // The distinct numbers of 1..70 in a tip.
    const history::NumberSet& set(std::size_t tip) const { return m_tips[tip].set; }
    int nFields() const { return m_nFields; }
    // Some of the lines scored were blank (and left out).
    bool hadBlankLines() const { return m_blankLines; }

    // Hits of the values against a draw's numbers, counted one by one.
    template <typename Values, typename Number>
    static int countHits(const Values& values, const std::array<Number, 20>& numbers) {
        int hits = 0;
        for (const auto value : values) {
            hits += static_cast<int>(std::count(numbers.begin(), numbers.end(), value));
        }
        return hits;
    }
    // A draw of 20 distinct numbers within 1..70.
    static bool isPlainDraw(const history::NumberSet& drawSet) { return drawSet.size() == 20; }

private:
    struct Tip {
        std::vector<qint64> values; // the counted fields
        history::NumberSet set;
        bool plain = true; // distinct values within 1..70
    };
    std::vector<Tip> m_tips;
    int m_nFields = 0;
    bool m_blankLines = false;
};

} // namespace tips
