// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <cmath>

#include "TestSupport.h"
#include "UpdateTestSupport.h"
#include "common/ShownText.h"
#include "history/HistoryFile.h"

using history::InternetUpdate;
using history::TZiehung;
using history::UpdateResult;
using history::UpdateSettings;
using testsupport::makeRecord;
using testsupport::twentyNumbers;
using updatetest::RecordingHost;

namespace {

std::string target(const char* datum, int ziehung) {
    return std::string("/zahlen/lotto_neu.asp?Programm=Tirvex&Datum=") + datum +
           "&Ziehung=" + std::to_string(ziehung);
}

std::string serviceLine(const std::vector<int>& numbers, int multiplier, const char* joker,
                        const char* jokerPlus) {
    std::string line = "label";
    for (int n : numbers) {
        line += ',' + std::to_string(n);
    }
    return line + ',' + std::to_string(multiplier) + ',' + joker + ',' + jokerPlus;
}

class InternetUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        updatetest::ensureApp();
        m_service.setInterceptor([this](const drawservice::DrawRequest& request) {
            m_log.record(request);
            return m_reply ? m_reply(request) : std::optional<drawservice::Reply>();
        });
        ASSERT_GT(m_service.start(), 0);
        m_settings.serviceUrl = m_service.baseUrl();
        m_settings.connectTimeoutMs = 2000;
        m_settings.requestTimeoutMs = 3000;
    }

    UpdateResult runUpdate(RecordingHost& host) {
        InternetUpdate update(host, m_home.historyPath(), m_settings);
        return update.run();
    }
    std::vector<TZiehung> stored() const {
        std::vector<TZiehung> records;
        history::HistoryFile::readAll(m_home.historyPath(), &records);
        return records;
    }

    testsupport::TempHome m_home;
    drawservice::DrawService m_service;
    updatetest::RequestLog m_log;
    std::function<std::optional<drawservice::Reply>(const drawservice::DrawRequest&)> m_reply;
    UpdateSettings m_settings;
};

const QDate kDay(2022, 11, 27);

