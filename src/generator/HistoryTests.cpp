// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/HistoryTests.h"

#include "common/Rounding.h"

namespace generator {

int HistoryTests::recentDays(int upDown20) {
    return static_cast<int>(common::roundHalfEven(upDown20 / 6.0)) * 7;
}

bool HistoryTests::Secheroderfuenfer(const Attempt& attempt, int tipptest) {
    const QDate end = m_parameters.dateTimePicker1;
    if (m_parameters.dateTimePicker2 > end) {
        m_parameters.dateTimePicker2 = end.addDays(-365);
        if (m_host) {
            m_host->parametersChanged();
        }
    }
    const common::DayNumber aktDatum = common::toDayNumber(m_parameters.dateTimePicker2);
    const common::DayNumber dfb = common::toDayNumber(end);
    return m_probe.passes(attempt, aktDatum, dfb, tipptest);
}

bool HistoryTests::Dreiodervier(const Attempt& attempt, int tipptest) {
    const common::DayNumber dfb = common::toDayNumber(m_parameters.dateTimePicker1);
    const common::DayNumber start = dfb - recentDays(m_parameters.upDown20);
    return m_probe.passes(attempt, start, dfb, tipptest);
}

} // namespace generator
