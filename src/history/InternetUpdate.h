// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

#include "common/DayNumber.h"
#include "history/DrawMerge.h"
#include "history/TZiehung.h"

class QNetworkAccessManager;

namespace history {

// What the update needs from the window (or the command line) while it runs.
class UpdateHost {
public:
    virtual ~UpdateHost() = default;

    // true when the update starts: update buttons disabled, stop button
    // shown; false when it ends: buttons enabled, stop button hidden.
    virtual void setRunning(bool running) = 0;
    // The stop button has been hidden by the user.
    virtual bool stopRequested() = 0;
    // Lets the user interface handle pending input (a click on stop).
    virtual void processEvents() = 0;
    // Status bar panel 0 or 1.
    virtual void setStatusText(int panel, const QString& text) = 0;
    // Label29 (draw line) and Label13 (cross sum line) for each received draw.
    virtual void setDrawLine(const QString& text) { (void)text; }
    virtual void setCrossSumLine(const QString& text) { (void)text; }
    // DateTimePicker1 follows the requested date while the update runs.
    virtual void setPickerDate(common::DayNumber day) { (void)day; }
    // A modal message: a line the update cannot process, a bad proxy port, a file error.
    virtual void showMessage(const QString& text) = 0;
    virtual QDate today() = 0;
    // Stored draws contradict the operator's results: true replaces them
    // with the operator's. Nothing is replaced unless asked and agreed.
    virtual bool takeOperatorDraws(const std::vector<DrawMerge::Difference>& differing) {
        (void)differing;
        return false;
    }
    // The moment the update decides by whether a newer draw can exist: the
    // clock, or the end of today's evening when today is not the clock's.
    virtual QDateTime now();
};

struct UpdateSettings {
    // Base address of the draw service, e.g. "http://127.0.0.1:8080"; empty
    // when no service is configured: the update then reads the operator's
    // results archive.
    QString serviceUrl;
    // The addresses of the operator's results archive, tried in this order.
    QStringList resultsUrls;
    // Where the archive's ETag and Last-Modified are kept between runs.
    QString validatorsPath;
    QString proxyHost;                        // ProxyHostEdit; empty: no proxy
    QString proxyPort = QStringLiteral("80"); // ProxyPortEdit
    int connectTimeoutMs = 10000;
    int requestTimeoutMs = 30000;
    // The archive: a longer limit for the whole download, which the request
    // time-out then bounds as a time without data.
    int archiveTimeoutMs = 120000;
    // The operator's archive is well under 1 MiB zipped and a few MiB
    // unpacked; these bounds leave room for years of draws and stop a
    // hostile answer long before it costs memory.
    qint64 maxArchiveBytes = qint64(32) * 1024 * 1024;
    qint64 maxEntryBytes = qint64(64) * 1024 * 1024;
};

struct UpdateResult {
    int appended = 0;
    // The working date: the date of the last record appended, or the first
    // requested date when nothing arrived.
    common::DayNumber aktDatum = 0;
    // The date DateTimePicker1 holds at the end: the draw that would have
    // been requested next. Load at date runs with it.
    common::DayNumber pickerDate = 0;
    // false only when the update ended before its first request (bad proxy
    // port, unreadable history): the host skips load at date then.
    bool reload = true;
    QString memo; // the last body received (Memo1)
    // The status text of a request that got no response at all (which ends
    // the update); empty when every request was answered.
    QString unanswered;
    // The update from the results archive: its closing status for panel 0
    // ("Résultats FDJ : …" or "Mise à jour impossible : …"), stored draws
    // that differ from the operator's (for panel 1), and whether it failed.
    QString summary;
    QString differing;
    bool failed = false;
    // Requests sent (0 when the newest stored draw is the latest possible),
    // and of them those that failed (no answer, or an HTTP error but 500).
    int requests = 0;
    int failedRequests = 0;
    // The newest draw in the history at the end (0 when it is empty).
    common::DayNumber newestDay = 0;
};

// Brings the history file up to date from the draw service, one GET per draw
// from the draw after the newest stored one until the date passes today.
// Requests run in a local event loop so the window keeps painting.
class InternetUpdate {
public:
    static constexpr const char* kPath = "/zahlen/lotto_neu.asp";
    static constexpr const char* kUserAgent = "Mozilla/3.0 (compatible; Indy Library)";
    static constexpr const char* kAccept = "text/html, */*";
    // A draw is one short line; a body beyond this is no answer to a request.
    static constexpr qint64 kMaxBodyBytes = 1024 * 1024;

    InternetUpdate(UpdateHost& host, QString historyPath, UpdateSettings settings);

    // The whole update. The host then copies Label29 to Label35 and runs load
    // at date with result.pickerDate when result.reload is set.
    UpdateResult run();

    // The URL of the request for draw (day, soir) below base.
    static QString requestUrl(const QString& base, common::DayNumber day, int soir);

    // One body line as the service sends it. Fails with the part of the line
    // not yet consumed, starting with the field that failed.
    struct ParsedLine {
        TZiehung record;
        QString drawLine;
        QString crossSumLine;
    };
    static bool parseLine(const QString& line, common::DayNumber day, int soir, ParsedLine* parsed,
                          QString* rest);
    // The body's lines as a memo holds them: CR LF, LF or CR end a line; a
    // final line end adds no empty line.
    static QStringList bodyLines(const QString& body);

private:
    struct Reply {
        int code = 0; // 0: no response at all
        QString text; // reason phrase, or why nothing arrived
        QByteArray body;
    };
    // Next: go on; Finish: end after advancing; Abort: end at once.
    enum class Step { Next, Finish, Abort };

    Reply fetch(QNetworkAccessManager& manager, common::DayNumber day, int soir);
    Step handleReply(const Reply& reply, common::DayNumber day, int soir, UpdateResult* result);
    Step processBody(const QByteArray& body, common::DayNumber day, int soir, UpdateResult* result);
    bool configureProxy(QNetworkAccessManager& manager);
    // False with a message when the newest record's date is damaged: the
    // draws after it cannot be told, and requesting from it would append
    // out of order.
    bool newestDateUsable(const std::vector<TZiehung>& records, common::DayNumber today);

    UpdateHost& m_host;
    QString m_historyPath;
    UpdateSettings m_settings;
};

} // namespace history
