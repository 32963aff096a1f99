// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

namespace common {

// The message of a file that could not be opened, read or written: the file
// in the platform's spelling, then the system's reason.
inline QString fileError(const QString& path, const QString& reason) {
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace common
