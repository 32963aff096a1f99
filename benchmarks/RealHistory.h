#pragma once

#include <QString>

#include "history/DrawHistory.h"

namespace bench {

// The bundled archive imported once per benchmark program into a history
// file in a temporary Home, as the program keeps it.
const QString& realHistoryHome();
const QString& realHistoryPath();
// The same history read back into memory.
const history::DrawHistory& realHistory();

} // namespace bench
