// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace backtest {

// The lucky numbers of a report over several seeds, as typed: single numbers
// and ascending ranges separated by commas ("1-20", "1,3,5-7").
class SeedList {
public:
    // More seeds than this would keep every core busy for hours; a typing
    // slip such as "1-100000" is refused instead of started.
    static constexpr int kMostSeeds = 1000;

    // The seeds in the order typed; nothing (and why in error) for an empty
    // text, a part that is no number or range, a range that runs down, a
    // seed given twice or more than kMostSeeds seeds.
    static std::optional<std::vector<qint32>> parse(const QString& text, QString* error = nullptr);
};

} // namespace backtest
