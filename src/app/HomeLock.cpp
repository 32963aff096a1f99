// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HomeLock.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

namespace app {

namespace {
const QString kNothingChanged = QStringLiteral("rien n'a été modifié.");
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
        *message = uncreatableMessage(QStringLiteral("permission refusée"));
        break;
    default: {
        // QLockFile does not say why; the same creation through QFile does.
        QFile probe(m_lock.fileName());
        QString reason = QStringLiteral("erreur inconnue");
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
        QStringLiteral("Après vous être assuré qu'aucun programme n'utilise plus le dossier "
                       "%1, supprimez le fichier %2 et redémarrez.")
            .arg(m_home, m_lockPath);
    if (!m_lock.getLockInfo(&pid, &host, &application)) {
        // Not written by a lock: damaged, or something else under its name.
        return QStringLiteral("L'historique de %1 ne peut pas être verrouillé : %2 n'est pas un "
                              "fichier de verrou lisible ; %3 %4")
            .arg(m_home, m_lockPath, kNothingChanged, removeHint);
    }
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        // Whether that program still runs cannot be seen from here.
        return QStringLiteral("L'historique de %1 est verrouillé par Tirvex (processus %2) sur "
                              "l'ordinateur %3, qui l'utilise peut-être encore ou s'est arrêté "
                              "sans le déverrouiller ; %4 %5")
            .arg(m_home, QString::number(pid), host, kNothingChanged, removeHint);
    }
    return QStringLiteral("L'historique de %1 est utilisé par un autre Tirvex (processus %2 sur "
                          "%3) ; %4")
        .arg(m_home, QString::number(pid), host.isEmpty() ? QStringLiteral("cet ordinateur") : host,
             kNothingChanged);
}

QString HomeLock::uncreatableMessage(const QString& reason) const {
    return QStringLiteral("Le fichier de verrou %1 ne peut pas être créé (%2). Sans lui, un "
                          "autre programme pourrait modifier en même temps l'historique de %3 : "
                          "%4")
        .arg(m_lockPath, reason, m_home, kNothingChanged);
}

} // namespace app
