// SPDX-License-Identifier: GPL-3.0-or-later
#include "HttpServer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QHostInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <exception>
#include <future>
#include <list>
#include <unordered_map>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace drawservice {

namespace {

// Connections the kernel may hold for us between two turns of the loop.
constexpr int kListenBacklog = 1024;
// Files the process keeps for itself besides the connections.
constexpr int kReservedFiles = 64;

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::string percentDecoded(std::string_view text, bool plusIsSpace) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            result += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            result += plusIsSpace && text[i] == '+' ? ' ' : text[i];
        }
    }
    return result;
}

const char* reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 304:
        return "Not Modified";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 413:
        return "Content Too Large";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 501:
        return "Not Implemented";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

HttpResponse plain(int status, const char* text) {
    HttpResponse response;
    response.status = status;
    response.body = std::string(text) + "\r\n";
    return response;
}

// The request in buf, when its header block and body are complete.
enum class Parse { Incomplete, Complete, Refused };

struct Parsed {
    HttpRequest request;
    std::size_t length = 0; // bytes of buf the request takes
    bool keepAlive = true;
    HttpResponse refusal;
};

Parse parseRequest(const QByteArray& buf, Parsed* parsed) {
    auto refuse = [&](int status, const char* text) {
        parsed->refusal = plain(status, text);
        return Parse::Refused;
    };
    const std::string_view data(buf.constData(), static_cast<std::size_t>(buf.size()));
    std::size_t end = data.find("\r\n\r\n");
    std::size_t blank = 4;
    if (const std::size_t bare = data.find("\n\n"); bare < end) {
        end = bare;
        blank = 2;
    }
    // Limits hold before the block is complete: a client that never ends it
    // cannot make us keep more.
    const std::string_view head = data.substr(0, std::min(end, data.size()));
    if (head.size() > HttpServer::kMaxHeaderBytes) {
        return refuse(431, "request header block too large");
    }
    if (std::count(head.begin(), head.end(), '\n') > HttpServer::kMaxHeaders) {
        return refuse(431, "too many header lines");
    }
    if (end == std::string_view::npos) {
        return Parse::Incomplete;
    }

    std::size_t lineEnd = head.find('\n');
    const std::string_view requestLine = trimmed(head.substr(0, lineEnd));
    const std::size_t firstSpace = requestLine.find(' ');
    const std::size_t lastSpace = requestLine.rfind(' ');
    if (firstSpace == std::string_view::npos || firstSpace == lastSpace) {
        return refuse(400, "bad request line");
    }
    HttpRequest& request = parsed->request;
    request.method = std::string(requestLine.substr(0, firstSpace));
    request.target =
        std::string(trimmed(requestLine.substr(firstSpace + 1, lastSpace - firstSpace - 1)));
    const std::string_view version = requestLine.substr(lastSpace + 1);
    if ((version != "HTTP/1.1" && version != "HTTP/1.0") || request.target.empty() ||
        request.target.front() != '/') {
        return refuse(400, "bad request line");
    }
    const std::size_t question = request.target.find('?');
    request.path = percentDecoded(std::string_view(request.target).substr(0, question), false);
    if (question != std::string::npos) {
        request.query = request.target.substr(question + 1);
    }
    while (lineEnd != std::string_view::npos && lineEnd + 1 < head.size()) {
        const std::size_t next = head.find('\n', lineEnd + 1);
        const std::string_view line =
            head.substr(lineEnd + 1, next == std::string_view::npos ? std::string_view::npos
                                                                    : next - lineEnd - 1);
        lineEnd = next;
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || colon == 0) {
            return refuse(400, "bad header line");
        }
        std::string name(line.substr(0, colon));
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        request.headers.emplace_back(std::move(name), std::string(trimmed(line.substr(colon + 1))));
    }

    if (!request.header("transfer-encoding").empty()) {
        return refuse(501, "request bodies in chunks are not taken");
    }
    std::size_t bodyLength = 0;
    if (const std::string length = request.header("content-length"); !length.empty()) {
        if (length.size() > 9 || !std::all_of(length.begin(), length.end(),
                                              [](char c) { return c >= '0' && c <= '9'; })) {
            return refuse(400, "bad Content-Length");
        }
        bodyLength = std::stoul(length);
        if (bodyLength > HttpServer::kMaxBodyBytes) {
            return refuse(413, "request body too large");
        }
    }
    parsed->length = end + blank + bodyLength;
    if (data.size() < parsed->length) {
        return Parse::Incomplete;
    }
    std::string connection = request.header("connection");
    std::transform(connection.begin(), connection.end(), connection.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    parsed->keepAlive = version == "HTTP/1.1" ? connection.find("close") == std::string::npos
                                              : connection.find("keep-alive") != std::string::npos;
    return Parse::Complete;
}

