// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "tips/HitTally.h"

namespace tips {

// The evaluation dialog's table: per hit count 1..10 a count (the hit tally
// kept by the tip check), a quota, and the row sum count x quota; under it
// the grand total of all ten rows. Every field is text, as the user may type
// anything; a field that is no number leaves its own row without a sum and
// is reported, the other rows and the total go on.
class EvaluationSheet {
public:
    static constexpr int kRows = 10;

    // The counts are the tally itself: the check writes them, the dialog shows
    // and edits them.
    explicit EvaluationSheet(HitTally* counts);

    QString countText(int hits) const { return m_counts->text(hits); }
    void setCountText(int hits, const QString& text);
    QString quotaText(int hits) const { return m_quotas[index(hits)]; }
    void setQuotaText(int hits, const QString& text);

    bool quotaEnabled(int hits) const { return m_enabled[index(hits)]; }
    QString rowSum(int hits) const { return m_rowSums[index(hits)]; }
    QString total() const { return m_total; }
    // One message per field that is not a number, from the last recalculation.
    const QStringList& errors() const { return m_errors; }

    // Recomputes enabled quotas, row sums and the grand total from the texts.
    void recalculate();
    // Sets the average quotas (1 for hits 1..5, then 10, 100, ... 100000),
    // recalculates and returns the message that explains them.
    QString setAverageQuotas();

    static QString averageQuotaMessage();
    // A value in fixed-point with the given decimals after rounding to
    // precision significant digits; a value with more integer digits than
    // that is shown in exponent form. "," is the decimal separator.
    static QString formatFixed(double value, int precision, int decimals);
    // Reads a decimal number written with "," as the decimal separator.
    static bool parseDecimal(const QString& text, double* value);

private:
    static std::size_t index(int hits) { return static_cast<std::size_t>(hits - 1); }
    bool rowValue(int hits, double* value);

    HitTally* m_counts;
    std::array<QString, kRows> m_quotas;
    std::array<bool, kRows> m_enabled{};
    std::array<QString, kRows> m_rowSums;
    QString m_total = QStringLiteral("Summe");
    QStringList m_errors;
};

} // namespace tips
