#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {

void DesktopShell::open(const QString& target) {
    const bool isAddress = target.contains(QLatin1String("://"));
    QDesktopServices::openUrl(isAddress ? QUrl(target) : QUrl::fromLocalFile(target));
}

} // namespace platform
