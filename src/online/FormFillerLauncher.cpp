// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/FormFillerLauncher.h"

#include <QProcess>

namespace online {

bool DetachedLauncher::start(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

} // namespace online
