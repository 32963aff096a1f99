// SPDX-License-Identifier: GPL-3.0-or-later
// A tip file in any encoding: loaded into the tip list, checked against a
// draw, printed as a ticket sheet.
#include <QByteArray>
#include <QDate>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "tips/TicketSheet.h"
#include "tips/TipCheck.h"
#include "tips/TipFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    tips::TipList list;
    list.lines() = tips::TipFile::decode(bytes);
    const int total = tips::TipFile::totalFor(list.count());
    FUZZ_CHECK(total >= 1 && total <= tips::TipFile::kMaxTotal);
    tips::TipCheck::Draw draw{};
    for (int i = 0; i < 20; ++i) {
        draw[static_cast<std::size_t>(i)] = 70 - 2 * i;
    }
    tips::HitTally tally;
    const int n = 2 + static_cast<int>(size % 9);
    const tips::TipCheck::FullResult result =
        tips::TipCheck::checkAll(&list, draw, n, true, &tally);
    FUZZ_CHECK(list.hits().size() == list.lines().size());
    FUZZ_CHECK(result.max >= 0 && result.max <= n);
    tips::TicketSheet::lines(list.lines(), total, 1 + static_cast<int>(size % 5),
                             QDate(2022, 11, 24));
    return 0;
}
