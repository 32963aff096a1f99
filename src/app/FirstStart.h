// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace app {

class Session;

// A start in a Home that holds no history yet: the sound and the operator's
// results archive that come with the program are put into it, so that a new
// installation opens on real draws.
class FirstStart {
public:
    // The archive's files oldest first; the sound file may be empty (a build
    // tree has one beside the executables already).
    FirstStart(QStringList archiveFiles, QString soundFile);
    // What the program brings beside the executables in executableDir.
    static FirstStart bundledWith(const QString& executableDir);

    // Does nothing when Home holds a history or nothing is bundled. Otherwise
    // imports with the busy cursor and a status text (panel 1) telling what
    // runs, and returns the line that reports how it went.
    QString run(Session& session) const;

private:
    void copySound(const Session& session) const;

    QStringList m_archiveFiles;
    QString m_soundFile;
};

} // namespace app