TEST_F(InternetUpdateTest, AfterAnEveningDrawAsksForTheNextMiddayAndAppendsInOrder) {
    const TZiehung midi = makeRecord(kDay, 0, twentyNumbers(1), 3);
    TZiehung soir = makeRecord(kDay, 1, twentyNumbers(2), 5);
    soir.joker = {1, 2, 3, 4, 5, 6, 7};
    soir.jokerPlus = {9, 8, 7, 6, 5, 4, 3};
    m_service.setDraws({midi, soir});
    m_home.writeHistory({makeRecord(kDay.addDays(-1), 1, twentyNumbers(5))});
    RecordingHost host(kDay);

    const UpdateResult result = runUpdate(host);

    EXPECT_EQ(m_log.targets(),
              (std::vector<std::string>{target("20221127", 0), target("20221127", 1)}));
    ASSERT_EQ(stored().size(), 3u);
    EXPECT_EQ(stored()[1], midi);
    EXPECT_EQ(stored()[2], soir);
    EXPECT_EQ(result.appended, 2);
    EXPECT_EQ(result.aktDatum, common::toDayNumber(kDay));
    EXPECT_EQ(result.pickerDate, common::toDayNumber(kDay.addDays(1)));
    EXPECT_TRUE(result.reload);
    EXPECT_EQ(host.runningChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(host.processed, 2);
    EXPECT_EQ(host.crossSumLines.back(), QStringLiteral("QS: %1").arg(soir.crossSum()));
}

TEST_F(InternetUpdateTest, RequestCarriesTheHeadersAndSendsTheServiceCookieBack) {
    m_home.writeHistory({makeRecord(kDay, 0, twentyNumbers(5))});
    m_service.setDraws(
        {makeRecord(kDay, 1, twentyNumbers(1)), makeRecord(kDay.addDays(1), 0, twentyNumbers(2))});
    RecordingHost host(kDay.addDays(1));

    runUpdate(host);

    const auto requests = m_log.requests();
    ASSERT_EQ(requests.size(), 3u);
    // After a midday draw the evening draw of the same day comes first.
    EXPECT_EQ(requests[0].target, target("20221127", 1));
    EXPECT_EQ(requests[0].accept, "text/html, */*");
    EXPECT_EQ(requests[0].userAgent, "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(requests[0].cookie, "");
    EXPECT_EQ(requests[1].cookie, "ASPSESSIONIDTIRVEX=S1");
    EXPECT_EQ(requests[2].cookie, "ASPSESSIONIDTIRVEX=S1");
}

TEST_F(InternetUpdateTest, StatusTextsOfOneRequestAndOfADrawNotYetPublished) {
    const TZiehung midi = makeRecord(kDay, 0, twentyNumbers(1), 2);
    m_service.setDraws({midi});
    m_home.writeHistory({makeRecord(kDay.addDays(-1), 1, twentyNumbers(5))});
    RecordingHost host(kDay);

    runUpdate(host);

    const int lineSize = static_cast<int>(drawservice::DrawService::bodyLine(midi).size());
    EXPECT_EQ(
        host.panel0,
        (QStringList{QStringLiteral("Loading"), QStringLiteral("Received %1 bytes").arg(lineSize),
                     QStringLiteral("Loading"), QStringLiteral("Received 19 bytes"),
                     QStringLiteral("27.11.2022 pas encore disponible!")}));
    EXPECT_EQ(host.panel1.size(), 2);
    EXPECT_EQ(host.panel1.front(), QStringLiteral("Garantit pas l`exactitude des chiffres!"));
    EXPECT_TRUE(host.drawLines.back().contains(QStringLiteral("27.11.22     1  4  7  10  ")));
    EXPECT_EQ(stored().size(), 2u);
}

TEST_F(InternetUpdateTest, NothingIsRequestedWhenTodaysEveningDrawIsStored) {
    m_home.writeHistory(
        {makeRecord(kDay, 0, twentyNumbers(1)), makeRecord(kDay, 1, twentyNumbers(2))});
    RecordingHost host(kDay);

    const UpdateResult result = runUpdate(host);

    EXPECT_TRUE(m_log.requests().empty());
    EXPECT_TRUE(host.panel0.isEmpty());
    EXPECT_EQ(result.pickerDate, common::toDayNumber(kDay.addDays(1)));
    EXPECT_TRUE(result.reload);
    EXPECT_EQ(stored().size(), 2u);
}

TEST_F(InternetUpdateTest, MissingOrEmptyHistoryStartsAtTheFirstDrawDay) {
    const QDate first(1993, 9, 16);
    const TZiehung draw = makeRecord(first, 0, twentyNumbers(3));
    m_service.setDraws({draw, makeRecord(first.addDays(7), 0, twentyNumbers(4))});
    for (bool createEmpty : {false, true}) {
        QFile::remove(m_home.historyPath());
        if (createEmpty) {
            m_home.writeHistory({});
        }
        const std::size_t before = m_log.requests().size();
        RecordingHost host(first.addDays(1));

        const UpdateResult result = runUpdate(host);

        ASSERT_TRUE(QFile::exists(m_home.historyPath()));
        const auto requests = m_log.targets();
        ASSERT_EQ(requests.size() - before, 4u);
        EXPECT_EQ(requests[before], target("19930916", 0));
        EXPECT_EQ(requests[before + 3], target("19930917", 1));
        EXPECT_EQ(stored(), std::vector<TZiehung>{draw});
        // Gaps in the past are skipped like any failed request.
        EXPECT_TRUE(host.panel0.contains(QStringLiteral("Failed : 404 Not Found")));
        EXPECT_EQ(result.pickerDate, common::toDayNumber(first.addDays(2)));
    }
}

TEST_F(InternetUpdateTest, UnpublishedAndFailedDrawsAreSkippedForGood) {
    const TZiehung soir = makeRecord(kDay, 1, twentyNumbers(7));
    const TZiehung nextSoir = makeRecord(kDay.addDays(1), 1, twentyNumbers(8));
    m_service.setDraws({soir, nextSoir});
    m_reply = [](const drawservice::DrawRequest& request) -> std::optional<drawservice::Reply> {
        if (request.ziehung == 0 && request.date.day() == 27) {
            return drawservice::Reply{500, "later"};
        }
        if (request.ziehung == 0) {
            return drawservice::Reply{503, "busy"};
        }
        return std::nullopt;
    };
    m_home.writeHistory({makeRecord(kDay.addDays(-1), 1, twentyNumbers(5))});
    RecordingHost host(kDay.addDays(1));

    runUpdate(host);

    EXPECT_EQ(m_log.requests().size(), 4u);
    EXPECT_TRUE(host.panel0.contains(QStringLiteral("27.11.2022 pas encore disponible!")));
    EXPECT_TRUE(host.panel0.contains(QStringLiteral("Failed : 503 Service Unavailable")));
    const auto records = stored();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1], soir);
    EXPECT_EQ(records[2], nextSoir);

    // A later update starts after the newest stored draw: the gaps stay.
    RecordingHost again(kDay.addDays(1));
    runUpdate(again);
    EXPECT_EQ(m_log.requests().size(), 4u);
}

