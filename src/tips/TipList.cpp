// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/TipList.h"

namespace tips {

void TipList::select(int index) {
    m_selected = (index >= 0 && index < count()) ? index : -1;
}

void TipList::clear() {
    m_lines.clear();
    m_hits.clear();
    m_selected = -1;
}

const TipScorer& TipList::scorer(int nFields) const {
    const bool same = m_scoredLines.constData() == m_lines.constData() &&
                      m_scoredLines.size() == m_lines.size() && m_scorer.nFields() == nFields;
    if (!same) {
        m_scorer = TipScorer(m_lines, nFields);
        m_scoredLines = m_lines;
    }
    return m_scorer;
}

bool TipList::removeSelected() {
    if (m_selected < 0 || m_selected >= count()) {
        return false;
    }
    m_lines.removeAt(m_selected);
    if (m_selected < m_hits.size()) {
        m_hits.removeAt(m_selected);
    }
    // The list box keeps no selection after its selected line is deleted.
    m_selected = -1;
    return true;
}

} // namespace tips
