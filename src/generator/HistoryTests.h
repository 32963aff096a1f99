// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/GeneratorHost.h"
#include "generator/HistoryProbe.h"
#include "generator/Parameters.h"

namespace generator {

// The two tests that look back into the history: no draw of the evaluation
// window (Secheroderfuenfer) and no recent draw (Dreiodervier) may give the
// attempt Tipptest hits or more.
class HistoryTests {
public:
    HistoryTests(Parameters& parameters, HistoryProbe& probe, GeneratorHost* host)
        : m_parameters(parameters), m_probe(probe), m_host(host) {}

    // Draws after DateTimePicker2 up to DateTimePicker1; a start after the
    // end is first moved to one year before the end.
    bool Secheroderfuenfer(const Attempt& attempt, int tipptest);
    // Draws of the last Round(UpDown20 / 6) weeks up to DateTimePicker1.
    bool Dreiodervier(const Attempt& attempt, int tipptest);

    // Six draws count as one week: the span in days the recent-draws test uses.
    static int recentDays(int upDown20);

private:
    Parameters& m_parameters;
    HistoryProbe& m_probe;
    GeneratorHost* m_host;
};

} // namespace generator
