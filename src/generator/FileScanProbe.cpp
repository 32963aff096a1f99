// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/FileScanProbe.h"

#include <algorithm>
#include <vector>

#include "history/HistoryFile.h"
#include "tips/TipCheck.h"

namespace generator {

QString FileScanProbe::attemptText(const Attempt& attempt) {
    QString text;
    for (int number : attempt.numbers()) {
        text += QString::number(number) + QLatin1Char(',');
    }
    return text;
}

bool FileScanProbe::passes(const Attempt& attempt, common::DayNumber from, common::DayNumber to,
                           int threshold) {
    std::vector<history::TZiehung> records;
    if (history::HistoryFile::readAll(m_path, &records) != history::HistoryFile::Status::Ok) {
        return true;
    }
    const QString text = attemptText(attempt);
    for (const history::TZiehung& record : records) {
        if (!(record.datum > from && record.datum <= to)) {
            continue;
        }
        tips::TipCheck::Draw zahl{};
        std::copy(record.zahlen.begin(), record.zahlen.end(), zahl.begin());
        if (tips::TipCheck::checkTip(text, zahl, attempt.count, nullptr).gewinn >= threshold) {
            return false;
        }
    }
    return true;
}

} // namespace generator
