// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QThread;

namespace drawservice {

struct HttpRequest {
    std::string method;
    std::string target; // path and query as sent
    std::string path;   // percent-decoded
    std::string query;  // as sent, without the "?"
    // Names in lower case, values without surrounding blanks, in the order sent.
    std::vector<std::pair<std::string, std::string>> headers;

    // The first header of that name (any case), or empty.
    std::string header(std::string_view name) const;
    // The first query parameter of that name, decoded; empty when absent.
    std::string param(std::string_view name) const;
};

struct HttpResponse {
    int status = 200;
    std::string contentType = "text/plain";
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
};

// A small HTTP/1.1 server for GET and HEAD that slow or hostile clients
// cannot starve. One event loop in a thread of its own holds every
// connection, so a connection that sends nothing holds a socket, never a
// worker. Each request must arrive whole, header block and body, within
// kRequestDeadlineMs of the moment the connection became ready for it; each
// answer must be taken within kWriteDeadlineMs. A connection that misses
// either is closed. When kMaxConnections are open a new one closes the
// connection that has waited longest for its request.
class HttpServer {
public:
    using Handler = std::function<HttpResponse(const HttpRequest&)>;

    static constexpr int kRequestDeadlineMs = 5000;
    static constexpr int kWriteDeadlineMs = 5000;
    // The request line and every header line together.
    static constexpr int kMaxHeaderBytes = 8 * 1024;
    static constexpr int kMaxHeaders = 64;
    static constexpr int kMaxBodyBytes = 64 * 1024;
    static constexpr int kMaxConnections = 4096;

    explicit HttpServer(Handler handler);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Listens on host:port (0: a port the system chooses) once the program
    // has its QCoreApplication; returns the port,
    // or -1 with the reason in *error ("address already in use", ...). The
    // port of a running server is never shared with another one.
    int start(const QString& host, int port, QString* error = nullptr);
    void stop();
    // Blocks until the server stops.
    void wait();

    // How many connections may be open at once: kMaxConnections, or fewer
    // when the process may not open that many files.
    static int connectionCapacity();

private:
    class Core;
    Handler m_handler;
    std::unique_ptr<QThread> m_thread;
};

} // namespace drawservice
