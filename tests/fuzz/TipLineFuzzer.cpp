// SPDX-License-Identifier: GPL-3.0-or-later
// A tip line as a user types it or a file brings it: cut into fields, read
// as numbers and checked against a draw for every tip size.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "tips/TipCheck.h"
#include "tips/TipLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QString& line : {QString::fromLatin1(bytes), QString::fromUtf8(bytes)}) {
        const QStringList fields = tips::TipLine::fields(line);
        FUZZ_CHECK(fields.size() <= tips::TipLine::kMaxFields);
        for (const QString& field : fields) {
            qint64 value = 0;
            tips::TipLine::fieldValue(field, &value);
        }
        const std::vector<qint64> numbers = tips::TipLine::numbers(line);
        FUZZ_CHECK(static_cast<int>(numbers.size()) <= tips::TipLine::kMaxFields);
        std::vector<int> inRange;
        for (qint64 n : numbers) {
            if (n >= 1 && n <= 70) {
                inRange.push_back(static_cast<int>(n));
            }
        }
        tips::TipLine::write(inRange);
        tips::TipCheck::Draw draw{};
        for (int i = 0; i < 20; ++i) {
            draw[static_cast<std::size_t>(i)] = 3 * i + 1;
        }
        tips::HitTally tally;
        for (int n = 2; n <= 10; ++n) {
            const int hits = tips::TipCheck::checkTip(line, draw, n, &tally).gewinn;
            FUZZ_CHECK(hits >= 0 && hits <= n);
        }
    }
    return 0;
}
