// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace history {

// The operator's published results that come with the program (data/keno).
class BundledArchive {
public:
    // The archive's file names, oldest draws first: the order in which they
    // are imported, so that a draw found in two files is taken from the older.
    static QStringList fileNames();
};

} // namespace history
