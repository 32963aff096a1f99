// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/TipFile.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>

#include "common/TextFile.h"

namespace tips {

QString TipFile::proposedName(common::DayNumber currentDrawDate) {
    const QDate next =
        common::toDate(static_cast<double>(common::wholeDay(currentDrawDate))).addDays(1);
    return next.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') + QLatin1String(kSuffix);
}

bool TipFile::save(const QString& path, const QStringList& lines, QString* error) {
    return common::TextFile::writeLines(path, lines, error);
}

QStringList TipFile::decode(const QByteArray& bytes) {
    const bool utf16le = bytes.startsWith("\xFF\xFE");
    const bool utf16be = bytes.startsWith("\xFE\xFF");
    if (!utf16le && !utf16be) {
        return common::TextFile::decode(bytes);
    }
    QStringDecoder decoder(utf16le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    const QString text = decoder(bytes.mid(2));
    // Re-encoded as UTF-8 with its mark, the shared reader splits the lines.
    return common::TextFile::decode("\xEF\xBB\xBF" + text.toUtf8());
}

bool TipFile::read(const QString& path, QStringList* lines, QString* error) {
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

int TipFile::totalFor(int lineCount) {
    return std::clamp(lineCount, 1, kMaxTotal);
}

bool TipFile::load(const QString& path, TipList* list, int* total, QString* error) {
    list->clear();
    QStringList lines;
    if (!read(path, &lines, error)) {
        return false;
    }
    list->lines() = lines;
    *total = totalFor(static_cast<int>(lines.size()));
    return true;
}

} // namespace tips
