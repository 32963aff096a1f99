// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace online {

// Fills a click-script template for one ticket. It knows three placeholders:
// [Zz_t] (number z of tip t of the ticket), [PREIS] (the stake text) and
// [MELDUNGFERTIG] (the closing note); all other text passes unchanged.
class ScriptFiller {
public:
    static QString readyMessage() {
        return QStringLiteral(
            "Bitte überprüfen Sie jetzt den Tipp und dann können Sie ihn abgeben!");
    }

    // ticketTips holds the ticket's tip lines, at most tipsPerTicket. Number z
    // of a tip is its z-th field as the check cuts it, verbatim; "0" past its
    // last field; empty text for the places of the ticket without a tip.
    static QString fill(const QString& templateText, const QStringList& ticketTips,
                        int numbersPerTip, int tipsPerTicket, const QString& stakeText);
    // Home + "Tipps/" + yyyymmdd + ".qks": each ticket of a day replaces the last.
    static QString filledScriptPath(const QString& home, const QDate& today);
};

} // namespace online
