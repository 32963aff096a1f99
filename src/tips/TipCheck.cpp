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
    list->hits().clear();
    QStringList& lines = list->lines();
    for (qsizetype i = 0; i < lines.size();) {
        if (TipLine::isBlank(lines[i])) {
            lines.removeAt(i);
            continue;
        }
        const int gewinn = checkTip(lines[i], zahl, nFields, tally).gewinn;
        result.playSound = result.playSound || gewinn >= 3;
        result.max = std::max(result.max, gewinn);
        if (gewinn <= 20) {
            ++result.statistik[static_cast<std::size_t>(gewinn)];
        }
        list->hits() << QString::number(gewinn);
        ++i;
    }
    if (list->selected() >= list->count()) {
        list->select(-1);
    }
    result.status = maxWinText(result.max);
    return result;
}

} // namespace tips
