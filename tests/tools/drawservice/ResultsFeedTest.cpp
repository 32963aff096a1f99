// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ArchiveServer.h"
#include "DrawService.h"
#include "ResultsFeed.h"
#include "TestSupport.h"
#include "UpdateTestSupport.h"

namespace {

using updatetest::ArchiveServer;

// The service loads a ZIP of the operator's export, then takes the draws of
// the operator's newer archive, and asks for it again only conditionally.
TEST(ResultsFeed, TheDrawServiceServesZipFilesAndKeepsItselfCurrent) {
    updatetest::ensureApp();
    ArchiveServer::trustTestCertificate();
    testsupport::TempHome home;
    const QByteArray exportBytes = testsupport::fileBytes(testsupport::frozenSliceFile());
    const QString zipPath = home.file(QStringLiteral("keno_202010.zip"));
    ASSERT_TRUE(
        testsupport::writeFile(zipPath, ArchiveServer::zip({{"keno_202010.csv", exportBytes}})));
    drawservice::DrawService service;
    QString error;
    ASSERT_TRUE(service.loadArchive(zipPath, &error)) << error.toStdString();
    const int bundled = service.drawCount();
    drawservice::DrawRequest request;
    request.date = QDate(2025, 6, 5);
    request.ziehung = 0;
    EXPECT_EQ(service.answer(request).status, 500); // not published yet

    ArchiveServer server(QStringLiteral("trusted"));
    server.setHandler(ArchiveServer::archive(
        ArchiveServer::zip({{"keno_202010.csv", updatetest::withMadeUpRows(exportBytes, 2)}})));
    drawservice::ResultsFeed feed(service, server.url());
    QString report;
    EXPECT_TRUE(feed.refresh(&report)) << report.toStdString();
    EXPECT_EQ(service.drawCount(), bundled + 2);
    EXPECT_EQ(service.answer(request).status, 200);
    EXPECT_TRUE(feed.refresh(&report));
    EXPECT_TRUE(report.endsWith(QStringLiteral("unchanged"))) << report.toStdString();
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_TRUE(server.requests()[1].contains("If-None-Match: \"v1\""));
}

} // namespace
