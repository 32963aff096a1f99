#include "DrawService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <chrono>
#include <httplib.h>

#include "common/DayNumber.h"
#include "history/ArchiveImporter.h"
#include "history/ArchiveSource.h"
#include "history/HistoryFile.h"

namespace drawservice {

namespace {

std::string digits(const std::array<std::uint8_t, 7>& values) {
    std::string text;
    for (std::uint8_t value : values) {
        text += static_cast<char>('0' + value % 10);
    }
    return text;
}

DrawRequest readRequest(const httplib::Request& req) {
    DrawRequest request;
    request.target = req.target;
    request.programm = req.get_param_value("Programm");
    request.date = QDate::fromString(QString::fromStdString(req.get_param_value("Datum")),
                                     QStringLiteral("yyyyMMdd"));
    const std::string ziehung = req.get_param_value("Ziehung");
    if (ziehung == "0" || ziehung == "1") {
        request.ziehung = ziehung[0] - '0';
    }
    request.accept = req.get_header_value("Accept");
    request.userAgent = req.get_header_value("User-Agent");
    request.cookie = req.get_header_value("Cookie");
    return request;
}

// A script name is a plain relative path inside the scripts folder, without
// hidden files or folders (which also rules out "." and "..").
bool safeScriptName(const QString& name) {
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        return false;
    }
    const QStringList parts = name.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        if (part.isEmpty() || part.startsWith(QLatin1Char('.'))) {
            return false;
        }
    }
    return true;
}

} // namespace

DrawService::DrawService() : m_server(std::make_unique<httplib::Server>()) {
    // Small answers written in pieces would otherwise wait for delayed ACKs.
    m_server->set_tcp_nodelay(true);
    // A client updating a long history sends thousands of requests in a row.
    m_server->set_keep_alive_max_count(1000);
    m_server->set_keep_alive_timeout(kReadTimeoutSeconds);
    m_server->set_read_timeout(kReadTimeoutSeconds);
    m_server->set_write_timeout(kWriteTimeoutSeconds);
    m_server->set_payload_max_length(kMaxBodyBytes);
    m_server->new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    installRoutes();
}

DrawService::~DrawService() {
    stop();
}

void DrawService::setDraws(const std::vector<history::TZiehung>& draws) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_draws.clear();
    for (const history::TZiehung& draw : draws) {
        m_draws[{common::wholeDay(draw.datum), draw.soir}] = draw;
    }
}

bool DrawService::loadHistory(const QString& path, QString* error) {
    std::vector<history::TZiehung> records;
    if (history::HistoryFile::readAll(path, &records, error) != history::HistoryFile::Status::Ok) {
        return false;
    }
    setDraws(records);
    return true;
}

bool DrawService::loadArchive(const QString& path, QString* error) {
    QStringList files;
    if (QFileInfo(path).isDir()) {
        const QDir folder(path);
        for (const QString& name : folder.entryList(
                 {QStringLiteral("*.csv"), QStringLiteral("*.zip")}, QDir::Files, QDir::Name)) {
            files << folder.filePath(name);
        }
        if (files.isEmpty()) {
            *error = QStringLiteral("%1: no archive files (*.csv, *.zip)").arg(path);
            return false;
        }
    } else {
        files << path;
    }
    std::vector<history::ArchiveSource::Content> contents;
    if (!history::ArchiveSource::read(files, &contents, error)) {
        return false;
    }
    // Overlapping exports are merged as the import merges them.
    history::DrawMerge merge;
    for (const history::ArchiveSource::Content& content : contents) {
        if (!history::ArchiveImporter::collect(content.bytes, content.name, &merge, error)) {
            return false;
        }
    }
    setDraws(merge.draws());
    return true;
}

int DrawService::addDraws(const std::vector<history::TZiehung>& draws) {
    std::lock_guard<std::mutex> lock(m_mutex);
    int added = 0;
    for (const history::TZiehung& draw : draws) {
        added +=
            m_draws.try_emplace({common::wholeDay(draw.datum), draw.soir}, draw).second ? 1 : 0;
    }
    return added;
}

int DrawService::drawCount() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(m_draws.size());
}

void DrawService::setScriptsDir(const QString& dir) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_scriptsDir = dir;
}

void DrawService::setInterceptor(Interceptor interceptor) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_interceptor = std::move(interceptor);
}

