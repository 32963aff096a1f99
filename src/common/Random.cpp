// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Random.h"

#include <QDateTime>

namespace common {

void Random::seedFromClock() {
    m_seed = static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

} // namespace common
