// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ControlValues.h"
#include "generator/Parameters.h"

namespace app {

// Carries the generator's parameters between the controls and a run: read
// them all when the run starts, read them again whenever the run lets input
// run (so a change made on screen counts from the next attempt), and show the
// values the run itself changed.
class GeneratorParameters {
public:
    static generator::Parameters read(const ControlValues& controls);
    // The parameters of controls at their defaults (no current draw date).
    static generator::Parameters defaults() { return read(ControlValues()); }
    // Everything except k, N and "Supprimer avant de calculer", which are
    // fixed for the whole run.
    static void refresh(const ControlValues& controls, generator::Parameters* parameters);
    // The values a run writes: CheckBox8, UpDown4/5/6 and the two date pickers.
    static void showRunChanges(const generator::Parameters& parameters, ControlValues* controls);
};

} // namespace app
