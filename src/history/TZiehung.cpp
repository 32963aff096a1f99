// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/TZiehung.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace history {

namespace {

// The file is little-endian whatever the machine is.
std::uint64_t loadLittleEndian64(const std::uint8_t* bytes) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

void storeLittleEndian64(std::uint64_t value, std::uint8_t* bytes) {
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

} // namespace

TZiehung TZiehung::fromBytes(const std::uint8_t* bytes) {
    TZiehung record;
    record.datum = std::bit_cast<double>(loadLittleEndian64(bytes));
    std::copy_n(bytes + 8, 20, record.zahlen.begin());
    std::copy_n(bytes + 28, 7, record.joker.begin());
    std::copy_n(bytes + 35, 7, record.jokerPlus.begin());
    record.soir = bytes[42];
    record.multiplicateur = bytes[43];
    std::copy_n(bytes + 44, 4, record.reserved.begin());
    return record;
}

TZiehung::Bytes TZiehung::toBytes() const {
    Bytes bytes{};
    storeLittleEndian64(std::bit_cast<std::uint64_t>(datum), bytes.data());
    std::copy(zahlen.begin(), zahlen.end(), bytes.begin() + 8);
    std::copy(joker.begin(), joker.end(), bytes.begin() + 28);
    std::copy(jokerPlus.begin(), jokerPlus.end(), bytes.begin() + 35);
    bytes[42] = soir;
    bytes[43] = multiplicateur;
    std::copy(reserved.begin(), reserved.end(), bytes.begin() + 44);
    return bytes;
}

int TZiehung::crossSum() const {
    int sum = 0;
    for (std::uint8_t number : zahlen) {
        sum += number;
    }
    return sum;
}

} // namespace history
