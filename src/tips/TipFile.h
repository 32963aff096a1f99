// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "common/DayNumber.h"
#include "tips/TipList.h"

namespace tips {

// Tip files "*.hlt": one tip line per text line in list order, CR LF, 8-bit
// without a byte-order mark. Readers also take LF alone and text with a
// byte-order mark in UTF-8 or UTF-16, as other editors write it.
class TipFile {
public:
    static constexpr const char* kSuffix = "hlt";
    static constexpr const char* kFilter = "Tipfile|*.hlt";
    static constexpr int kMaxTotal = 120;

    // "yyyymmdd.hlt" of the day after the current-draw date.
    static QString proposedName(common::DayNumber currentDrawDate);

    static bool save(const QString& path, const QStringList& lines, QString* error = nullptr);
    // Every text line, blank or not; false with a reason when unreadable.
    static bool read(const QString& path, QStringList* lines, QString* error = nullptr);
    static QStringList decode(const QByteArray& bytes);

    // Replaces the tip list (and its hit column) by the file's lines and
    // returns the new "Grille totale" in *total, held within 1..120. A failed
    // read leaves the list empty and *total unchanged.
    static bool load(const QString& path, TipList* list, int* total, QString* error = nullptr);
    static int totalFor(int lineCount);
};

} // namespace tips
