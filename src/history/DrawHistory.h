#pragma once

#include <QString>
#include <vector>

#include "history/HistoryFile.h"
#include "history/NumberSet.h"

namespace history {

// The history read once into memory for an operation that scans it often:
// the records in file order and each draw's numbers as a bit set.
class DrawHistory {
public:
    DrawHistory() = default;
    explicit DrawHistory(std::vector<TZiehung> records);

    static HistoryFile::Status load(const QString& path, DrawHistory* history,
                                    QString* error = nullptr);

    const std::vector<TZiehung>& records() const { return m_records; }
    const std::vector<NumberSet>& sets() const { return m_sets; }
    int size() const { return static_cast<int>(m_records.size()); }
    bool empty() const { return m_records.empty(); }
    const TZiehung& at(int position) const { return m_records[static_cast<std::size_t>(position)]; }
    const NumberSet& setAt(int position) const {
        return m_sets[static_cast<std::size_t>(position)];
    }

    // Position of the first record whose date is on or after day; size() when none.
    int firstOnOrAfter(common::DayNumber day) const;

private:
    std::vector<TZiehung> m_records;
    std::vector<NumberSet> m_sets;
};

} // namespace history
