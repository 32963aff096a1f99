// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileInfo>
#include <QString>

namespace common {

// A file name typed without an extension gets the dialog's default one, the
// way a file dialog completes it: only when the name itself holds no dot, so
// "tips" becomes "tips.hlt" while "tips.old" stays as it is.
inline QString withDefaultSuffix(const QString& path, const QString& suffix) {
    if (path.isEmpty() || suffix.isEmpty() ||
        QFileInfo(path).fileName().contains(QLatin1Char('.'))) {
        return path;
    }
    return path + QLatin1Char('.') + suffix;
}

} // namespace common
