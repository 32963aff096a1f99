// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace prefs {

// The 70 number boxes of the number choice dialog: each box is checked or
// not, may be highlighted, and carries its weight as decimal text. A box's
// weight text survives unchecking, so a number can be switched off and on
// again without losing its weight.
class NumberGrid {
public:
    static constexpr int kNumbers = 70;

    NumberGrid();

    bool checked(int number) const { return box(number).checked; }
    bool highlighted(int number) const { return box(number).highlighted; }
    const QString& weightText(int number) const { return box(number).weight; }

    // Every change of the checked state, by the user or by the program, runs
    // the click rule: a box that becomes checked gains one weight.
    void setChecked(int number, bool checked);
    // A click by the user toggles the box.
    void toggle(int number) { setChecked(number, !checked(number)); }
    void setWeightText(int number, const QString& text) { box(number).weight = text; }
    void setHighlighted(int number, bool highlighted) { box(number).highlighted = highlighted; }

    // Unchecks every box and removes every highlight.
    void clearAll();
    int checkedCount() const;

private:
    struct Box {
        bool checked = true;
        bool highlighted = false;
        QString weight;
    };
    Box& box(int number) { return m_boxes[static_cast<std::size_t>(number - 1)]; }
    const Box& box(int number) const { return m_boxes[static_cast<std::size_t>(number - 1)]; }
    void clickRule(Box& box);

    std::array<Box, kNumbers> m_boxes;
};

} // namespace prefs
