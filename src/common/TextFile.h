// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace common {

// The program's text files: 8-bit text (Latin-1 here, the system code page on
// Windows) with CR LF line ends. Readers accept LF alone and a UTF-8 byte-order
// mark, so files edited elsewhere still load.
class TextFile {
public:
    // False with a reason in *error when the file cannot be read.
    static bool readLines(const QString& path, QStringList* lines, QString* error = nullptr);
    // Replaces the file whole or not at all: on any failure the old file
    // stays exactly as it was and *error says why.
    static bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);
    static bool writeBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
    static QByteArray encode(const QStringList& lines);
    static QStringList decode(const QByteArray& bytes);
};

} // namespace common
