// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/ComparisonTable.h"

#include "tips/TipLine.h"

namespace generator {

void ComparisonTable::load(const QStringList& lines, int k) {
    m_entries.fill(0);
    const int count = std::min<int>(static_cast<int>(lines.size()), kMaxEntries);
    for (int i = 0; i < count; ++i) {
        const QStringList fields = tips::TipLine::fields(lines[i]);
        for (int f = 0; f < fields.size(); ++f) {
            qint64 value = 0;
            if (!tips::TipLine::fieldValue(fields[f], &value)) {
                return;
            }
            if (f < k && value >= 1 && value <= 70) {
                m_entries[static_cast<std::size_t>(i + 1)] |= bitOf(static_cast<int>(value));
            }
        }
    }
}

void ComparisonTable::store(int index, const Attempt& attempt) {
    if (index >= 1 && index <= kMaxEntries) {
        m_entries[static_cast<std::size_t>(index)] = attempt.bits;
    }
}

Bits ComparisonTable::entry(int index) const {
    return index >= 1 && index <= kMaxEntries ? m_entries[static_cast<std::size_t>(index)] : 0;
}

} // namespace generator
