// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsFeed.h"

#include <QNetworkAccessManager>

#include "DrawService.h"
#include "common/ShownText.h"
#include "history/ArchiveImporter.h"
#include "history/ArchiveSource.h"
#include "history/ArchiveUpdate.h"
#include "history/HttpDownload.h"
#include "history/InternetUpdate.h"

namespace drawservice {

ResultsFeed::ResultsFeed(DrawService& service, QString address)
    : m_service(service), m_address(std::move(address)) {
}

bool ResultsFeed::refresh(QString* report) {
    // The same bounds as the program's own update.
    const history::UpdateSettings limits;
    const history::HttpDownload::Request request =
        history::ArchiveUpdate::archiveRequest(QUrl(m_address), limits, m_etag, m_lastModified);
    QNetworkAccessManager manager;
    const history::HttpDownload::Answer answer =
        history::HttpDownload(manager, nullptr).get(request);
    if (!answer.failure.isEmpty()) {
        *report = QStringLiteral("%1: %2").arg(m_address, answer.failure);
        return false;
    }
    if (answer.code == 304) {
        *report = QStringLiteral("%1: unchanged").arg(m_address);
        return true;
    }
    if (answer.code != 200) {
        *report = QStringLiteral("%1: HTTP %2 %3")
                      .arg(m_address)
                      .arg(answer.code)
                      .arg(common::shownText(answer.reason));
        return false;
    }
    std::vector<history::ArchiveSource::Content> contents;
    history::DrawMerge merge;
    if (!history::ArchiveSource::readZipBytes(answer.body, m_address, limits.maxEntryBytes,
                                              &contents, report)) {
        return false;
    }
    for (const history::ArchiveSource::Content& content : contents) {
        if (!history::ArchiveImporter::collect(content.bytes, content.name, &merge, report)) {
            return false;
        }
    }
    const int added = m_service.addDraws(merge.draws());
    m_etag = answer.etag;
    m_lastModified = answer.lastModified;
    *report = QStringLiteral("%1: %2 new draws, %3 served")
                  .arg(m_address)
                  .arg(added)
                  .arg(m_service.drawCount());
    return true;
}

} // namespace drawservice
