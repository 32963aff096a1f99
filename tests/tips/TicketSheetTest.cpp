// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLocale>

#include "TestSupport.h"
#include "tips/TicketSheet.h"

using tips::TicketSheet;

namespace {

const QDate kToday(2022, 11, 24);

QString headerLines() {
    const QString day = QLocale::system().dayName(kToday.dayOfWeek(), QLocale::LongFormat);
    return QStringLiteral("Tirvex trié de ") + day + QStringLiteral(" 24.11.22\r\n") +
           QString(39, '~') + QStringLiteral("\r\n\r\n");
}

QStringList tipLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines << QStringLiteral("%1,20,30").arg(i, 2, 10, QLatin1Char('0'));
    }
    return lines;
}

QByteArray sheetBytes(const QStringList& tips, int total, int perTicket) {
    testsupport::TempHome home;
    QString path;
    EXPECT_TRUE(TicketSheet::write(home.path(), tips, total, perTicket, kToday, &path));
    EXPECT_EQ(path, home.file("Tipp.txt"));
    return testsupport::fileBytes(path);
}

} // namespace

TEST(TicketSheet, SevenTipsInTicketsOfFive) {
    const QByteArray expected = (headerLines() + " 1. Tip:  01,20,30\r\n"
                                                 " 2. Tip:  02,20,30\r\n"
                                                 " 3. Tip:  03,20,30\r\n"
                                                 " 4. Tip:  04,20,30\r\n"
                                                 " 5. Tip:  05,20,30\r\n"
                                                 " \r\n"
                                                 " 1. Tip:  06,20,30\r\n"
                                                 " 2. Tip:  07,20,30\r\n"
                                                 " \r\n")
                                    .toLatin1();
    EXPECT_EQ(sheetBytes(tipLines(7), 7, 5), expected);
    // Tips beyond the total belong to no ticket of the run.
    EXPECT_EQ(sheetBytes(tipLines(10), 7, 5), expected);
}

TEST(TicketSheet, TicketsPastTheListKeepTheirBlankLine) {
    const QByteArray expected = (headerLines() + " 1. Tip:  01,20,30\r\n"
                                                 " 2. Tip:  02,20,30\r\n"
                                                 " 3. Tip:  03,20,30\r\n"
                                                 " \r\n"
                                                 " \r\n")
                                    .toLatin1();
    EXPECT_EQ(sheetBytes(tipLines(3), 10, 5), expected);
}

TEST(TicketSheet, OneTipPerTicketAndEmptyList) {
    const QStringList lines = TicketSheet::lines(tipLines(2), 2, 1, kToday);
    EXPECT_EQ(lines.mid(3), QStringList({" 1. Tip:  01,20,30", " ", " 1. Tip:  02,20,30", " "}));
    EXPECT_EQ(TicketSheet::lines({}, 1, 5, kToday).mid(3), QStringList({" "}));
    EXPECT_TRUE(TicketSheet::lines({}, 1, 5, kToday)[0].startsWith("Tirvex trié de "));
}
