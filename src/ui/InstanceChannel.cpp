// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/InstanceChannel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace ui {

namespace {
const QByteArray kFrontRequest = QByteArrayLiteral("front\n");
constexpr int kTimeoutMs = 2000;
// A local socket's path must fit sockaddr_un (108 bytes on Linux, 104 on
// other systems), its final zero included.
constexpr int kMaxSocketPath = 100;
} // namespace

InstanceChannel::InstanceChannel(const QString& home, QObject* parent)
    : QObject(parent), m_names(serverNames(home)) {
}

InstanceChannel::~InstanceChannel() = default;

QStringList InstanceChannel::serverNames(const QString& home) {
    const QString folder = QDir(home).absolutePath();
    QStringList names;
#ifndef Q_OS_WIN
    const QString path = QDir(folder).filePath(QStringLiteral("Tirvex.socket"));
    if (QFile::encodeName(path).size() <= kMaxSocketPath) {
        names << path;
    }
#endif
    // One name per Home, however the path to it is written.
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(
        (canonical.isEmpty() ? folder : canonical).toUtf8(), QCryptographicHash::Sha1);
    names << QStringLiteral("Tirvex-") + QString::fromLatin1(hash.toHex().left(16));
    return names;
}

bool InstanceChannel::listen() {
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::readRequest);
    }
    for (const QString& name : m_names) {
        QLocalServer::removeServer(name);
        if (m_server->listen(name)) {
            return true;
        }
    }
    return false;
}

void InstanceChannel::readRequest() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        const auto read = [this, socket] {
            if (socket->canReadLine() && socket->readLine() == kFrontRequest) {
                Q_EMIT frontRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        read(); // the request may have come with the connection
    }
}

bool InstanceChannel::askToFront() {
    for (const QString& name : m_names) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (!socket.waitForConnected(kTimeoutMs)) {
            continue;
        }
        socket.write(kFrontRequest);
        const bool sent = socket.waitForBytesWritten(kTimeoutMs) || socket.bytesToWrite() == 0;
        socket.disconnectFromServer();
        return sent;
    }
    return false;
}

} // namespace ui
