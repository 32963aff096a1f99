// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <quazip.h>
#include <quazipfile.h>

#include "TestSupport.h"
#include "history/ArchiveImporter.h"

namespace {

using history::ArchiveImporter;

// A ZIP archive holding the given entries, written by QuaZip.
void writeZip(const QString& path, const std::vector<std::pair<QString, QByteArray>>& entries) {
    QuaZip zip(path);
    ASSERT_TRUE(zip.open(QuaZip::mdCreate));
    for (const auto& [name, bytes] : entries) {
        QuaZipFile entry(&zip);
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly, QuaZipNewInfo(name)));
        entry.write(bytes);
        entry.close();
    }
    zip.close();
    ASSERT_EQ(zip.getZipError(), UNZ_OK);
}

class ArchiveZipTest : public ::testing::Test {
protected:
    ArchiveImporter::Result import(const QStringList& files) {
        return ArchiveImporter::importFiles(files, home.historyPath(), home.historyPath() + "~");
    }
    testsupport::TempHome home;
};

TEST_F(ArchiveZipTest, AZipOfTheArchiveGivesTheSameHistoryAsItsFiles) {
    const QStringList files = testsupport::archiveFiles();
    // The import of the files themselves, made at build time.
    const QByteArray fromFiles = testsupport::fileBytes(testsupport::realHistoryFile());
    ASSERT_FALSE(fromFiles.isEmpty());

    std::vector<std::pair<QString, QByteArray>> entries{{"README.txt", "not a results file"}};
    for (const QString& path : files) {
        entries.emplace_back(QFileInfo(path).fileName(), testsupport::fileBytes(path));
    }
    const QString zip = home.file("keno.zip");
    writeZip(zip, entries);
    const auto result = import({zip});
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(testsupport::fileBytes(home.historyPath()), fromFiles);
}

// Each bad archive is refused with a message naming it, and the history
// stays exactly as it was.
TEST_F(ArchiveZipTest, ADamagedOrForeignZipChangesNothing) {
    const QByteArray slice = testsupport::fileBytes(testsupport::dataFile("keno_202010_slice.csv"));
    ASSERT_TRUE(import({testsupport::dataFile("keno_gagnant_slice.csv")}).ok);
    const QByteArray before = testsupport::fileBytes(home.historyPath());

    const QString good = home.file("good.zip");
    writeZip(good, {{"keno_202010.csv", slice}});
    const QByteArray zipped = testsupport::fileBytes(good);
    QByteArray flipped = zipped;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x5a);
    ASSERT_TRUE(
        testsupport::writeFile(home.file("truncated.zip"), zipped.left(zipped.size() - 30)));
    ASSERT_TRUE(testsupport::writeFile(home.file("flipped.zip"), flipped));
    ASSERT_TRUE(testsupport::writeFile(home.file("header-only.zip"), zipped.left(40)));
    writeZip(home.file("pictures.zip"), {{"photo.jpg", "\xff\xd8\xff"}});
    writeZip(home.file("foreign.zip"), {{"prices.csv", "article;price\napple;3\n"}});

    for (const char* name :
         {"truncated.zip", "flipped.zip", "header-only.zip", "pictures.zip", "foreign.zip"}) {
        const auto result =
            import({testsupport::dataFile("keno_202010_slice.csv"), home.file(name)});
        EXPECT_FALSE(result.ok) << name;
        EXPECT_TRUE(result.error.startsWith(home.file(name))) << result.error.toStdString();
        EXPECT_EQ(testsupport::fileBytes(home.historyPath()), before) << name;
    }
    EXPECT_TRUE(import({good}).ok);
}

} // namespace
