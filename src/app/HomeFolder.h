// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace app {

// Chooses the program's Home at start: the executable's folder when the
// program may write there (a build tree, a portable copy), otherwise the
// per-user application data folder. An installed program always keeps its
// files per user, even when run by someone who could write into the
// installation (root and /usr/bin).
class HomeFolder {
public:
    // The folder, made when missing. The application's organisation and
    // name must be set first: they name the per-user folder.
    static QString choose(const QString& executableDir);
};

} // namespace app
