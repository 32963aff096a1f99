// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/DrawHistory.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace history {

DrawHistory::DrawHistory(std::vector<TZiehung> records) {
    auto data = std::make_shared<Data>();
    data->records = std::move(records);
    data->sets.reserve(data->records.size());
    common::DayNumber previous = -std::numeric_limits<double>::infinity();
    for (const TZiehung& record : data->records) {
        NumberSet set;
        for (std::uint8_t number : record.zahlen) {
            set.add(number);
        }
        if (set.size() != static_cast<int>(record.zahlen.size())) {
            data->irregular.push_back(static_cast<int>(data->sets.size()));
        }
        data->sets.push_back(set);
        data->ascending = data->ascending && std::isfinite(record.datum) &&
                          record.datum == std::floor(record.datum) && record.datum >= previous;
        previous = record.datum;
    }
    data->words = (data->records.size() + 63) / 64;
    data->positions.assign(71 * data->words, 0);
    auto irregular = data->irregular.begin();
    for (std::size_t p = 0; p < data->records.size(); ++p) {
        if (irregular != data->irregular.end() && static_cast<std::size_t>(*irregular) == p) {
            ++irregular;
            continue;
        }
        for (std::uint8_t number : data->records[p].zahlen) {
            data->positions[number * data->words + p / 64] |= std::uint64_t{1} << (p % 64);
        }
    }
    m_count = static_cast<int>(data->records.size());
    m_data = std::move(data);
}

std::span<const TZiehung> DrawHistory::records(int count) const {
    if (!m_data) {
        return {};
    }
    return std::span<const TZiehung>(m_data->records.data(), static_cast<std::size_t>(count));
}

std::span<const NumberSet> DrawHistory::sets() const {
    if (!m_data) {
        return {};
    }
    return std::span<const NumberSet>(m_data->sets.data(), static_cast<std::size_t>(m_count));
}

DrawHistory DrawHistory::prefix(int count) const {
    DrawHistory past = *this;
    past.m_count = std::clamp(count, 0, m_count);
    return past;
}

HistoryFile::Status DrawHistory::load(const QString& path, DrawHistory* history, QString* error) {
    std::vector<TZiehung> records;
    const HistoryFile::Status status = HistoryFile::readAll(path, &records, error);
    if (status == HistoryFile::Status::Ok) {
        *history = DrawHistory(std::move(records));
    }
    return status;
}

std::span<const int> DrawHistory::irregularPositions() const {
    if (!m_data) {
        return {};
    }
    const auto end = std::lower_bound(m_data->irregular.begin(), m_data->irregular.end(), m_count);
    return std::span<const int>(m_data->irregular.data(),
                                static_cast<std::size_t>(end - m_data->irregular.begin()));
}

int DrawHistory::firstAfter(common::DayNumber day) const {
    const std::span<const TZiehung> all = records();
    return static_cast<int>(
        std::partition_point(all.begin(), all.end(),
                             [day](const TZiehung& record) { return record.datum <= day; }) -
        all.begin());
}

int DrawHistory::firstOnOrAfter(common::DayNumber day) const {
    if (datesAscending()) {
        const std::span<const TZiehung> all = records();
        return static_cast<int>(
            std::partition_point(all.begin(), all.end(),
                                 [day](const TZiehung& record) { return record.datum < day; }) -
            all.begin());
    }
    // Readers stop at the first record on or after the day in file order, and
    // a history written by hand need not be sorted.
    for (int i = 0; i < size(); ++i) {
        if (at(i).datum >= day) {
            return i;
        }
    }
    return size();
}

} // namespace history
