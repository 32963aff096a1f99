// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramData.h"

#include <QDir>
#include <QFileInfo>

#include "history/BundledArchive.h"

namespace app {

namespace {

// The data folder relative to the executables' folder: an installed tree
// can be moved whole (a package installs under /usr, a test under any prefix).
QString installedDataDir(const QString& executableDir) {
    return QDir::cleanPath(executableDir + QLatin1Char('/') +
                           QStringLiteral(TIRVEX_INSTALLED_DATA));
}

} // namespace

bool ProgramData::installed(const QString& executableDir) {
    return QFileInfo::exists(installedDataDir(executableDir) + QStringLiteral("/keno"));
}

QStringList ProgramData::archiveFiles(const QString& executableDir) {
    const QDir folder(installed(executableDir)
                          ? installedDataDir(executableDir) + QStringLiteral("/keno")
                          : QStringLiteral(TIRVEX_SOURCE_ARCHIVE));
    QStringList files;
    for (const QString& name : history::BundledArchive::fileNames()) {
        if (folder.exists(name)) {
            files << folder.filePath(name);
        }
    }
    return files;
}

QString ProgramData::soundFile(const QString& executableDir) {
    const QString sound = installedDataDir(executableDir) + QStringLiteral("/yippee.wav");
    return installed(executableDir) && QFileInfo::exists(sound) ? sound : QString();
}

} // namespace app
