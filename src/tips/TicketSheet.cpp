// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/TicketSheet.h"

#include <QLocale>
#include <algorithm>

#include "common/TextFile.h"
#include "tips/TipList.h"

namespace tips {

QString TicketSheet::header(const QDate& today) {
    const QString dayName = QLocale::system().dayName(today.dayOfWeek(), QLocale::LongFormat);
    return QStringLiteral("Tirvex trié de ") + dayName + QLatin1Char(' ') +
           today.toString(QStringLiteral("dd.MM.yy"));
}

QStringList TicketSheet::lines(const QStringList& tips, int total, int tipsPerTicket,
                               const QDate& today) {
    QStringList sheet{header(today), QString(39, QLatin1Char('~')), QString()};
    if (tipsPerTicket < 1) {
        return sheet;
    }
    // Only the first T tips belong to the run, even when the list holds more.
    const int printable = std::min(total, static_cast<int>(tips.size()));
    const int tickets = TipList::ticketCount(std::max(total, 0), tipsPerTicket);
    for (int ticket = 0; ticket < tickets; ++ticket) {
        for (int place = 1; place <= tipsPerTicket; ++place) {
            const int index = ticket * tipsPerTicket + place - 1;
            if (index < printable) {
                sheet << QString::asprintf("%2d", place) + QStringLiteral(". Tip:  ") + tips[index];
            }
        }
        sheet << QStringLiteral(" ");
    }
    return sheet;
}

bool TicketSheet::write(const QString& home, const QStringList& tips, int total, int tipsPerTicket,
                        const QDate& today, QString* path, QString* error) {
    *path = home + QLatin1String(kFileName);
    return common::TextFile::writeLines(*path, lines(tips, total, tipsPerTicket, today), error);
}

} // namespace tips
