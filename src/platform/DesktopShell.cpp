// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {

bool DesktopShell::open(const QString& target) {
    const bool isAddress = target.contains(QLatin1String("://"));
    return QDesktopServices::openUrl(isAddress ? QUrl(target) : QUrl::fromLocalFile(target));
}

} // namespace platform
