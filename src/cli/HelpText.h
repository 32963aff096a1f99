// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cli {

// What --help prints: the synopsis, the options and the commands.
QString helpText();
// What --version prints.
QString versionText();

} // namespace cli
