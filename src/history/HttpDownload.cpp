// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HttpDownload.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include "common/Formats.h"

namespace history {

namespace {

// How often a running request looks at the stop button.
constexpr int kStopPollMs = 50;
// The reply's own buffer stays small: the body is taken out as it arrives.
constexpr qint64 kReadBufferBytes = 64 * 1024;

} // namespace

HttpDownload::HttpDownload(QNetworkAccessManager& manager, std::function<bool()> stopRequested)
    : m_manager(manager), m_stopRequested(std::move(stopRequested)) {
}

bool HttpDownload::applyProxy(QNetworkAccessManager& manager, const QString& host,
                              const QString& port, QString* error) {
    if (host.trimmed().isEmpty()) {
        manager.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        return true;
    }
    qint64 number = 0;
    if (!common::parseInteger(port, &number) || number < 0 || number > 65535) {
        *error = QStringLiteral("« %1 » n'est pas un nombre entier valide").arg(port);
        return false;
    }
    manager.setProxy(
        QNetworkProxy(QNetworkProxy::HttpProxy, host.trimmed(), static_cast<quint16>(number)));
    return true;
}

QString HttpDownload::sizeText(qint64 bytes) {
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0) {
        return QStringLiteral("%1 Mio").arg(bytes / (1024 * 1024));
    }
    if (bytes >= 1024 && bytes % 1024 == 0) {
        return QStringLiteral("%1 Kio").arg(bytes / 1024);
    }
    return QStringLiteral("%1 octets").arg(bytes);
}

HttpDownload::Answer HttpDownload::get(const Request& request) {
    // Without an application object no event reaches the loop below: the
    // request would never end.
    if (!QCoreApplication::instance()) {
        Answer answer;
        answer.failure = QStringLiteral("aucune boucle d'événements pour la requête");
        return answer;
    }
    QNetworkRequest net(request.url);
    for (const auto& [name, value] : request.headers) {
        net.setRawHeader(name, value);
    }
    const QNetworkRequest::RedirectPolicy policy =
        request.redirects == Redirects::Refused     ? QNetworkRequest::ManualRedirectPolicy
        : request.redirects == Redirects::HttpsOnly ? QNetworkRequest::UserVerifiedRedirectPolicy
                                                    : QNetworkRequest::NoLessSafeRedirectPolicy;
    net.setAttribute(QNetworkRequest::RedirectPolicyAttribute, policy);
    net.setMaximumRedirectsAllowed(5);
    QNetworkReply* reply = m_manager.get(net);
    reply->setReadBufferSize(kReadBufferBytes);

    Answer answer;
    QString failure;
    QEventLoop loop;
    auto fail = [&](const QString& why) {
        if (failure.isEmpty()) {
            failure = why;
        }
        reply->abort();
    };
    QTimer connectTimer;
    QTimer idleTimer;
    QTimer totalTimer;
    QTimer stopPoll;
    connectTimer.setSingleShot(true);
    idleTimer.setSingleShot(true);
    totalTimer.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // Once the request is out, the connection stands.
    QObject::connect(reply, &QNetworkReply::requestSent, &connectTimer, &QTimer::stop);
    QObject::connect(&connectTimer, &QTimer::timeout, reply,
                     [&] { fail(QStringLiteral("Délai de connexion dépassé")); });
    QObject::connect(&idleTimer, &QTimer::timeout, reply,
                     [&] { fail(QStringLiteral("Délai de la requête dépassé (aucune donnée)")); });
    QObject::connect(&totalTimer, &QTimer::timeout, reply,
                     [&] { fail(QStringLiteral("Délai de la requête dépassé")); });
    QObject::connect(&stopPoll, &QTimer::timeout, reply, [&] {
        if (m_stopRequested && m_stopRequested()) {
            answer.stopped = true;
            fail(QStringLiteral("stopped"));
        }
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        answer.body += reply->readAll();
        if (answer.body.size() > request.maxBytes) {
            answer.tooLarge = true;
            answer.body.clear();
            fail(QStringLiteral("réponse de plus de %1").arg(sizeText(request.maxBytes)));
            return;
        }
        if (request.idleTimeoutMs > 0) {
            idleTimer.start(request.idleTimeoutMs);
        }
    });
    QObject::connect(reply, &QNetworkReply::redirected, reply, [&](const QUrl& target) {
        if (target.scheme() == QLatin1String("https")) {
            Q_EMIT reply->redirectAllowed();
        } else {
            fail(QStringLiteral(
                     "redirection vers %1 refusée : seules les adresses https sont suivies")
                     .arg(target.toString()));
        }
    });
    connectTimer.start(request.connectTimeoutMs);
    totalTimer.start(request.totalTimeoutMs);
    if (request.idleTimeoutMs > 0) {
        idleTimer.start(request.idleTimeoutMs);
    }
    stopPoll.start(kStopPollMs);
    if (!reply->isFinished()) {
        loop.exec();
    }
    if (failure.isEmpty()) {
        answer.body += reply->readAll();
        if (answer.body.size() > request.maxBytes) {
            answer.tooLarge = true;
            answer.body.clear();
            failure = QStringLiteral("réponse de plus de %1").arg(sizeText(request.maxBytes));
        }
    }

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    answer.finalUrl = reply->url();
    if (failure.isEmpty() && status.isValid()) {
        answer.code = status.toInt();
        answer.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        answer.etag = reply->rawHeader("ETag");
        answer.lastModified = reply->rawHeader("Last-Modified");
        answer.lastModifiedTime = reply->header(QNetworkRequest::LastModifiedHeader).toDateTime();
    } else {
        answer.body.clear();
        answer.failure = failure.isEmpty() ? reply->errorString() : failure;
        // A size limit hit on a real answer keeps its code for the message.
        if (answer.tooLarge && status.isValid()) {
            answer.code = status.toInt();
        }
    }
    delete reply;
    return answer;
}

} // namespace history
