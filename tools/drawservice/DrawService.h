// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "history/TZiehung.h"

namespace drawservice {

class HttpServer;
struct HttpRequest;
struct HttpResponse;

// One request for a draw: GET /zahlen/lotto_neu.asp?Programm=..&Datum=yyyymmdd&Ziehung=0|1
struct DrawRequest {
    std::string target; // path and query as sent
    std::string programm;
    QDate date;       // invalid when Datum is no date
    int ziehung = -1; // -1 when Ziehung is neither 0 nor 1
    std::string accept;
    std::string userAgent;
    std::string cookie;
};

struct Reply {
    int status = 200;
    std::string body;
};

// The draw service: answers each draw request with one line
//   label,n1,...,n20,multiplier,joker(7 digits),joker+(7 digits)
// for a known draw, 500 for a draw after the newest known one (not yet
// published), 404 for a draw that never took place, 400 for a malformed
// request. Files under /scripts/ come from a folder with Last-Modified.
class DrawService {
public:
    // Sees every draw request first; a reply replaces the normal answer.
    using Interceptor = std::function<std::optional<Reply>(const DrawRequest&)>;

    static constexpr const char* kCookieName = "ASPSESSIONIDTIRVEX";

    DrawService();
    ~DrawService();
    DrawService(const DrawService&) = delete;
    DrawService& operator=(const DrawService&) = delete;

    void setDraws(const std::vector<history::TZiehung>& draws);
    // A history file of 48-byte records.
    bool loadHistory(const QString& path, QString* error);
    // The operator's results archive: one CSV or ZIP file, or every *.csv
    // and *.zip in a folder.
    bool loadArchive(const QString& path, QString* error);
    // Adds the draws not yet served; returns how many were new.
    int addDraws(const std::vector<history::TZiehung>& draws);
    int drawCount() const;
    void setScriptsDir(const QString& dir);
    void setInterceptor(Interceptor interceptor);

    // Listens on host:port (0: a port the system chooses) in a thread of its
    // own, once the program has its QCoreApplication; returns the port, or -1 with the reason in
    // *error when it cannot listen (a port in use is "address already in use", never shared). The
    // limits that keep slow clients from starving the others are HttpServer's.
    int start(const std::string& host = "127.0.0.1", int port = 0, QString* error = nullptr);
    void stop();
    // Blocks until the service stops.
    void wait();
    int port() const { return m_port; }
    QString baseUrl() const;
    int drawRequestCount() const;

    // The normal answer to a draw request, without the network.
    Reply answer(const DrawRequest& request) const;
    static std::string bodyLine(const history::TZiehung& draw);
    // An HTTP date (RFC 7231), e.g. "Sun, 06 Nov 1994 08:49:37 GMT".
    static std::string httpDate(const QDateTime& time);

private:
    using Key = std::pair<qint64, int>;
    HttpResponse handle(const HttpRequest& request);
    HttpResponse drawReply(const HttpRequest& request);
    HttpResponse scriptReply(const std::string& name) const;
    // The script file a /scripts/ request names, or empty when it names
    // nothing that may be served.
    QString scriptFile(const QString& name) const;

    std::unique_ptr<HttpServer> m_server;
    int m_port = -1;
    bool m_running = false;
    std::string m_host;

    mutable std::mutex m_mutex;
    std::map<Key, history::TZiehung> m_draws;
    QString m_scriptsDir;
    Interceptor m_interceptor;
    int m_drawRequests = 0;
    int m_sessions = 0;
};

} // namespace drawservice
