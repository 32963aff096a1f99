// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <array>

#include "generator/Attempt.h"

namespace generator {

// The tips an attempt is compared with: entry i is the i-th tip of the list,
// kept as the set of its first k numbers (the overlap looks at no more).
class ComparisonTable {
public:
    static constexpr int kMaxEntries = 120;

    // Reads the list lines into entries 1, 2, ...; the first piece that is not
    // an integer ends the reading silently, keeping what was read.
    void load(const QStringList& lines, int k);
    void store(int index, const Attempt& attempt);
    Bits entry(int index) const;

private:
    std::array<Bits, kMaxEntries + 1> m_entries{};
};

} // namespace generator
