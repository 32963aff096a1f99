// SPDX-License-Identifier: GPL-3.0-or-later
#include "backtest/AnalysisLog.h"

#include "common/Formats.h"

namespace backtest {

namespace {
const QChar kTab = QLatin1Char('\t');
}

QString AnalysisLog::header(BacktestKind kind) {
    switch (kind) {
    case BacktestKind::GeneratedTips:
        return QStringLiteral("Le réglage actuel a apporté: ");
    case BacktestKind::NextDraw:
        return QStringLiteral("Résultat avec les paramètres actuels");
    default:
        return QStringLiteral("Le réglage actuel a");
    }
}

QString AnalysisLog::closing(BacktestKind kind, int cycles) {
    const QString count = QString::number(cycles) + QStringLiteral(" tirer");
    switch (kind) {
    case BacktestKind::GeneratedTips:
        return QStringLiteral("de ") + count;
    case BacktestKind::NextDraw:
        return QStringLiteral("á ") + count;
    case BacktestKind::LastThreeDraws:
        return QStringLiteral("à") + count;
    default:
        return QStringLiteral("à ") + count;
    }
}

QString AnalysisLog::extremeLine(common::DayNumber date, int sum, BacktestKind kind) {
    const QString word = kind == BacktestKind::NextThreeDraws ? QStringLiteral(" matchs qu`il")
                                                              : QStringLiteral(" matches qu`il");
    return QStringLiteral("au ") + common::formatShortDate(common::toDate(date)) +
           QStringLiteral(" de ") + QString::number(sum) + word;
}

QStringList AnalysisLog::lines(BacktestKind kind, const BacktestResult& result, int limit) {
    QStringList out;
    out << header(kind);
    if (kind == BacktestKind::GeneratedTips) {
        for (int h = 0; h <= limit && h <= 20; ++h) {
            out << QString::number(h) + QStringLiteral("x ") + kTab + QStringLiteral(" => ") +
                       QString::number(result.tally[static_cast<std::size_t>(h)]);
        }
        out << QStringLiteral(" ");
    } else {
        for (int h = 0; h <= 20; ++h) {
            out << QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0')) +
                       QStringLiteral("x         => ") + kTab +
                       QString::number(result.tally[static_cast<std::size_t>(h)]);
        }
    }
    out << closing(kind, result.cycles);
    if (BacktestInfo::keepsExtremes(kind)) {
        out << extremeLine(result.smallestDate, result.smallestSum, kind);
        out << extremeLine(result.largestDate, result.largestSum, kind);
    }
    return out;
}

} // namespace backtest
