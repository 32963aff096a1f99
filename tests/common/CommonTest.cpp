// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <limits>

#include "TestSupport.h"
#include "common/DayNumber.h"
#include "common/DefaultSuffix.h"
#include "common/Formats.h"
#include "common/Random.h"
#include "common/Rounding.h"
#include "common/ShownText.h"
#include "common/TextFile.h"

namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, std::int64_t> cases[] = {
        {122.5, 122}, {123.5, 124}, {700.5, 700}, {0.5, 0},   {1.5, 2}, {2.4999, 2},
        {2.5001, 3},  {-0.5, 0},    {-1.5, -2},   {-2.5, -2}, {7.0, 7}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(common::roundHalfEven(value), expected) << value;
    }
    // Damaged day numbers and infinities are never cast.
    EXPECT_EQ(common::roundHalfEven(std::nan("")), 0);
    EXPECT_EQ(common::roundHalfEven(1e300), common::roundHalfEven(-1e300) * -1);
    EXPECT_GT(common::roundHalfEven(std::numeric_limits<double>::infinity()), 0);
}

TEST(DayNumber, CountsDaysSinceTheEndOf1899) {
    EXPECT_EQ(common::toDayNumber(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(common::toDayNumber(QDate(1993, 9, 16)), common::kFirstDrawDay);
    EXPECT_EQ(common::toDate(34228), QDate(1993, 9, 16));
    EXPECT_EQ(common::toDate(44889), QDate(2022, 11, 24));
    // A fraction (time of day) rounds to the nearest whole day.
    EXPECT_EQ(common::toDate(34228.4), QDate(1993, 9, 16));
}

TEST(Formats, FixedDateAndNumberFormats) {
    EXPECT_EQ(common::formatShortDate(QDate(2012, 10, 29)), QStringLiteral("29.10.2012"));
    EXPECT_EQ(common::parseShortDate(QStringLiteral("29.10.2012")), QDate(2012, 10, 29));
    EXPECT_FALSE(common::parseShortDate(QStringLiteral("31.02.2012")).isValid());
    EXPECT_EQ(common::formatThousands(1200), QStringLiteral("1.200"));
    EXPECT_EQ(common::formatThousands(1234567), QStringLiteral("1.234.567"));
    EXPECT_EQ(common::formatThousands(999), QStringLiteral("999"));
    EXPECT_EQ(common::formatDecimal(2.5, 2), QStringLiteral("2,50"));
    EXPECT_TRUE(
        common::formatDrawLineDate(QDate(2022, 11, 24)).endsWith(QStringLiteral(" 24.11.22")));
}

TEST(Formats, IntegerConversionRejectsAnythingButDigits) {
    qint64 value = 0;
    EXPECT_TRUE(common::parseInteger(QStringLiteral(" 007 "), &value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(common::parseInteger(QStringLiteral("-3"), &value));
    EXPECT_EQ(value, -3);
    for (const char* bad : {"", " ", "1a", "+", "1.5", "1 2"}) {
        EXPECT_FALSE(common::parseInteger(QString::fromLatin1(bad), &value)) << bad;
    }
}

TEST(Random, FollowsTheLinearCongruentialSequence) {
    common::Random random(12345);
    // Values worked out by hand from seed * 134775813 + 1 mod 2^32.
    EXPECT_EQ(random.next(10), 3);
    EXPECT_EQ(random.next(70), 20);
    EXPECT_EQ(random.next(70), 5);
    EXPECT_EQ(random.next(1000), 553);
    EXPECT_EQ(random.next(2), 1);
    EXPECT_EQ(random.seed(), 2721613530u);
}

TEST(Random, SameSeedSameSequenceAndAlwaysInRange) {
    common::Random a(77);
    common::Random b(77);
    for (int i = 0; i < 10000; ++i) {
        const int n = 1 + i % 70;
        const int value = a.next(n);
        ASSERT_EQ(value, b.next(n));
        ASSERT_GE(value, 0);
        ASSERT_LT(value, n);
    }
    const std::uint32_t before = a.seed();
    EXPECT_EQ(a.next(0), 0);
    EXPECT_EQ(a.seed(), before);
}

TEST(TextFile, WritesCrLfAndReadsLfCrLfAndByteOrderMark) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    ASSERT_TRUE(common::TextFile::writeLines(path, {QStringLiteral("03,07"), QStringLiteral("é")}));
    EXPECT_EQ(testsupport::fileBytes(path), QByteArray("03,07\r\n\xE9\r\n"));

    EXPECT_EQ(common::TextFile::decode("a\nb\r\nc"),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(common::TextFile::decode("\xEF\xBB\xBF\xC3\xA9\n"), QStringList{QStringLiteral("é")});
    EXPECT_EQ(common::TextFile::decode("a\r\n\r\n"), (QStringList{QStringLiteral("a"), QString()}));
}

// A write that fails (here past a file size limit, as on a full disk) keeps
// the old file byte for byte and leaves no temporary file behind.
TEST(TextFile, AFailedWriteLeavesTheOldFileAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tipps.txt"));
    const QStringList old{QStringLiteral("03,07,70")};
    ASSERT_TRUE(common::TextFile::writeLines(path, old));
    const QStringList longer(20, QStringLiteral("01,02,03,04,05,06,07,08,09,10"));
    QString error;
    {
        testsupport::FileSizeLimit limit(64);
        EXPECT_FALSE(common::TextFile::writeLines(path, longer, &error));
        EXPECT_FALSE(common::TextFile::writeBytes(path, QByteArray(100, 'x'), &error));
    }
    EXPECT_FALSE(error.isEmpty());
    QStringList lines;
    ASSERT_TRUE(common::TextFile::readLines(path, &lines));
    EXPECT_EQ(lines, old);
    EXPECT_EQ(testsupport::filesIn(dir.path()), QStringList{QStringLiteral("tipps.txt")});
}

TEST(TextFile, ReadingAMissingFileFailsWithAReason) {
    QStringList lines;
    QString error;
    EXPECT_FALSE(common::TextFile::readLines(QStringLiteral("/nonexistent/x.txt"), &lines, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace

TEST(DefaultSuffix, OnlyANameWithoutDotGetsTheExtension) {
    using common::withDefaultSuffix;
    const QString hlt = QStringLiteral("hlt");
    EXPECT_EQ(withDefaultSuffix(QStringLiteral("/home/me/tips"), hlt),
              QStringLiteral("/home/me/tips.hlt"));
    // A dot in a folder name is no extension of the file.
    EXPECT_EQ(withDefaultSuffix(QStringLiteral("/v1.2/tips"), hlt),
              QStringLiteral("/v1.2/tips.hlt"));
    EXPECT_EQ(withDefaultSuffix(QStringLiteral("tips.old"), hlt), QStringLiteral("tips.old"));
    EXPECT_EQ(withDefaultSuffix(QStringLiteral("tips"), QString()), QStringLiteral("tips"));
    EXPECT_EQ(withDefaultSuffix(QString(), hlt), QString()); // a cancelled dialog
}

// What a server sends reaches a terminal or a message as visible text: no
// escape sequence sets a title or a colour, no invisible character turns a
// line around, and a long text is cut without splitting an escape.
TEST(ShownText, EscapesControlsAndCutsLongTexts) {
    using common::shownText;
    const struct {
        QString text;
        QString shown;
    } cases[] = {
        {QStringLiteral("404 Not Found"), QStringLiteral("404 Not Found")},
        {QStringLiteral("\x1b]0;owned\x07\x1b[31mred"),
         QStringLiteral("\\x1b]0;owned\\x07\\x1b[31mred")},
        {QStringLiteral("a\r\nb\tc\x7f"), QStringLiteral("a\\r\\nb\\tc\\x7f")},
        {QString::fromLatin1("\x9b"
                             "2J caf\xe9"),
         QString::fromUtf8("\\x9b2J café")},
        {QString::fromUtf8("abc\u202Efdp.exe"), QStringLiteral("abc\\u202efdp.exe")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shownText(c.text), c.shown) << c.text.toStdString();
    }
    const QString exact(common::kShownTextMax, QLatin1Char('x'));
    EXPECT_EQ(shownText(exact), exact);
    const QString cut = shownText(exact + QLatin1Char('y'));
    EXPECT_EQ(cut.size(), common::kShownTextMax);
    EXPECT_EQ(cut, exact.left(common::kShownTextMax - 1) + QChar(0x2026));
    // An escape that would not fit whole is left out whole.
    EXPECT_EQ(shownText(QStringLiteral("abcd\x1bxyz"), 6), QStringLiteral("abcd") + QChar(0x2026));
    EXPECT_EQ(shownText(QString(1000000, QLatin1Char('\x1b'))).size(), common::kShownTextMax - 3);
}
