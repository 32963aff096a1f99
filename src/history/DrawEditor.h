// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "history/TZiehung.h"

namespace history {

// A draw as the entry dialog gives it.
struct DrawEntry {
    QDate date;
    bool soir = false;
    int multiplier = 2; // 2, 3 or 5
    std::array<int, 7> jokerPlus{};
    std::vector<int> numbers; // the checked numbers, any order
    // The newest date a draw may have (today); invalid: no limit.
    QDate lastDay;
};

// Manual entry and deletion of draws in the history file. Both keep the
// file's order and change it only through a complete replacement, so a
// failure leaves the file as it was.
class DrawEditor {
public:
    static constexpr const char* kDeleteTempName = "Keno.da~";

    // The record for an entry: numbers ascending, Joker digits zero. Refuses
    // anything but exactly 20 distinct numbers of 1..70, a multiplier other
    // than 2, 3 or 5, a Joker+ digit above 9, or a date after entry.lastDay:
    // a draw of the future is a typo, and stored it would end every update.
    static bool buildRecord(const DrawEntry& entry, TZiehung* record, QString* error);
    // The refusal of a date after lastDay, or empty.
    static QString futureDateError(const QDate& date, const QDate& lastDay);

    // Stores the draw: appended when newer than every stored draw, else
    // placed in order through "<history>~", replacing a stored draw of the
    // same date and flag. The history file must exist. Records with a
    // damaged date (HistoryFile::damagedDate, by the clock) cannot be placed
    // in order: they are left out of the rewritten file and *dropped counts
    // them, for the caller to say so.
    static bool enter(const QString& historyPath, const TZiehung& draw, int* dropped,
                      QString* error);
    // The stored draw with the date and flag of draw, if any. False when
    // the history cannot be read.
    static bool storedDraw(const QString& historyPath, const TZiehung& draw,
                           std::optional<TZiehung>* stored, QString* error);
    // Removes the draws with this date and flag through home + "Keno.da~";
    // every other record stays as stored, damaged dates included.
    // *removed tells how many went; none leaves the file untouched.
    static bool remove(const QString& historyPath, const QString& home, common::DayNumber datum,
                       std::uint8_t soir, int* removed, QString* error);

    // The records with draw placed by the entry rules.
    static std::vector<TZiehung> insertInOrder(const std::vector<TZiehung>& records,
                                               const TZiehung& draw);

    static QString tempPathFor(const QString& historyPath) {
        return historyPath + QLatin1Char('~');
    }
};

} // namespace history
