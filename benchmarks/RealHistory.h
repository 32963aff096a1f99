// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "history/DrawHistory.h"

namespace bench {

// The files of the bundled archive.
QStringList bundledArchiveFiles();
// The bundled archive imported once per benchmark program into a history
// file in a temporary Home, as the program keeps it.
const QString& realHistoryHome();
const QString& realHistoryPath();
// The same history read back into memory.
const history::DrawHistory& realHistory();
// TIRVEX_BENCH_SHORT is set: the long runs only show that they still run,
// over this many draws.
int shortRunDraws();

} // namespace bench
