// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QTimeZone>
#include <sys/resource.h>

#include "ArchiveServer.h"
#include "TestSupport.h"
#include "UpdateTestSupport.h"
#include "history/ArchiveImporter.h"
#include "history/ArchiveUpdate.h"
#include "history/ArchiveValidators.h"

namespace {

using updatetest::ArchiveServer;

// The operator's export up to 04.06.2025 midi, frozen in tests/data so that
// the made-up draws after it stay new when data/keno gains draws.
const QString kExport = testsupport::frozenSliceFile();
// Today for these tests: the made-up draws run to 08.06.2025.
const QDate kToday(2025, 6, 20);

QByteArray exportBytes() {
    return testsupport::fileBytes(kExport);
}

// The export with count made-up draws after its newest.
QByteArray extendedExport(int count) {
    return updatetest::withMadeUpRows(exportBytes(), count);
}

// A Home whose history is the import of the export.
struct ImportedHome {
    testsupport::TempHome home;
    ImportedHome() {
        const auto result = history::ArchiveImporter::importFiles({kExport}, home.historyPath(),
                                                                  home.historyPath() + '~', kToday);
        EXPECT_TRUE(result.ok) << result.error.toStdString();
    }
    QByteArray history() const { return testsupport::fileBytes(home.historyPath()); }
};

history::UpdateSettings settingsFor(const QString& address, const testsupport::TempHome& home) {
    history::UpdateSettings settings;
    settings.resultsUrls = {address};
    settings.validatorsPath = home.file(history::ArchiveValidators::kFileName);
    return settings;
}

history::UpdateResult update(const ImportedHome& home, const history::UpdateSettings& settings,
                             updatetest::RecordingHost* host) {
    return history::ArchiveUpdate(*host, home.home.historyPath(), settings).run();
}

class ArchiveUpdateTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        updatetest::ensureApp();
        ArchiveServer::trustTestCertificate();
    }
};

// The update adds exactly the new draws, gives the history the import of the
// same files gives, and asks again only conditionally.
void expectNewDrawsThenNotModified(ArchiveServer& server, history::UpdateSettings settings,
                                   const ImportedHome& home) {
    const QByteArray extended = extendedExport(10);
    server.setHandler(ArchiveServer::archive(ArchiveServer::zip({{"keno_202010.csv", extended}})));
    updatetest::RecordingHost host(kToday);

    const history::UpdateResult first = update(home, settings, &host);

    EXPECT_FALSE(first.failed) << first.summary.toStdString();
    EXPECT_EQ(first.appended, 10);
    EXPECT_EQ(first.summary,
              QStringLiteral("Résultats FDJ : 10 nouveaux tirages, jusqu'au 09.06.2025 midi"));
    testsupport::TempHome imported;
    QDir(imported.path()).mkpath(QStringLiteral("x"));
    QFile csv(imported.file(QStringLiteral("x/extended.csv")));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(extended);
    csv.close();
    ASSERT_TRUE(history::ArchiveImporter::importFiles({kExport, csv.fileName()},
                                                      imported.historyPath(),
                                                      imported.historyPath() + '~', kToday)
                    .ok);
    EXPECT_TRUE(home.history() == testsupport::fileBytes(imported.historyPath()));

    const QByteArray before = home.history();
    const history::UpdateResult second = update(home, settings, &host);
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_TRUE(server.requests()[1].contains("If-None-Match: \"v1\""));
    EXPECT_TRUE(server.requests()[1].contains("If-Modified-Since: Mon, 08 Dec 2026"));
    EXPECT_EQ(second.appended, 0);
    EXPECT_EQ(second.summary, QStringLiteral("Résultats FDJ : à jour (09.06.2025 midi)"));
    EXPECT_TRUE(home.history() == before);
}

TEST_F(ArchiveUpdateTest, OverHttpsAddsTheNewDrawsAndThenAsksConditionally) {
    ArchiveServer server(QStringLiteral("trusted"));
    ImportedHome home;
    expectNewDrawsThenNotModified(server, settingsFor(server.url(), home.home), home);
}

TEST_F(ArchiveUpdateTest, OverPlainHttpBehindAProxy) {
    ArchiveServer server;
    updatetest::ForwardingProxy proxy;
    ImportedHome home;
    history::UpdateSettings settings = settingsFor(server.url(), home.home);
    settings.proxyHost = QStringLiteral("127.0.0.1");
    settings.proxyPort = QString::number(proxy.port());
    expectNewDrawsThenNotModified(server, settings, home);
    EXPECT_EQ(proxy.requestLines().size(), 2);
}

