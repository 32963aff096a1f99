#include "history/DrawHistory.h"

namespace history {

DrawHistory::DrawHistory(std::vector<TZiehung> records) : m_records(std::move(records)) {
    m_sets.reserve(m_records.size());
    for (const TZiehung& record : m_records) {
        NumberSet set;
        for (std::uint8_t number : record.zahlen) {
            set.add(number);
        }
        m_sets.push_back(set);
    }
}

HistoryFile::Status DrawHistory::load(const QString& path, DrawHistory* history, QString* error) {
    std::vector<TZiehung> records;
    const HistoryFile::Status status = HistoryFile::readAll(path, &records, error);
    if (status == HistoryFile::Status::Ok) {
        *history = DrawHistory(std::move(records));
    }
    return status;
}

int DrawHistory::firstOnOrAfter(common::DayNumber day) const {
    // Linear on purpose: readers stop at the first record on or after the day
    // in file order, and a history written by hand need not be sorted.
    for (int i = 0; i < size(); ++i) {
        if (m_records[static_cast<std::size_t>(i)].datum >= day) {
            return i;
        }
    }
    return size();
}

} // namespace history
