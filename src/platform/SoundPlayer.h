// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSoundEffect>

#include "app/WindowPort.h"

namespace platform {

// Plays the hit sound asynchronously through Qt Multimedia; a new start cuts
// the previous one short. Without the file the platform's beep sounds.
class SoundPlayer : public app::SoundPort {
public:
    void play(const QString& path) override;

private:
    QSoundEffect m_effect;
};

} // namespace platform
