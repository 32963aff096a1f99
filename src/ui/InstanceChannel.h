// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace ui {

// The channel between two starts of the window on one Home. The first start
// listens on a local socket named after its Home, beside the Home's lock; a
// second start that finds the lock taken asks it to come to the front and
// ends, instead of showing that the history is in use.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    explicit InstanceChannel(const QString& home, QObject* parent = nullptr);
    ~InstanceChannel() override;

    // The socket's names, in the order they are tried: a file in Home on
    // systems where local sockets are files and the path is short enough for
    // one, then a name made from Home's path (for a Home on a file system
    // that takes no sockets).
    static QStringList serverNames(const QString& home);

    // For the start that holds the lock: listens for later starts. A socket
    // left by a start that died is replaced; only the lock's holder listens.
    bool listen();
    // For a start that found the lock taken: true when a window on this
    // Home took the request to come to the front.
    bool askToFront();

Q_SIGNALS:
    void frontRequested();

private:
    void readRequest();

    QStringList m_names;
    QLocalServer* m_server = nullptr;
};

} // namespace ui
