#include "app/HomeLock.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

namespace app {

namespace {
const QString kNothingChanged = QStringLiteral("nothing was changed.");
} // namespace

HomeLock::HomeLock(const QString& home)
    : m_home(QDir::toNativeSeparators(home)),
      m_lockPath(QDir::toNativeSeparators(QDir(home).filePath(QLatin1String(kFileName)))),
      m_lock(QDir(home).filePath(QLatin1String(kFileName))) {
    // Only a lock whose program is gone is stale: a run may hold it for days.
    m_lock.setStaleLockTime(0);
}

bool HomeLock::acquire(QString* message) {
    if (m_lock.tryLock(0)) {
        return true;
    }
    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        *message = lockedMessage();
        break;
    case QLockFile::PermissionError:
        *message = uncreatableMessage(QStringLiteral("Permission denied"));
        break;
    default: {
        // QLockFile does not say why; the same creation through QFile does.
        QFile probe(m_lock.fileName());
        QString reason = QStringLiteral("unknown error");
        if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            reason = probe.errorString();
        } else {
            probe.close();
            probe.remove();
        }
        *message = uncreatableMessage(reason);
        break;
    }
    }
    return false;
}

QString HomeLock::lockedMessage() {
    qint64 pid = 0;
    QString host;
    QString application;
    const QString removeHint =
        QStringLiteral("After making sure that no program uses the folder %1 any more, remove "
                       "the file %2 and start again.")
            .arg(m_home, m_lockPath);
    if (!m_lock.getLockInfo(&pid, &host, &application)) {
        // Not written by a lock: damaged, or something else under its name.
        return QStringLiteral("The history in %1 cannot be locked: %2 is no readable lock file; "
                              "%3 %4")
            .arg(m_home, m_lockPath, kNothingChanged, removeHint);
    }
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        // Whether that program still runs cannot be seen from here.
        return QStringLiteral("The history in %1 is locked by Tirvex (process %2) on the computer "
                              "%3, which may still use it or may have stopped without unlocking "
                              "it; %4 %5")
            .arg(m_home, QString::number(pid), host, kNothingChanged, removeHint);
    }
    return QStringLiteral("The history in %1 is in use by another Tirvex (process %2 on %3); %4")
        .arg(m_home, QString::number(pid), host.isEmpty() ? QStringLiteral("this computer") : host,
             kNothingChanged);
}

QString HomeLock::uncreatableMessage(const QString& reason) const {
    return QStringLiteral("The lock file %1 cannot be created (%2). Without it another program "
                          "could change the history in %3 at the same time, so %4")
        .arg(m_lockPath, reason, m_home, kNothingChanged);
}

} // namespace app
