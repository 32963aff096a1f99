// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Random.h"

#include <QDateTime>

namespace common {

void Random::seedFromClock() {
    m_seed = static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

std::int32_t Random::next(std::int32_t n) {
    if (n <= 0) {
        return 0;
    }
    m_seed = m_seed * 134775813u + 1u;
    const std::uint64_t product = static_cast<std::uint64_t>(m_seed) *
                                  static_cast<std::uint64_t>(static_cast<std::uint32_t>(n));
    return static_cast<std::int32_t>(product >> 32);
}

} // namespace common
