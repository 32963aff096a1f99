// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextFile.h"

#include <QFile>
#include <QSaveFile>

#include "common/FileWriter.h"

namespace common {

QStringList TextFile::decode(const QByteArray& bytes) {
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(bytes.mid(3));
    } else {
        text = QString::fromLatin1(bytes);
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    // A final line end does not start another line.
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    return lines;
}

QByteArray TextFile::encode(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

bool TextFile::readLines(const QString& path, QStringList* lines, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    *lines = decode(file.readAll());
    return true;
}

bool TextFile::writeLines(const QString& path, const QStringList& lines, QString* error) {
    return writeBytes(path, encode(lines), error);
}

bool TextFile::writeBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    // Buffered, QSaveFile commits even when writing its buffer out fails,
    // which would put an empty or cut file in place: every byte is written
    // and checked first, and an unfinished file is never committed.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        FileWriter::writeAll(file, bytes) && file.commit()) {
        return true;
    }
    if (error) {
        *error = file.errorString();
    }
    file.cancelWriting();
    return false;
}

} // namespace common