TEST_F(ArchiveUpdateTest, AStoredDrawThatDiffersIsKeptAndNamed) {
    QByteArray changed = exportBytes();
    // The newest row, 04.06.2025 midi, with 3 where the operator has 4.
    changed.replace("25309;04/06/2025;midi;02/09/2025;3;", "25309;04/06/2025;midi;02/09/2025;4;");
    ArchiveServer server(QStringLiteral("trusted"));
    server.setHandler(ArchiveServer::archive(ArchiveServer::zip({{"keno_202010.csv", changed}})));
    ImportedHome home;
    const QByteArray before = home.history();
    updatetest::RecordingHost host(kToday);

    const history::UpdateResult result = update(home, settingsFor(server.url(), home.home), &host);

    EXPECT_EQ(result.differing,
              QStringLiteral("1 tirage diffère des résultats FDJ : 04.06.2025 midi (gardé)"));
    EXPECT_EQ(host.offered, 1);
    EXPECT_TRUE(home.history() == before);

    // Offered again by the next update, not hidden behind "not modified".
    host.takeOperators = true;
    const history::UpdateResult taken = update(home, settingsFor(server.url(), home.home), &host);
    EXPECT_EQ(taken.differing, QStringLiteral("1 tirage diffère des résultats FDJ : 04.06.2025 "
                                              "midi (remplacé par celui de la FDJ)"));
    EXPECT_EQ(host.offered, 2);
    EXPECT_FALSE(home.history() == before);
}

