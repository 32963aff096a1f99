// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/RandomPick.h"

#include <algorithm>

namespace prefs {

void RandomPick::setMaxtipp(int maxtipp) {
    // The pick is held in ten places; more cannot be picked.
    m_maxtipp = std::clamp(maxtipp, 1, kMaxNumbers);
}

void RandomPick::press() {
    if (!m_timerActive) {
        m_timerActive = true;
        m_grid.clearAll();
        m_tippreihe.fill(0);
        m_losgeht = 1;
        return;
    }
    if (m_losgeht < m_maxtipp) {
        ++m_losgeht;
        return;
    }
    stop();
}

void RandomPick::tick() {
    if (!m_timerActive) {
        return;
    }
    m_caption = QString::number(m_losgeht) + QStringLiteral(" Stopp");
    m_grid.clearAll();
    for (int i = 1; i < m_losgeht; ++i) {
        const int fixed = m_tippreihe[static_cast<std::size_t>(i - 1)];
        if (fixed >= 1) {
            m_grid.setChecked(fixed, true);
            m_grid.setHighlighted(fixed, true);
        }
    }
    for (int i = m_losgeht; i <= m_maxtipp; ++i) {
        int r = 0;
        do {
            r = m_random.next(NumberGrid::kNumbers) + 1;
        } while (m_grid.checked(r));
        m_tippreihe[static_cast<std::size_t>(i - 1)] = r;
        m_grid.setChecked(r, true);
        m_grid.setHighlighted(r, true);
    }
}

void RandomPick::close() {
    stop();
}

void RandomPick::stop() {
    m_timerActive = false;
    m_caption = QStringLiteral("Zufall");
    m_losgeht = 1;
}

} // namespace prefs
