// SPDX-License-Identifier: GPL-3.0-or-later
#include "tips/EvaluationSheet.h"

#include <QRegularExpression>

#include "common/Formats.h"

namespace tips {

namespace {

QString notANumber(const QString& text) {
    return QStringLiteral("« %1 » n'est pas un nombre valide").arg(text);
}

} // namespace

EvaluationSheet::EvaluationSheet(HitTally* counts) : m_counts(counts) {
    m_quotas.fill(QStringLiteral("0"));
}

void EvaluationSheet::setCountText(int hits, const QString& text) {
    m_counts->setText(hits, text);
    recalculate();
}

void EvaluationSheet::setQuotaText(int hits, const QString& text) {
    m_quotas[index(hits)] = text;
    recalculate();
}

bool EvaluationSheet::rowValue(int hits, double* value) {
    qint64 count = 0;
    double quota = 0;
    bool ok = true;
    if (!common::parseInteger(countText(hits), &count)) {
        m_errors << notANumber(countText(hits));
        ok = false;
    }
    if (!parseDecimal(quotaText(hits), &quota)) {
        m_errors << notANumber(quotaText(hits));
        ok = false;
    }
    *value = static_cast<double>(count) * quota;
    return ok;
}

void EvaluationSheet::recalculate() {
    m_errors.clear();
    double total = 0;
    for (int hits = 1; hits <= kRows; ++hits) {
        qint64 count = 0;
        m_enabled[index(hits)] = common::parseInteger(countText(hits), &count) && count > 0;
        double value = 0;
        if (!rowValue(hits, &value)) {
            m_rowSums[index(hits)].clear();
            continue;
        }
        m_rowSums[index(hits)] = formatFixed(value, 7, 2);
        // The total adds the sums as shown, so it agrees with the rows on screen.
        double shown = 0;
        parseDecimal(m_rowSums[index(hits)], &shown);
        total += shown;
    }
    m_total = formatFixed(total, 9, 2);
}

QString EvaluationSheet::setAverageQuotas() {
    static const std::array<const char*, kRows> averages = {"1",  "1",   "1",    "1",     "1",
                                                            "10", "100", "1000", "10000", "100000"};
    for (int hits = 1; hits <= kRows; ++hits) {
        m_quotas[index(hits)] = QString::fromLatin1(averages[index(hits)]);
    }
    recalculate();
    return averageQuotaMessage();
}

QString EvaluationSheet::averageQuotaMessage() {
    return QStringLiteral("Diese Quoten sind etwa Werte um den Gewinn abzuschätzen, für die genaue "
                          "Gewinnbestimmung tragen Sie bitte die genauen ermittelten Quoten ein.");
}

QString EvaluationSheet::formatFixed(double value, int precision, int decimals) {
    // Round to the significant digits first; the exponent tells how many
    // integer digits the rounded value has.
    const QString scientific = QString::number(value, 'e', precision - 1);
    const qsizetype ePos = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(ePos + 1).toInt();
    if (exponent + 1 > precision) {
        QString mantissa = scientific.left(ePos);
        mantissa.replace(QLatin1Char('.'), QLatin1Char(','));
        const QString digits =
            QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
        return mantissa + (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) + digits;
    }
    return common::formatDecimal(scientific.toDouble(), decimals);
}

bool EvaluationSheet::parseDecimal(const QString& text, double* value) {
    static const QRegularExpression pattern(
        QStringLiteral("^[+-]?(\\d+(,\\d*)?|,\\d+)([eE][+-]?\\d+)?$"));
    const QString trimmed = text.trimmed();
    if (!pattern.match(trimmed).hasMatch()) {
        return false;
    }
    QString plain = trimmed;
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    *value = plain.toDouble(&ok);
    return ok;
}

} // namespace tips
