// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundPlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QUrl>

namespace platform {

void SoundPlayer::play(const QString& path) {
    if (!QFileInfo::exists(path)) {
        QApplication::beep();
        return;
    }
    const QUrl source = QUrl::fromLocalFile(path);
    if (m_effect.source() != source) {
        m_effect.setSource(source);
    }
    m_effect.stop();
    m_effect.play();
}

} // namespace platform