QByteArray serialized(const HttpResponse& response, bool withBody, bool keepAlive) {
    std::string text = "HTTP/1.1 " + std::to_string(response.status) + ' ' +
                       reasonPhrase(response.status) + "\r\n";
    text += "Content-Type: " + response.contentType + "\r\n";
    text += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    for (const auto& [name, value] : response.headers) {
        text += name + ": " + value + "\r\n";
    }
    text += keepAlive
                ? "Keep-Alive: timeout=" + std::to_string(HttpServer::kRequestDeadlineMs / 1000) +
                      "\r\n"
                : std::string("Connection: close\r\n");
    text += "\r\n";
    if (withBody) {
        text += response.body;
    }
    return QByteArray::fromStdString(text);
}

} // namespace

std::string HttpRequest::header(std::string_view name) const {
    for (const auto& [key, value] : headers) {
        if (sameName(key, name)) {
            return value;
        }
    }
    return std::string();
}

std::string HttpRequest::param(std::string_view name) const {
    std::string_view rest(query);
    while (!rest.empty()) {
        const std::size_t amp = rest.find('&');
        const std::string_view pair = rest.substr(0, amp);
        rest = amp == std::string_view::npos ? std::string_view() : rest.substr(amp + 1);
        const std::size_t equals = pair.find('=');
        if (percentDecoded(pair.substr(0, equals), true) == name) {
            return equals == std::string_view::npos ? std::string()
                                                    : percentDecoded(pair.substr(equals + 1), true);
        }
    }
    return std::string();
}

// Lives in the server's thread: the listening socket and every connection.
class HttpServer::Core {
public:
    explicit Core(const Handler& handler) : m_handler(handler), m_capacity(connectionCapacity()) {}
    ~Core() {
        for (auto& [socket, connection] : m_connections) {
            socket->disconnect();
            socket->abort();
        }
    }

    int listen(const QString& host, int port, QString* error) {
        QHostAddress address;
        if (host == QLatin1String("localhost")) {
            address = QHostAddress(QHostAddress::LocalHost);
        } else if (!address.setAddress(host)) {
            const QHostInfo info = QHostInfo::fromName(host);
            if (info.addresses().isEmpty()) {
                *error = QStringLiteral("unknown host \"%1\"").arg(host);
                return -1;
            }
            address = info.addresses().front();
        }
        // Qt sets SO_REUSEADDR here, never SO_REUSEPORT: a port another
        // server listens on is refused instead of shared with it.
        m_server.setListenBacklogSize(kListenBacklog);
        m_server.setMaxPendingConnections(kListenBacklog);
        if (!m_server.listen(address, static_cast<quint16>(port))) {
            *error = m_server.serverError() == QAbstractSocket::AddressInUseError
                         ? QStringLiteral("address already in use")
                         : m_server.errorString();
            return -1;
        }
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] { acceptAll(); });
        // Out of files: make room and try again shortly, instead of the
        // pause Qt leaves the server in after such an error.
        QObject::connect(&m_server, &QTcpServer::acceptError, [this] {
            evictOldest();
            QTimer::singleShot(100, &m_server, [this] { m_server.resumeAccepting(); });
        });
        return m_server.serverPort();
    }

