#include "history/DrawCursor.h"

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
    QString line = common::formatDrawLineDate(common::toDate(m_current.datum1));
    line += (move == Move::Load && firstOfMany) ? QStringLiteral("   ") : QStringLiteral("  ");
    if (move == Move::Forward) {
        line += m_current.soir == 0 ? QStringLiteral(" (midi ) ") : QStringLiteral(" (soir ) ");
    } else {
        line += m_current.soir == 0 ? QStringLiteral(" (midi) ") : QStringLiteral(" (soir) ");
    }
    for (int number : m_current.zahl) {
        line += QStringLiteral("  ") + QString::number(number);
    }
    line += move == Move::Load ? QStringLiteral("  x") : QStringLiteral("   x");
    line += QString::number(m_current.multiplicateur);
    m_drawLine = line;
    m_crossSumLine = crossSumText(m_current.crossSum());
}

void DrawCursor::loadAtDate(std::span<const TZiehung> records, common::DayNumber pickerDate) {
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
    for (int i = 0; i < count; ++i) {
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
