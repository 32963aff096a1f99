// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cmath>
#include <limits>

#include "TestSupport.h"
#include "common/DayNumber.h"
#include "history/DrawCursor.h"
#include "history/DrawHistory.h"
#include "history/HistoryFile.h"

using history::HistoryFile;
using history::TZiehung;
using testsupport::makeRecord;

namespace {

TEST(TZiehung, IsFortyEightLittleEndianBytes) {
    TZiehung record = makeRecord(QDate(2022, 11, 24), 1, testsupport::twentyNumbers(1), 5);
    record.joker = {1, 2, 3, 4, 5, 6, 7};
    record.jokerPlus = {9, 8, 7, 6, 5, 4, 3};
    const TZiehung::Bytes bytes = record.toBytes();
    ASSERT_EQ(bytes.size(), 48u);
    // 44889.0 as an IEEE double is 0x40E5EB2000000000, stored low byte first.
    const std::uint8_t date[8] = {0, 0, 0, 0, 0x20, 0xEB, 0xE5, 0x40};
    EXPECT_TRUE(std::equal(date, date + 8, bytes.begin()));
    EXPECT_EQ(bytes[8], 1);
    EXPECT_EQ(bytes[27], record.zahlen[19]);
    EXPECT_EQ(bytes[28], 1);
    EXPECT_EQ(bytes[34], 7);
    EXPECT_EQ(bytes[35], 9);
    EXPECT_EQ(bytes[41], 3);
    EXPECT_EQ(bytes[42], 1);
    EXPECT_EQ(bytes[43], 5);
    EXPECT_EQ(bytes[44] | bytes[45] | bytes[46] | bytes[47], 0);
    EXPECT_EQ(TZiehung::fromBytes(bytes.data()), record);
}

TEST(TZiehung, KeepsOutOfRangeValuesAndReservedBytesAsRead) {
    TZiehung::Bytes raw{};
    for (std::size_t i = 0; i < raw.size(); ++i) {
        raw[i] = static_cast<std::uint8_t>(200 + i);
    }
    EXPECT_EQ(TZiehung::fromBytes(raw.data()).toBytes(), raw);
}

TEST(HistoryFile, TrailingFragmentIsNeverRead) {
    testsupport::TempHome home;
    std::vector<TZiehung> records = {
        makeRecord(QDate(2020, 1, 1), 0, testsupport::twentyNumbers(1)),
        makeRecord(QDate(2020, 1, 1), 1, testsupport::twentyNumbers(2))};
    QFile file(home.historyPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(HistoryFile::encode(records) + QByteArray(4, 'x')); // 100 bytes
    file.close();
    std::vector<TZiehung> read;
    ASSERT_EQ(HistoryFile::readAll(home.historyPath(), &read), HistoryFile::Status::Ok);
    EXPECT_EQ(read, records);

    // Appending starts on the next whole record, after the fragment's place.
    const TZiehung third = makeRecord(QDate(2020, 1, 2), 0, testsupport::twentyNumbers(3));
    ASSERT_TRUE(HistoryFile::append(home.historyPath(), {third}));
    ASSERT_EQ(HistoryFile::readAll(home.historyPath(), &read), HistoryFile::Status::Ok);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[2], third);
}

// 01.03.2020 18:00 from a file written elsewhere is the draw of the 1st:
// shown as the 1st and found at the 1st, with the 1st's midday draw as the
// other draw of its day.
TEST(HistoryFile, ADayNumberWithATimeOfDayCountsAsItsDay) {
    testsupport::TempHome home;
    std::vector<TZiehung> records = {
        makeRecord(QDate(2020, 2, 29), 1, testsupport::twentyNumbers(1)),
        makeRecord(QDate(2020, 3, 1), 0, testsupport::twentyNumbers(2)),
        makeRecord(QDate(2020, 3, 1), 1, testsupport::twentyNumbers(3)),
        makeRecord(QDate(2020, 3, 2), 0, testsupport::twentyNumbers(4))};
    records[2].datum += 0.75;
    QFile file(home.historyPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(HistoryFile::encode(records));
    file.close();

    std::vector<TZiehung> read;
    ASSERT_EQ(HistoryFile::readAll(home.historyPath(), &read), HistoryFile::Status::Ok);
    EXPECT_EQ(read[2].datum, common::toDayNumber(QDate(2020, 3, 1)));
    history::DrawCursor cursor;
    cursor.loadAtDate(read, common::toDayNumber(QDate(2020, 3, 1)));
    EXPECT_EQ(cursor.current().position, 2);
    EXPECT_TRUE(cursor.drawLine().contains(QStringLiteral("01.03.20")))
        << cursor.drawLine().toStdString();
}

TEST(HistoryFile, MissingAndEmptyFiles) {
    testsupport::TempHome home;
    std::vector<TZiehung> read;
    EXPECT_EQ(HistoryFile::readAll(home.historyPath(), &read), HistoryFile::Status::Missing);
    home.writeHistory({});
    EXPECT_EQ(HistoryFile::readAll(home.historyPath(), &read), HistoryFile::Status::Ok);
    EXPECT_TRUE(read.empty());
    // Appending to a missing file creates it.
    const QString other = home.file(QStringLiteral("new.dat"));
    ASSERT_TRUE(HistoryFile::append(other, {makeRecord(QDate(2020, 1, 1), 0, {1})}));
    EXPECT_EQ(QFile(other).size(), 48);
}

TEST(HistoryFile, ReplaceLeavesNoTemporaryFileBehind) {
    testsupport::TempHome home;
    home.writeHistory({makeRecord(QDate(2020, 1, 1), 0, {1})});
    const std::vector<TZiehung> replacement = {makeRecord(QDate(2020, 1, 2), 0, {2}),
                                               makeRecord(QDate(2020, 1, 2), 1, {3})};
    const QString temp = home.historyPath() + QLatin1Char('~');
    ASSERT_TRUE(HistoryFile::replace(home.historyPath(), temp, replacement));
    EXPECT_FALSE(QFile::exists(temp));
    EXPECT_EQ(testsupport::fileBytes(home.historyPath()), HistoryFile::encode(replacement));
}

// A rewrite (an insertion, a deletion) keeps the history's permissions, and
// a history its owner made read-only is refused as an append refuses it.
TEST(HistoryFile, AReplacementKeepsThePermissionsAndRefusesAWriteProtectedHistory) {
    testsupport::TempHome home;
    home.writeHistory({makeRecord(QDate(2020, 1, 1), 0, {1})});
    const QString temp = home.historyPath() + QLatin1Char('~');
    const auto kept = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(home.historyPath(), kept));
    ASSERT_TRUE(HistoryFile::replace(home.historyPath(), temp, {}));
    EXPECT_EQ(QFile::permissions(home.historyPath()) & ~QFile::Permissions(0x0F00), kept);

    home.writeHistory({makeRecord(QDate(2020, 1, 1), 0, {1})});
    const QByteArray before = testsupport::fileBytes(home.historyPath());
    ASSERT_TRUE(QFile::setPermissions(home.historyPath(), QFile::ReadOwner | QFile::ReadGroup));
    QString error;
    const bool appended =
        HistoryFile::append(home.historyPath(), {makeRecord(QDate(2020, 1, 2), 0, {2})}, &error);
    // root writes to any file: there the append, and so the rewrite, succeed,
    // and the rewritten history is still read-only.
    if (appended) {
        EXPECT_TRUE(HistoryFile::replace(home.historyPath(), temp, {}, &error));
    } else {
        EXPECT_FALSE(HistoryFile::replace(home.historyPath(), temp, {}, &error));
        EXPECT_TRUE(error.contains(QStringLiteral("Tirvex.dat"))) << error.toStdString();
        EXPECT_EQ(testsupport::fileBytes(home.historyPath()), before);
        EXPECT_FALSE(QFile::exists(temp));
    }
    EXPECT_EQ(QFile::permissions(home.historyPath()) & ~QFile::Permissions(0x0F00),
              QFile::ReadOwner | QFile::ReadGroup);
}

TEST(HistoryFile, FailedReplacementLeavesHistoryByteForByte) {
    testsupport::TempHome home;
    home.writeHistory({makeRecord(QDate(2020, 1, 1), 0, testsupport::twentyNumbers(5))});
    const QByteArray before = testsupport::fileBytes(home.historyPath());

    // The temporary file cannot be written: a directory stands in its place.
    const QString temp = home.file(QStringLiteral("Keno.da~"));
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Keno.da~")));
    QString error;
    EXPECT_FALSE(HistoryFile::replace(home.historyPath(), temp, {}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(testsupport::fileBytes(home.historyPath()), before);

    // The rename cannot happen: the history's name is taken by a directory
    // in another home; the temporary file is cleaned up.
    testsupport::TempHome other;
    ASSERT_TRUE(QDir(other.path()).mkpath(QStringLiteral("Tirvex.dat/inner")));
    const QString otherTemp = other.file(QStringLiteral("Tirvex.dat~"));
    EXPECT_FALSE(HistoryFile::replace(other.historyPath(), otherTemp, {}, &error));
    EXPECT_FALSE(QFile::exists(otherTemp));
}

// Records the disk takes only in part are cut off again, and the failure
// names the system's reason (here the size limit; "No space left on device"
// on a full disk), not a short write's "Unknown error".
TEST(HistoryFile, AFailedAppendNamesTheReasonAndLeavesTheHistoryAsItWas) {
    testsupport::TempHome home;
    home.writeHistory({makeRecord(QDate(2020, 1, 1), 0, testsupport::twentyNumbers(5))});
    const QByteArray before = testsupport::fileBytes(home.historyPath());
    QString error;
    {
        testsupport::FileSizeLimit limit(TZiehung::kSize + 20);
        EXPECT_FALSE(HistoryFile::append(home.historyPath(),
                                         {makeRecord(QDate(2020, 1, 2), 0, {2})}, &error));
    }
    EXPECT_TRUE(error.contains(QStringLiteral("File too large"))) << error.toStdString();
    EXPECT_EQ(testsupport::fileBytes(home.historyPath()), before);
}

// Dates no draw can have come from a broken or foreign file: the readers
// skip them, and only the raw read shows them.
TEST(HistoryFile, ReadersSkipRecordsWithADamagedDate) {
    testsupport::TempHome home;
    auto onDay = [](double day) {
        TZiehung record = makeRecord(QDate(2020, 1, 1), 0, {9});
        record.datum = day;
        return record;
    };
    const std::vector<TZiehung> records = {makeRecord(QDate(2020, 1, 1), 0, {1}),
                                           makeRecord(QDate(1902, 3, 9), 0, {2}),
                                           onDay(std::nan("")),
                                           makeRecord(QDate(2020, 1, 2), 0, {3}),
                                           makeRecord(QDate(9999, 12, 31), 0, {4}),
                                           makeRecord(QDate(2020, 1, 3), 1, {5}),
                                           onDay(std::numeric_limits<double>::infinity())};
    home.writeHistory(records);

    std::vector<TZiehung> read;
    ASSERT_EQ(HistoryFile::readAll(home.historyPath(), &read), HistoryFile::Status::Ok);
    EXPECT_EQ(read, (std::vector<TZiehung>{records[0], records[3], records[5]}));
    ASSERT_EQ(HistoryFile::readRaw(home.historyPath(), &read), HistoryFile::Status::Ok);
    EXPECT_EQ(read.size(), records.size());
    // A fraction within an allowed day is no damage; the day after the last one is.
    const double last = common::toDayNumber(QDate(2022, 11, 27));
    EXPECT_FALSE(HistoryFile::damagedDate(last + 0.75, last));
    EXPECT_TRUE(HistoryFile::damagedDate(last + 1, last));
    EXPECT_FALSE(HistoryFile::damagedDate(common::kFirstDrawDay, last));
    EXPECT_TRUE(HistoryFile::damagedDate(common::kFirstDrawDay - 1, last));
}

TEST(DrawHistory, HoldsEachDrawAsABitSet) {
    const history::DrawHistory draws({makeRecord(QDate(2020, 1, 1), 0, {1, 64, 65, 70}),
                                      makeRecord(QDate(2020, 1, 3), 0, {2, 3})});
    EXPECT_EQ(draws.setAt(0).size(), 4);
    EXPECT_TRUE(draws.setAt(0).contains(64));
    EXPECT_TRUE(draws.setAt(0).contains(65));
    EXPECT_FALSE(draws.setAt(0).contains(0));
    history::NumberSet tip;
    for (int n : {1, 2, 70, 71}) {
        tip.add(n);
    }
    EXPECT_EQ(draws.setAt(0).common(tip), 2);
    EXPECT_EQ(draws.firstOnOrAfter(common::toDayNumber(QDate(2020, 1, 2))), 1);
    EXPECT_EQ(draws.firstOnOrAfter(common::toDayNumber(QDate(2021, 1, 1))), 2);
}

} // namespace
