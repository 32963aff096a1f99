#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <httplib.h>

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
    for (const char* path : {"/scripts/other.qks", "/scripts/../Tirvex.dat",
                             "/scripts/%2e%2e/Tirvex.dat", "/scripts//etc/passwd"}) {
        const auto refused = client.Get(path);
        ASSERT_TRUE(refused) << path;
        EXPECT_EQ(refused->status, 404) << path;
    }
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
