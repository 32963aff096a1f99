// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace tips {

// How many checked tips had k hits, k = 1..10. The counters are shown and can
// be edited as text in the evaluation dialog, so they are kept as text and an
// increment reads the text, adds one and writes the decimal back.
class HitTally {
public:
    HitTally() { reset(); }

    void reset() { m_counters.fill(QStringLiteral("0")); }
    // Counts one tip with the given hits; hits outside 1..10 are not tallied.
    void increment(int hits);
    const QString& text(int hits) const { return m_counters[static_cast<std::size_t>(hits - 1)]; }
    void setText(int hits, const QString& text) {
        m_counters[static_cast<std::size_t>(hits - 1)] = text;
    }
    // The counter's value; 0 when its text is not a number.
    qint64 value(int hits) const;

private:
    std::array<QString, 10> m_counters;
};

} // namespace tips
