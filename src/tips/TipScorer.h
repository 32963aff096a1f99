#pragma once

#include <QStringList>
#include <array>
#include <vector>

#include "history/NumberSet.h"
#include "history/TZiehung.h"

namespace backtest {

// Scores tip lines against draws with the counts of the full tip check, but
// parses the lines once: a tip of distinct numbers 1..70 against a draw of
// 20 distinct numbers is one popcount; anything unusual (a number twice, a
// number out of range, a damaged record) is counted field by field as the
// check counts it.
class TipScorer {
public:
    TipScorer(const QStringList& lines, int nFields);

    // The number of tips with h hits, h = 0..20 (as the full check's Statistik).
    std::array<int, 21> statistik(const history::TZiehung& draw,
                                  const history::NumberSet& drawSet) const;
    int hits(std::size_t tip, const history::TZiehung& draw,
             const history::NumberSet& drawSet) const;
    std::size_t size() const { return m_tips.size(); }

    // Hits of the first nFields values against a draw, counted one by one.
    static int countHits(const std::vector<qint64>& values, const history::TZiehung& draw);
    // A draw of 20 distinct numbers within 1..70.
    static bool isPlainDraw(const history::NumberSet& drawSet) { return drawSet.size() == 20; }

private:
    struct Tip {
        std::vector<qint64> values; // the counted fields
        history::NumberSet set;
        bool plain = true; // distinct values within 1..70
    };
    std::vector<Tip> m_tips;
};

} // namespace backtest
