// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "common/DayNumber.h"

namespace history {

// One draw as stored in the history file: exactly 48 bytes, little-endian.
//   0  double   day number of the draw
//   8  20 bytes the drawn numbers in the order received or entered
//  28  7 bytes  Joker digits
//  35  7 bytes  Joker+ digits
//  42  1 byte   0 midi, 1 soir
//  43  1 byte   multiplier
//  44  4 bytes  reserved, kept as read
struct TZiehung {
    static constexpr int kSize = 48;
    using Bytes = std::array<std::uint8_t, kSize>;

    common::DayNumber datum = 0;
    std::array<std::uint8_t, 20> zahlen{};
    std::array<std::uint8_t, 7> joker{};
    std::array<std::uint8_t, 7> jokerPlus{};
    std::uint8_t soir = 0;
    std::uint8_t multiplicateur = 0;
    std::array<std::uint8_t, 4> reserved{};

    static TZiehung fromBytes(const std::uint8_t* bytes);
    Bytes toBytes() const;

    int crossSum() const;
    bool sameDraw(const TZiehung& other) const {
        return datum == other.datum && soir == other.soir;
    }
    // Sort key: date, then midi before soir.
    bool before(const TZiehung& other) const {
        return datum < other.datum || (datum == other.datum && soir < other.soir);
    }
    bool operator==(const TZiehung& other) const = default;
};

} // namespace history
