// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/ScriptFiller.h"

#include "tips/TipLine.h"

namespace online {

QString ScriptFiller::fill(const QString& templateText, const QStringList& ticketTips,
                           int numbersPerTip, int tipsPerTicket, const QString& stakeText) {
    QString text = templateText;
    for (int t = 1; t <= tipsPerTicket; ++t) {
        const bool hasTip = t <= ticketTips.size();
        const QStringList fields =
            hasTip ? tips::TipLine::fields(ticketTips[t - 1]) : QStringList();
        for (int z = 1; z <= numbersPerTip; ++z) {
            QString number;
            if (hasTip) {
                number = z <= fields.size() ? fields[z - 1] : QStringLiteral("0");
            }
            // The closing bracket keeps [Z1_1] from matching inside [Z10_1].
            text.replace(QStringLiteral("[Z%1_%2]").arg(z).arg(t), number);
        }
    }
    text.replace(QStringLiteral("[PREIS]"), stakeText);
    text.replace(QStringLiteral("[MELDUNGFERTIG]"), readyMessage());
    return text;
}

QString ScriptFiller::filledScriptPath(const QString& home, const QDate& today) {
    return home + QStringLiteral("Tipps/") + today.toString(QStringLiteral("yyyyMMdd")) +
           QStringLiteral(".qks");
}

} // namespace online
