// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <map>
#include <utility>
#include <vector>

#include "history/TZiehung.h"

namespace history {

// Keeps one copy of each draw (date and draw-of-day flag) met in several
// archive files. The operator's exports overlap and do not always agree on
// what they know: one gives a draw's Joker+ where another says it is not
// available. The copy kept takes every field that some copy knows, so the
// result does not depend on the order of the files; copies that contradict
// each other are refused.
class DrawMerge {
public:
    struct Origin {
        QString file;
        int line = 0;
    };

    // Adds one copy. False when it contradicts the copy already held (other
    // numbers, another known multiplier or Joker+); *conflict names both.
    bool add(const TZiehung& record, const Origin& origin, QString* conflict);

    // A stored draw that contradicts the copy merged into it.
    struct Difference {
        TZiehung stored;
        TZiehung incoming;
    };

    // Merges the held draws into records sorted by date: new draws are added,
    // and a stored draw with the same numbers gets the multiplier and Joker+
    // it lacks. A stored draw that contradicts its copy (other numbers,
    // another known multiplier or Joker+) is left as it is and listed in
    // *differing, in date order. Returns the number of draws added;
    // *completed counts the stored draws completed.
    int mergeInto(std::vector<TZiehung>* records, int* completed = nullptr,
                  std::vector<Difference>* differing = nullptr) const;

    // "04.06.2025 midi": a draw as the messages name it.
    static QString drawName(const TZiehung& record);

    int size() const { return static_cast<int>(m_draws.size()); }
    std::vector<TZiehung> draws() const;

    // Takes the fields one copy lacks from the other; false when they disagree.
    static bool combine(TZiehung* kept, const TZiehung& other, QString* field);

private:
    struct Copy {
        TZiehung record;
        Origin origin;
    };
    std::map<std::pair<double, int>, Copy> m_draws;
};

} // namespace history
