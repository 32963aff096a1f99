// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/TipCheck.h"

#include <algorithm>

#include "tips/TipLine.h"

namespace tips {

TipCheck::TipResult TipCheck::checkTip(const QString& line, const Draw& zahl, int nFields,
                                       HitTally* tally) {
    TipResult result;
    result.tippZahl = TipLine::fields(line);
    const qsizetype counted = std::min<qsizetype>(result.tippZahl.size(), nFields);
    for (qsizetype f = 0; f < counted; ++f) {
        qint64 value = 0;
        if (!TipLine::fieldValue(result.tippZahl[f], &value)) {
            break;
        }
        result.gewinn += static_cast<int>(std::count(zahl.begin(), zahl.end(), value));
    }
    if (tally) {
        tally->increment(result.gewinn);
    }
    return result;
}

QString TipCheck::hitText(int hits) {
    // The texts of the usual counts are made once and shared.
    static const std::array<QString, 21> texts = [] {
        std::array<QString, 21> made;
        for (int k = 0; k <= 20; ++k) {
            made[static_cast<std::size_t>(k)] = QString::number(k);
        }
        return made;
    }();
    return hits >= 0 && hits <= 20 ? texts[static_cast<std::size_t>(hits)] : QString::number(hits);
}

QString TipCheck::maxWinText(int max) {
    return max > 0 ? QStringLiteral("Max Win:  %1x").arg(max) : QString();
}

TipCheck::FullResult TipCheck::checkAll(TipList* list, const Draw& zahl, int nFields, bool active,
                                        HitTally* tally) {
    FullResult result;
    tally->reset();
    if (!active) {
        return result;
    }
    if (list->scorer(nFields).hadBlankLines()) {
        QStringList& lines = list->lines();
        lines.removeIf([](const QString& line) { return TipLine::isBlank(line); });
    }
    // The tips as parsed when the list last changed: a check on every cursor
    // move or reported draw reads no tip text.
    const TipScorer& scorer = list->scorer(nFields);
    const TipScorer::Draw<int> drawn = TipScorer::draw(zahl);
    QStringList& hits = list->hits();
    hits.clear();
    hits.reserve(static_cast<qsizetype>(scorer.size()));
    for (std::size_t i = 0; i < scorer.size(); ++i) {
        const int gewinn = scorer.hits(i, drawn);
        result.max = std::max(result.max, gewinn);
        if (gewinn <= 20) {
            ++result.statistik[static_cast<std::size_t>(gewinn)];
        }
        hits << hitText(gewinn);
    }
    result.playSound = result.max >= 3;
    // Each tip with 1..10 hits adds one to its counter, which starts at 0.
    for (int k = 1; k <= 10; ++k) {
        tally->setText(k, QString::number(result.statistik[static_cast<std::size_t>(k)]));
    }
    if (list->selected() >= list->count()) {
        list->select(-1);
    }
    result.status = maxWinText(result.max);
    return result;
}

} // namespace tips
