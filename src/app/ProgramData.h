// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace app {

// Where the files that come with the program are: in an installed tree in
// the data folder beside the executables' folder (share/tirvex), in a build
// tree the sound beside the executables and the archive in the sources.
class ProgramData {
public:
    // True when the executable runs from an installed tree.
    static bool installed(const QString& executableDir);
    // The bundled archive's files, oldest first; empty when none is there.
    static QStringList archiveFiles(const QString& executableDir);
    // "yippee.wav" as it was installed; empty outside an installed tree.
    static QString soundFile(const QString& executableDir);
};

} // namespace app
