// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace tips {

// The printable ticket sheet "Tipp.txt": a dated header, then the first T
// tips of the list grouped into tickets of G, each ticket closed by a line
// holding one blank.
class TicketSheet {
public:
    static constexpr const char* kFileName = "Tipp.txt";

    // "Tirvex trié de " with the long weekday name and dd.mm.yy.
    static QString header(const QDate& today);
    static QStringList lines(const QStringList& tips, int total, int tipsPerTicket,
                             const QDate& today);
    // Writes the sheet to home + "Tipp.txt", 8-bit with CR LF; returns the path.
    static bool write(const QString& home, const QStringList& tips, int total, int tipsPerTicket,
                      const QDate& today, QString* path, QString* error = nullptr);
};

} // namespace tips
