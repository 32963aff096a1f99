// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "history/TZiehung.h"

namespace history {

// The draw history file: a plain sequence of 48-byte records, sorted by date
// with midi before soir. A trailing fragment shorter than a record is ignored.
class HistoryFile {
public:
    enum class Status { Ok, Missing, Error };

    static constexpr const char* kFileName = "Tirvex.dat";

    // Reads every record whose date is not damaged (see damagedDate, with
    // today by the clock as the last day). Missing when the file does not
    // exist.
    static Status readAll(const QString& path, std::vector<TZiehung>* records,
                          QString* error = nullptr);
    // Every record as stored, damaged dates included.
    static Status readRaw(const QString& path, std::vector<TZiehung>* records,
                          QString* error = nullptr);
    // A date no draw can have: not a finite number, before the first draw
    // (16.09.1993) or after lastDay. Such records come from a broken or
    // foreign file; no reader uses them, since they would break the order
    // every reader relies on.
    static bool damagedDate(common::DayNumber day, common::DayNumber lastDay);
    // Removes the records with a damaged date and returns how many went.
    static int dropDamaged(std::vector<TZiehung>* records, common::DayNumber lastDay);
    static std::vector<TZiehung> decode(const QByteArray& bytes);
    static QByteArray encode(const std::vector<TZiehung>& records);

    // Appends records at the end, creating the file when it does not exist.
    static bool append(const QString& path, const std::vector<TZiehung>& records,
                       QString* error = nullptr);

    // Replaces the whole file through the temporary file tempPath: the
    // temporary file is written and flushed completely, then renamed over the
    // history in one step. On any failure the history stays as it was and the
    // temporary file is removed. The new file keeps the history's
    // permissions; a history that cannot be opened for writing (write-
    // protected) is refused, as append refuses it.
    static bool replace(const QString& path, const QString& tempPath,
                        const std::vector<TZiehung>& records, QString* error = nullptr);
};

} // namespace history
