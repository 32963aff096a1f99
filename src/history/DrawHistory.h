// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>
#include <span>
#include <vector>

#include "history/HistoryFile.h"
#include "history/NumberSet.h"

namespace history {

// The history read once into memory for an operation that scans it often:
// the records in file order and each draw's numbers as a bit set. Copies and
// prefixes share the records.
class DrawHistory {
public:
    DrawHistory() = default;
    explicit DrawHistory(std::vector<TZiehung> records);

    static HistoryFile::Status load(const QString& path, DrawHistory* history,
                                    QString* error = nullptr);

    std::span<const TZiehung> records() const { return records(m_count); }
    std::span<const NumberSet> sets() const;
    int size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    const TZiehung& at(int position) const {
        return m_data->records[static_cast<std::size_t>(position)];
    }
    const NumberSet& setAt(int position) const {
        return m_data->sets[static_cast<std::size_t>(position)];
    }

    // The first count records only: the past as it stood at a draw, for a
    // backtest that must not let a generation see the draws it is scored on.
    DrawHistory prefix(int count) const;

    // Position of the first record whose date is on or after day; size() when none.
    int firstOnOrAfter(common::DayNumber day) const;
    // Position of the first record whose date is after day; size() when none.
    // Only meaningful when the dates ascend.
    int firstAfter(common::DayNumber day) const;

    // The dates never go down (and are all whole, finite days): the records
    // of a date range then stand at consecutive positions, so operations can
    // find a range by its ends instead of testing every record.
    bool datesAscending() const { return m_data && m_data->ascending; }
    // The positions, below size(), of records that are not 20 distinct
    // numbers of 1..70: their bit sets do not count hits as the tip check
    // counts them (a number stored twice counts twice there).
    std::span<const int> irregularPositions() const;
    // For each number 1..70, one bit per position (bit p % 64 of word
    // p / 64): set where a regular record holds the number. A history test
    // can then count an attempt's hits for 64 draws at once.
    const std::uint64_t* numberPositions(int number) const {
        return m_data->positions.data() + static_cast<std::size_t>(number) * m_data->words;
    }
    // Which file's records these are: prefixes of one history share it.
    const void* identity() const { return m_data.get(); }

private:
    struct Data {
        std::vector<TZiehung> records;
        std::vector<NumberSet> sets;
        std::vector<int> irregular;
        std::vector<std::uint64_t> positions; // 71 rows of `words` words
        std::size_t words = 0;
        bool ascending = true;
    };
    std::span<const TZiehung> records(int count) const;

    std::shared_ptr<const Data> m_data;
    int m_count = 0;
};

} // namespace history
