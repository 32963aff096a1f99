// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileDevice>

namespace common {

// Writes to a file opened unbuffered, byte for byte: a write the disk takes
// only in part is followed by one for the rest, so a failure carries the
// system's reason ("No space left on device") instead of Qt's "Unknown
// error" for a short write.
class FileWriter {
public:
    static bool writeAll(QFileDevice& file, const QByteArray& bytes);
};

} // namespace common
