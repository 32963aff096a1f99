// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QSslServer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QTcpSocket;

namespace updatetest {

// A results-archive server on 127.0.0.1, plain HTTP or HTTPS with one of the
// certificates in tests/data/tls. It answers each request with what the
// handler returns; it runs in the test's thread, served by the event loop the
// download runs.
class ArchiveServer {
public:
    struct Answer {
        int code = 200;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        bool silent = false;  // keep the connection open and send nothing
        bool endless = false; // a chunked body that never ends (bounded here at 256 MiB)
    };
    // The request head: request line and headers, as sent.
    using Handler = std::function<Answer(const QByteArray& head)>;

    // certificate: "" for plain HTTP, else "trusted" or "untrusted".
    explicit ArchiveServer(const QString& certificate = QString());
    ~ArchiveServer();

    void setHandler(Handler handler) { m_handler = std::move(handler); }
    QString url(const QString& path = QStringLiteral("/keno_202010.zip")) const;
    const QList<QByteArray>& requests() const { return m_requests; }

    // Serves body with an ETag, and 304 to a request that names that ETag.
    static Handler archive(const QByteArray& body, const QByteArray& etag = "\"v1\"");
    // A ZIP archive holding the given entries (name, bytes), encrypted with
    // password when one is given.
    static QByteArray zip(const QList<QPair<QString, QByteArray>>& entries,
                          const char* password = nullptr);
    // Makes the test process trust tests/data/tls/trusted.crt.
    static void trustTestCertificate();

private:
    void serve(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QByteArray& head);

    std::unique_ptr<QTcpServer> m_server;
    bool m_tls = false;
    Handler m_handler;
    QList<QByteArray> m_requests;
};

// Rows in the operator's format for made-up draws after 04.06.2025 midi:
// count draws from 04.06.2025 soir on, newest first, without header.
QByteArray madeUpRows(int count);
// An export of the operator's that ends on 04.06.2025 midi, with count
// made-up draws after its newest, in the operator's order (newest first,
// after the header).
QByteArray withMadeUpRows(const QByteArray& csv, int count);

} // namespace updatetest
