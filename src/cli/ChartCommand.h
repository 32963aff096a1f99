// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandTable.h"

namespace cli {

// chart KIND FILE.png: a statistic's chart, or the pair map, as a picture,
// drawn offscreen. Only in a build with the window's charts.
void addChartCommand(CommandTable& table);

} // namespace cli
