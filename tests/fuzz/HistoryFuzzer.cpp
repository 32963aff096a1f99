// SPDX-License-Identifier: GPL-3.0-or-later
// A history file from anywhere: what the readers keep is in range, and the
// cursor and the manual entry work on it.
#include <QByteArray>
#include <QDate>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "history/DrawCursor.h"
#include "history/DrawEditor.h"
#include "history/DrawHistory.h"
#include "history/HistoryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<history::TZiehung> records = history::HistoryFile::decode(bytes);
    FUZZ_CHECK(records.size() == size / history::TZiehung::kSize);
    const common::DayNumber today = common::toDayNumber(QDate(2025, 6, 10));
    history::HistoryFile::dropDamaged(&records, today);
    for (const history::TZiehung& record : records) {
        FUZZ_CHECK(!history::HistoryFile::damagedDate(record.datum, today));
    }
    const history::DrawHistory history(records);
    const common::DayNumber wanted = records.empty() ? today : records.front().datum + 1;
    FUZZ_CHECK(history.firstOnOrAfter(wanted) <= history.size());
    history::DrawCursor cursor;
    cursor.loadAtDate(records, wanted);
    cursor.stepBack(records);
    cursor.stepForward(records);
    cursor.stepForward(records);
    FUZZ_CHECK(cursor.current().position >= 0);
    FUZZ_CHECK(records.empty() || cursor.current().position < static_cast<int>(records.size()));
    if (!records.empty()) {
        const auto placed = history::DrawEditor::insertInOrder(records, records.back());
        FUZZ_CHECK(placed.size() == records.size() || placed.size() == records.size() + 1);
    }
    history::HistoryFile::encode(records);
    return 0;
}
