#pragma once

#include <QLockFile>
#include <QString>

namespace app {

// One program at a time on a Home: two that append to and rewrite the same
// history lose each other's draws. The lock is a file in Home, held for the
// whole run; a lock left by a program that died is taken over.
class HomeLock {
public:
    static constexpr const char* kFileName = "Tirvex.lock";

    explicit HomeLock(const QString& home);

    // False, with the message to show, when another program holds this Home.
    // A Home where no lock file can be made (read-only) is not refused: no
    // program can change anything there.
    bool acquire(QString* message);

private:
    QString m_home;
    QLockFile m_lock;
};

} // namespace app
