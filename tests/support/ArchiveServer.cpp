// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveServer.h"

#include <QBuffer>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QTemporaryFile>
#include <quazip.h>
#include <quazipfile.h>

#include "TestSupport.h"

namespace updatetest {

namespace {

QByteArray tlsFile(const QString& name) {
    return testsupport::fileBytes(testsupport::dataFile(QStringLiteral("tls/") + name));
}

constexpr qint64 kEndlessLimit = qint64(256) * 1024 * 1024;

} // namespace

ArchiveServer::ArchiveServer(const QString& certificate) : m_tls(!certificate.isEmpty()) {
    if (m_tls) {
        auto server = std::make_unique<QSslServer>();
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setLocalCertificate(QSslCertificate(tlsFile(certificate + QStringLiteral(".crt"))));
        config.setPrivateKey(QSslKey(tlsFile(certificate + QStringLiteral(".key")), QSsl::Rsa));
        config.setPeerVerifyMode(QSslSocket::VerifyNone);
        server->setSslConfiguration(config);
        QObject::connect(server.get(), &QSslServer::pendingConnectionAvailable, [this] {
            while (QTcpSocket* socket = m_server->nextPendingConnection()) {
                serve(socket);
            }
        });
        m_server = std::move(server);
    } else {
        m_server = std::make_unique<QTcpServer>();
        QObject::connect(m_server.get(), &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server->nextPendingConnection()) {
                serve(socket);
            }
        });
    }
    m_server->listen(QHostAddress::LocalHost, 0);
}

ArchiveServer::~ArchiveServer() = default;

QString ArchiveServer::url(const QString& path) const {
    return QStringLiteral("%1://127.0.0.1:%2%3")
        .arg(m_tls ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(m_server->serverPort())
        .arg(path);
}

void ArchiveServer::serve(QTcpSocket* socket) {
    socket->setParent(m_server.get());
    auto head = std::make_shared<QByteArray>();
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, head] {
        if (head->endsWith("\r\n\r\n")) {
            socket->readAll();
            return;
        }
        *head += socket->readAll();
        if (head->contains("\r\n\r\n")) {
            *head = head->left(head->indexOf("\r\n\r\n") + 4);
            answer(socket, *head);
        }
    });
}

void ArchiveServer::answer(QTcpSocket* socket, const QByteArray& head) {
    m_requests.push_back(head);
    const Answer reply = m_handler ? m_handler(head) : Answer{404, {}, "not found"};
    if (reply.silent) {
        return;
    }
    QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.code) + " Answer\r\n";
    for (const auto& [name, value] : reply.headers) {
        out += name + ": " + value + "\r\n";
    }
    if (reply.endless) {
        socket->write(out + "Transfer-Encoding: chunked\r\n\r\n");
        const QByteArray chunk = "10000\r\n" + QByteArray(0x10000, 'x') + "\r\n";
        auto sent = std::make_shared<qint64>(0);
        auto more = [socket, chunk, sent] {
            while (socket->bytesToWrite() < 4 * chunk.size() && *sent < kEndlessLimit) {
                socket->write(chunk);
                *sent += chunk.size();
            }
        };
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, more);
        more();
        return;
    }
    out += "Content-Length: " + QByteArray::number(reply.body.size()) +
           "\r\nConnection: close\r\n\r\n" + reply.body;
    socket->write(out);
    socket->disconnectFromHost();
}

ArchiveServer::Handler ArchiveServer::archive(const QByteArray& body, const QByteArray& etag) {
    return [body, etag](const QByteArray& head) {
        if (head.contains("If-None-Match: " + etag)) {
            return Answer{304, {{"ETag", etag}}, {}};
        }
        return Answer{200,
                      {{"ETag", etag},
                       {"Last-Modified", "Mon, 08 Dec 2026 20:30:00 GMT"},
                       {"Content-Type", "application/zip"}},
                      body};
    };
}

QByteArray ArchiveServer::zip(const QList<QPair<QString, QByteArray>>& entries,
                              const char* password) {
    QTemporaryFile file;
    if (!file.open()) {
        return {};
    }
    file.close();
    QuaZip archive(file.fileName());
    if (!archive.open(QuaZip::mdCreate)) {
        return {};
    }
    for (const auto& [name, bytes] : entries) {
        QuaZipFile entry(&archive);
        if (!entry.open(QIODevice::WriteOnly, QuaZipNewInfo(name), password)) {
            return {};
        }
        entry.write(bytes);
        entry.close();
    }
    archive.close();
    return file.open() ? file.readAll() : QByteArray();
}

void ArchiveServer::trustTestCertificate() {
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.addCaCertificate(QSslCertificate(tlsFile(QStringLiteral("trusted.crt"))));
    QSslConfiguration::setDefaultConfiguration(config);
}

QByteArray madeUpRows(int count) {
    QByteArray rows;
    QDate day(2025, 6, 4);
    int soir = 1;
    QList<QByteArray> lines;
    for (int k = 0; k < count; ++k) {
        QByteArray line = QByteArray::number(25310 + k) + ';' +
                          day.toString(QStringLiteral("dd/MM/yyyy")).toLatin1() + ';' +
                          (soir ? "soir" : "midi") + ";01/09/2025";
        for (int i = 0; i < 20; ++i) {
            line += ';' + QByteArray::number((k * 7 + i * 3) % 70 + 1);
        }
        line += ";2;" + QByteArray::number(1000000 + k) + ";eur;\n";
        lines.prepend(line);
        if (soir) {
            day = day.addDays(1);
        }
        soir = 1 - soir;
    }
    for (const QByteArray& line : lines) {
        rows += line;
    }
    return rows;
}

QByteArray withMadeUpRows(const QByteArray& csv, int count) {
    const qsizetype headerEnd = csv.indexOf('\n') + 1;
    return csv.left(headerEnd) + madeUpRows(count) + csv.mid(headerEnd);
}

} // namespace updatetest
