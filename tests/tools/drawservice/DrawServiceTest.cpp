// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <atomic>
#include <cerrno>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "DrawService.h"
#include "HttpServer.h"
#include "TestSupport.h"
#include "UpdateTestSupport.h"

using drawservice::DrawRequest;
using drawservice::DrawService;
using testsupport::makeRecord;
using testsupport::twentyNumbers;

namespace {

DrawRequest requestFor(const QDate& date, int ziehung) {
    DrawRequest request;
    request.date = date;
    request.ziehung = ziehung;
    return request;
}

TEST(DrawService, AnswersKnownDrawsAndTellsUnpublishedFromMissingOnes) {
    testsupport::TempHome home;
    history::TZiehung draw = makeRecord(QDate(2003, 9, 1), 1, twentyNumbers(1), 10);
    draw.jokerPlus = {0, 5, 2, 9, 4, 0, 7};
    home.writeHistory({makeRecord(QDate(2003, 9, 1), 0, twentyNumbers(2)), draw});
    DrawService service;
    QString error;
    ASSERT_TRUE(service.loadHistory(home.historyPath(), &error));

    const drawservice::Reply known = service.answer(requestFor(QDate(2003, 9, 1), 1));
    EXPECT_EQ(known.status, 200);
    EXPECT_EQ(known.body, "01.09.2003 soir,1,4,7,10,13,16,19,22,25,28,31,34,37,40,43,46,49,52,55,"
                          "58,10,0000000,0529407\r\n");
    EXPECT_EQ(service.answer(requestFor(QDate(2003, 9, 2), 0)).status, 500);
    EXPECT_EQ(service.answer(requestFor(QDate(2003, 8, 31), 1)).status, 404);
    EXPECT_EQ(service.answer(requestFor(QDate(), 1)).status, 400);
    EXPECT_EQ(service.answer(requestFor(QDate(2003, 9, 1), -1)).status, 400);
    EXPECT_FALSE(service.loadHistory(home.file("none.dat"), &error));
}

TEST(DrawService, ServesScriptsWithLastModifiedAndNothingOutsideTheirFolder) {
    updatetest::ensureApp();
    testsupport::TempHome home;
    QDir(home.path()).mkdir(QStringLiteral("scripts"));
    QFile script(home.file(QStringLiteral("scripts/keno.qks")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("click 1\r\n");
    script.close();
    const QDateTime stamp(QDate(2021, 3, 4), QTime(5, 6, 7), Qt::UTC);
    ASSERT_TRUE(script.open(QIODevice::ReadWrite));
    ASSERT_TRUE(script.setFileTime(stamp, QFileDevice::FileModificationTime));
    script.close();
    home.writeHistory({});

    DrawService service;
    service.setScriptsDir(home.file(QStringLiteral("scripts")));
    const int port = service.start();
    ASSERT_GT(port, 0);
    httplib::Client client("127.0.0.1", port);

    const auto found = client.Get("/scripts/keno.qks");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->status, 200);
    EXPECT_EQ(found->body, "click 1\r\n");
    EXPECT_EQ(found->get_header_value("Last-Modified"), "Thu, 04 Mar 2021 05:06:07 GMT");
    // Links out of the folder, hidden files and what is no regular file are
    // not served; a link to a script inside the folder is.
    ASSERT_TRUE(QFile::link(home.historyPath(), home.file("scripts/out.qks")));
    ASSERT_TRUE(QFile::link(home.path(), home.file("scripts/up")));
    ASSERT_TRUE(QFile::link(home.file("scripts/keno.qks"), home.file("scripts/same.qks")));
    ASSERT_TRUE(QDir(home.path()).mkpath("scripts/folder.qks"));
    ASSERT_EQ(mkfifo(home.file("scripts/pipe.qks").toLocal8Bit().constData(), 0600), 0);
    QFile hidden(home.file("scripts/.secret"));
    ASSERT_TRUE(hidden.open(QIODevice::WriteOnly));
    hidden.close();
    const auto same = client.Get("/scripts/same.qks");
    ASSERT_TRUE(same);
    EXPECT_EQ(same->body, "click 1\r\n");
    for (const char* path :
         {"/scripts/other.qks", "/scripts/../Tirvex.dat", "/scripts/%2e%2e/Tirvex.dat",
          "/scripts//etc/passwd", "/scripts/out.qks", "/scripts/up/Tirvex.dat", "/scripts/.secret",
          "/scripts/folder.qks", "/scripts/pipe.qks"}) {
        const auto refused = client.Get(path);
        ASSERT_TRUE(refused) << path;
        EXPECT_EQ(refused->status, 404) << path;
    }
}

int connectTo(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Sends text and reads until the service closes the connection (or 30 s pass).
std::string talk(int port, const std::string& text) {
    const int fd = connectTo(port);
    timeval wait{30, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof(wait));
    (void)!send(fd, text.data(), text.size(), MSG_NOSIGNAL);
    std::string answer;
    char buffer[4096];
    for (ssize_t n; (n = recv(fd, buffer, sizeof(buffer), 0)) > 0;) {
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return answer;
}

const char* const kDrawPath = "/zahlen/lotto_neu.asp?Programm=Tirvex&Datum=20220101&Ziehung=0";

// 100 clients that each keep a request open, one header line every 100 ms,
// and connect again when the service drops them, while a normal client asks
// for a draw 50 times: every one of its requests is answered.
TEST(DrawService, OneHundredDrippingClientsDoNotKeepAnotherFromItsAnswers) {
    updatetest::ensureApp();
    DrawService service;
    service.setDraws({makeRecord(QDate(2022, 1, 1), 0, twentyNumbers(1))});
    const int port = service.start();
    ASSERT_GT(port, 0);
    std::vector<int> slow(100, -1);
    std::atomic<bool> done{false};
    std::atomic<int> rounds{0};
    std::thread drip([&] {
        for (int line = 0; !done; ++line, ++rounds) {
            for (int& fd : slow) {
                const std::string text =
                    fd < 0 ? "GET / HTTP/1.1\r\n" : "X-Drip-" + std::to_string(line) + ": 1\r\n";
                if (fd < 0) {
                    fd = connectTo(port);
                }
                if (fd >= 0 && send(fd, text.data(), text.size(), MSG_NOSIGNAL) < 0) {
                    close(fd);
                    fd = -1;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });
    // Under way once every dripping client has sent its first line.
    while (rounds == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(std::chrono::seconds(30));
    int answered = 0;
    for (int i = 0; i < 50; ++i) {
        const auto answer = client.Get(kDrawPath);
        answered += answer && answer->status == 200 ? 1 : 0;
    }
    done = true;
    drip.join();
    for (int fd : slow) {
        if (fd >= 0) {
            close(fd);
        }
    }
    EXPECT_EQ(answered, 50);
}

// A header block must come whole within the request deadline, in at most
// kMaxHeaders lines of kMaxHeaderBytes together; past a limit the connection
// is answered (when it can be) and closed.
TEST(DrawService, HeaderBlocksAreLimitedInLinesSizeAndTime) {
    updatetest::ensureApp();
    DrawService service;
    service.setDraws({makeRecord(QDate(2022, 1, 1), 0, twentyNumbers(1))});
    const int port = service.start();
    ASSERT_GT(port, 0);
    const std::string request = std::string("GET ") + kDrawPath + " HTTP/1.1\r\n";
    std::string lines = request;
    for (int i = 0; i <= drawservice::HttpServer::kMaxHeaders; ++i) {
        lines += "X-Line-" + std::to_string(i) + ": 1\r\n";
    }
    EXPECT_EQ(talk(port, lines + "\r\n").rfind("HTTP/1.1 431 ", 0), 0u);
    const std::string wide(drawservice::HttpServer::kMaxHeaderBytes, 'w');
    EXPECT_EQ(talk(port, request + "X-Wide: " + wide + "\r\n\r\n").rfind("HTTP/1.1 431 ", 0), 0u);
    EXPECT_EQ(talk(port, request + "Connection: close\r\n\r\n").rfind("HTTP/1.1 200 ", 0), 0u);

    // One line every 500 ms would stay within the line limit for over 30 s;
    // the deadline closes the connection long before.
    const int fd = connectTo(port);
    ASSERT_GE(fd, 0);
    bool closed = false;
    for (int i = 0; i < drawservice::HttpServer::kMaxHeaders && !closed; ++i) {
        const std::string text = i == 0 ? request : "X-Slow: 1\r\n";
        char byte = 0;
        const ssize_t read = recv(fd, &byte, 1, MSG_DONTWAIT);
        closed = read == 0 || (read < 0 && errno != EAGAIN && errno != EWOULDBLOCK) ||
                 send(fd, text.data(), text.size(), MSG_NOSIGNAL) < 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    close(fd);
    EXPECT_TRUE(closed);
}

// A port another service listens on is refused, not shared: the second
// tirvex-drawservice says so and ends with status 1.
TEST(DrawService, ASecondServiceOnATakenPortExitsWithStatusOne) {
    updatetest::ensureApp();
    DrawService first;
    const int port = first.start();
    ASSERT_GT(port, 0);
    testsupport::TempHome home;
    home.writeHistory({makeRecord(QDate(2022, 1, 1), 0, twentyNumbers(1))});
    QProcess second;
    second.start(QStringLiteral(TIRVEX_DRAWSERVICE),
                 {QStringLiteral("--history"), home.historyPath(), QStringLiteral("--port"),
                  QString::number(port)});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("address already in use"));
    EXPECT_FALSE(second.readAllStandardOutput().contains("listening"));
}

TEST(DrawService, SetsASessionCookieOnlyOnce) {
    updatetest::ensureApp();
    DrawService service;
    service.setDraws({makeRecord(QDate(2022, 1, 1), 0, twentyNumbers(1))});
    const int port = service.start();
    ASSERT_GT(port, 0);
    httplib::Client client("127.0.0.1", port);
    const char* path = "/zahlen/lotto_neu.asp?Programm=Tirvex&Datum=20220101&Ziehung=0";

    const auto first = client.Get(path);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->get_header_value("Set-Cookie"), "ASPSESSIONIDTIRVEX=S1; path=/");
    const auto second = client.Get(path, {{"Cookie", "ASPSESSIONIDTIRVEX=S1"}});
    ASSERT_TRUE(second);
    EXPECT_FALSE(second->has_header("Set-Cookie"));
    EXPECT_EQ(service.drawRequestCount(), 2);
}

} // namespace
