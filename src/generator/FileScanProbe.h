// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "generator/HistoryProbe.h"

namespace generator {

// The history probe that reads the history file for every question and runs
// the tip check on the attempt's text draw by draw. It is the reference the
// in-memory probe is measured and checked against; a file that cannot be read
// counts as an empty history.
class FileScanProbe : public HistoryProbe {
public:
    explicit FileScanProbe(QString historyPath) : m_path(std::move(historyPath)) {}

    bool passes(const Attempt& attempt, common::DayNumber from, common::DayNumber to,
                int threshold) override;

    // The attempt as the tip check reads it: every number followed by ",".
    static QString attemptText(const Attempt& attempt);

private:
    QString m_path;
};

} // namespace generator
