// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/ScriptUpdater.h"

#include <QDateTime>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QUrl>
#include <algorithm>
#include <memory>

#include "common/FileError.h"
#include "common/ShownText.h"
#include "common/TextFile.h"
#include "history/HttpDownload.h"

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
        return fail(reason, QStringLiteral("aucune adresse de service"));
    }
    const QFileInfo local(templatePath);
    if (templatePath.isEmpty() || !local.isFile()) {
        return fail(reason, QStringLiteral("aucun modèle local"));
    }
    QNetworkAccessManager manager;
    history::HttpDownload::Request request;
    request.url = QUrl(requestUrl(serviceUrl, templatePath));
    request.redirects = history::HttpDownload::Redirects::NoLessSafe;
    // Counted as the bytes arrive, whatever the answer's framing.
    request.maxBytes = kMaxBytes - 1;
    request.idleTimeoutMs = kTimeoutMs;
    request.totalTimeoutMs = 4 * kTimeoutMs;
    const history::HttpDownload::Answer answer =
        history::HttpDownload(manager, nullptr).get(request);
    if (answer.tooLarge) {
        return fail(reason, QStringLiteral("le script dépasse 1 Mio"));
    }
    if (!answer.failure.isEmpty() || answer.code != 200) {
        return fail(
            reason,
            common::shownText(answer.failure.isEmpty()
                                  ? QStringLiteral("HTTP %1 %2").arg(answer.code).arg(answer.reason)
                                  : answer.failure));
    }
    const QDateTime lastModified = answer.lastModifiedTime;
    if (!lastModified.isValid() || local.lastModified() >= lastModified) {
        return Result::UpToDate;
    }
    const QByteArray& body = answer.body;
    if (body.size() >= kMaxBytes || !isText(body)) {
        return fail(reason, QStringLiteral("la réponse n'est pas un script"));
    }
    // Replaced whole, so a failed write never leaves half a template.
    QString error;
    if (!common::TextFile::writeBytes(templatePath, body, &error)) {
        return fail(reason, common::fileError(templatePath, error));
    }
    return Result::Updated;
}

} // namespace online
