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
};

// Manual entry and deletion of draws in the history file. Both keep the
// file's order and change it only through a complete replacement, so a
// failure leaves the file as it was.
class DrawEditor {
public:
    static constexpr const char* kDeleteTempName = "Keno.da~";

    // The record for an entry: numbers ascending, Joker digits zero. Refuses
    // anything but exactly 20 distinct numbers of 1..70, a multiplier other
    // than 2, 3 or 5, or a Joker+ digit above 9.
    static bool buildRecord(const DrawEntry& entry, TZiehung* record, QString* error);

    // Stores the draw: appended when newer than every stored draw, else
    // placed in order through "<history>~", replacing a stored draw of the
    // same date and flag. The history file must exist.
    static bool enter(const QString& historyPath, const TZiehung& draw, QString* error);
    // The stored draw with the date and flag of draw, if any. False when
    // the history cannot be read.
    static bool storedDraw(const QString& historyPath, const TZiehung& draw,
                           std::optional<TZiehung>* stored, QString* error);
    // Removes the draws with this date and flag through home + "Keno.da~".
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
