// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "backtest/BacktestKind.h"
#include "backtest/BacktestResult.h"

namespace backtest {

// The report a backtest leaves in "Analyse.txt": a header, one line per hit
// count and the closing lines. The seven reports differ in small wordings
// that users compare across runs, so each is kept exactly.
class AnalysisLog {
public:
    // limit is the tally limit of the generated-tips test (numbers per tip);
    // the other tests always list hit counts 0..20.
    static QStringList lines(BacktestKind kind, const BacktestResult& result, int limit);
    static QString fileName() { return QStringLiteral("Analyse.txt"); }

private:
    static QString header(BacktestKind kind);
    static QString closing(BacktestKind kind, int cycles);
    static QString extremeLine(common::DayNumber date, int sum, BacktestKind kind);
};

} // namespace backtest
