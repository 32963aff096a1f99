// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace common {

// The program's one pseudo-random generator: a 32-bit linear congruential
// sequence. The same seed always gives the same sequence, which the backtests
// and the lucky number rely on to repeat a run.
class Random {
public:
    explicit Random(std::uint32_t seed = 0) : m_seed(seed) {}

    std::uint32_t seed() const { return m_seed; }
    void setSeed(std::uint32_t seed) { m_seed = seed; }
    void seedFromClock();

    // An integer in 0..n-1 for n > 0; 0 for n <= 0 without advancing.
    // Inline: simulations call it billions of times.
    std::int32_t next(std::int32_t n) {
        if (n <= 0) {
            return 0;
        }
        m_seed = m_seed * 134775813u + 1u;
        const std::uint64_t product = static_cast<std::uint64_t>(m_seed) *
                                      static_cast<std::uint64_t>(static_cast<std::uint32_t>(n));
        return static_cast<std::int32_t>(product >> 32);
    }

private:
    std::uint32_t m_seed;
};

} // namespace common
