// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace prefs {

// The number boxes of the draw entry dialog. Unlike the number choice dialog
// the weight counts down as well: a right mouse press lowers it by one, and a
// box whose weight reaches 0 is unchecked. The status line explains the
// weight of the box under the mouse.
class DrawEntryGrid {
public:
    static constexpr int kNumbers = 70;

    bool checked(int number) const { return box(number).checked; }
    const QString& weightText(int number) const { return box(number).weight; }
    bool minus() const { return m_minus; }
    const QString& statusText() const { return m_status; }

    // The program (or a toggle) changes the checked state; runs the click rule.
    void setChecked(int number, bool checked);
    void setWeightText(int number, const QString& text) { box(number).weight = text; }
    // A toggle by mouse or keyboard.
    void toggle(int number) { setChecked(number, !checked(number)); }
    // A mouse press: the right button counts down at once and does not toggle;
    // any other button makes the toggle that follows count up.
    void mousePress(int number, bool rightButton);
    // Moving over a box, or activating the dialog on it, only explains it.
    void mouseMove(int number) { m_status = explain(number); }

    QString explain(int number) const;

private:
    struct Box {
        bool checked = false;
        QString weight;
    };
    Box& box(int number) { return m_boxes[static_cast<std::size_t>(number - 1)]; }
    const Box& box(int number) const { return m_boxes[static_cast<std::size_t>(number - 1)]; }
    void clickRule(int number);

    std::array<Box, kNumbers> m_boxes;
    bool m_minus = false;
    QString m_status;
};

} // namespace prefs
