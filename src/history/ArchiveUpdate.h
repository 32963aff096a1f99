// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "history/HttpDownload.h"
#include "history/InternetUpdate.h"

class QNetworkAccessManager;

namespace history {

struct ArchiveValidators;

// Brings the history up to date from the operator's published results
// archive (one ZIP holding the results CSV): downloads it when a newer draw
// can exist, merges it as the archive import does (new draws in date order,
// gaps filled, a stored draw that differs left as it is and named) and
// replaces the history in one step, or leaves it untouched.
class ArchiveUpdate {
public:
    ArchiveUpdate(UpdateHost& host, QString historyPath, UpdateSettings settings);

    UpdateResult run();

    // "Résultats FDJ : 12 nouveaux tirages, jusqu'au 08.12.2026 soir" and
    // "Résultats FDJ : à jour (08.12.2026 soir)".
    static QString addedText(int added, const TZiehung& newest);
    static QString upToDateText(const TZiehung& newest);
    static QString failedText(const QString& reason);
    // The request for the archive at url within the settings' bounds; the
    // validators of an earlier answer make it conditional.
    static HttpDownload::Request archiveRequest(const QUrl& url, const UpdateSettings& settings,
                                                const QByteArray& etag,
                                                const QByteArray& lastModified);

private:
    // One address: false with *failure when it gave no usable archive.
    bool fetchFrom(QNetworkAccessManager& manager, const QString& address,
                   const ArchiveValidators& known, bool conditional, UpdateResult* result,
                   QString* failure);
    bool merge(const QString& address, const QByteArray& zip, UpdateResult* result,
               QString* failure);
    void finishResult(const std::vector<TZiehung>& records, UpdateResult* result);

    UpdateHost& m_host;
    QString m_historyPath;
    UpdateSettings m_settings;
    bool m_stopped = false;
    // The last merge left stored draws that differ from the operator's.
    bool m_keptDifferences = false;
};

} // namespace history