std::string DrawService::bodyLine(const history::TZiehung& draw) {
    const QDate date = common::toDate(draw.datum);
    std::string line =
        date.toString(QStringLiteral("dd.MM.yyyy")).toStdString() + (draw.soir ? " soir" : " midi");
    for (std::uint8_t number : draw.zahlen) {
        line += ',' + std::to_string(number);
    }
    line += ',' + std::to_string(draw.multiplicateur);
    line += ',' + digits(draw.joker) + ',' + digits(draw.jokerPlus);
    return line + "\r\n";
}

std::string DrawService::httpDate(const QDateTime& time) {
    return QLocale::c()
        .toString(time.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
        .toStdString();
}

Reply DrawService::answer(const DrawRequest& request) const {
    if (!request.date.isValid() || request.ziehung < 0) {
        return {400, "bad request: Datum=yyyymmdd and Ziehung=0|1 expected\r\n"};
    }
    const Key key{common::wholeDay(common::toDayNumber(request.date)), request.ziehung};
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_draws.find(key);
    if (found != m_draws.end()) {
        return {200, bodyLine(found->second)};
    }
    if (m_draws.empty() || m_draws.rbegin()->first < key) {
        return {500, "not yet published\r\n"};
    }
    return {404, "no such draw\r\n"};
}

void DrawService::installRoutes() {
    m_server->Get("/zahlen/lotto_neu.asp",
                  [this](const httplib::Request& req, httplib::Response& res) {
                      const DrawRequest request = readRequest(req);
                      Interceptor interceptor;
                      bool newSession = false;
                      int session = 0;
                      {
                          std::lock_guard<std::mutex> lock(m_mutex);
                          ++m_drawRequests;
                          interceptor = m_interceptor;
                          newSession = request.cookie.find(kCookieName) == std::string::npos;
                          session = newSession ? ++m_sessions : 0;
                      }
                      std::optional<Reply> reply;
                      if (interceptor) {
                          reply = interceptor(request);
                      }
                      if (!reply) {
                          reply = answer(request);
                      }
                      if (newSession) {
                          res.set_header("Set-Cookie", std::string(kCookieName) + "=S" +
                                                           std::to_string(session) + "; path=/");
                      }
                      res.status = reply->status;
                      res.set_content(reply->body, "text/html");
                  });
    m_server->Get(R"(/scripts/(.+))", [this](const httplib::Request& req, httplib::Response& res) {
        QFile file(scriptFile(QString::fromStdString(req.matches[1])));
        if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly)) {
            res.status = 404;
            res.set_content("no such script\r\n", "text/plain");
            return;
        }
        const QByteArray bytes = file.readAll();
        res.set_header("Last-Modified", httpDate(QFileInfo(file).lastModified()));
        res.set_content(bytes.toStdString(), "application/octet-stream");
    });
}

QString DrawService::scriptFile(const QString& name) const {
    QString dir;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        dir = m_scriptsDir;
    }
    if (dir.isEmpty() || !safeScriptName(name)) {
        return QString();
    }
    // Where the name leads once every link is followed: a regular file that
    // still lies inside the folder. A link out of it serves nothing.
    const QString folder = QDir(dir).canonicalPath();
    const QFileInfo target(QFileInfo(QDir(dir).filePath(name)).canonicalFilePath());
    if (folder.isEmpty() || !target.exists() ||
        !target.absoluteFilePath().startsWith(folder + QLatin1Char('/')) || !target.isFile()) {
        return QString();
    }
    return target.absoluteFilePath();
}

int DrawService::start(const std::string& host, int port) {
    if (m_thread.joinable()) {
        return m_port;
    }
    m_host = host;
    if (port == 0) {
        m_port = m_server->bind_to_any_port(host);
    } else {
        m_port = m_server->bind_to_port(host, port) ? port : -1;
    }
    if (m_port < 0) {
        return -1;
    }
    m_listenEnded = false;
    m_thread = std::thread([this] {
        m_server->listen_after_bind();
        m_listenEnded = true;
    });
    // stop() only takes effect once the listening loop runs.
    while (!m_server->is_running() && !m_listenEnded) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return m_port;
}

void DrawService::stop() {
    if (m_thread.joinable()) {
        m_server->stop();
        m_thread.join();
    }
}

void DrawService::wait() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

QString DrawService::baseUrl() const {
    return QStringLiteral("http://%1:%2").arg(QString::fromStdString(m_host)).arg(m_port);
}

int DrawService::drawRequestCount() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_drawRequests;
}

} // namespace drawservice
