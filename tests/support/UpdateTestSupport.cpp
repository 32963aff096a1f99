// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpdateTestSupport.h"

#include <QUrl>

namespace updatetest {

ForwardingProxy::ForwardingProxy() {
    m_server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* client = m_server.nextPendingConnection()) {
            auto tunnel = std::make_unique<Tunnel>();
            tunnel->client = client;
            Tunnel* raw = tunnel.get();
            m_tunnels.push_back(std::move(tunnel));
            QObject::connect(client, &QTcpSocket::readyRead, [this, raw] { onClientData(raw); });
        }
    });
}

void ForwardingProxy::onClientData(Tunnel* tunnel) {
    if (tunnel->upstream) {
        tunnel->upstream->write(tunnel->client->readAll());
        return;
    }
    tunnel->head += tunnel->client->readAll();
    const qsizetype end = tunnel->head.indexOf("\r\n\r\n");
    if (end < 0) {
        return;
    }
    QList<QByteArray> lines = tunnel->head.left(end).split('\n');
    const QByteArray requestLine = lines.takeFirst().trimmed();
    m_requestLines.push_back(QString::fromLatin1(requestLine));
    const QList<QByteArray> parts = requestLine.split(' ');
    const QUrl target(QString::fromLatin1(parts.value(1)));
    QByteArray forwarded = parts.value(0) + ' ' +
                           target.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority) + ' ' +
                           parts.value(2) + "\r\n";
    for (const QByteArray& line : lines) {
        const QByteArray lower = line.trimmed().toLower();
        if (!lower.startsWith("connection:") && !lower.startsWith("proxy-connection:")) {
            forwarded += line.trimmed() + "\r\n";
        }
    }
    forwarded += "Connection: close\r\n\r\n";
    tunnel->upstream = new QTcpSocket(tunnel->client);
    QTcpSocket* upstream = tunnel->upstream;
    QTcpSocket* client = tunnel->client;
    // The client is the context: while it is being destroyed, its upstream
    // child still signals, and must not call into the half-destroyed client.
    QObject::connect(upstream, &QTcpSocket::connected, upstream,
                     [upstream, forwarded] { upstream->write(forwarded); });
    QObject::connect(upstream, &QTcpSocket::readyRead, client,
                     [upstream, client] { client->write(upstream->readAll()); });
    QObject::connect(upstream, &QTcpSocket::disconnected, client,
                     [client] { client->disconnectFromHost(); });
    upstream->connectToHost(target.host(), static_cast<quint16>(target.port(80)));
}

} // namespace updatetest
