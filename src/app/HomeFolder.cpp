// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HomeFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/ProgramData.h"

namespace app {

QString HomeFolder::choose(const QString& executableDir) {
    if (!ProgramData::installed(executableDir) && QFileInfo(executableDir).isWritable()) {
        return executableDir;
    }
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // A folder that cannot be made shows up as the file errors of the
    // operations that use it.
    QDir().mkpath(perUser);
    return perUser;
}

} // namespace app
