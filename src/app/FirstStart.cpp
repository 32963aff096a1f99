// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FirstStart.h"

#include <QFile>

#include "app/ProgramData.h"
#include "app/Session.h"

namespace app {

FirstStart::FirstStart(QStringList archiveFiles, QString soundFile)
    : m_archiveFiles(std::move(archiveFiles)), m_soundFile(std::move(soundFile)) {
}

FirstStart FirstStart::bundledWith(const QString& executableDir) {
    return FirstStart(ProgramData::archiveFiles(executableDir),
                      ProgramData::soundFile(executableDir));
}

QString FirstStart::run(Session& session) const {
    if (m_archiveFiles.isEmpty() || QFile::exists(session.historyPath())) {
        return QString();
    }
    copySound(session);
    session.setStatusText(1, QStringLiteral("Importer les résultats ..."));
    // The window shows the text before the import holds the screen.
    session.port().processEvents();
    const history::ArchiveImporter::Result result = session.importArchive(m_archiveFiles);
    const QString line =
        result.ok ? QStringLiteral("%1 tirages de l'archive fournie importés dans %2")
                        .arg(result.imported)
                        .arg(session.home())
                  : QStringLiteral("l'archive fournie n'a pas été importée : %1").arg(result.error);
    session.setStatusText(1, line);
    return line;
}

void FirstStart::copySound(const Session& session) const {
    const QString target = session.homeFile(QStringLiteral("yippee.wav"));
    if (!m_soundFile.isEmpty() && !QFile::exists(target)) {
        // Without it the hit sound is the platform's beep: no reason to stop.
        QFile::copy(m_soundFile, target);
    }
}

} // namespace app
