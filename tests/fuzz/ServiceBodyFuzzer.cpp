// SPDX-License-Identifier: GPL-3.0-or-later
// A body as the draw service may send it: every line the update takes is a
// draw of twenty distinct numbers with seven digits of each Joker number.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <set>

#include "FuzzCheck.h"
#include "common/DayNumber.h"
#include "history/InternetUpdate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const common::DayNumber day = common::kFirstDrawDay + (size % 12000);
    const int soir = static_cast<int>(size % 2);
    for (const QString& line : history::InternetUpdate::bodyLines(QString::fromLatin1(bytes))) {
        history::InternetUpdate::ParsedLine parsed;
        QString rest;
        if (!history::InternetUpdate::parseLine(line, day, soir, &parsed, &rest)) {
            FUZZ_CHECK(line.endsWith(rest));
            continue;
        }
        const history::TZiehung& record = parsed.record;
        FUZZ_CHECK(record.datum == day && record.soir == soir);
        const std::set<int> distinct(record.zahlen.begin(), record.zahlen.end());
        FUZZ_CHECK(distinct.size() == 20 && *distinct.begin() >= 1 && *distinct.rbegin() <= 70);
        for (std::size_t i = 0; i < 7; ++i) {
            FUZZ_CHECK(record.joker[i] <= 9 && record.jokerPlus[i] <= 9);
        }
    }
    return 0;
}
