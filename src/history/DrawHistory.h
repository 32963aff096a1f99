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

private:
    struct Data {
        std::vector<TZiehung> records;
        std::vector<NumberSet> sets;
    };
    std::span<const TZiehung> records(int count) const;

    std::shared_ptr<const Data> m_data;
    int m_count = 0;
};

} // namespace history
