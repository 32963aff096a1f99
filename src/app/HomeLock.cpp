#include "app/HomeLock.h"

#include <QDir>

namespace app {

HomeLock::HomeLock(const QString& home)
    : m_home(QDir::toNativeSeparators(home)),
      m_lock(QDir(home).filePath(QLatin1String(kFileName))) {
    // Only a lock whose program is gone is stale: a run may hold it for days.
    m_lock.setStaleLockTime(0);
}

bool HomeLock::acquire(QString* message) {
    if (m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError) {
        return true;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    m_lock.getLockInfo(&pid, &host, &application);
    *message = QStringLiteral("The history in %1 is in use by another Tirvex (process %2 on %3); "
                              "nothing was changed.")
                   .arg(m_home)
                   .arg(pid)
                   .arg(host.isEmpty() ? QStringLiteral("this computer") : host);
    return false;
}

} // namespace app
