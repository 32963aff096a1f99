// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

#include "common/Random.h"
#include "prefs/NumberGrid.h"

namespace prefs {

// The random mode of the number choice dialog: the first press starts a
// spinning pick of maxtipp numbers, every further press fixes one more number,
// and the press after the last fixed one stops. The dialog's 25 ms timer calls
// tick(); this class only says whether that timer should run.
class RandomPick {
public:
    static constexpr int kMaxNumbers = 10;

    RandomPick(NumberGrid& grid, common::Random& random) : m_grid(grid), m_random(random) {}

    void setMaxtipp(int maxtipp);
    int maxtipp() const { return m_maxtipp; }
    int losgeht() const { return m_losgeht; }
    bool timerActive() const { return m_timerActive; }
    const QString& caption() const { return m_caption; }
    const std::array<int, kMaxNumbers>& tippreihe() const { return m_tippreihe; }

    void press();
    void tick();
    // The dialog closes, however that happens.
    void close();

private:
    void stop();

    NumberGrid& m_grid;
    common::Random& m_random;
    int m_maxtipp = kMaxNumbers;
    int m_losgeht = 1;
    bool m_timerActive = false;
    QString m_caption = QStringLiteral("Zufall");
    std::array<int, kMaxNumbers> m_tippreihe{};
};

} // namespace prefs