// Every bad answer leaves the history as it was, byte for byte, and a
// message naming what went wrong.
TEST_F(ArchiveUpdateTest, BadAnswersChangeNothingAndSayWhy) {
    const QByteArray goodZip = ArchiveServer::zip({{"keno_202010.csv", extendedExport(2)}});
    QByteArray damagedZip = goodZip;
    damagedZip.truncate(damagedZip.size() / 2);
    using Answer = ArchiveServer::Answer;
    struct Case {
        const char* name;
        QString certificate;
        ArchiveServer::Handler handler;
        const char* expected;
        std::function<void(history::UpdateSettings*)> tune = nullptr;
    };
    const QString tls = QStringLiteral("trusted");
    const std::vector<Case> cases = {
        {"html page", tls,
         [](auto&) {
             return Answer{200, {}, "<!DOCTYPE html><html>Maintenance"};
         },
         "pas une archive ZIP (commence par « <!DOCTYPE html>"},
        {"json error", tls,
         [](auto&) {
             return Answer{200, {}, "{\"error\":\"unavailable\"}"};
         },
         "pas une archive ZIP (commence par « {\"error\""},
        {"empty body", tls,
         [](auto&) {
             return Answer{200, {}, {}};
         },
         "pas une archive ZIP (vide)"},
        {"http error", tls,
         [](auto&) {
             return Answer{503, {}, "busy"};
         },
         "HTTP 503"},
        {"damaged zip", tls,
         [&](auto&) {
             return Answer{200, {}, damagedZip};
         },
         "archive ZIP endommagée ou incomplète"},
        {"zip without csv", tls,
         [](auto&) {
             return Answer{200, {}, ArchiveServer::zip({{"readme.txt", "Keno"}})};
         },
         "ne contient aucun fichier CSV"},
        {"encrypted zip", tls,
         [](auto&) {
             return Answer{200, {}, ArchiveServer::zip({{"keno.csv", "date"}}, "secret")};
         },
         "keno.csv est chiffré"},
        {"foreign header", tls,
         [](auto&) {
             return Answer{200, {}, ArchiveServer::zip({{"keno.csv", "date;numbers\n1;2\n"}})};
         },
         "pas de colonne date_de_tirage"},
        {"untrusted certificate", QStringLiteral("untrusted"),
         [&](auto&) {
             return Answer{200, {}, goodZip};
         },
         "SSL"},
        {"redirect to http", tls,
         [](auto&) {
             return Answer{302, {{"Location", "http://127.0.0.1:9/keno.zip"}}, {}};
         },
         "seules les adresses https sont suivies"},
        {"endless body", tls,
         [](auto&) {
             return Answer{200, {}, {}, false, true};
         },
         "réponse de plus de 1 Mio",
         [](history::UpdateSettings* s) { s->maxArchiveBytes = 1024 * 1024; }},
        {"entry past the limit", tls,
         [&](auto&) {
             return Answer{200, {}, goodZip};
         },
         "décompressé dépasse", [](history::UpdateSettings* s) { s->maxEntryBytes = 4096; }},
        {"time-out", tls,
         [](auto&) {
             return Answer{200, {}, {}, true};
         },
         "Délai de la requête dépassé",
         [](history::UpdateSettings* s) { s->requestTimeoutMs = 300; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ArchiveServer server(c.certificate);
        server.setHandler(c.handler);
        ImportedHome home;
        const QByteArray before = home.history();
        history::UpdateSettings settings = settingsFor(server.url(), home.home);
        if (c.tune) {
            c.tune(&settings);
        }
        updatetest::RecordingHost host(kToday);

        const history::UpdateResult result = update(home, settings, &host);
        EXPECT_TRUE(result.failed);
        EXPECT_TRUE(
            result.summary.startsWith(QStringLiteral("Mise à jour impossible : ") + server.url()))
            << result.summary.toStdString();
        EXPECT_TRUE(result.summary.contains(QString::fromUtf8(c.expected)))
            << result.summary.toStdString();
        EXPECT_TRUE(home.history() == before);
    }
}

// A draw service whose answer never ends costs the update one mebibyte per
// request, not the machine's memory.
TEST_F(ArchiveUpdateTest, AnEndlessChunkedAnswerOfADrawServiceIsCutWithoutMemory) {
    ArchiveServer server;
    server.setHandler([](const QByteArray&) {
        return ArchiveServer::Answer{200, {}, {}, false, true};
    });
    ImportedHome home;
    const QByteArray before = home.history();
    history::UpdateSettings settings;
    settings.serviceUrl = server.url(QString());
    updatetest::RecordingHost host(QDate(2025, 6, 4)); // one request: that day's evening draw
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const long peakBefore = usage.ru_maxrss;

    history::InternetUpdate(host, home.home.historyPath(), settings).run();

    getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss - peakBefore, 100 * 1024); // kilobytes
    EXPECT_TRUE(host.panel0.contains(QStringLiteral("Failed : 200 réponse de plus de 1 Mio")))
        << host.panel0.join('|').toStdString();
    EXPECT_TRUE(home.history() == before);
}

TEST_F(ArchiveUpdateTest, TheStopButtonEndsADownload) {
    ArchiveServer server(QStringLiteral("trusted"));
    updatetest::RecordingHost host(kToday);
    server.setHandler([&](const QByteArray&) {
        host.stop = true;
        return ArchiveServer::Answer{200, {}, {}, true};
    });
    ImportedHome home;
    const QByteArray before = home.history();

    const history::UpdateResult result = update(home, settingsFor(server.url(), home.home), &host);

    EXPECT_TRUE(result.failed);
    EXPECT_TRUE(result.summary.contains(QStringLiteral("arrêtée"))) << result.summary.toStdString();
    EXPECT_TRUE(home.history() == before);
}

TEST_F(ArchiveUpdateTest, TheNextAddressIsTriedWhenOneFails) {
    ArchiveServer broken(QStringLiteral("trusted"));
    broken.setHandler([](const QByteArray&) { return ArchiveServer::Answer{404, {}, "gone"}; });
    ArchiveServer good(QStringLiteral("trusted"));
    good.setHandler(
        ArchiveServer::archive(ArchiveServer::zip({{"keno_202010.csv", extendedExport(1)}})));
    ImportedHome home;
    history::UpdateSettings settings = settingsFor(broken.url(), home.home);
    settings.resultsUrls << good.url();
    updatetest::RecordingHost host(kToday);

    const history::UpdateResult result = update(home, settings, &host);

    EXPECT_FALSE(result.failed) << result.summary.toStdString();
    EXPECT_EQ(result.appended, 1);
}

TEST_F(ArchiveUpdateTest, NothingIsAskedWhenNoNewerDrawCanExist) {
    ArchiveServer server(QStringLiteral("trusted"));
    ImportedHome home;
    // The export's newest draw is 04.06.2025 midi: at 14:00 that day nothing newer exists.
    struct Host : updatetest::RecordingHost {
        using RecordingHost::RecordingHost;
        QDateTime now() override {
            return QDateTime(QDate(2025, 6, 4), QTime(14, 0),
                             QTimeZone(QByteArrayLiteral("Europe/Paris")));
        }
    } host(QDate(2025, 6, 4));

    const history::UpdateResult result = update(home, settingsFor(server.url(), home.home), &host);

    EXPECT_EQ(result.requests, 0);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_EQ(result.summary, QStringLiteral("Résultats FDJ : à jour (04.06.2025 midi)"));
}

} // namespace
