// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "TestSupport.h"
#include "history/DrawEditor.h"
#include "history/HistoryFile.h"

using history::DrawEditor;
using history::DrawEntry;
using history::TZiehung;
using testsupport::makeRecord;
using testsupport::twentyNumbers;

namespace {

const QDate kMonday(2022, 11, 21);

class DrawEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Three days: both draws, only midi, only soir; then a day with both.
        m_records = {makeRecord(kMonday, 0, twentyNumbers(1)),
                     makeRecord(kMonday, 1, twentyNumbers(2)),
                     makeRecord(kMonday.addDays(1), 0, twentyNumbers(3)),
                     makeRecord(kMonday.addDays(3), 1, twentyNumbers(4)),
                     makeRecord(kMonday.addDays(4), 0, twentyNumbers(5)),
                     makeRecord(kMonday.addDays(4), 1, twentyNumbers(6))};
        m_home.writeHistory(m_records);
    }
    std::vector<TZiehung> stored() const {
        std::vector<TZiehung> records;
        history::HistoryFile::readAll(m_home.historyPath(), &records);
        return records;
    }
    QByteArray bytes() const { return testsupport::fileBytes(m_home.historyPath()); }
    bool noTempFiles() const {
        return !QFile::exists(m_home.historyPath() + "~") &&
               !QFile::exists(m_home.file(QStringLiteral("Keno.da~")));
    }
    TZiehung entered(const QDate& date, int soir) const {
        TZiehung draw = makeRecord(date, soir, twentyNumbers(40, 2), 5);
        draw.jokerPlus = {1, 2, 3, 4, 5, 6, 7};
        return draw;
    }
    void enterAndExpect(const TZiehung& draw, std::vector<TZiehung> expected) {
        QString error;
        int dropped = -1;
        ASSERT_TRUE(DrawEditor::enter(m_home.historyPath(), draw, &dropped, &error))
            << error.toStdString();
        EXPECT_EQ(dropped, 0);
        EXPECT_EQ(stored(), expected);
        EXPECT_TRUE(noTempFiles());
    }

    testsupport::TempHome m_home;
    std::vector<TZiehung> m_records;
};

TEST_F(DrawEditorTest, ANewerDrawIsAppended) {
    const TZiehung draw = entered(kMonday.addDays(9), 0);
    auto expected = m_records;
    expected.push_back(draw);
    enterAndExpect(draw, expected);
}

TEST_F(DrawEditorTest, TheEveningDrawOfTheNewestDayGoesAfterItsMiddayDraw) {
    m_records.pop_back();
    m_home.writeHistory(m_records);
    const TZiehung draw = entered(kMonday.addDays(4), 1);
    auto expected = m_records;
    expected.push_back(draw);
    enterAndExpect(draw, expected);
}

TEST_F(DrawEditorTest, AMiddayDrawGoesBeforeTheStoredEveningDrawOfItsDay) {
    const TZiehung draw = entered(kMonday.addDays(3), 0);
    auto expected = m_records;
    expected.insert(expected.begin() + 3, draw);
    enterAndExpect(draw, expected);
}

TEST_F(DrawEditorTest, AnEveningDrawGoesAfterTheStoredMiddayDrawOfItsDay) {
    const TZiehung draw = entered(kMonday.addDays(1), 1);
    auto expected = m_records;
    expected.insert(expected.begin() + 3, draw);
    enterAndExpect(draw, expected);
}

TEST_F(DrawEditorTest, AMissingDayGoesBeforeTheNextStoredDay) {
    for (const QDate& date : {kMonday.addDays(2), kMonday.addDays(-30)}) {
        SetUp();
        const TZiehung draw = entered(date, 1);
        auto expected = m_records;
        expected.insert(expected.begin() + (date < kMonday ? 0 : 3), draw);
        enterAndExpect(draw, expected);
    }
}

TEST_F(DrawEditorTest, TheSameDateAndFlagReplaceTheStoredDraw) {
    for (std::size_t position : {0u, 1u, 3u, 5u}) {
        SetUp();
        const TZiehung draw =
            entered(common::toDate(m_records[position].datum), m_records[position].soir);
        auto expected = m_records;
        expected[position] = draw;
        enterAndExpect(draw, expected);
    }
}

