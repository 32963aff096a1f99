// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ArchiveUpdate.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QUrl>

#include "common/Formats.h"
#include "common/ShownText.h"
#include "history/ArchiveImporter.h"
#include "history/ArchiveSource.h"
#include "history/ArchiveValidators.h"
#include "history/DrawSchedule.h"
#include "history/HistoryFile.h"
#include "history/HttpDownload.h"

namespace history {

namespace {

const QString kPrefix = QStringLiteral("Résultats FDJ : ");
// Room for the import's longest message (a header that is not the operator's).
constexpr qsizetype kShownFailureMax = 400;

QString drawText(const TZiehung& draw) {
    return common::formatShortDate(common::toDate(draw.datum)) +
           (draw.soir ? QStringLiteral(" soir") : QStringLiteral(" midi"));
}

bool usableAddress(const QUrl& url) {
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

} // namespace

ArchiveUpdate::ArchiveUpdate(UpdateHost& host, QString historyPath, UpdateSettings settings)
    : m_host(host), m_historyPath(std::move(historyPath)), m_settings(std::move(settings)) {
}

QString ArchiveUpdate::addedText(int added, const TZiehung& newest) {
    const QString count = added == 1 ? QStringLiteral("1 nouveau tirage")
                                     : QStringLiteral("%1 nouveaux tirages").arg(added);
    return kPrefix + count + QStringLiteral(", jusqu'au ") + drawText(newest);
}

QString ArchiveUpdate::upToDateText(const TZiehung& newest) {
    return kPrefix + QStringLiteral("à jour (") + drawText(newest) + QLatin1Char(')');
}

QString ArchiveUpdate::failedText(const QString& reason) {
    return QStringLiteral("Mise à jour impossible : ") + reason;
}

HttpDownload::Request ArchiveUpdate::archiveRequest(const QUrl& url, const UpdateSettings& settings,
                                                    const QByteArray& etag,
                                                    const QByteArray& lastModified) {
    HttpDownload::Request request;
    request.url = url;
    request.headers = {{"Accept", "application/zip, */*"}};
    if (!etag.isEmpty()) {
        request.headers.append({"If-None-Match", etag});
    }
    if (!lastModified.isEmpty()) {
        request.headers.append({"If-Modified-Since", lastModified});
    }
    request.redirects = HttpDownload::Redirects::HttpsOnly;
    request.maxBytes = settings.maxArchiveBytes;
    request.connectTimeoutMs = settings.connectTimeoutMs;
    request.idleTimeoutMs = settings.requestTimeoutMs;
    request.totalTimeoutMs = settings.archiveTimeoutMs;
    return request;
}

UpdateResult ArchiveUpdate::run() {
    UpdateResult result;
    m_host.setRunning(true);
    auto finish = [&](bool reload) {
        result.reload = reload;
        m_host.setRunning(false);
        return result;
    };
    auto fail = [&](const QString& reason) {
        result.failed = true;
        result.summary = failedText(reason);
        m_host.setStatusText(0, result.summary);
    };

    std::vector<TZiehung> records;
    QString error;
    if (HistoryFile::readAll(m_historyPath, &records, &error) == HistoryFile::Status::Error) {
        m_host.showMessage(error);
        fail(error);
        return finish(false);
    }
    if (!records.empty() &&
        !DrawSchedule::newerDrawPossible(records.back().datum, records.back().soir, m_host.now())) {
        // No draw can have been published since: no request at all.
        finishResult(records, &result);
        result.summary = upToDateText(records.back());
        m_host.setStatusText(0, result.summary);
        return finish(true);
    }
    QNetworkAccessManager manager;
    if (!HttpDownload::applyProxy(manager, m_settings.proxyHost, m_settings.proxyPort, &error)) {
        m_host.showMessage(error);
        fail(error);
        return finish(false);
    }
    const ArchiveValidators known = ArchiveValidators::read(m_settings.validatorsPath);
    // The archive's validators only stand for draws the history still holds:
    // a history cut back since then asks for the whole archive again.
    const bool holdsKnown =
        !records.empty() &&
        (records.back().datum > known.newestDay ||
         (records.back().datum == known.newestDay && records.back().soir >= known.newestSoir));
    QStringList failures;
    bool fetched = false;
    for (const QString& address : m_settings.resultsUrls) {
        QString failure;
        const bool conditional = holdsKnown && address == known.address;
        if (fetchFrom(manager, address, known, conditional, &result, &failure)) {
            fetched = true;
            break;
        }
        failures << failure;
        if (m_stopped) {
            break;
        }
        m_host.processEvents();
    }
    if (m_settings.resultsUrls.isEmpty()) {
        failures << QStringLiteral("aucune adresse des résultats FDJ (page « Options Internet »)");
    }
    if (!fetched) {
        fail(failures.join(QStringLiteral(" ; ")));
    }
    records.clear();
    HistoryFile::readAll(m_historyPath, &records);
    finishResult(records, &result);
    if (fetched) {
        result.summary = records.empty()       ? failedText(QStringLiteral("archive vide"))
                         : result.appended > 0 ? addedText(result.appended, records.back())
                                               : upToDateText(records.back());
        m_host.setStatusText(0, result.summary);
        if (!result.differing.isEmpty()) {
            m_host.setStatusText(1, result.differing);
        }
    }
    return finish(true);
}

bool ArchiveUpdate::fetchFrom(QNetworkAccessManager& manager, const QString& address,
                              const ArchiveValidators& known, bool conditional,
                              UpdateResult* result, QString* failure) {
    const QUrl url(address.trimmed());
    if (!usableAddress(url)) {
        *failure = QStringLiteral("adresse invalide \"%1\"").arg(address);
        return false;
    }
    const HttpDownload::Request request =
        conditional ? archiveRequest(url, m_settings, known.etag, known.lastModified)
                    : archiveRequest(url, m_settings, {}, {});

    m_host.setStatusText(0, kPrefix + QStringLiteral("téléchargement de ") + url.host());
    ++result->requests;
    const HttpDownload::Answer answer =
        HttpDownload(manager, [this] { return m_host.stopRequested(); }).get(request);
    if (answer.stopped) {
        m_stopped = true;
        *failure = QStringLiteral("arrêtée (%1)").arg(address);
        return false;
    }
    if (!answer.failure.isEmpty()) {
        *failure = QStringLiteral("%1: %2").arg(address, answer.failure);
        return false;
    }
    if (answer.code == 304) {
        return true; // unchanged since the last download
    }
    if (answer.code != 200) {
        *failure = QStringLiteral("%1: HTTP %2 %3")
                       .arg(address)
                       .arg(answer.code)
                       .arg(common::shownText(answer.reason));
        return false;
    }
    if (!merge(address, answer.body, result, failure)) {
        // The archive's own texts (a quoted field) are the server's: shown,
        // never acted upon by a terminal.
        *failure = common::shownText(*failure, kShownFailureMax);
        return false;
    }
    if (m_keptDifferences) {
        // Unconditional next time, so that the kept draws are offered again
        // instead of hidden behind "not modified".
        if (!m_settings.validatorsPath.isEmpty()) {
            QFile::remove(m_settings.validatorsPath);
        }
        return true;
    }
    std::vector<TZiehung> records;
    HistoryFile::readAll(m_historyPath, &records);
    ArchiveValidators validators;
    validators.address = address;
    validators.etag = answer.etag;
    validators.lastModified = answer.lastModified;
    if (!records.empty()) {
        validators.newestDay = records.back().datum;
        validators.newestSoir = records.back().soir;
    }
    // Without the validators the next update only downloads again.
    if (!m_settings.validatorsPath.isEmpty()) {
        validators.write(m_settings.validatorsPath, nullptr);
    }
    return true;
}

bool ArchiveUpdate::merge(const QString& address, const QByteArray& zip, UpdateResult* result,
                          QString* failure) {
    std::vector<ArchiveSource::Content> contents;
    if (!ArchiveSource::readZipBytes(zip, address, m_settings.maxEntryBytes, &contents, failure)) {
        return false;
    }
    const auto ask = [this](const std::vector<DrawMerge::Difference>& differing) {
        return m_host.takeOperatorDraws(differing);
    };
    const ArchiveImporter::Result imported = ArchiveImporter::importContents(
        contents, m_historyPath, m_historyPath + QLatin1Char('~'), m_host.today(), ask);
    if (!imported.ok) {
        *failure = imported.error;
        return false;
    }
    result->appended = imported.imported;
    result->differing = ArchiveImporter::differenceText(imported.differing, imported.replaced);
    m_keptDifferences = !imported.differing.empty() && !imported.replaced;
    return true;
}

void ArchiveUpdate::finishResult(const std::vector<TZiehung>& records, UpdateResult* result) {
    if (records.empty()) {
        const common::DayNumber today = common::toDayNumber(m_host.today());
        result->pickerDate = today;
        result->aktDatum = today;
        return;
    }
    const TZiehung& newest = records.back();
    result->newestDay = newest.datum;
    result->aktDatum = newest.datum;
    // The draw that would be asked for next, as after the draw-by-draw update.
    result->pickerDate = newest.soir ? newest.datum + 1 : newest.datum;
    m_host.setPickerDate(result->pickerDate);
}

} // namespace history
