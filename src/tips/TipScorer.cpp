#include "backtest/TipScorer.h"

#include <algorithm>

#include "tips/TipLine.h"

namespace backtest {

TipScorer::TipScorer(const QStringList& lines, int nFields) {
    for (const QString& line : lines) {
        if (tips::TipLine::isBlank(line)) {
            continue; // the full check drops blank lines before it counts
        }
        Tip tip;
        tip.values = tips::TipLine::numbers(line, nFields);
        for (qint64 value : tip.values) {
            if (value < 1 || value > 70 || tip.set.contains(static_cast<int>(value))) {
                tip.plain = false;
            }
            tip.set.add(static_cast<int>(std::clamp<qint64>(value, 0, 71)));
        }
        m_tips.push_back(std::move(tip));
    }
}

int TipScorer::countHits(const std::vector<qint64>& values, const history::TZiehung& draw) {
    int hits = 0;
    for (qint64 value : values) {
        hits += static_cast<int>(std::count(draw.zahlen.begin(), draw.zahlen.end(), value));
    }
    return hits;
}

int TipScorer::hits(std::size_t tip, const history::TZiehung& draw,
                    const history::NumberSet& drawSet) const {
    const Tip& t = m_tips[tip];
    if (t.plain && isPlainDraw(drawSet)) {
        return t.set.common(drawSet);
    }
    return countHits(t.values, draw);
}

std::array<int, 21> TipScorer::statistik(const history::TZiehung& draw,
                                         const history::NumberSet& drawSet) const {
    std::array<int, 21> result{};
    for (std::size_t i = 0; i < m_tips.size(); ++i) {
        const int h = hits(i, draw, drawSet);
        if (h <= 20) {
            ++result[static_cast<std::size_t>(h)];
        }
    }
    return result;
}

} // namespace backtest
