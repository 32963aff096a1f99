#include "online/ScriptUpdater.h"

#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <memory>

#include "common/ShownText.h"
#include "common/TextFile.h"

namespace online {

namespace {

ScriptUpdater::Result fail(QString* reason, const QString& why) {
    if (reason) {
        *reason = why;
    }
    return ScriptUpdater::Result::Failed;
}

} // namespace

QString ScriptUpdater::requestUrl(const QString& serviceUrl, const QString& templatePath) {
    QString base = serviceUrl.trimmed();
    while (base.endsWith(QLatin1Char('/'))) {
        base.chop(1);
    }
    const QString name =
        QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(templatePath).fileName()));
    return base + QStringLiteral("/scripts/") + name + QStringLiteral(".txt");
}

bool ScriptUpdater::isText(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 ? byte != 0x7F
                            : byte == '\t' || byte == '\n' || byte == '\r' || byte == '\f';
    });
}

ScriptUpdater::Result ScriptUpdater::update(const QString& serviceUrl, const QString& templatePath,
                                            QString* reason) {
    if (serviceUrl.trimmed().isEmpty()) {
        return fail(reason, QStringLiteral("no service address"));
    }
    const QFileInfo local(templatePath);
    if (templatePath.isEmpty() || !local.isFile()) {
        return fail(reason, QStringLiteral("no local template"));
    }
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(requestUrl(serviceUrl, templatePath))};
    request.setTransferTimeout(kTimeoutMs);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QEventLoop loop;
    bool tooLarge = false;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // A body over the limit is dropped as it arrives, not first held whole.
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 received, qint64 total) {
                         if (received >= kMaxBytes || total >= kMaxBytes) {
                             tooLarge = true;
                             reply->abort();
                         }
                     });
    if (!reply->isFinished()) {
        loop.exec();
    }
    if (tooLarge) {
        return fail(reason, QStringLiteral("the script is not under 1 MiB"));
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status != 200) {
        // Qt's text carries the server's reason phrase.
        return fail(reason, common::shownText(reply->errorString()));
    }
    const QDateTime lastModified = reply->header(QNetworkRequest::LastModifiedHeader).toDateTime();
    if (!lastModified.isValid() || local.lastModified() >= lastModified) {
        return Result::UpToDate;
    }
    const QByteArray body = reply->readAll();
    if (body.size() >= kMaxBytes || !isText(body)) {
        return fail(reason, QStringLiteral("the answer is no script text"));
    }
    // Replaced whole, so a failed write never leaves half a template.
    QString error;
    if (!common::TextFile::writeBytes(templatePath, body, &error)) {
        return fail(reason, error);
    }
    return Result::Updated;
}

} // namespace online
