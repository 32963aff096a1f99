#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <atomic>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "DrawService.h"
#include "TestSupport.h"

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

// Clients that send a request a byte at a time, each byte within the read
// time-out, hold their connections; there are workers enough for the rest.
TEST(DrawService, SlowClientsDoNotBlockTheOthers) {
    DrawService service;
    service.setDraws({makeRecord(QDate(2022, 1, 1), 0, twentyNumbers(1))});
    const int port = service.start();
    ASSERT_GT(port, 0);
    std::vector<int> slow;
    for (int i = 0; i < 8; ++i) {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        slow.push_back(fd);
    }
    std::atomic<bool> done{false};
    std::thread trickle([&] {
        while (!done) {
            for (int fd : slow) {
                (void)!send(fd, "G", 1, MSG_NOSIGNAL);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    });
    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(std::chrono::seconds(30));
    const auto answer =
        client.Get("/zahlen/lotto_neu.asp?Programm=Tirvex&Datum=20220101&Ziehung=0");
    done = true;
    trickle.join();
    for (int fd : slow) {
        close(fd);
    }
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 200);
}

TEST(DrawService, SetsASessionCookieOnlyOnce) {
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