private:
    struct Connection {
        QTcpSocket* socket = nullptr;
        // A child of the socket: both go together, after any signal of theirs.
        QTimer* timer = nullptr;
        QByteArray buffer;
        bool writing = false;
        bool closeAfterWrite = false;
        bool waitingListed = false;
        std::list<QTcpSocket*>::iterator waitingPlace;
    };

    void acceptAll() {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            if (static_cast<int>(m_connections.size()) >= m_capacity && !evictOldest()) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            auto connection = std::make_unique<Connection>();
            Connection* c = connection.get();
            c->socket = socket;
            m_connections.emplace(socket, std::move(connection));
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            // Qt stops reading from the system past this, so a client that
            // sends while its answer waits cannot make us buffer more.
            socket->setReadBufferSize(kMaxHeaderBytes + kMaxBodyBytes);
            c->timer = new QTimer(socket);
            c->timer->setSingleShot(true);
            QObject::connect(c->timer, &QTimer::timeout, socket, [this, socket] { close(socket); });
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket] { serve(socket); });
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket,
                             [this, socket] { written(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket,
                             [this, socket] { close(socket); });
            awaitRequest(c);
            serve(socket);
        }
    }

    // The request deadline starts; the connection joins the end of the queue
    // of those waiting for a request.
    void awaitRequest(Connection* c) {
        c->writing = false;
        c->timer->start(kRequestDeadlineMs);
        c->waitingPlace = m_waiting.insert(m_waiting.end(), c->socket);
        c->waitingListed = true;
    }

    void leaveWaiting(Connection* c) {
        if (c->waitingListed) {
            m_waiting.erase(c->waitingPlace);
            c->waitingListed = false;
        }
    }

    bool evictOldest() {
        if (m_waiting.empty()) {
            return false;
        }
        close(m_waiting.front());
        return true;
    }

    void serve(QTcpSocket* socket) {
        const auto found = m_connections.find(socket);
        if (found == m_connections.end() || found->second->writing) {
            return;
        }
        Connection* c = found->second.get();
        const qint64 room = kMaxHeaderBytes + kMaxBodyBytes + 4 - c->buffer.size();
        if (room > 0) {
            c->buffer += socket->read(room);
        }
        Parsed parsed;
        const Parse result = parseRequest(c->buffer, &parsed);
        if (result == Parse::Incomplete) {
            return;
        }
        leaveWaiting(c);
        c->writing = true;
        c->timer->start(kWriteDeadlineMs);
        if (result == Parse::Refused) {
            c->buffer.clear();
            c->closeAfterWrite = true;
            socket->write(serialized(parsed.refusal, true, false));
            return;
        }
        c->buffer.remove(0, static_cast<qsizetype>(parsed.length));
        c->closeAfterWrite = !parsed.keepAlive;
        const HttpRequest& request = parsed.request;
        HttpResponse response;
        if (request.method != "GET" && request.method != "HEAD") {
            response = plain(405, "only GET and HEAD are served");
            response.headers.emplace_back("Allow", "GET, HEAD");
        } else {
            try {
                response = m_handler(request);
            } catch (const std::exception&) {
                response = plain(500, "internal error");
            }
        }
        socket->write(serialized(response, request.method != "HEAD", parsed.keepAlive));
    }

    void written(QTcpSocket* socket) {
        const auto found = m_connections.find(socket);
        if (found == m_connections.end() || socket->bytesToWrite() > 0) {
            return;
        }
        Connection* c = found->second.get();
        if (!c->writing) {
            return;
        }
        if (c->closeAfterWrite) {
            socket->disconnectFromHost();
            return;
        }
        awaitRequest(c);
        // A request sent behind the last one may already be here.
        serve(socket);
    }

    void close(QTcpSocket* socket) {
        const auto found = m_connections.find(socket);
        if (found == m_connections.end()) {
            return;
        }
        std::unique_ptr<Connection> connection = std::move(found->second);
        m_connections.erase(found);
        leaveWaiting(connection.get());
        connection->timer->stop();
        socket->disconnect();
        socket->abort();
        socket->deleteLater();
    }

    Handler m_handler;
    int m_capacity;
    QTcpServer m_server;
    std::unordered_map<QTcpSocket*, std::unique_ptr<Connection>> m_connections;
    // Connections waiting for a request, the longest waiting first.
    std::list<QTcpSocket*> m_waiting;
};

HttpServer::HttpServer(Handler handler) : m_handler(std::move(handler)) {
}

HttpServer::~HttpServer() {
    stop();
}

int HttpServer::connectionCapacity() {
#ifdef Q_OS_UNIX
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        const auto files = static_cast<long long>(limit.rlim_cur) - kReservedFiles;
        return static_cast<int>(std::clamp<long long>(files, 1, kMaxConnections));
    }
#endif
    return kMaxConnections;
}

int HttpServer::start(const QString& host, int port, QString* error) {
    if (m_thread) {
        return -1;
    }
    if (!QCoreApplication::instance()) {
        // Qt's sockets and event loops need one, in any thread.
        if (error) {
            *error = QStringLiteral("no QCoreApplication");
        }
        return -1;
    }
    // Shared with the thread, which may still be inside set_value when
    // start() has its value and returns.
    auto bound = std::make_shared<std::promise<std::pair<int, QString>>>();
    std::future<std::pair<int, QString>> result = bound->get_future();
    m_thread.reset(QThread::create([this, host, port, bound] {
        Core core(m_handler);
        QString why;
        const int listening = core.listen(host, port, &why);
        bound->set_value({listening, why});
        if (listening < 0) {
            return;
        }
        QEventLoop loop;
        loop.exec();
    }));
    m_thread->start();
    const auto [listening, why] = result.get();
    if (listening < 0) {
        m_thread->wait();
        m_thread.reset();
        if (error) {
            *error = why;
        }
    }
    return listening;
}

void HttpServer::stop() {
    if (m_thread) {
        m_thread->quit();
        m_thread->wait();
        m_thread.reset();
    }
}

void HttpServer::wait() {
    if (m_thread) {
        m_thread->wait();
    }
}

} // namespace drawservice
