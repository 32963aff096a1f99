// SPDX-License-Identifier: GPL-3.0-or-later
// An archive file of the operator's results: every row it accepts is a draw
// that can be stored.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <set>

#include "FuzzCheck.h"
#include "history/ArchiveImporter.h"
#include "history/DrawMerge.h"
#include "history/HistoryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<history::TZiehung> records;
    int line = 0;
    QString reason;
    if (!history::ArchiveImporter::parse(bytes, &records, &line, &reason)) {
        FUZZ_CHECK(!reason.isEmpty() && line >= 1);
        return 0;
    }
    const common::DayNumber today = common::toDayNumber(QDate::currentDate());
    for (const history::TZiehung& record : records) {
        FUZZ_CHECK(!history::HistoryFile::damagedDate(record.datum, today));
        FUZZ_CHECK(record.soir <= 1);
        const std::set<int> distinct(record.zahlen.begin(), record.zahlen.end());
        FUZZ_CHECK(distinct.size() == 20 && *distinct.begin() >= 1 && *distinct.rbegin() <= 70);
        for (std::uint8_t digit : record.jokerPlus) {
            FUZZ_CHECK(digit <= 9);
        }
    }
    // Merged into a history, the rows are in order and each draw is there once.
    history::DrawMerge merge;
    QString conflict;
    for (const history::TZiehung& record : records) {
        merge.add(record, {QStringLiteral("fuzz"), 1}, &conflict);
    }
    std::vector<history::TZiehung> merged;
    merge.mergeInto(&merged);
    for (std::size_t i = 1; i < merged.size(); ++i) {
        FUZZ_CHECK(merged[i - 1].before(merged[i]));
    }
    return 0;
}