TEST_F(DrawEditorTest, EnteringIntoAnEmptyHistoryAppendsButAMissingHistoryIsAnError) {
    m_home.writeHistory({});
    const TZiehung draw = entered(kMonday, 1);
    enterAndExpect(draw, {draw});

    QFile::remove(m_home.historyPath());
    QString error;
    int dropped = 0;
    EXPECT_FALSE(DrawEditor::enter(m_home.historyPath(), draw, &dropped, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Tirvex.dat")));
    EXPECT_FALSE(QFile::exists(m_home.historyPath()));
    int removed = 0;
    EXPECT_FALSE(
        DrawEditor::remove(m_home.historyPath(), m_home.path(), draw.datum, 1, &removed, &error));
    EXPECT_FALSE(QFile::exists(m_home.historyPath()));
}

TEST_F(DrawEditorTest, DeletionRemovesExactlyTheCurrentDraw) {
    int removed = 0;
    QString error;
    ASSERT_TRUE(DrawEditor::remove(m_home.historyPath(), m_home.path(), m_records[4].datum, 0,
                                   &removed, &error));
    EXPECT_EQ(removed, 1);
    auto expected = m_records;
    expected.erase(expected.begin() + 4);
    EXPECT_EQ(stored(), expected);
    EXPECT_TRUE(noTempFiles());

    // A draw that is not stored leaves the file as it is.
    const QByteArray before = bytes();
    ASSERT_TRUE(DrawEditor::remove(m_home.historyPath(), m_home.path(),
                                   common::toDayNumber(kMonday.addDays(2)), 0, &removed, &error));
    EXPECT_EQ(removed, 0);
    EXPECT_EQ(bytes(), before);
}

// Records with a damaged date (a typo of the future, garbage before the first
// draw) cannot be placed in order: an entry leaves them out and counts them;
// a deletion keeps every record but the one it deletes.
TEST_F(DrawEditorTest, AnEntryCountsTheDamagedRecordsItLeavesOutADeletionKeepsThem) {
    TZiehung future = makeRecord(QDate::currentDate().addYears(40), 0, twentyNumbers(7));
    TZiehung ancient = makeRecord(QDate(1980, 1, 1), 1, twentyNumbers(8));
    std::vector<TZiehung> raw = m_records;
    raw.insert(raw.begin() + 2, ancient);
    raw.push_back(future);
    m_home.writeHistory(raw);

    int removed = 0;
    QString error;
    ASSERT_TRUE(DrawEditor::remove(m_home.historyPath(), m_home.path(), m_records[0].datum, 0,
                                   &removed, &error));
    EXPECT_EQ(removed, 1);
    std::vector<TZiehung> records;
    history::HistoryFile::readRaw(m_home.historyPath(), &records);
    raw.erase(raw.begin());
    EXPECT_EQ(records, raw);

    // Even a draw newer than every sound one is not appended behind them.
    const TZiehung draw = entered(kMonday.addDays(9), 0);
    int dropped = 0;
    ASSERT_TRUE(DrawEditor::enter(m_home.historyPath(), draw, &dropped, &error));
    EXPECT_EQ(dropped, 2);
    history::HistoryFile::readRaw(m_home.historyPath(), &records);
    auto expected = std::vector<TZiehung>(m_records.begin() + 1, m_records.end());
    expected.push_back(draw);
    EXPECT_EQ(records, expected);
}

TEST_F(DrawEditorTest, AFailedReplacementLeavesTheHistoryByteForByte) {
    // A folder where the temporary file should go makes writing it fail.
    ASSERT_TRUE(QDir(m_home.path()).mkdir(QStringLiteral("Tirvex.dat~")));
    ASSERT_TRUE(QDir(m_home.path()).mkdir(QStringLiteral("Keno.da~")));
    const QByteArray before = bytes();
    QString error;
    int dropped = 0;

    EXPECT_FALSE(DrawEditor::enter(m_home.historyPath(), entered(kMonday, 0), &dropped, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(bytes(), before);
    int removed = 0;
    EXPECT_FALSE(DrawEditor::remove(m_home.historyPath(), m_home.path(), m_records[0].datum, 0,
                                    &removed, &error));
    EXPECT_EQ(bytes(), before);
}

TEST(DrawEditorRecord, AnEntryNeedsExactlyTwentyNumbersOfOneToSeventy) {
    DrawEntry entry;
    entry.date = kMonday;
    entry.soir = true;
    entry.multiplier = 3;
    entry.jokerPlus = {0, 5, 2, 9, 4, 0, 7};
    entry.numbers = twentyNumbers(70, 5);
    TZiehung record;
    QString error;
    ASSERT_TRUE(DrawEditor::buildRecord(entry, &record, &error)) << error.toStdString();
    EXPECT_TRUE(std::is_sorted(record.zahlen.begin(), record.zahlen.end()));
    EXPECT_EQ(record.zahlen[19], 70);
    EXPECT_EQ(record.joker, (std::array<std::uint8_t, 7>{}));
    EXPECT_EQ(record.jokerPlus, (std::array<std::uint8_t, 7>{0, 5, 2, 9, 4, 0, 7}));
    EXPECT_EQ(record.soir, 1);
    EXPECT_EQ(record.multiplicateur, 3);
    EXPECT_EQ(record.datum, common::toDayNumber(kMonday));

    auto refused = [&](DrawEntry bad) {
        TZiehung untouched = record;
        const bool ok = DrawEditor::buildRecord(bad, &untouched, &error);
        return !ok && !error.isEmpty() && untouched == record;
    };
    DrawEntry nineteen = entry;
    nineteen.numbers.pop_back();
    EXPECT_TRUE(refused(nineteen));
    EXPECT_TRUE(error.contains(QStringLiteral("20")));
    DrawEntry twentyOne = entry;
    twentyOne.numbers.push_back(69);
    EXPECT_TRUE(refused(twentyOne));
    DrawEntry twice = entry;
    twice.numbers[1] = twice.numbers[0];
    EXPECT_TRUE(refused(twice));
    DrawEntry outside = entry;
    outside.numbers[0] = 71;
    EXPECT_TRUE(refused(outside));
    DrawEntry multiplier = entry;
    multiplier.multiplier = 4;
    EXPECT_TRUE(refused(multiplier));
    DrawEntry digit = entry;
    digit.jokerPlus[6] = 10;
    EXPECT_TRUE(refused(digit));
    // A date after today is refused; today itself is taken.
    DrawEntry future = entry;
    future.lastDay = kMonday.addDays(-1);
    EXPECT_TRUE(refused(future));
    EXPECT_TRUE(error.contains(QStringLiteral("21.11.2022")));
    future.lastDay = kMonday;
    EXPECT_TRUE(DrawEditor::buildRecord(future, &record, &error));
}

} // namespace