TEST_F(InternetUpdateTest, EmptyBodiesAndRedirectsAreFailedRequests) {
    m_reply = [](const drawservice::DrawRequest& request) -> std::optional<drawservice::Reply> {
        return drawservice::Reply{request.ziehung == 0 ? 200 : 302, ""};
    };
    m_home.writeHistory({makeRecord(kDay.addDays(-1), 1, twentyNumbers(5))});
    RecordingHost host(kDay);

    runUpdate(host);

    EXPECT_EQ(m_log.requests().size(), 2u);
    EXPECT_TRUE(host.panel0.contains(QStringLiteral("Failed : 200 OK")));
    EXPECT_TRUE(host.panel0.contains(QStringLiteral("Failed : 302 Found")));
    EXPECT_EQ(stored().size(), 1u);
}

// A body of megabytes is no answer to a request for one draw: a failed
// request that adds nothing, and the update goes on with the next draw.
TEST_F(InternetUpdateTest, ABodyOverOneMebibyteIsAFailedRequest) {
    const std::string line = serviceLine(twentyNumbers(1), 3, "1234567", "7654321") + "\r\n";
    std::string huge;
    while (huge.size() <= InternetUpdate::kMaxBodyBytes) {
        huge += line;
    }
    m_reply = [&](const drawservice::DrawRequest& request) -> std::optional<drawservice::Reply> {
        return drawservice::Reply{200, request.ziehung == 0 ? huge : line};
    };
    m_home.writeHistory({makeRecord(kDay.addDays(-1), 1, twentyNumbers(5))});
    RecordingHost host(kDay);

    runUpdate(host);

    EXPECT_EQ(m_log.requests().size(), 2u);
    EXPECT_TRUE(host.panel0.contains(QStringLiteral("Failed : 200 réponse de plus de 1 Mio")));
    ASSERT_EQ(stored().size(), 2u);
    EXPECT_EQ(stored()[1].soir, 1);
}

