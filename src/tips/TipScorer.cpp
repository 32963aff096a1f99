// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/TipScorer.h"

#include "tips/TipLine.h"

namespace tips {

TipScorer::TipScorer(const QStringList& lines, int nFields) : m_nFields(nFields) {
    m_tips.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        if (TipLine::isBlank(line)) {
            m_blankLines = true;
            continue; // the full check drops blank lines before it counts
        }
        Tip tip;
        tip.values = TipLine::numbers(line, nFields);
        for (qint64 value : tip.values) {
            if (value < 1 || value > 70 || tip.set.contains(static_cast<int>(value))) {
                tip.plain = false;
            }
            tip.set.add(static_cast<int>(std::clamp<qint64>(value, 0, 71)));
        }
        m_tips.push_back(std::move(tip));
    }
}

TipScorer::Draw<int> TipScorer::draw(const std::array<int, 20>& zahl) {
    history::NumberSet set;
    for (int number : zahl) {
        set.add(number);
    }
    return {zahl, set};
}

} // namespace tips
