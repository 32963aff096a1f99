// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/DrawCursor.h"

#include <algorithm>

#include "common/DayNumber.h"
#include "common/Formats.h"

namespace history {

int CurrentDraw::crossSum() const {
    int sum = 0;
    for (int number : zahl) {
        sum += number;
    }
    return sum;
}

QString DrawCursor::crossSumText(int crossSum) {
    return QStringLiteral("traverser la somme: ") + QString::number(crossSum);
}

void DrawCursor::takeRecord(const TZiehung& record, bool withJoker) {
    m_current.datum1 = record.datum;
    for (std::size_t i = 0; i < record.zahlen.size(); ++i) {
        m_current.zahl[i] = record.zahlen[i];
    }
    for (std::size_t i = 0; i < record.jokerPlus.size(); ++i) {
        if (withJoker) {
            m_current.joker[i] = record.joker[i];
        }
        m_current.jokerPlus[i] = record.jokerPlus[i];
    }
    m_current.soir = record.soir;
    m_current.multiplicateur = record.multiplicateur;
}

void DrawCursor::buildLines(Move move, bool firstOfMany) {
    m_shown = {m_current, move, firstOfMany};
    m_linesWritten = false;
}

const QString& DrawCursor::drawLine() const {
    writeLines();
    return m_drawLine;
}

const QString& DrawCursor::crossSumLine() const {
    writeLines();
    return m_crossSumLine;
}

void DrawCursor::writeLines() const {
    if (m_linesWritten) {
        return;
    }
    m_linesWritten = true;
    const CurrentDraw& shown = m_shown.draw;
    const Move move = m_shown.move;
    QString line = common::formatDrawLineDate(common::toDate(shown.datum1));
    line +=
        (move == Move::Load && m_shown.firstOfMany) ? QStringLiteral("   ") : QStringLiteral("  ");
    if (move == Move::Forward) {
        line += shown.soir == 0 ? QStringLiteral(" (midi ) ") : QStringLiteral(" (soir ) ");
    } else {
        line += shown.soir == 0 ? QStringLiteral(" (midi) ") : QStringLiteral(" (soir) ");
    }
    for (int number : shown.zahl) {
        line += QStringLiteral("  ") + QString::number(number);
    }
    line += move == Move::Load ? QStringLiteral("  x") : QStringLiteral("   x");
    line += QString::number(shown.multiplicateur);
    m_drawLine = line;
    m_crossSumLine = crossSumText(shown.crossSum());
}

void DrawCursor::loadAtDate(std::span<const TZiehung> records, common::DayNumber pickerDate,
                            bool datesAscend) {
    m_current.aktDatum = static_cast<common::DayNumber>(common::wholeDay(pickerDate));
    const int count = static_cast<int>(records.size());
    if (count == 0) {
        // Nothing becomes current; the lines keep what they showed.
        m_current.soir = 0;
        m_current.multiplicateur = 0;
        m_current.position = 0;
        return;
    }
    int position = count - 1;
    // In ascending records the first on or after the day is found by halving.
    int from = 0;
    if (datesAscend) {
        const common::DayNumber day = m_current.aktDatum;
        from = static_cast<int>(
            std::partition_point(records.begin(), records.end(),
                                 [day](const TZiehung& record) { return record.datum < day; }) -
            records.begin());
    }
    for (int i = from; i < count; ++i) {
        if (records[static_cast<std::size_t>(i)].datum >= m_current.aktDatum) {
            position = i;
            if (i > 0 && i + 1 < count &&
                records[static_cast<std::size_t>(i + 1)].datum ==
                    records[static_cast<std::size_t>(i)].datum) {
                position = i + 1;
            }
            break;
        }
    }
    takeRecord(records[static_cast<std::size_t>(position)], true);
    m_current.position = position;
    buildLines(Move::Load, position == 0 && count > 1);
}

void DrawCursor::stepBack(std::span<const TZiehung> records) {
    m_current.position = std::max(0, m_current.position - 1);
    const int count = static_cast<int>(records.size());
    const int position = std::min(m_current.position, count - 1);
    takeRecord(position >= 0 ? records[static_cast<std::size_t>(position)] : TZiehung{}, false);
    m_current.aktDatum = m_current.datum1;
    buildLines(Move::Step, false);
}

void DrawCursor::stepForward(std::span<const TZiehung> records) {
    const int count = static_cast<int>(records.size());
    m_current.position += 1;
    if (m_current.position > count - 1) {
        m_current.position = std::max(0, count - 1);
    }
    takeRecord(count > 0 ? records[static_cast<std::size_t>(m_current.position)] : TZiehung{},
               false);
    m_current.aktDatum = m_current.datum1;
    buildLines(Move::Forward, false);
}

} // namespace history