// A newest date no draw can have (before the first draw, not a number,
// after today) would make the update request from it and append out of
// order: it stops with a message, requests nothing and changes nothing.
TEST_F(InternetUpdateTest, ADamagedNewestDateStopsTheUpdate) {
    for (const double damaged :
         {common::toDayNumber(QDate(1902, 3, 9)), std::nan(""),
          common::toDayNumber(QDate(9999, 12, 31)), common::toDayNumber(kDay.addDays(1))}) {
        TZiehung newest = makeRecord(kDay, 0, twentyNumbers(2));
        newest.datum = damaged;
        m_home.writeHistory({makeRecord(kDay.addDays(-1), 1, twentyNumbers(5)), newest});
        const QByteArray before = testsupport::fileBytes(m_home.historyPath());
        RecordingHost host(kDay);

        const UpdateResult result = runUpdate(host);

        EXPECT_TRUE(m_log.requests().empty()) << damaged;
        ASSERT_EQ(host.messages.size(), 1) << damaged;
        EXPECT_TRUE(host.messages[0].contains(QStringLiteral("date invalide"))) << damaged;
        EXPECT_FALSE(result.reload);
        EXPECT_EQ(testsupport::fileBytes(m_home.historyPath()), before);
    }
}

// A body's line is a draw of the requested date and flag, and one request
// stores one draw: a hundred copies append one record and end the update.
TEST_F(InternetUpdateTest, OneRequestStoresAtMostOneDrawOfTheRequestedDateAndFlag) {
    const std::string line = serviceLine(twentyNumbers(1), 3, "1234567", "7654321");
    std::string body;
    for (int i = 0; i < 100; ++i) {
        body += line + "\r\n";
    }
    m_reply = [&](const drawservice::DrawRequest& request) -> std::optional<drawservice::Reply> {
        if (request.ziehung == 1) {
            return drawservice::Reply{200, body};
        }
        return drawservice::Reply{500, ""};
    };
    m_home.writeHistory({makeRecord(kDay, 0, twentyNumbers(5))});
    RecordingHost host(kDay.addDays(3));

    runUpdate(host);

    const auto records = stored();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].datum, common::toDayNumber(kDay));
    EXPECT_EQ(records[1].soir, 1);
    EXPECT_EQ(records[1].multiplicateur, 3);
    EXPECT_EQ(records[1].joker, (std::array<std::uint8_t, 7>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(records[1].jokerPlus, (std::array<std::uint8_t, 7>{7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(m_log.requests().size(), 1u);
    EXPECT_EQ(host.messages,
              QStringList{QStringLiteral("erreur: ") + QString::fromStdString(line)});
}

TEST_F(InternetUpdateTest, ABadLineEndsTheUpdateAndKeepsTheDrawBeforeIt) {
    const std::string good = serviceLine(twentyNumbers(1), 2, "1111111", "2222222");
    const std::string bad = serviceLine(twentyNumbers(2), 2, "123456", "2222222");
    m_reply = [&](const drawservice::DrawRequest&) -> std::optional<drawservice::Reply> {
        return drawservice::Reply{200, good + "\r\n" + bad + "\r\n"};
    };
    m_home.writeHistory({makeRecord(kDay.addDays(-1), 1, twentyNumbers(5))});
    RecordingHost host(kDay.addDays(5));

    const UpdateResult result = runUpdate(host);

    EXPECT_EQ(m_log.requests().size(), 1u);
    EXPECT_EQ(host.messages, QStringList{QStringLiteral("erreur: 123456,2222222")});
    EXPECT_EQ(stored().size(), 2u);
    EXPECT_TRUE(result.reload);
    EXPECT_EQ(host.runningChanges, (std::vector<bool>{true, false}));
    // The picker stays on the draw whose line failed.
    EXPECT_EQ(result.pickerDate, common::toDayNumber(kDay));
}

TEST(InternetUpdateLines, AFailedLineIsQuotedFromTheFieldThatFailed) {
    const double day = common::toDayNumber(kDay);
    InternetUpdate::ParsedLine parsed;
    QString rest;
    struct Case {
        QString line;
        QString rest;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("x,1,2,3,4,5,6,7,8,9,1o,11,12,13,14,15,16,17,18,19,20,2,0000000,1111111"),
         QStringLiteral("1o,11,12,13,14,15,16,17,18,19,20,2,0000000,1111111")},
        {QStringLiteral("x,1,2,3"), QStringLiteral("3")},
        {QString(), QString()},
        {QStringLiteral("Service en maintenance"), QStringLiteral("Service en maintenance")},
        {QStringLiteral("x,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,x2,0000000,1111111"),
         QStringLiteral("x2,0000000,1111111")},
        {QStringLiteral("x,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,2,0000000,111111"),
         QStringLiteral("111111")},
        {QStringLiteral("x,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,2,00 0000,1111111"),
         QStringLiteral("00 0000,1111111")},
        // A number outside 1..70 would be stored as a wrong byte.
        {QStringLiteral("x,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,300,2,0000000,1111111"),
         QStringLiteral("300,2,0000000,1111111")},
        // Twenty numbers that are not twenty distinct ones are no draw.
        {QStringLiteral("x,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,2,0000000,1111111"),
         QStringLiteral("5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,2,0000000,1111111")},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(InternetUpdate::parseLine(c.line, day, 0, &parsed, &rest))
            << c.line.toStdString();
        EXPECT_EQ(rest, c.rest) << c.line.toStdString();
    }
    ASSERT_TRUE(InternetUpdate::parseLine(
        QStringLiteral(
            "x,70,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,10,0123456,1111111xyz"),
        day, 1, &parsed, &rest));
    EXPECT_EQ(parsed.record.zahlen[0], 70);
    EXPECT_EQ(parsed.record.multiplicateur, 10);
    EXPECT_EQ(parsed.record.joker[1], 1);
    EXPECT_EQ(parsed.record.soir, 1);
    EXPECT_EQ(parsed.crossSumLine, QStringLiteral("QS: 279"));
    EXPECT_TRUE(parsed.drawLine.contains(QStringLiteral("27.11.22     70  2  3  4")));
}

TEST(InternetUpdateLines, BodyLinesSplitLikeAMemo) {
    EXPECT_EQ(InternetUpdate::bodyLines(QStringLiteral("a\r\nb\nc\rd\r\n")),
              (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(InternetUpdate::bodyLines(QStringLiteral("a\r\n\r\nb")), (QStringList{"a", "", "b"}));
    EXPECT_EQ(InternetUpdate::bodyLines(QStringLiteral("\r\n")), QStringList{QString()});
}

TEST_F(InternetUpdateTest, StopDuringARequestFinishesThatRequestThenEnds) {
    m_service.setDraws({makeRecord(kDay, 0, twentyNumbers(1)),
                        makeRecord(kDay, 1, twentyNumbers(2)),
                        makeRecord(kDay.addDays(1), 0, twentyNumbers(3))});
    m_home.writeHistory({makeRecord(kDay.addDays(-1), 1, twentyNumbers(5))});
    RecordingHost host(kDay.addDays(3));
    m_reply = [&](const drawservice::DrawRequest& request) -> std::optional<drawservice::Reply> {
        if (request.ziehung == 1) {
            host.stop = true; // the user hides the stop button meanwhile
        }
        return std::nullopt;
    };

    runUpdate(host);

    EXPECT_EQ(m_log.requests().size(), 2u);
    EXPECT_EQ(stored().size(), 3u);
    EXPECT_EQ(host.runningChanges, (std::vector<bool>{true, false}));
}

TEST_F(InternetUpdateTest, RequestsGoThroughTheProxy) {
    updatetest::ForwardingProxy proxy;
    m_service.setDraws(
        {makeRecord(kDay, 0, twentyNumbers(1)), makeRecord(kDay, 1, twentyNumbers(2))});
    m_home.writeHistory({makeRecord(kDay.addDays(-1), 1, twentyNumbers(5))});
    m_settings.proxyHost = QStringLiteral("127.0.0.1");
    m_settings.proxyPort = QString::number(proxy.port());
    RecordingHost host(kDay);

    runUpdate(host);

    ASSERT_EQ(proxy.requestLines().size(), 2);
    EXPECT_EQ(proxy.requestLines()[0],
              QStringLiteral("GET %1%2 HTTP/1.1")
                  .arg(m_service.baseUrl(), QString::fromStdString(target("20221127", 0))));
    EXPECT_EQ(stored().size(), 3u);
}

TEST_F(InternetUpdateTest, AProxyPortThatIsNoNumberEndsBeforeTheFirstRequest) {
    m_home.writeHistory({makeRecord(kDay.addDays(-1), 1, twentyNumbers(5))});
    m_settings.proxyHost = QStringLiteral("proxy.example");
    m_settings.proxyPort = QStringLiteral("8o");
    RecordingHost host(kDay);

    const UpdateResult result = runUpdate(host);

    EXPECT_TRUE(m_log.requests().empty());
    EXPECT_EQ(host.messages,
              QStringList{QStringLiteral("« 8o » n'est pas un nombre entier valide")});
    EXPECT_FALSE(result.reload);
    EXPECT_EQ(host.runningChanges, (std::vector<bool>{true, false}));
}

TEST_F(InternetUpdateTest, NoResponseAtAllEndsTheUpdateAfterThatRequest) {
    m_home.writeHistory({makeRecord(kDay.addDays(-1), 1, twentyNumbers(5))});
    updatetest::SilentServer silent;
    drawservice::DrawService closed;
    const int closedPort = closed.start();
    closed.stop();
    struct Case {
        QString url;
        QString expected; // the status text starts with this
    };
    const std::vector<Case> cases = {
        {QString(), QStringLiteral("Failed : 0 aucune adresse de service de tirages")},
        {QStringLiteral("not an address"),
         QStringLiteral("Failed : 0 adresse de service de tirages invalide")},
        {QStringLiteral("http://127.0.0.1:%1").arg(closedPort),
         QStringLiteral("Failed : 0 Connection refused")},
        {silent.baseUrl(), QStringLiteral("Failed : 0 Délai de la requête dépassé")},
    };
    m_settings.requestTimeoutMs = 300;
    for (const Case& c : cases) {
        m_settings.serviceUrl = c.url;
        RecordingHost host(kDay.addDays(10));

        const UpdateResult result = runUpdate(host);

        ASSERT_EQ(host.panel0.size(), 3) << c.url.toStdString();
        EXPECT_TRUE(host.panel0[2].startsWith(c.expected)) << host.panel0[2].toStdString();
        EXPECT_EQ(host.processed, 1);
        EXPECT_TRUE(result.reload);
        EXPECT_EQ(host.runningChanges, (std::vector<bool>{true, false}));
    }
    EXPECT_EQ(silent.accepted(), 1);
    EXPECT_EQ(stored().size(), 1u);
}

// What the service sends is quoted, never acted upon: an escape sequence in a
// bad line reaches the message escaped, and a long line is cut.
TEST_F(InternetUpdateTest, AServersBadLineIsQuotedEscapedAndCut) {
    const std::string bad =
        serviceLine(twentyNumbers(1), 2, "\x1b]0;owned\x07", std::string(5000, '7').c_str());
    m_reply = [&](const drawservice::DrawRequest&) -> std::optional<drawservice::Reply> {
        return drawservice::Reply{200, bad + "\r\n"};
    };
    m_home.writeHistory({makeRecord(kDay.addDays(-1), 1, twentyNumbers(5))});
    RecordingHost host(kDay);

    runUpdate(host);

    ASSERT_EQ(host.messages.size(), 1);
    const QString& message = host.messages[0];
    EXPECT_TRUE(message.startsWith(QStringLiteral("erreur: \\x1b]0;owned\\x07,777")))
        << message.toStdString();
    EXPECT_FALSE(message.contains(QChar(0x1b)));
    EXPECT_EQ(message.size(), QStringLiteral("erreur: ").size() + common::kShownTextMax);
    EXPECT_TRUE(message.endsWith(QChar(0x2026)));
}

} // namespace
