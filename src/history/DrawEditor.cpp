// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/DrawEditor.h"

#include <algorithm>
#include <set>

#include "common/Formats.h"
#include "history/HistoryFile.h"

namespace history {

namespace {

bool readExisting(const QString& historyPath, std::vector<TZiehung>* records, QString* error) {
    // Neither operation creates the history: a missing file is an error.
    // Both see every record, so that a rewrite loses none unnoticed.
    return HistoryFile::readRaw(historyPath, records, error) == HistoryFile::Status::Ok;
}

} // namespace

bool DrawEditor::buildRecord(const DrawEntry& entry, TZiehung* record, QString* error) {
    auto fail = [&](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return false;
    };
    if (!entry.date.isValid()) {
        return fail(QStringLiteral("Date de tirage invalide."));
    }
    if (const QString future = futureDateError(entry.date, entry.lastDay); !future.isEmpty()) {
        return fail(future);
    }
    const std::set<int> distinct(entry.numbers.begin(), entry.numbers.end());
    if (entry.numbers.size() != 20 || distinct.size() != 20) {
        return fail(QStringLiteral("Un tirage compte exactement 20 numéros (%1 choisis).")
                        .arg(distinct.size()));
    }
    if (*distinct.begin() < 1 || *distinct.rbegin() > 70) {
        return fail(QStringLiteral("Les numéros d'un tirage vont de 1 à 70."));
    }
    if (entry.multiplier != 2 && entry.multiplier != 3 && entry.multiplier != 5) {
        return fail(
            QStringLiteral("Multiplicateur %1 invalide (2, 3 ou 5).").arg(entry.multiplier));
    }
    TZiehung draw;
    for (std::size_t i = 0; i < 7; ++i) {
        if (entry.jokerPlus[i] < 0 || entry.jokerPlus[i] > 9) {
            return fail(QStringLiteral("Chiffre Joker+ %1 invalide.").arg(entry.jokerPlus[i]));
        }
        draw.jokerPlus[i] = static_cast<std::uint8_t>(entry.jokerPlus[i]);
    }
    std::size_t slot = 0;
    for (int number : distinct) {
        draw.zahlen[slot++] = static_cast<std::uint8_t>(number);
    }
    draw.datum = common::toDayNumber(entry.date);
    draw.soir = entry.soir ? 1 : 0;
    draw.multiplicateur = static_cast<std::uint8_t>(entry.multiplier);
    *record = draw;
    return true;
}

QString DrawEditor::futureDateError(const QDate& date, const QDate& lastDay) {
    if (!lastDay.isValid() || !date.isValid() || date <= lastDay) {
        return QString();
    }
    return QStringLiteral("Le tirage du %1 est postérieur à aujourd'hui (%2) : il n'est pas "
                          "enregistré.")
        .arg(common::formatShortDate(date), common::formatShortDate(lastDay));
}

std::vector<TZiehung> DrawEditor::insertInOrder(const std::vector<TZiehung>& records,
                                                const TZiehung& draw) {
    std::vector<TZiehung> result;
    result.reserve(records.size() + 1);
    bool placed = false;
    for (const TZiehung& stored : records) {
        if (placed || stored.datum < draw.datum) {
            result.push_back(stored);
            continue;
        }
        if (stored.datum > draw.datum || stored.soir > draw.soir) {
            result.push_back(draw);
            result.push_back(stored);
            placed = true;
        } else if (stored.soir == draw.soir) {
            result.push_back(draw); // the stored draw is replaced
            placed = true;
        } else {
            // The midday draw of the same day stays first; the next record decides.
            result.push_back(stored);
        }
    }
    if (!placed) {
        result.push_back(draw);
    }
    return result;
}

bool DrawEditor::enter(const QString& historyPath, const TZiehung& draw, int* dropped,
                       QString* error) {
    std::vector<TZiehung> records;
    if (!readExisting(historyPath, &records, error)) {
        return false;
    }
    *dropped = HistoryFile::dropDamaged(&records, common::toDayNumber(QDate::currentDate()));
    if (*dropped == 0 && (records.empty() || draw.datum > records.back().datum)) {
        return HistoryFile::append(historyPath, {draw}, error);
    }
    return HistoryFile::replace(historyPath, tempPathFor(historyPath), insertInOrder(records, draw),
                                error);
}

bool DrawEditor::storedDraw(const QString& historyPath, const TZiehung& draw,
                            std::optional<TZiehung>* stored, QString* error) {
    std::vector<TZiehung> records;
    if (!readExisting(historyPath, &records, error)) {
        return false;
    }
    const auto it = std::find_if(records.begin(), records.end(), [&](const TZiehung& r) {
        return r.datum == draw.datum && r.soir == draw.soir;
    });
    stored->reset();
    if (it != records.end()) {
        *stored = *it;
    }
    return true;
}

bool DrawEditor::remove(const QString& historyPath, const QString& home, common::DayNumber datum,
                        std::uint8_t soir, int* removed, QString* error) {
    *removed = 0;
    std::vector<TZiehung> records;
    if (!readExisting(historyPath, &records, error)) {
        return false;
    }
    const auto end = std::remove_if(records.begin(), records.end(), [&](const TZiehung& r) {
        return r.datum == datum && r.soir == soir;
    });
    *removed = static_cast<int>(records.end() - end);
    if (*removed == 0) {
        return true;
    }
    records.erase(end, records.end());
    return HistoryFile::replace(historyPath, home + QLatin1String(kDeleteTempName), records, error);
}

} // namespace history
