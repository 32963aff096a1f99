// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/DrawMerge.h"

#include <algorithm>

#include "common/DayNumber.h"
#include "common/Formats.h"

namespace history {

namespace {

bool knownJokerPlus(const TZiehung& record) {
    return std::any_of(record.jokerPlus.begin(), record.jokerPlus.end(),
                       [](std::uint8_t digit) { return digit != 0; });
}

std::array<std::uint8_t, 20> sortedNumbers(const TZiehung& record) {
    std::array<std::uint8_t, 20> numbers = record.zahlen;
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QString place(const DrawMerge::Origin& origin) {
    return QStringLiteral("%1, ligne %2").arg(origin.file).arg(origin.line);
}

} // namespace

QString DrawMerge::drawName(const TZiehung& record) {
    return common::formatShortDate(common::toDate(record.datum)) +
           (record.soir ? QStringLiteral(" soir") : QStringLiteral(" midi"));
}

bool DrawMerge::combine(TZiehung* kept, const TZiehung& other, QString* field) {
    if (sortedNumbers(*kept) != sortedNumbers(other)) {
        *field = QStringLiteral("les numéros");
        return false;
    }
    // The same numbers in another order: the smaller order is kept, whichever
    // copy came first.
    kept->zahlen = std::min(kept->zahlen, other.zahlen);
    if (other.multiplicateur != 0) {
        if (kept->multiplicateur != 0 && kept->multiplicateur != other.multiplicateur) {
            *field = QStringLiteral("le multiplicateur");
            return false;
        }
        kept->multiplicateur = other.multiplicateur;
    }
    if (knownJokerPlus(other)) {
        if (knownJokerPlus(*kept) && kept->jokerPlus != other.jokerPlus) {
            *field = QStringLiteral("le Joker+");
            return false;
        }
        kept->jokerPlus = other.jokerPlus;
    }
    return true;
}

bool DrawMerge::add(const TZiehung& record, const Origin& origin, QString* conflict) {
    const auto key = std::make_pair(record.datum, static_cast<int>(record.soir));
    const auto [it, inserted] = m_draws.try_emplace(key, Copy{record, origin});
    if (inserted) {
        return true;
    }
    QString field;
    TZiehung combined = it->second.record;
    if (!combine(&combined, record, &field)) {
        *conflict = QStringLiteral("%1 et %2 diffèrent sur %3 du tirage du %4")
                        .arg(place(it->second.origin), place(origin), field, drawName(record));
        return false;
    }
    it->second.record = combined;
    return true;
}

std::vector<TZiehung> DrawMerge::draws() const {
    std::vector<TZiehung> records;
    records.reserve(m_draws.size());
    for (const auto& [key, copy] : m_draws) {
        records.push_back(copy.record);
    }
    return records;
}

int DrawMerge::mergeInto(std::vector<TZiehung>* records, int* completed,
                         std::vector<Difference>* differing) const {
    std::map<std::pair<double, int>, TZiehung*> stored;
    for (TZiehung& record : *records) {
        stored.emplace(std::make_pair(record.datum, static_cast<int>(record.soir)), &record);
    }
    std::vector<TZiehung> added;
    int filledIn = 0;
    for (const auto& [key, copy] : m_draws) {
        const auto it = stored.find(key);
        if (it == stored.end()) {
            added.push_back(copy.record);
            continue;
        }
        TZiehung combined = *it->second;
        QString field;
        if (!combine(&combined, copy.record, &field)) {
            if (differing) {
                differing->push_back({*it->second, copy.record});
            }
            continue;
        }
        if (combined != *it->second) {
            // Only what the stored copy lacks is taken; its own numbers stay
            // in the order it has them.
            combined.zahlen = it->second->zahlen;
            if (combined != *it->second) {
                *it->second = combined;
                ++filledIn;
            }
        }
    }
    if (completed) {
        *completed = filledIn;
    }
    if (!added.empty()) {
        records->insert(records->end(), added.begin(), added.end());
        std::stable_sort(records->begin(), records->end(),
                         [](const TZiehung& a, const TZiehung& b) { return a.before(b); });
    }
    return static_cast<int>(added.size());
}

} // namespace history
