// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "DrawService.h"
#include "history/InternetUpdate.h"

namespace updatetest {

// The network classes need an application object; one per test program.
inline void ensureApp() {
    static int argc = 1;
    static char name[] = "tirvex_update_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? QCoreApplication::instance()
                                                                : new QCoreApplication(argc, argv);
    (void)app;
}

// Records what the update shows; the stop flag may be set from the service's thread.
class RecordingHost : public history::UpdateHost {
public:
    explicit RecordingHost(QDate today) : m_today(today) {}

    void setRunning(bool running) override { runningChanges.push_back(running); }
    bool stopRequested() override { return stop.load(); }
    void processEvents() override {
        ++processed;
        QCoreApplication::processEvents();
    }
    void setStatusText(int panel, const QString& text) override {
        (panel == 0 ? panel0 : panel1).push_back(text);
    }
    void setDrawLine(const QString& text) override { drawLines.push_back(text); }
    void setCrossSumLine(const QString& text) override { crossSumLines.push_back(text); }
    void showMessage(const QString& text) override { messages.push_back(text); }
    QDate today() override { return m_today; }
    bool takeOperatorDraws(const std::vector<history::DrawMerge::Difference>& differing) override {
        offered += static_cast<int>(differing.size());
        return takeOperators;
    }

    std::atomic<bool> stop{false};
    bool takeOperators = false;
    int offered = 0;
    int processed = 0;
    std::vector<bool> runningChanges;
    QStringList panel0;
    QStringList panel1;
    QStringList drawLines;
    QStringList crossSumLines;
    QStringList messages;

private:
    QDate m_today;
};

// Keeps every draw request the service receives.
class RequestLog {
public:
    void record(const drawservice::DrawRequest& request) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.push_back(request);
    }
    std::vector<drawservice::DrawRequest> requests() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_requests;
    }
    std::vector<std::string> targets() const {
        std::vector<std::string> result;
        for (const auto& request : requests()) {
            result.push_back(request.target);
        }
        return result;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<drawservice::DrawRequest> m_requests;
};

// Accepts connections and never answers.
class SilentServer {
public:
    SilentServer() {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                m_sockets.push_back(socket);
            }
        });
    }
    QString baseUrl() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
    }
    int accepted() const { return static_cast<int>(m_sockets.size()); }

private:
    QTcpServer m_server;
    std::vector<QTcpSocket*> m_sockets;
};

// A minimal HTTP forwarding proxy: takes one absolute-form request per
// connection, forwards it in origin form and pipes the answer back.
class ForwardingProxy {
public:
    ForwardingProxy();
    quint16 port() const { return m_server.serverPort(); }
    QStringList requestLines() const { return m_requestLines; }

private:
    struct Tunnel {
        QTcpSocket* client = nullptr;
        QTcpSocket* upstream = nullptr;
        QByteArray head;
    };
    void onClientData(Tunnel* tunnel);

    QTcpServer m_server;
    std::vector<std::unique_ptr<Tunnel>> m_tunnels;
    QStringList m_requestLines;
};

} // namespace updatetest
