// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;

namespace history {

// One GET whose cost is bounded whatever the server does: a time to connect,
// a time without data, a time for the whole answer and a count of bytes
// (counted as they arrive, so an endless chunked or unframed body is cut as
// surely as one that announces its length). Runs in a local event loop, so
// the window keeps painting and a stop takes effect at once.
class HttpDownload {
public:
    enum class Redirects {
        Refused,    // a redirect is answered as it is (a code above 200)
        HttpsOnly,  // followed when it leads to an https address, else a failure
        NoLessSafe, // followed unless it leads from https to http
    };

    struct Request {
        QUrl url;
        QList<QPair<QByteArray, QByteArray>> headers;
        Redirects redirects = Redirects::Refused;
        qint64 maxBytes = 1024 * 1024;
        int connectTimeoutMs = 10000;
        int idleTimeoutMs = 0; // 0: only the whole-answer limit counts
        int totalTimeoutMs = 30000;
    };

    struct Answer {
        int code = 0;   // 0: no HTTP answer (see failure)
        QString reason; // the reason phrase of the answer
        QByteArray body;
        QByteArray etag;            // ETag of a 200 answer
        QByteArray lastModified;    // Last-Modified of a 200 answer, as sent
        QDateTime lastModifiedTime; // the same read as a time; invalid when absent
        QUrl finalUrl;              // after redirects
        // Why no complete answer arrived: time-out, stop, size, TLS, network.
        // Empty when code and body are the server's whole answer.
        QString failure;
        bool stopped = false;
        bool tooLarge = false;
    };

    // stopRequested is polled while the request runs; true aborts it.
    HttpDownload(QNetworkAccessManager& manager, std::function<bool()> stopRequested);

    Answer get(const Request& request);

    // Sets the manager's proxy: none for an empty host, else an HTTP proxy at
    // host:port. False with *error for a port that is no whole number 0..65535.
    static bool applyProxy(QNetworkAccessManager& manager, const QString& host, const QString& port,
                           QString* error);
    // "1 MiB", "32 MiB", "512 KiB": a limit as the messages name it.
    static QString sizeText(qint64 bytes);

private:
    QNetworkAccessManager& m_manager;
    std::function<bool()> m_stopRequested;
};

} // namespace history
