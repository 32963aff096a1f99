// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

namespace app {

// One program at a time on a Home: two that append to and rewrite the same
// history lose each other's draws. The lock is a file in Home, held for the
// whole run; a lock left by a program that died on this computer is taken
// over.
class HomeLock {
public:
    static constexpr const char* kFileName = "Tirvex.lock";

    explicit HomeLock(const QString& home);

    // False, with the message to show, when the lock cannot be taken for any
    // reason: another program holds it, it was left by a program on another
    // computer, it is no lock file, or it cannot be created (no right to
    // write, a full disk). Without the lock a program must change nothing,
    // so both programs refuse to start then. Where a lock may be left over,
    // the message names the file to remove.
    bool acquire(QString* message);

private:
    QString lockedMessage();
    QString uncreatableMessage(const QString& reason) const;

    QString m_home;
    QString m_lockPath;
    QLockFile m_lock;
};

} // namespace app
