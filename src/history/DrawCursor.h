// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <span>
#include <vector>

#include "history/DrawHistory.h"
#include "history/TZiehung.h"

namespace history {

// The draw the user is looking at, in the fields the rest of the program reads.
struct CurrentDraw {
    common::DayNumber datum1 = 0;
    std::array<int, 20> zahl{};
    std::array<int, 7> joker{};
    std::array<int, 7> jokerPlus{};
    std::uint8_t soir = 0;
    std::uint8_t multiplicateur = 0;
    int position = 0;
    // The date last looked up; statistics use it as their working date too.
    common::DayNumber aktDatum = 0;

    int crossSum() const;
};

// The three cursor moves over the records of the history, and the text lines
// that show the current draw. Each move works on the records read for it.
class DrawCursor {
public:
    CurrentDraw& current() { return m_current; }
    const CurrentDraw& current() const { return m_current; }

    // Makes the draw at pickerDate current: the first on or after that day, on
    // a day with two draws the soir one (except on the very first record).
    // datesAscend: the records' dates never go down, so the lookup may halve
    // the range instead of reading from the first record.
    void loadAtDate(std::span<const TZiehung> records, common::DayNumber pickerDate,
                    bool datesAscend = false);
    // The same on a history in memory, which knows whether its dates ascend.
    void loadAtDate(const DrawHistory& history, common::DayNumber pickerDate) {
        loadAtDate(history.records(), pickerDate, history.datesAscending());
    }
    void stepBack(std::span<const TZiehung> records);
    void stepForward(std::span<const TZiehung> records);

    // The lines of the draw the last move made current. They are written
    // when first asked for: a backtest moves the cursor thousands of times
    // between two looks at the screen.
    const QString& drawLine() const;
    const QString& crossSumLine() const;

    static QString crossSumText(int crossSum);

private:
    enum class Move { Load, Step, Forward };
    void takeRecord(const TZiehung& record, bool withJoker);
    void buildLines(Move move, bool firstOfMany);
    void writeLines() const;

    CurrentDraw m_current;
    // What the lines show, as the last move left it.
    struct Shown {
        CurrentDraw draw;
        Move move = Move::Load;
        bool firstOfMany = false;
    };
    Shown m_shown;
    mutable bool m_linesWritten = true;
    mutable QString m_drawLine;
    mutable QString m_crossSumLine;
};

} // namespace history
