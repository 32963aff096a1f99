// SPDX-License-Identifier: GPL-3.0-or-later
// A value list file: its weights go into the number grid, the click rule
// runs on every box, and the pool a review would build never passes 1400.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "common/TextFile.h"
#include "generator/PoolWeights.h"
#include "prefs/ValueList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    prefs::NumberGrid grid;
    prefs::ValueList::apply(common::TextFile::decode(bytes), grid);
    generator::NumberPool pool;
    QString message;
    if (generator::PoolWeights::fill(grid, &pool, &message)) {
        FUZZ_CHECK(pool.size() <= generator::NumberPool::kCapacity);
    } else {
        FUZZ_CHECK(!message.isEmpty() && pool.size() == 0);
    }
    // Unchecking and checking again counts every weight up by one.
    for (int n = 1; n <= prefs::NumberGrid::kNumbers; ++n) {
        grid.toggle(n);
        grid.toggle(n);
    }
    return 0;
}
