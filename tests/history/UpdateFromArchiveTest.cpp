// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>

#include "TestSupport.h"
#include "UpdateTestSupport.h"
#include "history/ArchiveImporter.h"
#include "history/HistoryFile.h"

namespace {

// Writes the rows of the archive file dated from..to (with its header) to dir/slice.csv.
QString writeSlice(const QString& archive, const QDate& from, const QDate& to, const QDir& dir) {
    const QList<QByteArray> lines = testsupport::fileBytes(archive).split('\n');
    QByteArray slice = lines.front() + '\n';
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QDate date = QDate::fromString(QString::fromLatin1(lines[i].split(';').value(1)),
                                             QStringLiteral("dd/MM/yyyy"));
        if (date.isValid() && date >= from && date <= to) {
            slice += lines[i] + '\n';
        }
    }
    const QString path = dir.filePath(QStringLiteral("slice.csv"));
    return testsupport::writeFile(path, slice) ? path : QString();
}

// The history the update builds from a service serving the slice equals the
// history the importer builds from the same slice, byte for byte. seedFirst:
// the history starts with the slice's first draw instead of empty.
void expectUpdateEqualsImport(const QDate& from, const QDate& to, bool seedFirst) {
    updatetest::ensureApp();
    testsupport::TempHome archive;
    const QString slice = writeSlice(QDir(QStringLiteral(TIRVEX_ARCHIVE_DATA)).filePath("keno.csv"),
                                     from, to, QDir(archive.path()));
    ASSERT_FALSE(slice.isEmpty());

    testsupport::TempHome imported;
    const auto importResult = history::ArchiveImporter::importFiles(
        {slice}, imported.historyPath(), imported.historyPath() + QLatin1Char('~'));
    ASSERT_TRUE(importResult.ok) << importResult.error.toStdString();
    const QByteArray expected = testsupport::fileBytes(imported.historyPath());
    ASSERT_GT(expected.size(), 400 * history::TZiehung::kSize);

    testsupport::TempHome updated;
    if (seedFirst) {
        std::vector<history::TZiehung> records;
        history::HistoryFile::readAll(imported.historyPath(), &records);
        updated.writeHistory({records.front()});
    }
    drawservice::DrawService service;
    QString error;
    ASSERT_TRUE(service.loadArchive(archive.path(), &error)) << error.toStdString();
    ASSERT_GT(service.start(), 0);
    history::UpdateSettings settings;
    settings.serviceUrl = service.baseUrl();
    updatetest::RecordingHost host(to);

    const history::UpdateResult result =
        history::InternetUpdate(host, updated.historyPath(), settings).run();

    EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join('\n').toStdString();
    EXPECT_EQ(result.appended, importResult.imported - (seedFirst ? 1 : 0));
    EXPECT_TRUE(testsupport::fileBytes(updated.historyPath()) == expected);
}

TEST(UpdateFromArchive, FillingAnEmptyHistoryEqualsImportingTheFirstYears) {
    expectUpdateEqualsImport(QDate(1993, 9, 16), QDate(1996, 12, 31), false);
}

TEST(UpdateFromArchive, AYearOfTwoDrawsADayWithMultiplierAndJokerPlusEqualsImport) {
    expectUpdateEqualsImport(QDate(2007, 12, 31), QDate(2008, 12, 31), true);
}

} // namespace
