// SPDX-License-Identifier: GPL-3.0-or-later
#include "backtest/BacktestKind.h"

namespace backtest {

std::optional<BacktestKind> BacktestInfo::fromNumber(int number) {
    if (number < 1 || number > 7) {
        return std::nullopt;
    }
    return static_cast<BacktestKind>(number);
}

std::vector<Move> BacktestInfo::moves(BacktestKind kind) {
    const Move forward{true, false};
    const Move back{false, false};
    const Move scoredForward{true, true};
    const Move scoredBack{false, true};
    switch (kind) {
    case BacktestKind::GeneratedTips:
    case BacktestKind::WalkForward:
    case BacktestKind::NextDraw:
        return {scoredForward};
    case BacktestKind::SecondNextDraw:
        return {forward, scoredForward, back};
    case BacktestKind::ThirdNextDraw:
        return {forward, forward, scoredForward, back, back};
    case BacktestKind::NextThreeDraws:
        return {scoredForward, scoredForward, scoredForward, back, back};
    case BacktestKind::LastThreeDraws:
        return {scoredBack, scoredBack, scoredBack, forward, forward, forward, forward};
    }
    return {};
}

QString BacktestInfo::errorMessage(BacktestKind kind) {
    switch (kind) {
    case BacktestKind::GeneratedTips:
        return QStringLiteral("Erreur - chiffre porte-bonheur");
    case BacktestKind::SecondNextDraw:
    case BacktestKind::ThirdNextDraw:
        return QStringLiteral("Erreur lors de l´ajout du nombre aléatoire");
    default:
        return QStringLiteral("Erreur lors de l`ajout du nombre aléatoire");
    }
}

QString BacktestInfo::buttonName(BacktestKind kind) {
    switch (kind) {
    case BacktestKind::GeneratedTips:
        return QStringLiteral("BitBtn9");
    case BacktestKind::WalkForward:
        return QStringLiteral("Erfolgstest");
    default:
        return QStringLiteral("Button%1").arg(number(kind) + 4);
    }
}

} // namespace backtest
